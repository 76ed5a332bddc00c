#include "core/layouts/main_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace main_ids;

constexpr ControlDef kMain[] = {
    {kLabel1, "Label1", Label, text::kMainLabel1, 435, 315, 1935, 255, 0},
    {kCombolist, "Combolist", DropDownList, L"", 360, 705, 1830, 300, 1},
    {kLogo, "logo", Picture, L"", 360, 1320, 1830, 1830, 2},
    {kOk, "ok", Button, text::kOk, 923, 3360, 675, 330, 3},
    {kLabel2, "Label2", Label, text::kMainLabel2, 2820, 315, 1110, 255, 4},
    {kText1, "Text1", Edit, text::kTextPlaceholder, 2820, 720, 1890, 300, 5},
    {kText3, "Text3", Edit, text::kTextPlaceholder, 2820, 2685, 1890, 300, 6},
    {kLabel4, "Label4", Label, text::kMainLabel4, 2820, 1305, 1110, 255, 7},
    {kText2, "Text2", Edit, text::kTextPlaceholder, 2820, 1695, 1890, 300, 8},
    {kLabel3, "Label3", Label, text::kMainLabel3, 2820, 2310, 1485, 255, 9},
    {kCgUser, "cgUser", Button, text::kSave, 3375, 3360, 675, 330, 10},
    {kCleanOEM, "CleanOEM", Picture, L"", 360, 1320, 1830, 1830, 11},
    {kLine1, "Line1", VerticalLine, L"", 2535, 210, 0, 3465, -1},
};

}  // namespace

std::span<const ControlDef> MainLayout() { return kMain; }

}  // namespace vx
