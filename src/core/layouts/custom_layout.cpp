#include "core/layouts/custom_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace custom_ids;

// The hours box comes before the logo box in the focus order, though it stands above it.
constexpr ControlDef kCustom[] = {
    {kLabel1, "Label1", Label, text::kDiyLabel1, 345, 255, 630, 240, -1},
    {kText1, "Text1", Edit, L"", 1050, 218, 1545, 315, 1},
    {kLabel2, "Label2", Label, text::kDiyLabel2, 3030, 255, 615, 240, -1},
    {kText2, "Text2", Edit, L"", 3720, 218, 1545, 315, 2},
    {kLabel3, "Label3", Label, text::kDiyLabel3, 345, 780, 690, 240, -1},
    {kText3, "Text3", Edit, L"", 1050, 750, 4230, 315, 3},
    {kLabel4, "Label4", Label, text::kDiyLabel4, 315, 1230, 585, 240, -1},
    {kText4, "Text4", Edit, L"", 1020, 1193, 1545, 315, 4},
    {kLabel6, "Label6", Label, text::kDiyLabel6, 3015, 1230, 615, 240, -1},
    {kText6, "Text6", Edit, L"", 3705, 1193, 1545, 315, 5},
    {kLabel5, "Label5", Label, text::kDiyLabel5, 315, 1755, 1080, 240, -1},
    {kText5, "Text5", Edit, L"", 1020, 1725, 3540, 315, 6},
    {kCommand3, "Command3", Button, text::kBrowse, 4755, 1725, 465, 300, 7},
    {kCommand1, "Command1", Button, text::kOk, 1125, 2340, 690, 330, 8},
    {kCommand4, "Command4", Button, text::kReadMachine, 2205, 2340, 1050, 330, 9},
    {kCommand2, "Command2", Button, text::kCancel, 3645, 2340, 690, 330, 10},
};

}  // namespace

std::span<const ControlDef> CustomLayout() { return kCustom; }

}  // namespace vx
