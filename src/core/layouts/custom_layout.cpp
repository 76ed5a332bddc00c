#include "core/layouts/custom_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace custom_ids;

// The hours box comes before the logo box in the focus order, though it stands above it.
constexpr ControlDef kCustom[] = {
    {kManufacturerLabel, Label, text::kManufacturerLabel, 345, 255, 630, 240, -1},
    {kManufacturerBox, Edit, L"", 1050, 218, 1545, 315, 1},
    {kModelLabel, Label, text::kModelLabel, 3030, 255, 615, 240, -1},
    {kModelBox, Edit, L"", 3720, 218, 1545, 315, 2},
    {kSupportUrlLabel, Label, text::kSupportUrlLabel, 345, 780, 690, 240, -1},
    {kSupportUrlBox, Edit, L"", 1050, 750, 4230, 315, 3},
    {kSupportPhoneLabel, Label, text::kSupportPhoneLabel, 315, 1230, 585, 240, -1},
    {kSupportPhoneBox, Edit, L"", 1020, 1193, 1545, 315, 4},
    {kSupportHoursLabel, Label, text::kSupportHoursLabel, 3015, 1230, 615, 240, -1},
    {kSupportHoursBox, Edit, L"", 3705, 1193, 1545, 315, 5},
    {kLogoPathLabel, Label, text::kLogoPathLabel, 315, 1755, 1080, 240, -1},
    {kLogoPathBox, Edit, L"", 1020, 1725, 3540, 315, 6},
    {kBrowse, Button, text::kBrowse, 4755, 1725, 465, 300, 7},
    {kOk, Button, text::kOk, 1125, 2340, 690, 330, 8},
    {kReadMachine, Button, text::kReadMachine, 2205, 2340, 1050, 330, 9},
    {kCancel, Button, text::kCancel, 3645, 2340, 690, 330, 10},
};

}  // namespace

std::span<const ControlDef> CustomLayout() { return kCustom; }

}  // namespace vx
