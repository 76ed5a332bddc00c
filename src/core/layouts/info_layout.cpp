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
    {kLabel1, "Label1", Label, text::kDiyLabel1, 240, 278, 780, 240, -1},
    {kValue1, "Value1", Edit, L"", 1050, 240, 3480, 315, 3},
    {kLabel2, "Label2", Label, text::kDiyLabel2, 240, 698, 780, 240, -1},
    {kValue1 + 1, "Value2", Edit, L"", 1050, 660, 3480, 315, 4},
    {kLabel3, "Label3", Label, text::kDiyLabel3, 240, 1118, 780, 240, -1},
    {kValue1 + 2, "Value3", Edit, L"", 1050, 1080, 3480, 315, 5},
    {kLabel4, "Label4", Label, text::kDiyLabel4, 240, 1538, 780, 240, -1},
    {kValue1 + 3, "Value4", Edit, L"", 1050, 1500, 3480, 315, 6},
    {kLabel6, "Label6", Label, text::kDiyLabel6, 240, 1958, 780, 240, -1},
    {kValue1 + 4, "Value5", Edit, L"", 1050, 1920, 3480, 315, 7},
    {kLabel5, "Label5", Label, text::kDiyLabel5, 240, 2378, 780, 240, -1},
    {kValue1 + 5, "Value6", Edit, L"", 1050, 2340, 3480, 315, 8},
    {kLogo, "logo", Picture, L"", 4770, 240, 1830, 1830, -1},
    {kNameLabel, "NameLabel", Label, text::kInfoNameLabel, 240, 3038, 1020, 240, -1},
    {kName, "Name", Edit, L"", 1290, 3000, 3240, 315, 0},
    {kSave, "Save", Button, text::kInfoSave, 4770, 2340, 1830, 360, 1},
    {kClose, "Close", Button, text::kInfoClose, 4770, 2985, 1830, 360, 2},
    {kFirmwareLabel1, "Label7", Label, text::kInfoFirmwareMaker, 240, 3458, 1020, 240, -1},
    {kFirmwareMaker, "Value7", Edit, L"", 1290, 3420, 5310, 315, 9},
    {kFirmwareLabel2, "Label8", Label, text::kInfoFirmwareModel, 240, 3878, 1020, 240, -1},
    {kFirmwareModel, "Value8", Edit, L"", 1290, 3840, 5310, 315, 10},
};

}  // namespace

std::span<const ControlDef> InfoLayout() { return kInfo; }

}  // namespace vx
