#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/custom_form.h"
#include "core/custom_layout.h"

namespace vx {
namespace {

using namespace custom_ids;

struct ClickCase {
    const char* what;
    std::wstring shown;
    bool clears;
};

TEST(ClickClearsBox, OnlyTheExactHintIsRemoved) {
    const std::wstring hint5 = HintOf(kText5);
    const std::wstring hint1 = HintOf(kText1);
    const ClickCase cases[] = {
        {"exact hint", hint5, true},
        {"other case", L"注意:图片必须为120X120大小的bmp位图", false},
        {"trailing space", hint5 + L" ", false},
        {"leading space", L" " + hint5, false},
        {"full-width colon", L"注意\xFF1A图片必须为120x120大小的BMP位图", false},
        {"prefix of the hint", hint5.substr(0, hint5.size() - 1), false},
        {"empty box", L"", false},
        {"another box's hint", hint1, false},
        {"hint with embedded NUL", hint5 + std::wstring(1, L'\0'), false},
    };
    for (const ClickCase& c : cases) EXPECT_EQ(ClickClearsBox(c.shown, hint5), c.clears) << c.what;
}

TEST(HandOver, FieldsTakeTheBoxTextsUnchangedWithLogoInFifthAndHoursInSixth) {
    const std::map<int, std::wstring> boxes = {
        {kText1, L"  Maker  "},   {kText2, L""},      {kText3, L"示例:http://x"}, {kText4, L"010"},
        {kText5, L"C:\\a b.bmp"}, {kText6, L"9：00"},
    };
    const CustomValues v = HandOver([&](int id) { return boxes.at(id); });
    const auto box = [&](int id) { return AnyValue::FromText(boxes.at(id)); };
    EXPECT_EQ(v.manufacturer, box(kText1));
    EXPECT_EQ(v.model, box(kText2));
    EXPECT_EQ(v.supportUrl, box(kText3));
    EXPECT_EQ(v.supportPhone, box(kText4));
    EXPECT_EQ(v.logoPath, box(kText5));
    EXPECT_EQ(v.supportHours, box(kText6));
    // An empty box gives an empty text, not the empty value.
    EXPECT_FALSE(v.model.IsEmpty());
}

TEST(BrowseTexts, FilterIsBitmapsFirstThenPicturesDoublyTerminated) {
    const std::wstring expected(
        L"(Windows位图)\0*.bmp\0图片文件\0*.bmp;*.png;*.jpg;*.jpeg;*.gif\0\0", 55);
    EXPECT_EQ(BitmapFilter(), expected);
}

}  // namespace
}  // namespace vx
