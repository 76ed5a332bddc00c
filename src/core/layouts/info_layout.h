#pragma once
// The current OEM information window: its controls and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::info_ids {
// Save and close carry IDOK's and IDCANCEL's values so that Enter and Esc press them.
inline constexpr int kSave = 1, kClose = 2;
inline constexpr int kManufacturerLabel = 101, kModelLabel = 102, kSupportUrlLabel = 103,
                     kSupportPhoneLabel = 104, kLogoPathLabel = 105, kSupportHoursLabel = 106,
                     kNameLabel = 107, kFirmwareMakerLabel = 108, kFirmwareModelLabel = 109;
// The boxes of the six values read, and the box of the preset's name.
inline constexpr int kManufacturerBox = 111, kModelBox = 112, kSupportUrlBox = 113,
                     kSupportPhoneBox = 114, kSupportHoursBox = 115, kLogoPathBox = 116,
                     kName = 117;
// The value boxes in the order of kOemValues (core/oem/oem_values.h).
inline constexpr int kValueBoxes[] = {kManufacturerBox, kModelBox,        kSupportUrlBox,
                                      kSupportPhoneBox, kSupportHoursBox, kLogoPathBox};
inline constexpr int kLogo = 121;
// The firmware's maker and model, read-only.
inline constexpr int kFirmwareMaker = 131, kFirmwareModel = 132;
}  // namespace vx::info_ids

namespace vx {

inline constexpr int kInfoClientWidthTwips = 6840;
inline constexpr int kInfoClientHeightTwips = 4440;

std::span<const ControlDef> InfoLayout();

}  // namespace vx
