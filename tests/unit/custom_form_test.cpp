#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/custom_form.h"
#include "core/custom_layout.h"
#include "core/texts.h"

namespace vx {
namespace {

using namespace custom_ids;

std::string CreationOrder() {
    std::string order;
    for (const ControlSpec* s : InCreationOrder(CustomLayout())) {
        order += s->name;
        order += ' ';
    }
    return order;
}

TEST(CustomLayout, FocusGoesThroughHoursBeforeLogoThenBrowseOkCancel) {
    const std::string order = CreationOrder();
    EXPECT_EQ(order.substr(0, order.find("Label")),
              "Text1 Text2 Text3 Text4 Text6 Text5 Command3 Command1 Command2 ");
}

TEST(CustomLayout, LabelsTakeNoFocusAndEndInFullWidthColon) {
    for (const ControlSpec& s : CustomLayout()) {
        if (s.kind != ControlKind::Label) continue;
        EXPECT_EQ(s.tabIndex, -1) << s.name;
        const std::wstring caption = s.caption;
        ASSERT_FALSE(caption.empty()) << s.name;
        EXPECT_EQ(caption.back(), L'\xFF1A') << s.name;
    }
}

TEST(CustomLayout, OkAndCancelAnswerEnterAndEsc) {
    // The dialog manager sends IDOK (1) for Enter and IDCANCEL (2) for Esc.
    const ControlSpec* ok = FindSpec(CustomLayout(), 1);
    const ControlSpec* cancel = FindSpec(CustomLayout(), 2);
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_STREQ(ok->name, "Command1");
    EXPECT_STREQ(cancel->name, "Command2");
}

TEST(CustomLayout, EveryControlFitsTheClientAreaAndIdsAreUnique) {
    std::set<int> ids;
    for (const ControlSpec& s : CustomLayout()) {
        EXPECT_TRUE(ids.insert(s.id).second) << s.name;
        EXPECT_LE(s.left + s.width, kCustomClientWidthTwips) << s.name;
        EXPECT_LE(s.top + s.height, kCustomClientHeightTwips) << s.name;
    }
}

TEST(CustomLayout, ConvertsAtTheWindowDpi) {
    const ControlSpec* text3 = FindSpec(CustomLayout(), kText3);
    ASSERT_NE(text3, nullptr);
    EXPECT_EQ(ToPixels(*text3, 96), (PixelRect{70, 50, 282, 21}));
    EXPECT_EQ(ToPixels(*text3, 144), (PixelRect{105, 75, 423, 32}));
    EXPECT_EQ(TwipsToPixels(kCustomClientWidthTwips, 96), 375);
    EXPECT_EQ(TwipsToPixels(kCustomClientHeightTwips, 96), 193);
}

TEST(CustomHints, EachBoxHasItsHintInLoadOrder) {
    // The colons after 示例 and 注意 are ASCII; the two in the hours sample are full-width.
    const std::map<int, std::wstring> expected = {
        {kText1, L"示例:联想"},
        {kText2, L"示例:联想电脑"},
        {kText4, L"示例:800-810-8888"},
        {kText5, L"注意:图片必须为120x120大小的BMP位图"},
        {kText6,
         L"示例:9\xFF1A"
         L"00-20\xFF1A"
         L"00"},
    };
    std::vector<int> order;
    for (const BoxHint& h : CustomHints()) {
        order.push_back(h.boxId);
        const auto it = expected.find(h.boxId);
        if (it != expected.end()) EXPECT_EQ(h.hint, it->second) << h.boxId;
        EXPECT_STREQ(HintOf(h.boxId), h.hint);
    }
    EXPECT_EQ(order, (std::vector<int>{kText1, kText2, kText3, kText4, kText5, kText6}));
    EXPECT_EQ(HintOf(kCommand1), nullptr);
    EXPECT_EQ(HintOf(kLabel1), nullptr);
}

TEST(CustomHints, WebAddressHintIsSamplePrefixAndAnAddress) {
    const std::wstring hint = HintOf(kText3);
    ASSERT_GT(hint.size(), 3u);
    EXPECT_EQ(hint.substr(0, 3), L"示例:");
    const std::wstring address = hint.substr(3);
    EXPECT_EQ(address.find(L' '), std::wstring::npos);
    EXPECT_NE(address.find(L'.'), std::wstring::npos);
}

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
    const auto fields = HandOver([&](int id) { return boxes.at(id); });
    const int order[] = {kText1, kText2, kText3, kText4, kText5, kText6};
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].kind(), AnyValue::Kind::Text) << "Diy" << i + 1;
        EXPECT_EQ(fields[i].AsText(), boxes.at(order[i])) << "Diy" << i + 1;
    }
}

TEST(HandOver, AnEmptyBoxGivesAnEmptyTextNotTheEmptyValue) {
    const auto fields = HandOver([](int) { return std::wstring(); });
    for (const AnyValue& f : fields) {
        EXPECT_FALSE(f.IsEmpty());
        EXPECT_EQ(f, AnyValue::FromText(L""));
    }
}

TEST(BrowseTexts, FilterIsOneBitmapTypeDoublyTerminated) {
    const std::wstring expected(L"(Windows位图)\0*.bmp\0\0", 19);
    EXPECT_EQ(BitmapFilter(), expected);
}

TEST(BrowseTexts, LoadFailureMessageNamesTheFile) {
    const std::wstring path = L"C:\\图片\\not a picture.bmp";
    const std::wstring message = PictureLoadFailedMessage(path);
    EXPECT_EQ(message.substr(message.size() - path.size()), path);
    EXPECT_EQ(message.find(text::kMsgPictureLoadFailed), 0u);
}

}  // namespace
}  // namespace vx
