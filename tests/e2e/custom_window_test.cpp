// The custom OEM information window as the user meets it: opened by picking "自定义..." in the
// real Vendrix.exe, its boxes, hints, keys and buttons, and the browse button's preview in the
// main window. The six fields it hands over are read inside the program; the in-process
// Windows tests prove them, and what the user sees here proves the rest.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/main_layout.h"
#include "driver.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"自定义OEM信息";
constexpr wchar_t kCustomEntry[] = L"自定义...";

struct ControlPlace {
    const char* name;
    const wchar_t* cls;
    const wchar_t* text;  // caption, or the hint of a box (null: Text3, whose address is ours)
    int left, top, width, height;  // twips
};

const ControlPlace kControls[] = {
    {"Label1", L"Static", L"品牌：", 345, 255, 630, 240},
    {"Text1", L"Edit", L"示例:联想", 1050, 218, 1545, 315},
    {"Label2", L"Static", L"型号：", 3030, 255, 615, 240},
    {"Text2", L"Edit", L"示例:联想电脑", 3720, 218, 1545, 315},
    {"Label3", L"Static", L"网站：", 345, 780, 690, 240},
    {"Text3", L"Edit", nullptr, 1050, 750, 4230, 315},
    {"Label4", L"Static", L"电话：", 315, 1230, 585, 240},
    {"Text4", L"Edit", L"示例:800-810-8888", 1020, 1193, 1545, 315},
    {"Label6", L"Static", L"工时：", 3015, 1230, 615, 240},
    {"Text6", L"Edit", L"示例:9：00-20：00", 3705, 1193, 1545, 315},
    {"Label5", L"Static", L"LOGO：", 315, 1755, 1080, 240},
    {"Text5", L"Edit", L"注意:图片必须为120x120大小的BMP位图", 1020, 1725, 3540, 315},
    {"Command3", L"Button", L"...", 4755, 1725, 465, 300},
    {"Command1", L"Button", L"确定", 1125, 2340, 690, 330},
    {"Command2", L"Button", L"取消", 3645, 2340, 690, 330},
};

const ControlPlace& Place(const std::string& name) {
    for (const ControlPlace& c : kControls)
        if (name == c.name) return c;
    throw std::invalid_argument("no control " + name);
}

int Px(int twips) { return (twips + 7) / 15; }

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

class CustomWindowE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = std::make_unique<ScratchFolder>(L"custom-" + Wide(test));
        folder_->AddSamplePresets();
        app_ = std::make_unique<Vendrix>(folder_->path());
        main_ = app_->Main();
        ASSERT_NE(main_, nullptr);
        combo_ = ::GetDlgItem(main_, vx::main_ids::kCombolist);
        mainOk_ = ::GetDlgItem(main_, vx::main_ids::kOk);
        logo_ = ::GetDlgItem(main_, vx::main_ids::kLogo);
        ASSERT_TRUE(combo_ && mainOk_ && logo_);
    }

    void PickCustom() const {
        const auto entries = ComboEntries(combo_);
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == kCustomEntry) return PickEntry(combo_, static_cast<int>(i));
        ADD_FAILURE() << "no custom entry in the brand list";
    }
    // Picks "自定义..." and waits for the custom window.
    HWND OpenCustom() const {
        PickCustom();
        HWND diy = app_->WaitForWindow(kCaption);
        EXPECT_NE(diy, nullptr) << "the custom window did not appear";
        return diy;
    }
    static HWND Find(HWND diy, const std::string& name) {
        const ControlPlace& c = Place(name);
        return ChildAt(diy, c.cls, c.left, c.top);
    }
    // What every control shows, in table order.
    static std::vector<std::wstring> Texts(HWND diy) {
        std::vector<std::wstring> texts;
        for (const ControlPlace& c : kControls) texts.push_back(TextOf(Find(diy, c.name)));
        return texts;
    }
    // Everything posted to the program so far has been handled.
    void Settle() const { ASSERT_TRUE(FlushPosted(mainOk_)); }
    static bool Closes(HWND window) {
        return WaitUntil([&] { return !::IsWindow(window); });
    }
    // The preview in the main window comes to show the bitmap file.
    bool PreviewShows(const std::wstring& bitmap) const { return ShowsBitmap(logo_, bitmap); }
    // Keeps the custom window off the main window, so that the preview is seen.
    static void MoveAside(HWND diy) {
        ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND Browse(HWND diy) const {
        Click(Find(diy, "Command3"));
        HWND dialog = WaitOpenFileDialog(*app_);
        EXPECT_NE(dialog, nullptr) << "no Open File dialog captioned 打开";
        return dialog;
    }

    std::unique_ptr<ScratchFolder> folder_;
    std::unique_ptr<Vendrix> app_;
    HWND main_ = nullptr, combo_ = nullptr, mainOk_ = nullptr, logo_ = nullptr;
};

TEST_F(CustomWindowE2E, OpensLaidOutWithHintsAndTabMovesInOrderLeavingTheHints) {
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    const SIZE client = ClientSize(diy);
    EXPECT_EQ(client.cx, Px(5625));
    EXPECT_EQ(client.cy, Px(2895));
    for (const ControlPlace& c : kControls) {
        HWND control = Find(diy, c.name);
        ASSERT_NE(control, nullptr) << c.name << " is not at its place";
        const RECT r = ClientRectOf(control);
        EXPECT_NEAR(r.right - r.left, Px(c.width), 1) << c.name;
        EXPECT_NEAR(r.bottom - r.top, Px(c.height), 1) << c.name;
        const std::wstring shown = TextOf(control);
        if (c.text)
            EXPECT_EQ(shown, c.text) << c.name;
        else
            EXPECT_EQ(shown.substr(0, 3), L"示例:") << c.name;
    }
    const std::wstring hint3 = TextOf(Find(diy, "Text3"));
    EXPECT_NE(hint3.find(L'.', 3), std::wstring::npos) << "no web address after 示例:";
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(diy) == Find(diy, "Text1"); }))
        << "the focus is not in Text1";
    EXPECT_EQ(::GetWindow(diy, GW_OWNER), nullptr) << "the window has an owner";
    EXPECT_TRUE(::IsWindowEnabled(main_)) << "the main window was disabled";
    const std::vector<std::wstring> before = Texts(diy);
    const char* order[] = {"Text2",    "Text3",    "Text4",    "Text6", "Text5",
                           "Command3", "Command1", "Command2", "Text1"};
    for (const char* next : order) {
        PostKey(FocusOf(diy), VK_TAB);
        HWND expected = Find(diy, next);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(diy) == expected; }, 5s))
            << "Tab did not reach " << next;
    }
    MouseClick(diy, 3, 3);                  // the window's own background
    MouseClick(Find(diy, "Label5"), 2, 2);  // a label
    Settle();
    EXPECT_EQ(Texts(diy), before) << "clicks elsewhere or Tab changed a hint";
}

struct NearHint {
    const char* box;
    const char* what;
    std::wstring typed;
};

TEST_F(CustomWindowE2E, FirstClickEmptiesOnlyTheExactHintAndASecondDoesNothing) {
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text6", "Text5"}) {
        HWND box = Find(diy, name);
        const std::wstring hint = TextOf(box);
        MouseClick(box);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(box).empty(); }, 5s)) << name;
        MouseClick(box);
        Settle();
        EXPECT_EQ(TextOf(box), L"") << name;
        // Typed back exactly, the hint goes again on the next click.
        TypeText(box, hint);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(box) == hint; }, 5s)) << name;
        MouseClick(box);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(box).empty(); }, 5s)) << name;
    }
    // Text that only resembles the hint stays.
    const NearHint cases[] = {
        {"Text5", "other case", L"注意:图片必须为120X120大小的bmp位图"},
        {"Text1", "extra space", L"示例:联想 "},
        {"Text2", "full-width colon", L"示例：联想电脑"},
        {"Text6", "ASCII colons in the hours", L"示例:9:00-20:00"},
    };
    for (const NearHint& c : cases) {
        HWND box = Find(diy, c.box);
        SetText(box, L"");
        TypeText(box, c.typed);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(box) == c.typed; }, 5s)) << c.what;
        MouseClick(box);
        Settle();
        EXPECT_EQ(TextOf(box), c.typed) << c.box << ", " << c.what;
    }
}

TEST_F(CustomWindowE2E, PickedAgainItStaysOneWindowOkClosesItAndReopenedItShowsTheHints) {
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    const std::vector<std::wstring> hints = Texts(diy);
    HWND text1 = Find(diy, "Text1");
    SetText(text1, L"kept");
    PickCustom();
    Settle();
    PickCustom();
    Settle();
    int open = 0;
    for (HWND w : app_->TopWindows()) open += TextOf(w) == kCaption;
    EXPECT_EQ(open, 1);
    EXPECT_EQ(TextOf(text1), L"kept") << "showing the open window loaded it anew";

    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        SetText(Find(diy, name), L"value");
    Click(Find(diy, "Command1"));
    ASSERT_TRUE(Closes(diy)) << "OK left the window open";
    EXPECT_TRUE(app_->Running());
    EXPECT_TRUE(::IsWindowVisible(main_));
    diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    EXPECT_EQ(Texts(diy), hints);
}

struct CloseWay {
    const char* what;
    void (*close)(HWND diy);
};

TEST_F(CustomWindowE2E, EnterEscCancelAndTheCloseBoxCloseOnlyThisWindow) {
    const CloseWay ways[] = {
        {"Enter", [](HWND diy) { PostKey(Find(diy, "Text2"), VK_RETURN); }},
        {"Esc", [](HWND diy) { PostKey(Find(diy, "Text2"), VK_ESCAPE); }},
        {"Cancel", [](HWND diy) { Click(Find(diy, "Command2")); }},
        {"close box", [](HWND diy) { ::PostMessageW(diy, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const CloseWay& way : ways) {
        HWND diy = OpenCustom();
        ASSERT_NE(diy, nullptr) << way.what;
        way.close(diy);
        EXPECT_TRUE(Closes(diy)) << way.what << " did not close the window";
        EXPECT_TRUE(app_->Running()) << way.what;
        EXPECT_TRUE(::IsWindowVisible(main_)) << way.what;
    }
}

TEST_F(CustomWindowE2E, BrowseOffersBitmapsPreviewsTheChoiceAtOnceAndCancelsKeepIt) {
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    MoveAside(diy);
    const std::wstring bitmap = (*folder_) / L"oemdata\\Kestrel\\oemlogo.bmp";
    Settle();
    ASSERT_NE(PixelsDifferingFromBitmap(logo_, ReadFileBytes(bitmap)), 0)
        << "the preview shows the bitmap before it was chosen";

    HWND dialog = Browse(diy);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FileDialogTypes(dialog), (std::vector<std::wstring>{L"(Windows位图)", L"图片文件"}));
    ChooseFileInDialog(dialog, bitmap);
    ASSERT_TRUE(Closes(dialog));
    HWND text5 = Find(diy, "Text5");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(text5) == bitmap; }, 5s)) << "Text5 lacks the path";
    EXPECT_TRUE(PreviewShows(bitmap)) << "the preview does not show the chosen bitmap";
    EXPECT_TRUE(NoMessageBox(*app_));

    // Cancelling the Open File dialog changes nothing, not even after a path was typed.
    SetText(text5, L"D:\\手写的路径.bmp");
    dialog = Browse(diy);
    ASSERT_NE(dialog, nullptr);
    CancelFileDialog(dialog);
    ASSERT_TRUE(Closes(dialog));
    Settle();
    EXPECT_EQ(TextOf(text5), L"D:\\手写的路径.bmp");
    EXPECT_TRUE(PreviewShows(bitmap));
    EXPECT_TRUE(NoMessageBox(*app_));

    Click(Find(diy, "Command2"));
    ASSERT_TRUE(Closes(diy));
    EXPECT_TRUE(PreviewShows(bitmap)) << "Cancel restored the earlier preview";
    diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    EXPECT_EQ(TextOf(Find(diy, "Text5")), Place("Text5").text) << "the path outlived the window";
}

struct Unloadable {
    const char* what;
    const wchar_t* name;
    const char* bytes;  // null: the file does not exist
};

TEST_F(CustomWindowE2E, AFileThatCannotBeLoadedIsReportedAndLeavesThePreview) {
    const Unloadable cases[] = {
        {"not a picture", L"broken.bmp", "this is not a picture"},
        {"missing file", L"missing.bmp", nullptr},
    };
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    MoveAside(diy);
    // A picture chosen earlier stays in the preview.
    const std::wstring earlier = (*folder_) / L"oemdata\\Kestrel\\oemlogo.bmp";
    HWND first = Browse(diy);
    ASSERT_NE(first, nullptr);
    ChooseFileInDialog(first, earlier);
    ASSERT_TRUE(PreviewShows(earlier));
    for (const Unloadable& c : cases) {
        const std::wstring path = (*folder_) / c.name;
        if (c.bytes) folder_->WriteFile(c.name, c.bytes);
        HWND dialog = Browse(diy);
        ASSERT_NE(dialog, nullptr) << c.what;
        ChooseFileInDialog(dialog, path);
        const MessageBoxInfo box = WaitMessageBox(*app_);
        ASSERT_NE(box.hwnd, nullptr) << c.what << ": no message";
        EXPECT_EQ(box.title, L"Vendrix") << c.what;
        EXPECT_NE(box.text.find(path), std::wstring::npos) << c.what << ": the file is not named";
        EXPECT_EQ(TextOf(Find(diy, "Text5")), path) << c.what;
        PressOk(box);
        Settle();
        EXPECT_TRUE(PreviewShows(earlier)) << c.what << ": the preview changed";
        EXPECT_TRUE(::IsWindow(diy)) << c.what;
    }
}

// With the main window closed there is no preview, but a good bitmap is still no failure.
TEST_F(CustomWindowE2E, BrowseWithTheMainWindowClosedReportsNothing) {
    HWND diy = OpenCustom();
    ASSERT_NE(diy, nullptr);
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Closes(main_));
    ASSERT_TRUE(app_->Running());
    const std::wstring bitmap = (*folder_) / L"oemdata\\Kestrel\\oemlogo.bmp";
    HWND dialog = Browse(diy);
    ASSERT_NE(dialog, nullptr);
    ChooseFileInDialog(dialog, bitmap);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Find(diy, "Text5")) == bitmap; }, 5s));
    ASSERT_TRUE(FlushPosted(Find(diy, "Command2")));
    EXPECT_TRUE(NoMessageBox(*app_));
}

}  // namespace
}  // namespace e2e
