// A Windows that is not running, branded from the running one as from a WinPE boot disk, through
// the real exe: its hive (saved with RegSaveKey on drive T:, which the harness maps) read, its logo
// and restore points written on its own drive, the running system left as it was and no hive left
// loaded. Wine keeps no change of a loaded hive, so the hive reads as saved after every run; the
// values each action writes there are read before the unload in tests/win.
#include <gtest/gtest.h>

#include "core/layouts/info_layout.h"
#include "core/layouts/main_layout.h"
#include "core/layouts/target_layout.h"
#include "core/oem/oem_values.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
const std::wstring kSystemLogo = WindowsFolder() + L"\\system32\\oem\\oemlogo.bmp";

// The running system's logo file, then each OEM value as type and bytes.
std::vector<std::string> Running() {
    std::vector<std::string> state{ReadFileBytes(kSystemLogo)};
    for (const vx::OemValue& oem : vx::kOemValues) {
        const RegValue v = ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, oem.name);
        state.push_back(v.exists ? std::to_string(v.type) + ":" + v.data : "absent");
    }
    return state;
}
size_t PointsOnT() {
    std::error_code none;
    const auto points = fs::directory_iterator(L"T:\\ProgramData\\Vendrix\\RestorePoints", none);
    return std::distance(begin(points), end(points));
}

TEST(Target, TheCommandLineAndTheWindowActOnAnotherWindowsAndLeaveTheRunningOneAsItWas) {
    const std::wstring target = MakeTargetWindows(L"T:\\Windows"), logo = target + L"\\System32\\oem\\oemlogo.bmp";
    RemoveTree(L"T:\\ProgramData");
    ScratchFolder folder(L"target");
    folder.AddSamplePresets();
    folder.MakeFolder(L"oemdata\\Wide");
    folder.WriteFile(L"oemdata\\Wide\\oem.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Wide]\r\n");
    const std::vector<std::string> running = Running();
    const std::wstring on = L" /target " + target, kestrel = folder / L"oemdata\\Kestrel\\oemlogo.bmp";

    const Result shown = Silent(folder, L"/show" + on);
    EXPECT_TRUE(shown.second.starts_with(L"Manufacturer=旧\r\nModel=\r\n")) << shown.second;
    EXPECT_NE(shown.second.find(L"\r\nProductName=Windows 7 旗舰版\r\n"), std::wstring::npos);
    EXPECT_EQ(Silent(folder, L"/apply Kestrel" + on), Out(0, kMsgBrandDone));
    EXPECT_EQ(ReadFileBytes(logo), ReadFileBytes(kestrel));
    EXPECT_EQ(PointsOnT(), 1u);
    EXPECT_NE(Silent(folder, L"/restorepoints" + on).second.find(L" 命令行：/apply Kestrel /target "), std::wstring::npos);
    // The running Windows' own folder means the running one; the rest are refused before any change.
    EXPECT_EQ(Silent(folder, L"/show /target " + WindowsFolder() + L"\\"), Silent(folder, L"/show"));
    for (const auto& [args, line] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"/clear /target " + folder.path(), kMsgTargetOwnDrive + folder.path()},
             {L"/clear /target T:\\", kMsgTargetNoHive + std::wstring(L"T:")},
             {L"/apply Wide" + on, kMsgScriptOutsideSoftware}}) {
        const Result r = Silent(folder, args);
        EXPECT_EQ(r.first, 2u) << args;
        EXPECT_TRUE(r.second.starts_with(line)) << args << r.second;
        EXPECT_EQ(ReadFileBytes(logo), ReadFileBytes(kestrel)) << args;
    }
    EXPECT_EQ(PointsOnT(), 1u);
    EXPECT_EQ(Running(), running);
    EXPECT_FALSE(TargetHiveLoaded());

    // In the window: 文件 > the fourth item, as the keyboard reaches it.
    Vendrix app(folder.path());
    HWND main = app.Main();
    ::PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostKey(main, VK_RETURN);
    ASSERT_TRUE(app.WaitTopWindow([](HWND w) { return ClassOf(w) == L"#32768"; }));
    for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostKey(main, key);
    HWND chooser = app.WaitForWindow(kTargetCaption), systems = ::GetDlgItem(chooser, vx::target_ids::kSystemList);
    ASSERT_TRUE(chooser);
    const std::vector<std::wstring> entries = ComboEntries(systems);
    EXPECT_EQ(entries.back(), kTargetRunning);
    EXPECT_EQ(ComboSelection(systems), static_cast<int>(entries.size()) - 1);
    ASSERT_TRUE(PickText(systems, target + L"（Windows 7 旗舰版）"));
    Click(::GetDlgItem(chooser, vx::target_ids::kOk));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(main) == L"Vendrix 1.5.2 — 目标：T:\\Windows"; })) << TextOf(main);
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(main, vx::main_ids::kLogo), kestrel)) << "the target's logo";
    ChooseMenu(main, vx::main_ids::kMenuSaveAsPreset);
    HWND info = app.WaitForWindow(kInfoCaption);
    EXPECT_EQ(TextOf(::GetDlgItem(info, vx::info_ids::kManufacturerBox)), L"旧");
    ASSERT_TRUE(PickText(::GetDlgItem(main, vx::main_ids::kCombolist), kClearEntry));
    Click(::GetDlgItem(main, vx::main_ids::kOk));
    const MessageBoxInfo cleared = WaitMessageBox(app);
    EXPECT_EQ(cleared.text, kMsgClearDone);
    PressOk(cleared);
    EXPECT_FALSE(FileExists(logo));
    EXPECT_EQ(PointsOnT(), 2u);
    EXPECT_EQ(Running(), running);
    EXPECT_FALSE(TargetHiveLoaded());
}

}  // namespace
}  // namespace e2e
