#include "core/layouts/target_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace target_ids;

constexpr ControlDef kTarget[] = {
    {kListLabel, Label, text::kTargetListLabel, 240, 240, 4320, 240, -1},
    {kSystemList, DropDownList, L"", 240, 540, 4320, 315, 0},
    {kOk, Button, text::kOk, 2280, 1080, 1080, 360, 1},
    {kCancel, Button, text::kCancel, 3480, 1080, 1080, 360, 2},
};

}  // namespace

std::span<const ControlDef> TargetLayout() { return kTarget; }

}  // namespace vx
