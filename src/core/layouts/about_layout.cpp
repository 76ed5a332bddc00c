#include "core/layouts/about_layout.h"

#include "core/texts.h"

namespace vx {

namespace {

using enum ControlKind;
using namespace about_ids;

constexpr ControlDef kAbout[] = {
    {kMakerLogo, Picture, L"", 315, 255, 450, 450, 0},
    {kProductLabel, Label, text::kAboutProduct, 1245, 225, 750, 195, 5},
    // The placeholder is replaced before the window is first shown.
    {kVersionLabel, Label, L"version", 2070, 225, 945, 225, 6},
    {kDescriptionLabel, Label, text::kAboutDescription, 960, 480, 2340, 255, 1},
    {kThanksLabel, Label, text::kAboutThanks, 480, 930, 2640, 315, 3},
    {kNoticeLabel, Label, text::kAboutNotice, 945, 1230, 1530, 180, 4},
    {kOk, Button, text::kOk, 1365, 1560, 660, 375, 2},
};

}  // namespace

std::span<const ControlDef> AboutLayout() { return kAbout; }

}  // namespace vx
