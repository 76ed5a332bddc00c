#include "core/about_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "core/texts.h"

namespace vx {
namespace {

TEST(AboutLayout, EveryControlLiesInsideTheClientArea) {
    for (const ControlDef& s : AboutLayout()) {
        EXPECT_GE(s.left, 0) << s.name;
        EXPECT_GE(s.top, 0) << s.name;
        EXPECT_LE(s.left + s.width, kAboutClientWidthTwips) << s.name;
        EXPECT_LE(s.top + s.height, kAboutClientHeightTwips) << s.name;
    }
}

TEST(AboutTexts, ThanksLineNamesTwoPeopleSeparatedByAnAsciiComma) {
    const std::wstring thanks = text::kAboutThanks;
    const std::wstring prefix = text::kAboutThanksPrefix;
    ASSERT_EQ(thanks.rfind(prefix, 0), 0u);
    const std::wstring names = thanks.substr(prefix.size());
    const size_t comma = names.find(L',');
    ASSERT_NE(comma, std::wstring::npos);
    EXPECT_EQ(names.find(L',', comma + 1), std::wstring::npos);
    EXPECT_GT(comma, 0u);
    EXPECT_LT(comma + 1, names.size());
    EXPECT_EQ(names.find(L'，'), std::wstring::npos) << "full-width comma";
}

}  // namespace
}  // namespace vx
