// The custom window inside this test process: the hand-over of the boxes to the six fields,
// which no other process can read, and the window's life across OK, Cancel and the close box.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/custom_layout.h"
#include "customwindow/custom_window.h"
#include "system/controls.h"

namespace vx {
namespace {

using namespace custom_ids;

const int kBoxes[] = {kText1, kText2, kText3, kText4, kText5, kText6};

// The hints as the user reads them; Text3's sample address is ours, checked by its prefix.
const wchar_t* const kHintTexts[] = {
    L"示例:联想",
    L"示例:联想电脑",
    nullptr,
    L"示例:800-810-8888",
    L"注意:图片必须为120x120大小的BMP位图",
    L"示例:9：00-20：00",
};

class CustomWindowTest : public ::testing::Test {
  protected:
    std::array<AnyValue, 6> Fields() const {
        return {window_.Diy1, window_.Diy2, window_.Diy3, window_.Diy4, window_.Diy5, window_.Diy6};
    }
    std::wstring BoxText(int id) const { return ControlText(window_.Control(id)); }
    void SetBox(int id, const std::wstring& text) const {
        ::SetWindowTextW(window_.Control(id), text.c_str());
    }
    void Press(int id) const { ::SendMessageW(window_.Control(id), BM_CLICK, 0, 0); }
    void ClickBox(int id) const {
        HWND box = window_.Control(id);
        ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    // Shows the window, types one text per box and presses OK.
    void OkWith(const std::array<std::wstring, 6>& texts) {
        window_.Show();
        ASSERT_TRUE(window_.IsOpen());
        for (size_t i = 0; i < texts.size(); ++i) SetBox(kBoxes[i], texts[i]);
        Press(kCommand1);
        ASSERT_FALSE(window_.IsOpen()) << "OK did not close the window";
    }
    void ExpectHintsInBoxes() const {
        for (size_t i = 0; i < 6; ++i) {
            const std::wstring shown = BoxText(kBoxes[i]);
            if (kHintTexts[i])
                EXPECT_EQ(shown, kHintTexts[i]) << "box " << i + 1;
            else
                EXPECT_EQ(shown.substr(0, 3), L"示例:") << "box " << i + 1;
        }
    }

    int closedCalls_ = 0;
    std::vector<std::wstring> previewed_;
    CustomWindow window_{[this](const std::wstring& path) {
                             previewed_.push_back(path);
                             return true;
                         },
                         [this] { ++closedCalls_; }};
};

TEST_F(CustomWindowTest, FieldsAreEmptyBeforeAnyOkAndReadingThemShowsNothing) {
    for (const AnyValue& f : Fields()) EXPECT_TRUE(f.IsEmpty());
    EXPECT_FALSE(window_.IsOpen());
    EXPECT_EQ(::FindWindowW(nullptr, L"自定义OEM信息"), nullptr);
}

TEST_F(CustomWindowTest, OkRightAfterOpeningHandsOverTheSixHints) {
    window_.Show();
    ASSERT_TRUE(window_.IsOpen());
    std::array<std::wstring, 6> shown;
    for (size_t i = 0; i < 6; ++i) shown[i] = BoxText(kBoxes[i]);
    ExpectHintsInBoxes();
    Press(kCommand1);
    EXPECT_FALSE(window_.IsOpen());
    const auto fields = Fields();
    for (size_t i = 0; i < 6; ++i) {
        ASSERT_EQ(fields[i].kind(), AnyValue::Kind::Text) << "Diy" << i + 1;
        EXPECT_EQ(fields[i].AsText(), shown[i]) << "Diy" << i + 1;
    }
    EXPECT_GT(fields[2].AsText().size(), 3u) << "Diy3 lacks the sample address";
    EXPECT_EQ(closedCalls_, 1);
}

TEST_F(CustomWindowTest, OkCopiesEachBoxUnchangedIntoItsField) {
    const std::array<std::wstring, 6> texts = {
        L"  Maker ", L"", L"http://support.example/", L"010-1234", L"C:\\logos\\a b.bmp", L"8：30"};
    OkWith(texts);
    const auto fields = Fields();
    for (size_t i = 0; i < 6; ++i) {
        ASSERT_EQ(fields[i].kind(), AnyValue::Kind::Text) << "Diy" << i + 1;
        EXPECT_EQ(fields[i].AsText(), texts[i]) << "Diy" << i + 1;
    }
}

TEST_F(CustomWindowTest, CancelAndTheCloseBoxKeepTheFieldsAndDestroyTheControls) {
    const std::array<std::wstring, 6> texts = {L"a", L"b", L"c", L"d", L"e", L"f"};
    OkWith(texts);
    for (const char* how : {"Cancel", "close box"}) {
        window_.Show();
        ASSERT_TRUE(window_.IsOpen()) << how;
        HWND box = window_.Control(kText1);
        for (int id : kBoxes) SetBox(id, L"changed");
        if (std::string(how) == "Cancel")
            Press(kCommand2);
        else
            ::SendMessageW(window_.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(window_.IsOpen()) << how;
        EXPECT_FALSE(::IsWindow(box)) << how << ": the boxes outlived the window";
        const auto fields = Fields();
        for (size_t i = 0; i < 6; ++i) EXPECT_EQ(fields[i].AsText(), texts[i]) << how;
    }
    EXPECT_EQ(closedCalls_, 3);
}

TEST_F(CustomWindowTest, ReopeningShowsTheHintsAndOkAgainReplacesFieldsWithThem) {
    OkWith({L"1", L"2", L"3", L"4", L"5", L"6"});
    window_.Show();
    ExpectHintsInBoxes();
    EXPECT_EQ(window_.Diy1.AsText(), L"1") << "reopening touched the fields";
    Press(kCommand1);
    const auto fields = Fields();
    for (size_t i = 0; i < 6; ++i) {
        if (!kHintTexts[i]) continue;
        EXPECT_EQ(fields[i].AsText(), kHintTexts[i]) << "Diy" << i + 1;
    }
    EXPECT_EQ(fields[2].AsText().substr(0, 3), L"示例:");
}

TEST_F(CustomWindowTest, ShowingWhileOpenKeepsTheSameWindowAndItsBoxes) {
    window_.Show();
    HWND first = window_.hwnd();
    SetBox(kText1, L"typed");
    window_.Show();
    EXPECT_EQ(window_.hwnd(), first);
    EXPECT_EQ(BoxText(kText1), L"typed");
}

TEST_F(CustomWindowTest, OpensUnownedWithItsCaptionSizeAndFocusInTheFirstBox) {
    window_.Show();
    HWND w = window_.hwnd();
    EXPECT_EQ(::GetWindow(w, GW_OWNER), nullptr);
    EXPECT_EQ(ControlText(w), L"自定义OEM信息");
    RECT client;
    ::GetClientRect(w, &client);
    const int dpi = WindowDpi(w);
    EXPECT_EQ(client.right, TwipsToPixels(5625, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(2895, dpi));
    EXPECT_EQ(::GetFocus(), window_.Control(kText1));
    EXPECT_EQ(BoxText(kText1), L"示例:联想") << "the first focus cleared the hint";
}

TEST_F(CustomWindowTest, MouseClickClearsOnlyAnExactHint) {
    window_.Show();
    for (int id : kBoxes) {
        const std::wstring hint = BoxText(id);
        ::SetFocus(window_.Control(id));
        EXPECT_EQ(BoxText(id), hint) << "focus alone cleared box " << id;
        ClickBox(id);
        EXPECT_EQ(BoxText(id), L"") << "box " << id;
        SetBox(id, hint + L" ");
        ClickBox(id);
        EXPECT_EQ(BoxText(id), hint + L" ") << "box " << id;
    }
}

}  // namespace
}  // namespace vx
