// The custom window inside this test process: the hand-over of the boxes to the six fields,
// which no other process can read, and the window's life across OK, Cancel and the close box.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <thread>
#include <string>
#include <vector>

#include "core/custom_layout.h"
#include "core/texts.h"
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

// A top-level #32770 box of this process with the caption; null after 20 seconds.
HWND WaitForBox(const std::wstring& caption) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        struct Ctx {
            const std::wstring* caption;
            HWND found;
        } ctx{&caption, nullptr};
        ::EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* c = reinterpret_cast<Ctx*>(lp);
                DWORD pid = 0;
                ::GetWindowThreadProcessId(w, &pid);
                wchar_t cls[32] = {};
                ::GetClassNameW(w, cls, 32);
                if (pid != ::GetCurrentProcessId() || std::wstring(cls) != L"#32770" ||
                    !::IsWindowVisible(w) || ControlText(w) != *c->caption)
                    return TRUE;
                c->found = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&ctx));
        if (ctx.found) return ctx.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// Works the modal boxes that the window's thread opens, from a second thread, as a user would:
// types a name into the Open File dialog and opens it, then answers a message box if one
// comes, keeping its text.
class BoxUser {
  public:
    BoxUser(std::wstring fileName, bool expectMessage)
        : thread_([this, fileName = std::move(fileName), expectMessage] {
              HWND dialog = WaitForBox(L"打开");
              if (!dialog) return;
              HWND combo = ::GetDlgItem(dialog, 0x47C);
              HWND inner = ::FindWindowExW(combo, nullptr, L"ComboBox", nullptr);
              HWND box = ::FindWindowExW(inner ? inner : combo, nullptr, L"Edit", nullptr);
              ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
              ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
              dialogDone_ = true;
              if (!expectMessage) return;
              HWND message = WaitForBox(text::kAppTitle);
              if (!message) return;
              messageText_ = ControlText(::GetDlgItem(message, 0xFFFF));
              ::PostMessageW(message, WM_COMMAND, IDOK, 0);
          }) {}
    ~BoxUser() {
        if (thread_.joinable()) thread_.join();
    }
    // Call after the window's action has returned.
    bool dialogDone() {
        thread_.join();
        thread_ = std::thread();
        return dialogDone_;
    }
    const std::wstring& messageText() const { return messageText_; }

  private:
    bool dialogDone_ = false;
    std::wstring messageText_;
    std::thread thread_;
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
    bool previewLoads_ = true;
    std::vector<std::wstring> previewed_;
    CustomWindow window_{[this](const std::wstring& path) {
                             previewed_.push_back(path);
                             return previewLoads_;
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

TEST_F(CustomWindowTest, OpensUnownedWithCaptionIconSizeAndFocusInTheFirstBox) {
    window_.Show();
    HWND w = window_.hwnd();
    EXPECT_EQ(::GetWindow(w, GW_OWNER), nullptr);
    EXPECT_EQ(ControlText(w), L"自定义OEM信息");
    HICON programIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(::GetClassLongPtrW(w, GCLP_HICON), reinterpret_cast<ULONG_PTR>(programIcon));
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

TEST_F(CustomWindowTest, EnterPressesOkAndEscPressesCancel) {
    OkWith({L"a", L"b", L"c", L"d", L"e", L"f"});
    struct Key {
        UINT vk;
        const wchar_t* expectedDiy1;
    };
    for (const Key& key : {Key{VK_ESCAPE, L"a"}, Key{VK_RETURN, L"typed"}}) {
        window_.Show();
        SetBox(kText1, L"typed");
        // The program's message loop hands every message to the dialog manager first.
        MSG msg{window_.Control(kText2), WM_KEYDOWN, key.vk, 1, 0, {}};
        EXPECT_TRUE(::IsDialogMessageW(window_.hwnd(), &msg));
        EXPECT_FALSE(window_.IsOpen()) << key.vk;
        EXPECT_EQ(window_.Diy1.AsText(), key.expectedDiy1) << key.vk;
    }
}

TEST_F(CustomWindowTest, BrowseFillsTheLogoBoxPreviewsAtOnceAndCancelKeepsTheFields) {
    OkWith({L"a", L"b", L"c", L"d", L"e", L"f"});
    window_.Show();
    const std::wstring chosen = L"C:\\windows\\选中的 logo.bmp";
    BoxUser user(chosen, false);
    Press(kCommand3);
    ASSERT_TRUE(user.dialogDone());
    EXPECT_EQ(previewed_, std::vector<std::wstring>{chosen}) << "not previewed at once";
    EXPECT_EQ(BoxText(kText5), chosen);
    Press(kCommand2);
    EXPECT_EQ(window_.Diy5.AsText(), L"e") << "browse or Cancel changed the fields";
    EXPECT_EQ(window_.Diy1.AsText(), L"a");
}

TEST_F(CustomWindowTest, APictureThatCannotBeLoadedIsReportedByName) {
    previewLoads_ = false;
    window_.Show();
    const std::wstring chosen = L"C:\\windows\\坏的图片.bmp";
    BoxUser user(chosen, true);
    Press(kCommand3);
    ASSERT_TRUE(user.dialogDone());
    EXPECT_NE(user.messageText().find(chosen), std::wstring::npos) << "the message lacks the path";
    EXPECT_EQ(BoxText(kText5), chosen);
    EXPECT_TRUE(window_.IsOpen());
    EXPECT_TRUE(window_.Diy5.IsEmpty());
}

}  // namespace
}  // namespace vx
