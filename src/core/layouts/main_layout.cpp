#include "core/layouts/main_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace main_ids;

constexpr ControlDef kMain[] = {
    {kChooseBrandLabel, Label, text::kChooseBrandLabel, 435, 315, 1935, 255, 0},
    {kCombolist, DropDownList, L"", 360, 705, 1830, 300, 1},
    {kLogo, Picture, L"", 360, 1320, 1830, 1830, 2},
    {kOk, Button, text::kOk, 923, 3360, 675, 330, 3},
    {kOwnerLabel, Label, text::kOwnerLabel, 2820, 315, 1110, 255, 4},
    {kOwnerBox, Edit, text::kOwnerBoxPlaceholder, 2820, 720, 1890, 300, 5},
    {kProductNameBox, Edit, text::kOwnerBoxPlaceholder, 2820, 2685, 1890, 300, 6},
    {kOrganizationLabel, Label, text::kOrganizationLabel, 2820, 1305, 1110, 255, 7},
    {kOrganizationBox, Edit, text::kOwnerBoxPlaceholder, 2820, 1695, 1890, 300, 8},
    {kProductNameLabel, Label, text::kProductNameLabel, 2820, 2310, 1485, 255, 9},
    {kSaveOwner, Button, text::kSave, 3375, 3360, 675, 330, 10},
    {kCleanOEM, Picture, L"", 360, 1320, 1830, 1830, 11},
    {kPanelDivider, VerticalLine, L"", 2535, 210, 0, 3465, -1},
};

}  // namespace

std::span<const ControlDef> MainLayout() { return kMain; }

}  // namespace vx
