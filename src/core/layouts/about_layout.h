#pragma once
// The about window's controls and size in twips.
#include <span>

#include "core/layouts/layout.h"
#include "core/texts.h"

namespace vx::about_ids {
// Command1 answers Enter as the window's default button, so it carries IDOK's value; Esc
// arrives as IDCANCEL's value and closes the window as well.
inline constexpr int kCommand1 = 1, kEscape = 2;
inline constexpr int kPicture1 = 301, kLabel4 = 302, kVs = 303, kLabel2 = 304, kLabel3 = 305,
                     kLabel1 = 306;
}  // namespace vx::about_ids

namespace vx {

inline constexpr int kAboutClientWidthTwips = 3375;
inline constexpr int kAboutClientHeightTwips = 2085;
// The maker's logo: 30 x 30 pixels, shown without a border so none of it is cut off.
inline constexpr int kMakerLogoPixels = 30;

// Label4's font: the product word in bold.
inline constexpr FontDef kProductWordFont{text::kAboutFontFace, 9, true, 134};

std::span<const ControlDef> AboutLayout();

}  // namespace vx
