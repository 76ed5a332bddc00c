// The apply button end to end: the real Vendrix.exe installs a brand preset, custom values or
// clears the OEM information, and the prefix's registry (64-bit view) and
// %windir%\system32\oem show it. Each test starts and ends with no OEM key and no oem folder.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
const std::vector<std::wstring> kSixValues = {L"Model",      L"Logo",         L"Manufacturer",
                                              L"SupportURL", L"SupportPhone", L"SupportHours"};

std::wstring OemFolder() { return JoinPath(WindowsFolder(), L"system32\\oem"); }
std::wstring OemLogo() { return JoinPath(OemFolder(), L"oemlogo.bmp"); }

void ResetOemState() {
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey);
    RemoveTree(OemFolder());
}

// A stored text value, its terminating NULs dropped.
std::wstring RegText(const RegValue& v) {
    std::wstring text(reinterpret_cast<const wchar_t*>(v.data.data()), v.data.size() / 2);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}
RegValue OemValue(const std::wstring& name) {
    return ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, name);
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The "name"="value" lines of a registry script saved as UTF-16 with a byte-order mark.
std::map<std::wstring, std::wstring> ScriptValues(const std::wstring& path) {
    const std::string bytes = ReadFileBytes(path);
    std::wistringstream in(
        std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()) + 1, bytes.size() / 2 - 1));
    std::map<std::wstring, std::wstring> values;
    for (std::wstring line; std::getline(in, line);) {
        const size_t eq = line.find(L"\"=\"");
        if (line.empty() || line[0] != L'"' || eq == std::wstring::npos) continue;
        std::wstring value;
        for (size_t i = eq + 3; i < line.find_last_of(L'"'); ++i)
            value += line[i] == L'\\' ? line[++i] : line[i];
        values[line.substr(1, eq - 1)] = value;
    }
    return values;
}

// OEM information as a system that already has some: the folder, a logo and six values.
void PlantOemData(bool extraFile) {
    ::CreateDirectoryW(OemFolder().c_str(), nullptr);
    WriteFileBytes(OemLogo(),
                   ReadFileBytes(JoinPath(BuildFolder(), L"oemdata\\Kestrel\\oemlogo.bmp")));
    if (extraFile) WriteFileBytes(JoinPath(OemFolder(), L"readme.txt"), "kept");
    for (const std::wstring& name : kSixValues)
        WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, name, REG_SZ, Utf16Bytes(L"old " + name));
}

// One running Vendrix and its main window's controls.
class Running {
  public:
    explicit Running(const ScratchFolder& folder) : app_(folder.path()) {
        main_ = app_.Main();
        combo_ = ::GetDlgItem(main_, vx::main_ids::kCombolist);
        ok_ = ::GetDlgItem(main_, vx::main_ids::kOk);
        cleanOem_ = ::GetDlgItem(main_, vx::main_ids::kCleanOEM);
    }

    const Vendrix& app() const { return app_; }
    HWND combo() const { return combo_; }
    HWND cleanOem() const { return cleanOem_; }
    bool Ready() const { return main_ && combo_ && ok_ && cleanOem_; }

    int IndexOf(const std::wstring& entry) const {
        const std::vector<std::wstring> entries = ComboEntries(combo_);
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == entry) return static_cast<int>(i);
        return -1;
    }
    // Picks the entry as a user does; false when the list has no such entry.
    bool Pick(const std::wstring& entry) { return PickIndex(IndexOf(entry)); }
    bool PickIndex(int index) {
        if (index < 0) return false;
        PickEntry(combo_, index);
        return WaitUntil([&] { return ComboSelection(combo_) == index; });
    }

    // Picks an entry whose logo cannot be previewed and answers the box that reports it.
    bool PickUnpreviewable(int index) {
        if (!PickIndex(index)) return false;
        const MessageBoxInfo box = WaitMessageBox(app_);
        PressOk(box);
        return box.hwnd && WaitUntil([&] { return NoMessageBox(app_); });
    }

    // Presses ok and answers the one message box it brings; returns its text.
    std::wstring Apply() {
        Click(ok_);
        const MessageBoxInfo box = WaitMessageBox(app_);
        EXPECT_NE(box.hwnd, nullptr) << "no message box after ok";
        EXPECT_EQ(box.title, L"Vendrix");
        PressOk(box);
        EXPECT_TRUE(WaitUntil([&] { return NoMessageBox(app_); })) << "a second message box";
        return box.text;
    }

  private:
    Vendrix app_;
    HWND main_ = nullptr;
    HWND combo_ = nullptr;
    HWND ok_ = nullptr;
    HWND cleanOem_ = nullptr;
};

class ApplyTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetOemState(); }
    void TearDown() override { ResetOemState(); }
};

void ExpectOemText(const std::wstring& name, const std::wstring& text) {
    const RegValue v = OemValue(name);
    EXPECT_TRUE(v.exists) << name;
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_EXPAND_SZ)) << name;
    EXPECT_EQ(RegText(v), text) << name;
}

void ExpectNothingChanged() {
    EXPECT_FALSE(FolderExists(OemFolder())) << "a command ran";
    for (const std::wstring& name : kSixValues) EXPECT_FALSE(OemValue(name).exists) << name;
}

// ---- brand presets ----

void ExpectPresetInstalled(const ScratchFolder& folder, const std::wstring& brand) {
    const std::wstring preset = folder / (L"oemdata\\" + brand);
    const std::string logo = ReadFileBytes(OemLogo());
    EXPECT_FALSE(logo.empty()) << "no logo in the system oem folder";
    EXPECT_TRUE(logo == ReadFileBytes(JoinPath(preset, L"oemlogo.bmp")))
        << "the system logo is not the preset's bitmap";
    const auto values = ScriptValues(JoinPath(preset, L"oem.reg"));
    ASSERT_EQ(values.size(), 6u);
    for (const auto& [name, value] : values) {
        const RegValue stored = OemValue(name);
        EXPECT_TRUE(stored.exists) << name;
        EXPECT_EQ(RegText(stored), value) << name;
    }
}

TEST_F(ApplyTest, EachBrandPresetInstallsItsLogoAndScriptAndBecomesTheCurrentDirectory) {
    ScratchFolder folder(L"apply-brand");
    folder.AddSamplePresets();
    Running vendrix(folder);
    ASSERT_TRUE(vendrix.Ready());
    EXPECT_TRUE(SamePath(CurrentDirectoryOf(vendrix.app()), folder.path() + L"\\"));
    // A name with a space, then a GBK Chinese one: the second moves the current directory, and
    // its logo copy (named without a folder) shows where the commands ran.
    for (const std::wstring brand : {L"Aurora PC", L"青松电脑"}) {
        SCOPED_TRACE(std::string(brand.begin(), brand.end()));
        ASSERT_TRUE(vendrix.Pick(brand)) << "brand not in the list";
        EXPECT_EQ(vendrix.Apply(), kMsgBrandDone);
        ExpectPresetInstalled(folder, brand);
        EXPECT_TRUE(
            SamePath(CurrentDirectoryOf(vendrix.app()), folder / (L"oemdata\\" + brand + L"\\")))
            << "current directory is not the preset folder";
    }
}

// ---- clear ----

TEST_F(ApplyTest, ClearRemovesTheLogoAndEmptiesTheSixValues) {
    const struct {
        const char* name;
        bool oemData;
        bool extraFile;
    } cases[] = {
        {"system with OEM data", true, false},
        {"system without an oem folder", false, false},
        {"oem folder holding another file", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetOemState();
        if (c.oemData) PlantOemData(c.extraFile);
        ScratchFolder folder(L"apply-clear");
        folder.AddSamplePresets();
        Running vendrix(folder);
        ASSERT_TRUE(vendrix.Ready());
        ASSERT_TRUE(vendrix.Pick(kClearEntry));
        EXPECT_TRUE(WaitUntil([&] { return IsVisible(vendrix.cleanOem()); }));
        // Pressing ok again repeats the action.
        for (int press = 1; press <= 2; ++press) {
            SCOPED_TRACE(press);
            EXPECT_EQ(vendrix.Apply(), kMsgClearDone);
            for (const std::wstring& name : kSixValues) ExpectOemText(name, L"");
            EXPECT_FALSE(FileExists(OemLogo()));
            EXPECT_EQ(FolderExists(OemFolder()), c.extraFile);
            EXPECT_TRUE(WaitUntil([&] { return !IsVisible(vendrix.cleanOem()); }));
            EXPECT_EQ(TextOf(vendrix.combo()), kClearEntry);
            EXPECT_EQ(ComboSelection(vendrix.combo()), vendrix.IndexOf(kClearEntry));
        }
    }
}

// ---- custom ----

// The custom window's boxes by their place (twips), in the order Text1..Text6.
constexpr int kDiyBoxes[6][2] = {{1050, 218},  {3720, 218},  {1050, 750},
                                 {1020, 1193}, {1020, 1725}, {3705, 1193}};

// Opens the custom window, types the six texts (Text1..Text6) and presses its OK.
void ConfirmCustom(Running& vendrix, const std::array<std::wstring, 6>& texts) {
    ASSERT_TRUE(vendrix.Pick(kCustomEntry));
    HWND diy = vendrix.app().WaitForWindow(L"自定义OEM信息");
    ASSERT_NE(diy, nullptr) << "the custom window did not open";
    for (int i = 0; i < 6; ++i) {
        HWND box = ChildAt(diy, L"Edit", kDiyBoxes[i][0], kDiyBoxes[i][1]);
        ASSERT_NE(box, nullptr) << "Text" << i + 1;
        SetText(box, texts[i]);
    }
    HWND ok = ChildByText(diy, L"Button", L"确定");
    ASSERT_NE(ok, nullptr);
    Click(ok);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(diy) || !IsVisible(diy); }));
}

// A 120 x 120 bitmap in a folder whose name and file name hold spaces.
std::wstring PlaceCustomLogo(const ScratchFolder& folder) {
    folder.MakeFolder(L"my pictures");
    const std::wstring path = folder / L"my pictures\\shop logo.bmp";
    WriteFileBytes(path,
                   ReadFileBytes(JoinPath(BuildFolder(), L"oemdata\\Aurora PC\\oemlogo.bmp")));
    return path;
}

TEST_F(ApplyTest, CustomWritesTheBoxesAndCopiesTheLogoFromAPathWithSpaces) {
    const struct {
        const char* name;
        bool oldData;
        std::array<std::wstring, 6> texts;  // Text1..Text6; Text5 is replaced by the logo path
    } cases[] = {
        {"values",
         false,
         {L"联想", L"联想电脑 X1", L"https://www.lenovo.com.cn", L"800-810-8888", L"",
          L"9：00-20：00"}},
        {"some boxes emptied over old values", true, {L"Maker", L"", L"", L"123", L"", L""}},
    };
    // The value each box is written to, in the order Text1..Text6.
    const wchar_t* names[] = {L"Manufacturer", L"Model", L"SupportURL",
                              L"SupportPhone", nullptr,  L"SupportHours"};
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        ResetOemState();
        if (c.oldData) PlantOemData(false);
        ScratchFolder folder(L"apply-custom");
        folder.AddSamplePresets();
        c.texts[4] = PlaceCustomLogo(folder);
        Running vendrix(folder);
        ASSERT_TRUE(vendrix.Ready());
        ConfirmCustom(vendrix, c.texts);
        EXPECT_EQ(vendrix.Apply(), kMsgCustomDone);
        for (int i = 0; i < 6; ++i)
            if (names[i]) ExpectOemText(names[i], c.texts[i]);
        // Stored unexpanded, for Windows to expand.
        ExpectOemText(L"Logo", L"%windir%\\system32\\oem\\oemlogo.bmp");
        EXPECT_TRUE(ReadFileBytes(OemLogo()) == ReadFileBytes(c.texts[4])) << "logo not copied";
    }
}

TEST_F(ApplyTest, CustomNeverConfirmedWritesOnlyLogoAndReportsTheCopy) {
    ScratchFolder folder(L"apply-custom-never");
    folder.AddSamplePresets();
    Running vendrix(folder);
    ASSERT_TRUE(vendrix.Ready());
    ASSERT_TRUE(vendrix.Pick(kCustomEntry));
    const std::wstring message = vendrix.Apply();
    EXPECT_TRUE(message.starts_with(kMsgCustomFailed)) << "completion reported";
    EXPECT_NE(message.find(L"\"\""), std::wstring::npos) << "the empty logo path is not named";
    ExpectOemText(L"Logo", L"%windir%\\system32\\oem\\oemlogo.bmp");
    for (const std::wstring& name : kSixValues) {
        if (name == L"Logo") continue;
        EXPECT_FALSE(OemValue(name).exists) << name;
    }
    EXPECT_FALSE(FileExists(OemLogo()));
}

// ---- failures reported ----

TEST_F(ApplyTest, ABrokenPresetReportsTheFailedStepAndTheOthersStillRun) {
    const struct {
        const char* name;
        std::wstring brand;
        bool withLogo;
        std::string script;
        const wchar_t* failed;     // the file the message names
        const wchar_t* succeeded;  // what it must not name
    } cases[] = {
        {"no logo", L"No Logo", false,
         ReadFileBytes(JoinPath(BuildFolder(), L"oemdata\\Kestrel\\oem.reg")), L"oemlogo.bmp",
         L"oem.reg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetOemState();
        ScratchFolder folder(L"apply-broken");
        folder.WriteFile(L"oemlist.ini", std::string(c.brand.begin(), c.brand.end()) + "\r\n");
        folder.MakeFolder(L"oemdata");
        const std::wstring preset = L"oemdata\\" + c.brand;
        folder.MakeFolder(preset);
        if (c.withLogo)
            folder.WriteFile(
                preset + L"\\oemlogo.bmp",
                ReadFileBytes(JoinPath(BuildFolder(), L"oemdata\\Kestrel\\oemlogo.bmp")));
        folder.WriteFile(preset + L"\\oem.reg", c.script);
        Running vendrix(folder);
        ASSERT_TRUE(vendrix.Ready());
        ASSERT_TRUE(c.withLogo ? vendrix.Pick(c.brand) : vendrix.PickUnpreviewable(0));
        const std::wstring message = vendrix.Apply();
        EXPECT_TRUE(message.starts_with(kMsgBrandFailed)) << "completion reported";
        EXPECT_NE(message.find(folder / (preset + L"\\" + c.failed)), std::wstring::npos);
        EXPECT_EQ(message.find(c.succeeded), std::wstring::npos) << "that step did succeed";
        EXPECT_EQ(FileExists(OemLogo()), c.withLogo);
        if (!c.withLogo) {
            EXPECT_EQ(RegText(OemValue(L"Manufacturer")), L"Kestrel Computers");
        }
    }
}

// ---- refusals: a message, nothing changed, no command started ----

TEST_F(ApplyTest, NothingPickedABlankEntryAMissingPresetOrAQuotedLogoPathChangeNothing) {
    ScratchFolder folder(L"apply-refused");
    folder.AddSamplePresets();
    folder.WriteFile(L"oemlist.ini", "Aurora PC\r\n\r\nGhost Brand\r\n");
    Running vendrix(folder);
    ASSERT_TRUE(vendrix.Ready());
    EXPECT_EQ(vendrix.Apply(), kMsgNothingSelected);
    ASSERT_EQ(ComboEntries(vendrix.combo()).at(1), L"");
    ASSERT_TRUE(vendrix.PickUnpreviewable(1));
    EXPECT_EQ(vendrix.Apply(), kMsgNothingSelected);

    ASSERT_TRUE(vendrix.PickUnpreviewable(vendrix.IndexOf(L"Ghost Brand")));
    std::wstring message = vendrix.Apply();
    EXPECT_TRUE(message.starts_with(kMsgPresetFolderMissing));
    EXPECT_NE(message.find(folder / L"oemdata\\Ghost Brand"), std::wstring::npos);
    EXPECT_TRUE(SamePath(CurrentDirectoryOf(vendrix.app()), folder.path() + L"\\"));

    const std::wstring path = L"C:\\pics\\a\" & echo x>C:\\vx-e2e\\quote.txt & \".bmp";
    ::DeleteFileW(L"C:\\vx-e2e\\quote.txt");
    ConfirmCustom(vendrix, {L"Maker", L"Model", L"url", L"phone", path, L"hours"});
    message = vendrix.Apply();
    EXPECT_TRUE(message.starts_with(kMsgLogoPathHasQuote));
    EXPECT_NE(message.find(path), std::wstring::npos);
    EXPECT_FALSE(FileExists(L"C:\\vx-e2e\\quote.txt"));
    // cmd expands %NAME% even inside quotes: the copy would read another file.
    ConfirmCustom(vendrix, {L"Maker", L"Model", L"url", L"phone", L"C:\\%windir%.bmp", L"h"});
    message = vendrix.Apply();
    EXPECT_EQ(message, kMsgLogoPathHasPercent + std::wstring(L"\nC:\\%windir%.bmp"));
    ExpectNothingChanged();
}

TEST_F(ApplyTest, ACmdExePlantedInThePresetOrProgramFolderNeverRuns) {
    ScratchFolder folder(L"apply-planted");
    folder.AddSamplePresets();
    const std::wstring probe = JoinPath(BuildFolder(), L"vx_probe_child.exe");
    const std::wstring preset = folder / L"oemdata\\Kestrel";
    ASSERT_TRUE(::CopyFileW(probe.c_str(), JoinPath(preset, L"cmd.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW(probe.c_str(), (folder / L"cmd.exe").c_str(), FALSE));
    Running vendrix(folder);
    ASSERT_TRUE(vendrix.Ready());
    // Clear first, run from the program folder, then a brand, run from its preset folder.
    ASSERT_TRUE(vendrix.Pick(kClearEntry));
    EXPECT_EQ(vendrix.Apply(), kMsgClearDone);
    ASSERT_TRUE(vendrix.Pick(L"Kestrel"));
    EXPECT_EQ(vendrix.Apply(), kMsgBrandDone);
    ExpectPresetInstalled(folder, L"Kestrel");
    // The planted program leaves this file in the folder it runs in.
    EXPECT_FALSE(FileExists(folder / L"probe-ran.txt"));
    EXPECT_FALSE(FileExists(JoinPath(preset, L"probe-ran.txt")));
}

}  // namespace
}  // namespace e2e
