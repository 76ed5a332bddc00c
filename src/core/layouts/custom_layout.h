#pragma once
// The custom OEM information window `diy`: its controls and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::custom_ids {
// OK and Cancel carry IDOK's and IDCANCEL's values so that Enter and Esc press them.
inline constexpr int kCommand1 = 1, kCommand2 = 2;
inline constexpr int kLabel1 = 101, kLabel2 = 102, kLabel3 = 103, kLabel4 = 104, kLabel5 = 105,
                     kLabel6 = 106;
inline constexpr int kText1 = 111, kText2 = 112, kText3 = 113, kText4 = 114, kText5 = 115,
                     kText6 = 116;
inline constexpr int kCommand3 = 121, kCommand4 = 122;
}  // namespace vx::custom_ids

namespace vx {

inline constexpr int kCustomClientWidthTwips = 5625;
inline constexpr int kCustomClientHeightTwips = 2895;

std::span<const ControlDef> CustomLayout();

}  // namespace vx
