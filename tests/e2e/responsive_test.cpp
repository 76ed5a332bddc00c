// While a slow registry script imports, the main window is disabled yet answers messages.
#include <gtest/gtest.h>

#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

struct Responsive : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        DeleteRegKeyTree(HKEY_LOCAL_MACHINE, vx::text::kOemKey);
        RemoveTree(JoinPath(WindowsFolder(), L"system32\\oem"));
    }
};

TEST_F(Responsive, TheMainWindowIsDisabledYetAnswersWhileAScriptImports) {
    ScratchFolder folder(L"responsive");
    folder.WriteFile(L"oemlist.ini", "Slow\r\n");
    folder.MakeFolder(L"oemdata");
    folder.MakeFolder(L"oemdata\\Slow");
    const std::wstring logo = JoinPath(BuildFolder(), L"oemdata\\Kestrel\\oemlogo.bmp");
    folder.WriteFile(L"oemdata\\Slow\\oemlogo.bmp", ReadFileBytes(logo));
    // 20000 values: about two seconds of import under Wine.
    std::string script =
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
        "CurrentVersion\\OEMInformation]\r\n";
    for (int i = 0; i < 20000; ++i) script += "\"V" + std::to_string(i) + "\"=\"x\"\r\n";
    folder.WriteFile(L"oemdata\\Slow\\oem.reg", script);
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    PickEntry(::GetDlgItem(main, vx::main_ids::kCombolist), 0);
    Click(::GetDlgItem(main, vx::main_ids::kOk));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(main); }));
    int answered = 0, missed = 0;
    // Until the outcome's box is up: it disables the window in its turn.
    const auto ping = [&] {
        if (::IsWindowEnabled(main) || WaitMessageBox(app, 0ms).hwnd) return true;
        DWORD_PTR r = 0;
        const bool answers = ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &r);
        ++(answers ? answered : missed);
        return false;
    };
    WaitUntil(ping, 60s);
    EXPECT_TRUE(missed == 0 && answered >= 10) << missed << " missed, " << answered << " answered";
    const MessageBoxInfo box = WaitMessageBox(app);
    EXPECT_EQ(box.text, vx::text::kMsgBrandDone);
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(main); }));
    EXPECT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, vx::text::kOemKey, L"V19999").exists);
}

}  // namespace
}  // namespace e2e
