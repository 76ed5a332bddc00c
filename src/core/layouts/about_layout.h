#pragma once
// The about window's controls and size in twips.
#include <span>

#include "core/layouts/layout.h"
#include "core/texts.h"

namespace vx::about_ids {
// OK answers Enter as the window's default button, so it carries IDOK's value; Esc arrives as
// IDCANCEL's value and closes the window as well.
inline constexpr int kOk = 1, kEscape = 2;
// The maker's logo is a link to the maker's home page.
inline constexpr int kMakerLogo = 301, kProductLabel = 302, kVersionLabel = 303,
                     kDescriptionLabel = 304, kThanksLabel = 305, kNoticeLabel = 306;
}  // namespace vx::about_ids

namespace vx {

inline constexpr int kAboutClientWidthTwips = 3375;
inline constexpr int kAboutClientHeightTwips = 2085;

// The product label's font: the product word in bold.
inline constexpr FontDef kProductWordFont{text::kAboutFontFace, 9, true, 134};

std::span<const ControlDef> AboutLayout();

}  // namespace vx
