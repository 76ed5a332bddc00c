#pragma once
// The current OEM information window: its controls and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::info_ids {
// Save and close carry IDOK's and IDCANCEL's values so that Enter and Esc press them.
inline constexpr int kSave = 1, kClose = 2;
inline constexpr int kLabel1 = 101, kLabel2 = 102, kLabel3 = 103, kLabel4 = 104, kLabel5 = 105,
                     kLabel6 = 106, kNameLabel = 107, kFirmwareLabel1 = 108, kFirmwareLabel2 = 109;
// The six value boxes in the order of kOemValueNames, then the name box.
inline constexpr int kValue1 = 111, kName = 117;
inline constexpr int kLogo = 121;
// The firmware's maker and model, read-only.
inline constexpr int kFirmwareMaker = 131, kFirmwareModel = 132;
}  // namespace vx::info_ids

namespace vx {

inline constexpr int kInfoClientWidthTwips = 6840;
inline constexpr int kInfoClientHeightTwips = 4440;

std::span<const ControlDef> InfoLayout();

}  // namespace vx
