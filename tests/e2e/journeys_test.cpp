// One journey per thing a user does with the real Vendrix.exe, each checking what the user sees
// (lists, pictures, messages) and what changed in the system (registry, files) at once.
#include <gtest/gtest.h>

#include <optional>

#include "core/about_layout.h"
#include "core/custom_layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::main_ids;
using vx::main_ids::kOk;
using namespace vx::text;
using Entries = std::vector<std::wstring>;

const std::wstring kOemFolder = WindowsFolder() + L"\\system32\\oem";
const std::wstring kSystemLogo = kOemFolder + L"\\oemlogo.bmp";
const std::wstring kPictures = JoinPath(BuildFolder(), L"pictures\\");

RegValue Oem(const std::wstring& name) { return ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, name); }

class Journey : public ::testing::Test {
  protected:
    // Each starts and ends with no OEM key and no oem folder, and undoes its other changes.
    void SetUp() override {
        DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey);
        RemoveTree(kOemFolder);
    }
    void TearDown() override {
        app_.reset();
        for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo) (*undo)();
        SetUp();
    }
    void Start(const ScratchFolder& folder) {
        app_.emplace(folder.path());
        main_ = app_->Main();
        ASSERT_NE(main_, nullptr);
        list_ = ::GetDlgItem(main_, kCombolist);
    }
    // Clicks the button and answers the message box it brings; returns the box's text.
    std::wstring Answer(HWND button) const {
        Click(button);
        const MessageBoxInfo box = WaitMessageBox(*app_);
        PressOk(box);
        return box.text;
    }
    static void ExpectText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
        EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, key, name).type, DWORD{REG_EXPAND_SZ}) << name;
        EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, key, name).data, Utf16Bytes(text)) << name;
    }

    std::optional<Vendrix> app_;
    HWND main_ = nullptr, list_ = nullptr;
    std::vector<std::function<void()>> undo_;
};

TEST_F(Journey, StartListsTheBrandsThenTheFixedEntriesAndClosingEnds) {
    ScratchFolder folder(L"start");
    // CR LF, a lone LF, a lone CR, a blank line, a GBK name without a final line end.
    folder.WriteFile(L"oemlist.ini",
                     "Aurora PC\r\nKestrel\nB\rC\r\n\r\n\xC7\xE0\xCB\xC9\xB5\xE7\xC4\xD4");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    EXPECT_EQ(ComboEntries(list_), (Entries{L"Aurora PC", L"Kestrel", L"B", L"C", L"", L"青松电脑",
                                            kCustomEntry, kClearEntry}));
    EXPECT_EQ(ComboSelection(list_), CB_ERR);
    EXPECT_FALSE(IsVisible(::GetDlgItem(main_, kCleanOEM)));
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app_->WaitForExit());
}

TEST_F(Journey, PickingPreviewsTheLogoTheClearSignOrThePlaceholder) {
    ScratchFolder folder(L"preview");
    folder.AddSamplePresets();
    folder.WriteFile(L"oemlist.ini", "Aurora PC\r\nKestrel\r\nBroken\r\n");
    folder.MakeFolder(L"oemdata\\Broken");
    folder.WriteFile(L"oemdata\\Broken\\oemlogo.bmp", "BM not a picture");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    HWND logo = ::GetDlgItem(main_, kLogo), clean = ::GetDlgItem(main_, kCleanOEM);

    ASSERT_TRUE(PickText(list_, L"Aurora PC"));
    EXPECT_TRUE(ShowsBitmap(logo, folder / L"oemdata\\Aurora PC\\oemlogo.bmp"));
    ASSERT_TRUE(PickText(list_, kClearEntry));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(clean); }));
    EXPECT_TRUE(ShowsBitmap(logo, kPictures + L"clean_oem.bmp"));
    ASSERT_TRUE(PickText(list_, L"Kestrel"));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(clean); }));
    EXPECT_TRUE(ShowsBitmap(logo, folder / L"oemdata\\Kestrel\\oemlogo.bmp"));
    ASSERT_TRUE(PickText(list_, L"Broken"));
    const MessageBoxInfo box = WaitMessageBox(*app_);
    EXPECT_EQ(box.text, kMsgLogoUnreadable + (folder / L"oemdata\\Broken\\oemlogo.bmp"));
    PressOk(box);
    // Kestrel's logo must not pass for this brand's.
    EXPECT_TRUE(ShowsBitmap(logo, kPictures + L"logo_placeholder.bmp"));
}

TEST_F(Journey, BrandInstallsThePresetsLogoAndScriptOrNamesTheStepThatFailed) {
    ScratchFolder folder(L"brand");
    folder.AddSamplePresets();
    folder.WriteFile(L"oemlist.ini", "Aurora PC\r\nBroken\r\n");
    folder.MakeFolder(L"oemdata\\Broken");
    folder.WriteFile(L"oemdata\\Broken\\oemlogo.bmp",
                     ReadFileBytes(folder / L"oemdata\\Kestrel\\oemlogo.bmp"));
    folder.WriteFile(L"oemdata\\Broken\\oem.reg", "not a registry script\r\n");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    HWND ok = ::GetDlgItem(main_, kOk);
    // A name with a space; the commands name their files relative to its preset folder.
    ASSERT_TRUE(PickText(list_, L"Aurora PC"));
    EXPECT_EQ(Answer(ok), kMsgBrandDone);
    EXPECT_EQ(ReadFileBytes(kSystemLogo),
              ReadFileBytes(folder / L"oemdata\\Aurora PC\\oemlogo.bmp"));
    EXPECT_EQ(Oem(L"Model").data, Utf16Bytes(L"Aurora PC Studio S7")) << "oem.reg not imported";
    EXPECT_EQ(Oem(L"SupportHours").data, Utf16Bytes(L"周一至周五 9:00-18:00"));

    ASSERT_TRUE(PickText(list_, L"Broken"));
    const std::wstring message = Answer(ok);
    EXPECT_TRUE(message.starts_with(kMsgBrandFailed)) << "completion reported after a failure";
    EXPECT_NE(message.find(folder / L"oemdata\\Broken\\oem.reg"), std::wstring::npos);
}

TEST_F(Journey, ClearRemovesTheLogoEmptiesTheValuesAndHidesTheSign) {
    const wchar_t* values[] = {L"Manufacturer", L"Model",        L"SupportURL",
                               L"SupportPhone", L"SupportHours", L"Logo"};
    std::filesystem::create_directory(kOemFolder);
    WriteFileBytes(kSystemLogo, "BM an old logo");
    for (const wchar_t* name : values)
        WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, name, REG_SZ, Utf16Bytes(L"old"));
    ScratchFolder folder(L"clear");
    folder.AddSamplePresets();
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    HWND clean = ::GetDlgItem(main_, kCleanOEM);
    ASSERT_TRUE(PickText(list_, kClearEntry));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(clean); }));
    EXPECT_EQ(Answer(::GetDlgItem(main_, kOk)), kMsgClearDone);
    for (const wchar_t* name : values) ExpectText(kOemKey, name, L"");
    EXPECT_FALSE(FolderExists(kOemFolder));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(clean); })) << "CleanOEM still shown";
    EXPECT_EQ(TextOf(list_), kClearEntry);
}

TEST_F(Journey, CustomWritesTheBoxesAndCopiesTheLogoChosenByBrowsing) {
    namespace diy_ids = vx::custom_ids;
    ScratchFolder folder(L"custom");
    folder.AddSamplePresets();
    folder.MakeFolder(L"my pictures");
    const std::wstring logo = folder / L"my pictures\\shop logo.bmp";
    WriteFileBytes(logo, ReadFileBytes(folder / L"oemdata\\Kestrel\\oemlogo.bmp"));
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    ASSERT_TRUE(PickText(list_, kCustomEntry));
    HWND diy = app_->WaitForWindow(kDiyCaption);
    ASSERT_NE(diy, nullptr);
    // Off the main window, whose preview must be seen.
    ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND boxes[6];
    for (int i = 0; i < 6; ++i) boxes[i] = ::GetDlgItem(diy, diy_ids::kText1 + i);

    // A whole round of Tab leaves every hint; only a click removes one.
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(diy) == boxes[0]; }));
    for (int i = 0; i < 9; ++i) {
        HWND from = FocusOf(diy);
        PostKey(from, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(diy) != from; }));
    }
    EXPECT_EQ(FocusOf(diy), boxes[0]);
    const wchar_t* hints[] = {kHint1, kHint2, kHint3, kHint4, kHint5, kHint6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextOf(boxes[i]), hints[i]) << "Text" << i + 1;
    MouseClick(boxes[0]);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[0]).empty(); }));

    // Text5, the logo path, is chosen by browsing; Text6 holds the hours.
    const std::wstring texts[] = {L"联想",         L"联想电脑 X1", L"https://www.x.example",
                                  L"800-810-8888", kOemLogoValue,  L"9：00-20：00"};
    for (int i : {0, 1, 2, 3, 5}) SetText(boxes[i], texts[i]);
    Click(::GetDlgItem(diy, diy_ids::kCommand3));
    HWND dialog = WaitOpenFileDialog(*app_);
    ASSERT_NE(dialog, nullptr);
    ChooseFileInDialog(dialog, logo);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[4]) == logo; }));
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(main_, kLogo), logo)) << "no preview of the choice";
    Click(::GetDlgItem(diy, diy_ids::kCommand1));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(diy); }));

    EXPECT_EQ(Answer(::GetDlgItem(main_, kOk)), kMsgCustomDone);
    const wchar_t* names[] = {L"Manufacturer", L"Model", L"SupportURL",
                              L"SupportPhone", L"Logo",  L"SupportHours"};
    for (int i = 0; i < 6; ++i) ExpectText(kOemKey, names[i], texts[i]);
    EXPECT_EQ(ReadFileBytes(kSystemLogo), ReadFileBytes(logo));
}

TEST_F(Journey, OwnerPanelSavesNothingBeforeTheFirstExpansionThenStoresTheBoxes) {
    const wchar_t* names[] = {kRegisteredOwner, kRegisteredOrganization, kProductName};
    const wchar_t* known[] = {L"Owner A", L"Org B", L"Product C"};
    for (int i = 0; i < 3; ++i) {
        const RegValue saved = ReadRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, names[i]);
        undo_.push_back([=] {
            WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, names[i], saved.type, saved.data);
        });
        WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, names[i], REG_SZ, Utf16Bytes(known[i]));
    }
    ScratchFolder folder(L"owner");
    folder.AddSamplePresets();
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    HWND boxes[] = {::GetDlgItem(main_, kText1), ::GetDlgItem(main_, kText2),
                    ::GetDlgItem(main_, kText3)};
    HWND save = ::GetDlgItem(main_, kCgUser);
    const auto widthIs = [&](int twips) {  // at 96 DPI
        return WaitUntil(
            [&] { return OuterRect(main_).right - OuterRect(main_).left == (twips + 7) / 15; });
    };

    // The boxes hold only their placeholder yet, which must never replace the user's data.
    EXPECT_EQ(Answer(save), kMsgOwnerNotLoaded);
    EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, names[0]).data, Utf16Bytes(known[0]));
    ChooseMenu(main_, kMenu2);
    EXPECT_TRUE(widthIs(5000));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[i]) == known[i]; }));
    // A text outside code page 936, an emptied box, and a reference kept unexpanded.
    const std::wstring texts[] = {L"\u00C6r\u00F8sk\u00F8bing \U0001F600", L"", L"%USERNAME%"};
    for (int i = 0; i < 3; ++i) SetText(boxes[i], texts[i]);
    EXPECT_EQ(Answer(save), kMsgOwnerSaved);
    for (int i = 0; i < 3; ++i) ExpectText(kOwnerKey, names[i], texts[i]);
    ChooseMenu(main_, kMenu2);
    EXPECT_TRUE(widthIs(2600));
}

// A probe of ours stands in for the browser below "programfiles": it records the command line
// it was started with in probe-ran.txt in the current directory it inherits, the program folder.
TEST_F(Journey, AboutShowsTheVersionAndTheLinksStartTheBrowserByItsQuotedPath) {
    ScratchFolder folder(L"about");
    folder.AddSamplePresets();
    // With the space in "Program Files" unquoted, the system would try ...\Program.exe first.
    const std::wstring programFiles = folder / L"Program Files";
    const std::wstring ie = programFiles + L"\\Internet Explorer\\IEXPLORE.EXE";
    folder.MakeFolder(L"Program Files\\Internet Explorer");
    std::filesystem::copy_file(JoinPath(BuildFolder(), L"vx_probe_child.exe"), ie);
    // The system derives "programfiles" for each new process from these.
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramW6432", L"ProgramFiles(x86)"}) {
        wchar_t old[MAX_PATH];
        const std::wstring saved(old, ::GetEnvironmentVariableW(name, old, MAX_PATH));
        undo_.push_back([=] { ::SetEnvironmentVariableW(name, saved.c_str()); });
        ::SetEnvironmentVariableW(name, programFiles.c_str());
    }
    const auto startedWith = [&] {
        const std::string bytes = ReadFileBytes(folder / L"probe-ran.txt");
        const std::wstring record(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
        const size_t at = record.find(L"cmdline=");
        if (at == std::wstring::npos) return std::wstring();
        return record.substr(at + 8, record.find(L'\n', at) - at - 8);
    };
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    ChooseMenu(main_, kMenu3);
    EXPECT_TRUE(WaitUntil([&] { return startedWith() == L"\"" + ie + L"\" " + vx::kDownloadPage; }))
        << startedWith();

    ChooseMenu(main_, kMenu9);
    HWND about = app_->WaitForWindow(kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(about, vx::about_ids::kVs)), L"1.5.2");
    HWND logo = ::GetDlgItem(about, vx::about_ids::kPicture1);
    EXPECT_TRUE(ShowsBitmap(logo, kPictures + L"maker_logo.bmp"));
    MouseClick(logo, 15, 15);
    EXPECT_TRUE(WaitUntil([&] {
        return startedWith() == L"\"" + ie + L"\" " + vx::kMakerHomePage;
    })) << startedWith();
    Click(::GetDlgItem(about, vx::about_ids::kCommand1));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(app_->Running());
}

}  // namespace
}  // namespace e2e
