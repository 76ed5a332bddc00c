// One journey per thing a user does with the real Vendrix.exe, each checking what the user sees
// and what changed in the registry and the files at once.
#include <gtest/gtest.h>

#include <optional>

#include "core/layouts/custom_layout.h"
#include "core/layouts/info_layout.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "driver.h"
#include <psapi.h>  // after windows.h

namespace e2e {
namespace {

using namespace vx::main_ids;
using namespace vx::text;
using vx::main_ids::kOk;

const std::wstring kOemFolder = WindowsFolder() + L"\\system32\\oem";
const std::wstring kSystemLogo = kOemFolder + L"\\oemlogo.bmp";
const std::wstring kPictures = JoinPath(BuildFolder(), L"pictures\\");
const HKEY kHklm = HKEY_LOCAL_MACHINE;
// In the order of the custom window's boxes, from the manufacturer's to the hours'.
const wchar_t* const kOemNames[] = {L"Manufacturer", L"Model", L"SupportURL",
                                    L"SupportPhone", L"Logo",  L"SupportHours"};

// The 300 x 150 test picture fitted: its red (200, 40, 40) middle becomes 108 x 48 at (6, 36)
// on white. The edge where scaling blends the two is not judged.
bool ShowsFit(const std::vector<COLORREF>& pixels) {
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        const int x = i % 120, y = i / 120, r = GetRValue(pixels[i]), g = GetGValue(pixels[i]);
        const bool red = x >= 8 && x < 112 && y >= 38 && y < 82;
        if (red ? std::abs(r - 200) + std::abs(g - 40) > 40
                : (x < 4 || x >= 116 || y < 34 || y >= 86) && r + g < 480)
            return false;
    }
    return pixels.size() == 120 * 120;
}
long TempFiles() { return std::distance(fs::directory_iterator(fs::temp_directory_path()), {}); }

// Each starts and ends with no OEM key and no oem folder, and undoes its other changes.
class Journey : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteRegKeyTree(kHklm, kOemKey);
        RemoveTree(kOemFolder);
    }
    void TearDown() override {
        app_.reset();
        for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo) (*undo)();
        SetUp();
    }
    void Start(const ScratchFolder& folder) {
        app_.emplace(folder.path());
        ASSERT_NE(main_ = app_->Main(), nullptr);
        list_ = Control(kCombolist);
    }
    HWND Control(int id) const { return ::GetDlgItem(main_, id); }
    static void AddBrokenPreset(const ScratchFolder& folder) {  // a script but no logo
        folder.AddSamplePresets();
        // CR LF, a lone LF, a lone CR, a blank line, a GBK name without a final line end.
        folder.WriteFile(L"oemlist.ini",
                         "Aurora PC\r\nBroken\nB\rC\r\n\r\n\xC7\xE0\xCB\xC9\xB5\xE7\xC4\xD4");
        folder.MakeFolder(L"oemdata\\Broken");
        folder.WriteFile(L"oemdata\\Broken\\oem.reg", "REGEDIT4\r\n");
    }
    // Clicks the button and answers the message box it brings; returns the box's text.
    std::wstring Answer(HWND button) const {
        Click(button);
        const MessageBoxInfo box = WaitMessageBox(*app_);
        PressOk(box);
        return box.text;
    }
    static void ExpectText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
        EXPECT_EQ(ReadRegValue(kHklm, key, name).type, DWORD{REG_EXPAND_SZ}) << name;
        EXPECT_EQ(ReadRegValue(kHklm, key, name).data, Utf16Bytes(text)) << name;
    }

    std::optional<Vendrix> app_;
    HWND main_ = nullptr, list_ = nullptr;
    std::vector<std::function<void()>> undo_;
};

TEST_F(Journey, StartListsTheBrandsAndPickingPreviewsTheLogoTheClearSignOrThePlaceholder) {
    ScratchFolder folder(L"preview");
    AddBrokenPreset(folder);
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    EXPECT_EQ(ComboEntries(list_),
              (std::vector<std::wstring>{L"Aurora PC", L"Broken", L"B", L"C", L"", L"青松电脑",
                                         kCustomEntry, kClearEntry}));
    EXPECT_EQ(ComboSelection(list_), CB_ERR);
    ASSERT_TRUE(PickText(list_, kClearEntry));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(Control(kCleanOEM)); }));
    EXPECT_TRUE(ShowsBitmap(Control(kLogo), kPictures + L"clean_oem.bmp"));
    ASSERT_TRUE(PickText(list_, L"Aurora PC"));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(Control(kCleanOEM)); }));
    EXPECT_TRUE(ShowsBitmap(Control(kLogo), folder / L"oemdata\\Aurora PC\\oemlogo.bmp"));
    ASSERT_TRUE(PickText(list_, L"Broken"));
    const MessageBoxInfo box = WaitMessageBox(*app_);
    EXPECT_EQ(box.text, kMsgLogoUnreadable + (folder / L"oemdata\\Broken\\oemlogo.bmp"));
    PressOk(box);
    // The earlier brand's logo must not pass for this one's.
    EXPECT_TRUE(ShowsBitmap(Control(kLogo), kPictures + L"logo_placeholder.bmp"));
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app_->WaitForExit());
}

TEST_F(Journey, BrandInstallsThePresetOrNamesTheStepThatFailedAndClearRemovesIt) {
    ScratchFolder folder(L"brand");
    AddBrokenPreset(folder);
    folder.WriteFile(L"oemlist.ini", "Aurora PC\r\nBroken\r\nKestrel\r\n");
    const std::wstring probe = L"SOFTWARE\\VendrixProbe";  // what Kestrel's script would add
    folder.WriteFile(L"oemdata\\Kestrel\\oem.reg", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                                                    "VendrixProbe]\r\n\"x\"=\"calc.exe\"\r\n");
    undo_.push_back([=] { DeleteRegKeyTree(kHklm, probe); });
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    // A script that changes more than the OEM values is asked about first, in a box with the
    // question mark; No, its default, is the last word and nothing has changed.
    ASSERT_TRUE(PickText(list_, L"Kestrel"));
    Click(Control(kOk));
    const MessageBoxInfo ask = WaitMessageBox(*app_);
    EXPECT_TRUE(ShowsIcon(ask) && ask.text.ends_with(kAskScriptSuffix)) << ask.text;
    PostKey(ask.hwnd, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(ask.hwnd); }));
    EXPECT_EQ(WaitMessageBox(*app_, 2s).hwnd, nullptr) << "No is the last word";
    EXPECT_FALSE(ReadRegValue(kHklm, probe, L"x").exists || FolderExists(kOemFolder));
    // A name with a space; the commands name their files relative to its preset folder.
    ASSERT_TRUE(PickText(list_, L"Aurora PC"));
    EXPECT_EQ(Answer(Control(kOk)), kMsgBrandDone);
    EXPECT_EQ(ReadFileBytes(kSystemLogo),
              ReadFileBytes(folder / L"oemdata\\Aurora PC\\oemlogo.bmp"));
    EXPECT_EQ(ReadRegValue(kHklm, kOemKey, L"Model").data, Utf16Bytes(L"Aurora PC Studio S7"))
        << "oem.reg not imported";
    ExpectText(kOemKey, L"Logo", kOemLogoValue);
    ASSERT_TRUE(PickText(list_, L"Broken"));
    PressOk(WaitMessageBox(*app_));  // the logo that cannot be shown
    const std::wstring message = Answer(Control(kOk));
    EXPECT_TRUE(message.starts_with(kMsgBrandFailed)) << "completion reported after a failure";
    EXPECT_NE(message.find(folder / L"oemdata\\Broken\\oemlogo.bmp"), std::wstring::npos);
    // Clearing removes Aurora PC's logo and empties the values it wrote.
    ASSERT_TRUE(PickText(list_, kClearEntry));
    EXPECT_EQ(Answer(Control(kOk)), kMsgClearDone);
    for (const wchar_t* name : kOemNames) ExpectText(kOemKey, name, L"");
    EXPECT_FALSE(FolderExists(kOemFolder));
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(Control(kCleanOEM)); }));
    EXPECT_EQ(TextOf(list_), kClearEntry);
}

TEST_F(Journey, CustomWritesTheBoxesAndMakesTheLogoFromAPictureChosenByBrowsing) {
    namespace diy_ids = vx::custom_ids;
    ScratchFolder folder(L"custom");
    folder.AddSamplePresets();
    folder.MakeFolder(L"my pictures");
    const std::wstring logo = folder / L"my pictures\\shop logo.bmp";
    WriteFileBytes(logo, ReadFileBytes(folder / L"oemdata\\Kestrel\\oemlogo.bmp"));
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    ASSERT_TRUE(PickText(list_, kCustomEntry));
    HWND diy = app_->WaitForWindow(kCustomCaption), boxes[6];
    ASSERT_NE(diy, nullptr);
    ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // off the preview
    for (int i = 0; i < 6; ++i) boxes[i] = ::GetDlgItem(diy, diy_ids::kManufacturerBox + i);

    // A whole round of Tab leaves every hint; only a click removes one.
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(diy) == boxes[0]; }));
    for (int i = 0; i < 10; ++i) {
        HWND from = FocusOf(diy);
        PostKey(from, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(diy) != from; }));
    }
    const wchar_t* hints[] = {kManufacturerHint, kModelHint,    kSupportUrlHint,
                              kSupportPhoneHint, kLogoPathHint, kSupportHoursHint};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextOf(boxes[i]), hints[i]) << "box " << i + 1;
    MouseClick(boxes[0]);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[0]).empty(); }));

    // The logo path is chosen by browsing; the last box holds the hours.
    const std::wstring texts[] = {L"联想",         L"联想电脑 X1", L"https://www.x.example",
                                  L"800-810-8888", kOemLogoValue,  L"9：00-20：00"};
    for (int i : {0, 1, 2, 3, 5}) SetText(boxes[i], texts[i]);
    Click(::GetDlgItem(diy, diy_ids::kBrowse));
    HWND dialog = WaitOpenFileDialog(*app_);
    ASSERT_NE(dialog, nullptr);
    ChooseFileInDialog(dialog, logo);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[4]) == logo; }));
    EXPECT_TRUE(ShowsBitmap(Control(kLogo), logo)) << "no preview of the choice";
    Click(::GetDlgItem(diy, diy_ids::kOk));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(diy); }));
    EXPECT_EQ(Answer(Control(kOk)), kMsgCustomDone);
    for (int i = 0; i < 6; ++i) ExpectText(kOemKey, kOemNames[i], texts[i]);
    EXPECT_EQ(ReadFileBytes(kSystemLogo), ReadFileBytes(logo));

    // cmd expands %NAME% even inside quotes: such a path is refused and nothing changes.
    ASSERT_TRUE(PickText(list_, kCustomEntry));
    ASSERT_NE(diy = app_->WaitForWindow(kCustomCaption), nullptr);
    SetText(::GetDlgItem(diy, diy_ids::kLogoPathBox), L"C:\\%windir%.bmp");
    Click(::GetDlgItem(diy, diy_ids::kOk));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(diy); }));
    EXPECT_EQ(Answer(Control(kOk)), kMsgLogoPathHasPercent + std::wstring(L"\nC:\\%windir%.bmp"));
    ExpectText(kOemKey, L"Model", texts[1]);
    EXPECT_EQ(ReadFileBytes(kSystemLogo), ReadFileBytes(logo));

    // Any other picture is fitted, previewed and installed as a 24-bit bitmap, or refused with
    // its message before any step; no temporary file is left behind either way.
    const wchar_t* names[] = {L"wide.png", L"wide.jpg", L"text.png", L"huge.png"};
    const wchar_t* refusals[] = {nullptr, nullptr, kMsgPictureLoadFailed, kMsgPictureTooLarge};
    for (int i = 0; i < 4; ++i) {
        const std::wstring file = kPictures + names[i];
        SCOPED_TRACE(::testing::Message() << file);
        RemoveTree(kOemFolder);
        ASSERT_TRUE(PickText(list_, kCustomEntry));
        ASSERT_NE(diy = app_->WaitForWindow(kCustomCaption), nullptr);
        ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Click(::GetDlgItem(diy, diy_ids::kBrowse));
        ChooseFileInDialog(WaitOpenFileDialog(*app_), file);
        if (!refusals[i]) {
            EXPECT_TRUE(
                WaitUntil([&] { return ShowsFit(ScreenPixels(Control(kLogo), 120, 120)); }, 5s));
        } else {
            const MessageBoxInfo box = WaitMessageBox(*app_, 5s);
            EXPECT_EQ(box.text, refusals[i] + (L"\n" + file));
            PressOk(box);
            PROCESS_MEMORY_COUNTERS m{};
            EXPECT_TRUE(::K32GetProcessMemoryInfo(app_->handle(), &m, sizeof m));
            EXPECT_LT(m.PeakWorkingSetSize, 100u << 20);
        }
        Click(::GetDlgItem(diy, diy_ids::kOk));
        const long temporary = TempFiles();
        const std::wstring done = Answer(Control(kOk));
        EXPECT_EQ(TempFiles(), temporary) << "a temporary file was left behind";
        EXPECT_EQ(done == kMsgCustomDone, !refusals[i]) << done;
        EXPECT_EQ(done.starts_with(kMsgLogoUnusable + (L"\n" + file)), refusals[i] != nullptr);
        const std::string installed = ReadFileBytes(kSystemLogo);
        int size[2] = {};
        const bool fit = ShowsFit(BitmapFilePixels(installed, size, size + 1));
        EXPECT_EQ(fit && installed[28] == 24, !refusals[i]) << "not the 24-bit fitted picture";
    }
}

TEST_F(Journey, OwnerPanelSavesNothingBeforeTheFirstExpansionThenStoresTheBoxes) {
    const wchar_t* names[] = {kRegisteredOwner, kRegisteredOrganization, kProductName};
    const wchar_t* known[] = {L"Owner A", L"Org B", L"Product C"};
    for (int i = 0; i < 3; ++i) {
        const RegValue saved = ReadRegValue(kHklm, kOwnerKey, names[i]);
        undo_.push_back([=] { WriteRegValue(kHklm, kOwnerKey, names[i], saved.type, saved.data); });
        WriteRegValue(kHklm, kOwnerKey, names[i], REG_SZ, Utf16Bytes(known[i]));
    }
    ScratchFolder folder(L"owner");
    folder.AddSamplePresets();
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    HWND boxes[] = {Control(kOwnerBox), Control(kOrganizationBox), Control(kProductNameBox)};
    // The boxes hold only their placeholder yet, which must never replace the user's data.
    EXPECT_EQ(Answer(Control(kSaveOwner)), kMsgOwnerNotLoaded);
    EXPECT_EQ(ReadRegValue(kHklm, kOwnerKey, names[0]).data, Utf16Bytes(known[0]));
    ChooseMenu(main_, kMenuTogglePanel);
    const auto outerWidth = [&] { return OuterRect(main_).right - OuterRect(main_).left; };
    EXPECT_TRUE(WaitUntil([&] { return outerWidth() == 333; }));  // 5000 twips at 96 DPI
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(WaitUntil([&] { return TextOf(boxes[i]) == known[i]; }));
    // A text outside code page 936, an emptied box, and a reference kept unexpanded.
    const std::wstring texts[] = {L"\u00C6r\u00F8sk\u00F8bing \U0001F600", L"", L"%USERNAME%"};
    for (int i = 0; i < 3; ++i) SetText(boxes[i], texts[i]);
    EXPECT_EQ(Answer(Control(kSaveOwner)), kMsgOwnerSaved);
    for (int i = 0; i < 3; ++i) ExpectText(kOwnerKey, names[i], texts[i]);
}

// Three machines, each stood for by the BIOS key's values (Wine's own tables name nobody).
TEST_F(Journey, MachineBrandReadButtonAndInformationWindowFollowTheFirmware) {
    namespace diy = vx::custom_ids;
    const std::wstring bios = L"HARDWARE\\DESCRIPTION\\System\\BIOS";
    const wchar_t* const names[] = {L"SystemManufacturer", L"SystemProductName", L"SystemVersion",
                                    L"BaseBoardManufacturer", L"BaseBoardProduct"};
    const auto put = [bios](const wchar_t* name, const RegValue& v) {  // deleted unless it exists
        ::RegDeleteKeyValueW(kHklm, bios.c_str(), name);
        if (v.exists) WriteRegValue(kHklm, bios, name, v.type, v.data);
    };
    for (const wchar_t* name : names)
        undo_.push_back([=, was = ReadRegValue(kHklm, bios, name)] { put(name, was); });
    ScratchFolder folder(L"firmware");
    folder.AddSamplePresets();
    folder.MakeFolder(L"oemdata\\联想");
    for (const std::wstring file : {L"\\oem.reg", L"\\oemlogo.bmp"})
        folder.WriteFile(L"oemdata\\联想" + file,
                         ReadFileBytes(folder / L"oemdata\\Kestrel" + file));
    folder.WriteFile(L"oemlist.ini", "Kestrel\r\n\xC1\xAA\xCF\xEB\r\n");  // 联想 in GBK
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    const std::wstring acme = kMsgNoMatchPrefix + std::wstring(L"Acme PC") + kMsgNoMatchSuffix;
    const struct {
        const wchar_t* bios[5];
        std::wstring said, maker, model;  // said: the message, or none when 联想 is selected
    } machines[] = {{{L"LENOVO", L"20KHCTO1WW", L"ThinkPad T14"}, L"", L"LENOVO", L"ThinkPad T14"},
                    {{L" Acme PC ", L"Box 9", L"x.x"}, acme, L"Acme PC", L"Box 9"},
                    {{}, kMsgNoFirmwareMaker, L"", L""}};
    for (const auto& m : machines) {
        for (size_t i = 0; i < 5; ++i)  // null: deleted
            put(names[i], {m.bios[i] != nullptr, REG_SZ, Utf16Bytes(m.bios[i] ? m.bios[i] : L"")});
        // 文件 > 选择本机品牌 as the keyboard reaches it: the drop-down opened, one item down.
        const int selected = ComboSelection(list_);
        ::PostMessageW(main_, WM_SYSCOMMAND, SC_KEYMENU, 0);
        PostKey(main_, VK_RETURN);
        ASSERT_TRUE(app_->WaitTopWindow([](HWND w) { return ClassOf(w) == L"#32768"; }));
        PostKey(main_, VK_DOWN);
        PostKey(main_, VK_RETURN);
        if (m.said.empty()) {
            EXPECT_TRUE(WaitUntil([&] { return ComboSelection(list_) == 1; }));
            EXPECT_TRUE(ShowsBitmap(Control(kLogo), folder / L"oemdata\\联想\\oemlogo.bmp"));
        } else {
            EXPECT_EQ(WaitMessageBox(*app_).text, m.said);
            PressOk(WaitMessageBox(*app_));
            EXPECT_EQ(ComboSelection(list_), selected);
        }
        // 读取本机 fills what the firmware names; a box keeps its hint where it names nothing.
        ASSERT_TRUE(PickText(list_, kCustomEntry));
        HWND box = app_->WaitForWindow(kCustomCaption), read = ::GetDlgItem(box, diy::kReadMachine);
        Click(read);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(box) == read; }));
        EXPECT_EQ(TextOf(::GetDlgItem(box, diy::kManufacturerBox)),
                  m.maker.empty() ? kManufacturerHint : m.maker);
        EXPECT_EQ(TextOf(::GetDlgItem(box, diy::kModelBox)),
                  m.model.empty() ? kModelHint : m.model);
        ::PostMessageW(box, WM_CLOSE, 0, 0);
        ChooseMenu(main_, kMenuSaveAsPreset);
        HWND info = app_->WaitForWindow(kInfoCaption);
        EXPECT_EQ(TextOf(::GetDlgItem(info, vx::info_ids::kFirmwareMaker)), m.maker);
        EXPECT_EQ(TextOf(::GetDlgItem(info, vx::info_ids::kFirmwareModel)), m.model);
        ::PostMessageW(info, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(info) && !::IsWindow(box); }));
        // The command line: the same preset applied, or 4 and the same message; /show and /set.
        const Result applied = m.said.empty() ? Out(0, kMsgBrandDone) : Out(4, m.said);
        EXPECT_EQ(Silent(folder, L"/apply auto"), applied);
        const std::string model = m.said.empty() ? Utf16Bytes(L"Kestrel K2") : "";
        EXPECT_EQ(ReadRegValue(kHklm, kOemKey, L"Model").data, model);
        const std::wstring shown = Silent(folder, L"/show").second;
        EXPECT_TRUE(shown.ends_with(L"FirmwareManufacturer=" + m.maker + L"\r\nFirmwareModel=" +
                                    m.model + L"\r\n"));
        EXPECT_EQ(Silent(folder, L"/set /machine Model=M"), Out(0, kMsgCustomDone));
        ExpectText(kOemKey, L"Model", L"M");
        EXPECT_EQ(ReadRegValue(kHklm, kOemKey, L"Manufacturer").data,
                  m.maker.empty() ? "" : Utf16Bytes(m.maker));
        DeleteRegKeyTree(kHklm, kOemKey);
    }
}

}  // namespace
}  // namespace e2e
