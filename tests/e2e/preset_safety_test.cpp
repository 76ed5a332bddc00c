// A preset's script is read before import by the real Vendrix.exe: a Run value beside the OEM
// values is asked about first, plain text is refused before any step.
#include <gtest/gtest.h>

#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
const std::wstring kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kOem = OemFolder();

std::string Maker() { return ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, L"Manufacturer").data; }
bool RunValue() { return ReadRegValue(HKEY_LOCAL_MACHINE, kRun, L"x").exists; }

// Picks the entry (none: -1), presses ok and answers the box that comes with the button; No
// with Enter, as it must be the default.
MessageBoxInfo Apply(const Vendrix& app, int entry, int button) {
    if (entry >= 0) PickEntry(::GetDlgItem(app.Main(), vx::main_ids::kCombolist), entry);
    if (entry >= 0) Click(::GetDlgItem(app.Main(), vx::main_ids::kOk));
    const MessageBoxInfo box = WaitMessageBox(app);
    EXPECT_EQ(box.title, L"Vendrix");
    PressButton(box, button == IDNO ? 0 : button);
    return box;
}

struct PresetSafetyTest : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        ResetOem();
        WriteRegValue(HKEY_LOCAL_MACHINE, kRun, L"x", RegValue{});
    }
};

TEST_F(PresetSafetyTest, ScriptIsReadFirstAndChangesBeyondOemValuesAreAskedAbout) {
    // 青松电脑 and Kestrel get scripts of ours (Aurora PC as shipped applies without a question,
    // as the brand journey shows).
    ScratchFolder folder(L"preset-safety", kWithPresets);
    folder.WriteFile(
        L"oemdata\\青松电脑\\oem.reg",
        Utf16Bytes(L"\uFEFFWindows Registry Editor Version 5.00\r\n[HKLM\\" +
                       std::wstring(kOemKey) + L"]\r\n\"Manufacturer\"=\"Runner\"\r\n[" +
                       L"HKEY_LOCAL_MACHINE\\" + kRun + L"]\r\n\"x\"=\"calc.exe\"\r\n",
                   false));
    folder.WriteFile(L"oemdata\\Kestrel\\oem.reg", "Aurora PC\r\n");
    Vendrix app(folder.path());
    const std::wstring ask = Apply(app, 1, IDNO).text;
    EXPECT_NE(ask.find(L"值 x（HKEY_LOCAL_MACHINE\\" + kRun + L"）"), std::wstring::npos);
    EXPECT_EQ(WaitMessageBox(app, 2s).hwnd, nullptr) << "No is the last word";
    EXPECT_FALSE(RunValue() || !Maker().empty() || FolderExists(kOem));
    Apply(app, 1, IDYES);
    EXPECT_EQ(Apply(app, -1, IDOK).text, kMsgBrandDone);
    EXPECT_TRUE(RunValue() && FileExists(kOem + L"\\oemlogo.bmp"));
    EXPECT_EQ(Maker(), Utf16Bytes(L"Runner"));
    TearDown();

    const std::wstring refused = Apply(app, 2, IDOK).text;
    EXPECT_NE(refused.find(folder / L"oemdata\\Kestrel\\oem.reg\n无法识别第 1 行"),
              std::wstring::npos);
    EXPECT_FALSE(!Maker().empty() || FolderExists(kOem)) << "refused before any step";
}

}  // namespace
}  // namespace e2e
