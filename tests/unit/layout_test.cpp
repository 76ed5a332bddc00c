#include <gtest/gtest.h>

#include <string>

#include "core/layout.h"
#include "core/main_layout.h"

namespace vx {
namespace {

TEST(TwipsToPixels, FifteenTwipsArePixelAt96DpiAndScaleWithDpi) {
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(2520, 96), 168);
    EXPECT_EQ(TwipsToPixels(3870, 96), 258);
    EXPECT_EQ(TwipsToPixels(2520, 120), 210);
    EXPECT_EQ(TwipsToPixels(2520, 144), 252);
    // Halves round to the nearest pixel rather than truncating.
    EXPECT_EQ(TwipsToPixels(923, 96), 62);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(PixelsToTwips(333, 96), 4995);
}

TEST(MainLayout, CreationOrderFollowsTabIndexWithLineLast) {
    std::string order;
    for (const ControlDef* s : InCreationOrder(MainLayout())) {
        order += s->name;
        order += ' ';
    }
    EXPECT_EQ(order,
              "Label1 Combolist logo ok Label2 Text1 Text3 Label4 Text2 Label3 cgUser CleanOEM "
              "Line1 ");
}

TEST(MainLayout, OwnerPanelLiesBeyondTheNarrowClientArea) {
    // Everything right of the divider at 2535 twips starts beyond the 2520-twip client;
    // everything left of it ends inside.
    for (const ControlDef& s : MainLayout()) {
        if (s.left > 2535)
            EXPECT_GE(s.left, kMainClientWidthTwips) << s.name;
        else if (s.kind != ControlKind::VerticalLine)
            EXPECT_LE(s.left + s.width, kMainClientWidthTwips) << s.name;
    }
}

}  // namespace
}  // namespace vx
