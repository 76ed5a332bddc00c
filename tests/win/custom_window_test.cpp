// The custom window inside this test process: the hand-over of the boxes to the six fields,
// which no other process can read, and the window's life across OK, Cancel and the close box.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>
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

// The visible Open File dialog of this process; null after 20 seconds.
HWND WaitForOpenDialog() {
    for (int i = 0; i < 1000; ++i) {
        HWND w = ::FindWindowW(L"#32770", L"打开");
        DWORD pid = 0;
        if (w) ::GetWindowThreadProcessId(w, &pid);
        if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(w)) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// Works the Open File dialog that the window's thread opens, from a second thread, as a user
// would: types a name into its file name box and opens it.
class DialogUser {
  public:
    explicit DialogUser(std::wstring fileName)
        : thread_([this, fileName = std::move(fileName)] {
              HWND dialog = WaitForOpenDialog();
              if (!dialog) return;
              HWND combo = ::GetDlgItem(dialog, 0x47C);
              HWND inner = ::FindWindowExW(combo, nullptr, L"ComboBox", nullptr);
              HWND box = ::FindWindowExW(inner ? inner : combo, nullptr, L"Edit", nullptr);
              ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
              ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
              done_ = true;
          }) {}
    ~DialogUser() {
        if (thread_.joinable()) thread_.join();
    }
    // Call after the window's action has returned.
    bool done() {
        thread_.join();
        return done_;
    }

  private:
    bool done_ = false;
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
    // Shows the window, types one text per box and presses OK.
    void OkWith(const std::array<std::wstring, 6>& texts) {
        window_.Show();
        ASSERT_TRUE(window_.IsOpen());
        for (size_t i = 0; i < texts.size(); ++i) SetBox(kBoxes[i], texts[i]);
        Press(kCommand1);
        ASSERT_FALSE(window_.IsOpen()) << "OK did not close the window";
    }
    // The six fields hold the hints; Diy3 the whole of Text3's, its address included.
    void ExpectHintFields(const std::wstring& hint3) const {
        const auto fields = Fields();
        for (size_t i = 0; i < 6; ++i) {
            ASSERT_EQ(fields[i].kind(), AnyValue::Kind::Text) << "Diy" << i + 1;
            EXPECT_EQ(fields[i].AsText(), kHintTexts[i] ? kHintTexts[i] : hint3) << "Diy" << i + 1;
        }
        EXPECT_EQ(hint3.substr(0, 3), L"示例:");
        EXPECT_GT(hint3.size(), 3u) << "Diy3 lacks the sample address";
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
    HICON programIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(::GetClassLongPtrW(window_.hwnd(), GCLP_HICON),
              reinterpret_cast<ULONG_PTR>(programIcon));
    const std::wstring hint3 = BoxText(kText3);
    Press(kCommand1);
    EXPECT_FALSE(window_.IsOpen());
    ExpectHintFields(hint3);
    EXPECT_EQ(closedCalls_, 1);
}

TEST_F(CustomWindowTest, OkCopiesTheBoxesUnchangedCancelAndTheCloseBoxKeepThem) {
    const std::array<std::wstring, 6> texts = {
        L"  Maker ", L"", L"http://support.example/", L"010-1234", L"C:\\logos\\a b.bmp", L"8：30"};
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
        for (size_t i = 0; i < 6; ++i) {
            ASSERT_EQ(fields[i].kind(), AnyValue::Kind::Text) << how << ", Diy" << i + 1;
            EXPECT_EQ(fields[i].AsText(), texts[i]) << how << ", Diy" << i + 1;
        }
    }
    EXPECT_EQ(closedCalls_, 3);
}

TEST_F(CustomWindowTest, ReopeningKeepsTheFieldsAndOkAgainReplacesThemWithTheHints) {
    OkWith({L"1", L"2", L"3", L"4", L"5", L"6"});
    window_.Show();
    EXPECT_EQ(window_.Diy1.AsText(), L"1") << "reopening touched the fields";
    EXPECT_EQ(window_.Diy6.AsText(), L"6") << "reopening touched the fields";
    const std::wstring hint3 = BoxText(kText3);
    Press(kCommand1);
    ExpectHintFields(hint3);
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
    DialogUser user(chosen);
    Press(kCommand3);
    ASSERT_TRUE(user.done());
    EXPECT_EQ(previewed_, std::vector<std::wstring>{chosen}) << "not previewed at once";
    EXPECT_EQ(BoxText(kText5), chosen);
    Press(kCommand2);
    EXPECT_EQ(window_.Diy5.AsText(), L"e") << "browse or Cancel changed the fields";
    EXPECT_EQ(window_.Diy1.AsText(), L"a");
}

}  // namespace
}  // namespace vx
