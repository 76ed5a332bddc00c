#pragma once
// The custom OEM information window `diy`: its controls and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::custom_ids {
// OK and Cancel carry IDOK's and IDCANCEL's values so that Enter and Esc press them.
inline constexpr int kOk = 1, kCancel = 2;
inline constexpr int kManufacturerLabel = 101, kModelLabel = 102, kSupportUrlLabel = 103,
                     kSupportPhoneLabel = 104, kLogoPathLabel = 105, kSupportHoursLabel = 106;
// The six boxes, numbered in the order of the custom values they become.
inline constexpr int kManufacturerBox = 111, kModelBox = 112, kSupportUrlBox = 113,
                     kSupportPhoneBox = 114, kLogoPathBox = 115, kSupportHoursBox = 116;
inline constexpr int kBrowse = 121, kReadMachine = 122;
}  // namespace vx::custom_ids

namespace vx {

inline constexpr int kCustomClientWidthTwips = 5625;
inline constexpr int kCustomClientHeightTwips = 2895;

std::span<const ControlDef> CustomLayout();

}  // namespace vx
