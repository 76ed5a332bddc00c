#include "core/layouts/info_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace info_ids;

// The name box comes first in the focus order, then the buttons, then the read-only values,
// the firmware's last, below everything that belongs to the saved preset.
// The value boxes stand in one column beside the logo, which shows a 120 x 120 bitmap whole
// inside its one-pixel frame.
constexpr ControlDef kInfo[] = {
    {kManufacturerLabel, Label, text::kManufacturerLabel, 240, 278, 780, 240, -1},
    {kManufacturerBox, Edit, L"", 1050, 240, 3480, 315, 3},
    {kModelLabel, Label, text::kModelLabel, 240, 698, 780, 240, -1},
    {kModelBox, Edit, L"", 1050, 660, 3480, 315, 4},
    {kSupportUrlLabel, Label, text::kSupportUrlLabel, 240, 1118, 780, 240, -1},
    {kSupportUrlBox, Edit, L"", 1050, 1080, 3480, 315, 5},
    {kSupportPhoneLabel, Label, text::kSupportPhoneLabel, 240, 1538, 780, 240, -1},
    {kSupportPhoneBox, Edit, L"", 1050, 1500, 3480, 315, 6},
    {kSupportHoursLabel, Label, text::kSupportHoursLabel, 240, 1958, 780, 240, -1},
    {kSupportHoursBox, Edit, L"", 1050, 1920, 3480, 315, 7},
    {kLogoPathLabel, Label, text::kLogoPathLabel, 240, 2378, 780, 240, -1},
    {kLogoPathBox, Edit, L"", 1050, 2340, 3480, 315, 8},
    {kLogo, Picture, L"", 4770, 240, 1830, 1830, -1},
    {kNameLabel, Label, text::kInfoNameLabel, 240, 3038, 1020, 240, -1},
    {kName, Edit, L"", 1290, 3000, 3240, 315, 0},
    {kSave, Button, text::kInfoSave, 4770, 2340, 1830, 360, 1},
    {kClose, Button, text::kInfoClose, 4770, 2985, 1830, 360, 2},
    {kFirmwareMakerLabel, Label, text::kInfoFirmwareMaker, 240, 3458, 1020, 240, -1},
    {kFirmwareMaker, Edit, L"", 1290, 3420, 5310, 315, 9},
    {kFirmwareModelLabel, Label, text::kInfoFirmwareModel, 240, 3878, 1020, 240, -1},
    {kFirmwareModel, Edit, L"", 1290, 3840, 5310, 315, 10},
};

}  // namespace

std::span<const ControlDef> InfoLayout() { return kInfo; }

}  // namespace vx
