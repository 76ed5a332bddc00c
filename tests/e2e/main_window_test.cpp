// The main window as the user meets it: its start-up state, the brand list filled from the
// list file, the preview of a picked entry, and ending the program.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"
#include "laid_out.h"

namespace e2e {
namespace {

using namespace vx::main_ids;
using Entries = std::vector<std::wstring>;

std::wstring Picture(const wchar_t* name) {
    return JoinPath(JoinPath(BuildFolder(), L"pictures"), name);
}

Entries WithFixedEntries(Entries brands) {
    brands.push_back(vx::text::kCustomEntry);
    brands.push_back(vx::text::kClearEntry);
    return brands;
}

TEST(MainWindowStartup, LaidOutListFilledNothingSelectedAndTabStaysInTheNarrowWindow) {
    ScratchFolder folder(L"main-startup");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(TextOf(main), L"Vendrix 1.5.2");
    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, 168);
    EXPECT_EQ(client.cy, 258);

    ExpectLaidOut(main, vx::MainLayout());
    // A 120 x 120 logo fits the preview whole, frame and all.
    for (int picture : {kLogo, kCleanOEM}) {
        const SIZE inside = ClientSize(::GetDlgItem(main, picture));
        EXPECT_EQ(inside.cx, 120);
        EXPECT_EQ(inside.cy, 120);
    }
    // The owner panel lies beyond the right edge, and only it.
    EXPECT_GE(ClientRectOf(::GetDlgItem(main, kText1)).left, client.cx);
    EXPECT_LE(ClientRectOf(::GetDlgItem(main, kOk)).right, client.cx);

    HWND list = ::GetDlgItem(main, kCombolist);
    EXPECT_EQ(ComboEntries(list), WithFixedEntries({L"Aurora PC", L"青松电脑", L"Kestrel"}));
    EXPECT_EQ(ComboSelection(list), CB_ERR);
    EXPECT_EQ(TextOf(list), L"");
    EXPECT_FALSE(IsVisible(::GetDlgItem(main, kCleanOEM)));
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(main, kLogo), Picture(L"logo_placeholder.bmp")));
    EXPECT_TRUE(NoMessageBox(app));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }, 5s));
    const struct {
        int id;
        const char* name;
    } order[] = {{kOk, "ok"},       {kText1, "Text1"},   {kText3, "Text3"},
                 {kText2, "Text2"}, {kCgUser, "cgUser"}, {kCombolist, "Combolist"}};
    for (const auto& next : order) {
        PostKey(FocusOf(main), VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == ::GetDlgItem(main, next.id); }, 5s))
            << "Tab did not reach " << next.name;
    }
    // Still narrow: nothing was revealed to make the panel reachable.
    EXPECT_EQ(ClientSize(main).cx, 168);
}

// ---- The list file, case by case ----

struct ListCase {
    const char* name;
    std::string bytes;
    Entries brands;
};

TEST(ListFile, EntriesAreTheLinesThenTheTwoFixedOnes) {
    const ListCase cases[] = {
        {"EmptyFile", "", {}},
        {"LastLineWithoutLineEnd", "Aurora PC\r\nKestrel", {L"Aurora PC", L"Kestrel"}},
        {"FinalLineEndAddsNoEntry", "Aurora PC\r\nKestrel\r\n", {L"Aurora PC", L"Kestrel"}},
        {"BlankLineIsAnEmptyEntry", "A\r\n\r\nB\r\n", {L"A", L"", L"B"}},
        {"DuplicatesKept", "A\r\nB\r\nA\r\n", {L"A", L"B", L"A"}},
        {"SpacesKept", " A \r\n\tB\r\n", {L" A ", L"\tB"}},
        // The GBK bytes of 自定义... and 清除OEM信息...: added like any other line.
        {"LinesEqualToFixedEntries",
         "\xD7\xD4\xB6\xA8\xD2\xE5...\r\n\xC7\xE5\xB3\xFDOEM\xD0\xC5\xCF\xA2...\r\n",
         {L"自定义...", L"清除OEM信息..."}},
        {"CrOnlyLineEnds", "A\rB\rC", {L"A", L"B", L"C"}},
        {"LfOnlyLineEnds", "A\nB\nC\n", {L"A", L"B", L"C"}},
        {"GbkNames", "\xC7\xE0\xCB\xC9\xB5\xE7\xC4\xD4\r\nKestrel\r\n", {L"青松电脑", L"Kestrel"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder(L"main-list");
        folder.WriteFile(L"oemlist.ini", c.bytes);
        Vendrix app(folder.path());
        HWND main = app.Main();
        ASSERT_NE(main, nullptr);
        HWND list = ::GetDlgItem(main, kCombolist);
        EXPECT_EQ(ComboEntries(list), WithFixedEntries(c.brands));
        EXPECT_EQ(ComboSelection(list), CB_ERR);
        EXPECT_TRUE(NoMessageBox(app));
    }
}

TEST(UnreadableList, MessageNamesTheFileAndTheProgramRunsOnWithTheFixedEntries) {
    // No file at all, then a folder named oemlist.ini in its place.
    for (const bool folderInItsPlace : {false, true}) {
        SCOPED_TRACE(folderInItsPlace ? "folder in its place" : "missing");
        ScratchFolder folder(L"main-nolist");
        if (folderInItsPlace) folder.MakeFolder(L"oemlist.ini");
        Vendrix app(folder.path());

        const MessageBoxInfo box = WaitMessageBox(app);
        ASSERT_NE(box.hwnd, nullptr) << "no message about the list file";
        EXPECT_EQ(box.title, L"Vendrix");
        EXPECT_EQ(box.text, vx::text::kMsgListUnreadable + (folder / L"oemlist.ini"));
        PressOk(box);

        HWND main = app.Main();
        ASSERT_NE(main, nullptr);
        HWND list = ::GetDlgItem(main, kCombolist);
        EXPECT_EQ(ComboEntries(list), WithFixedEntries({}));
        EXPECT_EQ(ComboSelection(list), CB_ERR);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }, 5s));
        EXPECT_TRUE(app.Running());
    }
}

// ---- Picking entries ----

class Picking : public ::testing::Test {
  protected:
    void Start(const ScratchFolder& folder) {
        app_.emplace(folder.path());
        main_ = app_->Main();
        ASSERT_NE(main_, nullptr);
        list_ = ::GetDlgItem(main_, kCombolist);
        logo_ = ::GetDlgItem(main_, kLogo);
        clean_ = ::GetDlgItem(main_, kCleanOEM);
    }
    int IndexOf(const std::wstring& entry) const {
        const Entries entries = ComboEntries(list_);
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == entry) return static_cast<int>(i);
        return -1;
    }
    void Pick(int index) {
        PickEntry(list_, index);
        ASSERT_TRUE(WaitUntil([&] { return ComboSelection(list_) == index; }, 5s));
    }
    // Closes whatever other window of the program a pick opened, so nothing covers `logo`.
    void CloseOtherWindows() {
        for (HWND w : app_->TopWindows())
            if (w != main_) ::PostMessageW(w, WM_CLOSE, 0, 0);
        WaitUntil([&] { return app_->TopWindows().size() == 1; }, 5s);
    }

    std::optional<Vendrix> app_;
    HWND main_ = nullptr, list_ = nullptr, logo_ = nullptr, clean_ = nullptr;
};

TEST_F(Picking, BrandClearCustomAndBrandAgain) {
    ScratchFolder folder(L"main-pick");
    folder.AddSamplePresets();
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    const std::wstring aurora = folder / L"oemdata\\Aurora PC\\oemlogo.bmp";
    const std::wstring qingsong = folder / L"oemdata\\青松电脑\\oemlogo.bmp";

    Pick(IndexOf(L"Aurora PC"));
    EXPECT_TRUE(ShowsBitmap(logo_, aurora));
    EXPECT_FALSE(IsVisible(clean_));

    // Clear: the prohibition sign covers the preview.
    Pick(IndexOf(vx::text::kClearEntry));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(clean_); }, 5s));
    EXPECT_TRUE(ShowsBitmap(logo_, Picture(L"clean_oem.bmp")));

    // Custom hides the sign again and leaves the brand's logo that was behind it.
    Pick(IndexOf(vx::text::kCustomEntry));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(clean_); }, 5s));
    // The custom window opens with the pick; it must be there before it can be closed.
    ASSERT_NE(app_->WaitForWindow(vx::text::kDiyCaption), nullptr);
    CloseOtherWindows();
    EXPECT_TRUE(ShowsBitmap(logo_, aurora));

    // A brand after clear: the sign goes and the brand's logo (a GBK-named folder) shows.
    Pick(IndexOf(vx::text::kClearEntry));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(clean_); }, 5s));
    Pick(IndexOf(L"青松电脑"));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(clean_); }, 5s));
    EXPECT_TRUE(ShowsBitmap(logo_, qingsong));
    // The logo is read afresh on every pick: a preset changed on disk shows its new file.
    ::CopyFileW(aurora.c_str(), qingsong.c_str(), FALSE);
    Pick(IndexOf(L"Kestrel"));
    Pick(IndexOf(L"青松电脑"));
    EXPECT_TRUE(ShowsBitmap(logo_, aurora));
    EXPECT_TRUE(NoMessageBox(*app_));
}

TEST_F(Picking, BrokenOrMissingLogoShowsThePlaceholderAndNamesTheFile) {
    ScratchFolder folder(L"main-broken");
    folder.WriteFile(L"oemlist.ini", "Good\r\nBroken\r\n\r\nMissing\r\n");
    folder.MakeFolder(L"oemdata");
    folder.MakeFolder(L"oemdata\\Good");
    folder.MakeFolder(L"oemdata\\Broken");
    const std::wstring good = folder / L"oemdata\\Good\\oemlogo.bmp";
    WriteFileBytes(good, ReadFileBytes(JoinPath(BuildFolder(), L"oemdata\\Kestrel\\oemlogo.bmp")));
    folder.WriteFile(L"oemdata\\Broken\\oemlogo.bmp", "BM this is not a picture");
    const std::wstring systemLogo = WindowsFolder() + L"\\system32\\oem\\oemlogo.bmp";
    const bool systemLogoBefore = FileExists(systemLogo);
    const std::string systemLogoBytes = ReadFileBytes(systemLogo);
    ASSERT_NO_FATAL_FAILURE(Start(folder));

    const struct {
        const wchar_t* entry;
        std::wstring logo;
    } broken[] = {
        {L"Broken", folder / L"oemdata\\Broken\\oemlogo.bmp"},
        {L"", folder / L"oemdata\\\\oemlogo.bmp"},
        {L"Missing", folder / L"oemdata\\Missing\\oemlogo.bmp"},
    };
    for (const auto& b : broken) {
        SCOPED_TRACE(::testing::Message() << "entry \"" << std::wstring(b.entry) << "\"");
        Pick(IndexOf(L"Good"));
        EXPECT_TRUE(ShowsBitmap(logo_, good));

        const int index = IndexOf(b.entry);
        Pick(index);
        const MessageBoxInfo box = WaitMessageBox(*app_);
        ASSERT_NE(box.hwnd, nullptr);
        EXPECT_EQ(box.title, L"Vendrix");
        EXPECT_EQ(box.text, vx::text::kMsgLogoUnreadable + b.logo);
        PressOk(box);

        EXPECT_TRUE(ShowsBitmap(logo_, Picture(L"logo_placeholder.bmp")));
        EXPECT_FALSE(IsVisible(clean_));
        EXPECT_EQ(ComboSelection(list_), index);
        EXPECT_TRUE(app_->Running());
    }
    EXPECT_EQ(FileExists(systemLogo), systemLogoBefore);
    EXPECT_EQ(ReadFileBytes(systemLogo), systemLogoBytes);
}

TEST_F(Picking, LineReadingLikeAFixedEntryActsAsThatEntry) {
    ScratchFolder folder(L"main-fixedline");
    folder.AddSamplePresets();
    // 清除OEM信息... first in the file, in GBK.
    folder.WriteFile(L"oemlist.ini", "\xC7\xE5\xB3\xFDOEM\xD0\xC5\xCF\xA2...\r\nKestrel\r\n");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    Pick(0);
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(clean_); }, 5s));
    EXPECT_TRUE(NoMessageBox(*app_));
}

// ---- Ending the program ----

TEST(MainWindowEnd, ExitFromTheFileMenuEndsTheProgramWithTheAboutWindowOpen) {
    ScratchFolder folder(L"main-exit");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenuByKeyboard(main, 3);  // 关于
    ASSERT_NE(app.WaitForWindow(vx::text::kAboutCaption), nullptr);
    ChooseMenuByKeyboard(main, 0, 2);  // 文件 > 退出, after the separator
    EXPECT_TRUE(app.WaitForExit()) << "still running after 退出";
}

TEST(MainWindowEnd, ClosingMainLeavesTheProgramRunningUntilTheAboutWindowCloses) {
    ScratchFolder folder(L"main-lastwindow");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenu(main, kMenu9);
    HWND about = app.WaitForWindow(vx::text::kAboutCaption);
    ASSERT_NE(about, nullptr);

    ::PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(main); }, 5s));
    EXPECT_FALSE(app.WaitForExit(1s)) << "the program ended while the about window was open";
    EXPECT_TRUE(IsVisible(about));

    ::PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.WaitForExit()) << "still running after its last window closed";
}

}  // namespace
}  // namespace e2e
