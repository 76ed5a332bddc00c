#include "core/layouts/about_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace about_ids;

constexpr ControlDef kAbout[] = {
    {kPicture1, "Picture1", Picture, L"", 315, 255, 450, 450, 0},
    {kLabel4, "Label4", Label, text::kAboutProduct, 1245, 225, 750, 195, 5},
    // The placeholder is replaced before the window is first shown.
    {kVs, "vs", Label, L"version", 2070, 225, 945, 225, 6},
    {kLabel2, "Label2", Label, text::kAboutDescription, 960, 480, 2340, 255, 1},
    {kLabel3, "Label3", Label, text::kAboutThanks, 480, 930, 2640, 315, 3},
    {kLabel1, "Label1", Label, text::kAboutNotice, 945, 1230, 1530, 180, 4},
    {kCommand1, "Command1", Button, text::kOk, 1365, 1560, 660, 375, 2},
};

}  // namespace

std::span<const ControlDef> AboutLayout() { return kAbout; }

}  // namespace vx
