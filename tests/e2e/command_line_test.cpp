// The silent command line of the real exe: each action's exit code, printed lines, registry
// values with their types, files and log, against what the window's own action leaves.
#include <gtest/gtest.h>

#include "core/layouts/main_layout.h"
#include "core/preset/preset_save.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
using S = std::wstring;

// The logo file, then each OEM value as type and bytes.
std::vector<std::string> State() {
    std::vector<std::string> state{ReadFileBytes(SystemLogo())};
    for (const vx::OemValue& value : vx::kOemValues) {
        const RegValue v = ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, value.name);
        state.push_back(v.exists ? std::to_string(v.type) + ":" + v.data : "absent");
    }
    return state;
}

TEST(CommandLine, EachActionAsTheWindowsOwnWithItsExitCodeLinesAndLog) {
    ResetOem();
    ScratchFolder folder(L"cli", kWithPresets);
    {
        Vendrix app(folder.path());
        ASSERT_TRUE(PickText(::GetDlgItem(app.Main(), vx::main_ids::kCombolist), L"Aurora PC"));
        Click(::GetDlgItem(app.Main(), vx::main_ids::kOk));
        PressOk(WaitMessageBox(app));
    }
    const std::vector<std::string> byWindow = State();
    ResetOem();
    const std::wstring log = L" /log \"" + (folder / L"日志.txt") + L"\"";
    EXPECT_EQ(Silent(folder, L"/APPLY \"Aurora PC\"" + log), Out(0, kMsgBrandDone));
    EXPECT_EQ(Silent(folder, L"/apply \"Aurora PC\""), Out(0, kMsgUnchanged));
    EXPECT_EQ(State(), byWindow);
    for (const auto& [args, code] : std::vector<std::pair<std::wstring, DWORD>>{
             {L"/apply Ghost", 2}, {L"/clear /presets C:\\no", 2}, {L"/clear /log C:\\no\\l", 2},
             {L"/set Model=x /logo \"" + BuildFolder() + L"\\pictures\\huge.png\"", 2},
             {L"/set Model=x Color=red", 1}, {L"-Clear /show", 1}, {L"/save \"Aurora PC\"", 2},
             {L"/set", 1}, {L"/owner", 1}, {L"/logo x /set", 1}, {L"/set /machine", 2}}) {
        EXPECT_EQ(Silent(folder, args).first, code) << args;
        EXPECT_EQ(State(), byWindow) << args << " changed something";
    }
    // A library named relative to the current folder: its checks read the files the import
    // runs, though each preset holds a harmless script where its folder, once entered, would
    // find the relative path again.
    const std::wstring run = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    folder.MakeFolder(L"lib");
    fs::copy(folder / L"oemdata", folder / L"lib\\oemdata", fs::copy_options::recursive);
    for (const std::wstring preset : {L"lib\\oemdata\\Runner", L"lib\\oemdata\\Planted"}) {
        folder.MakeFolder(preset + L"\\" + preset);
        folder.WriteFile(preset + L"\\" + preset + L"\\oem.reg", "REGEDIT4\r\n");
        folder.WriteFile(preset + L"\\oem.reg", "REGEDIT4\r\n");
    }
    folder.WriteFile(L"lib\\oemdata\\Runner\\oem.reg", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                     "Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"vx\"=\"\"\r\n");
    folder.WriteFile(L"lib\\oemdata\\Planted\\reg.cmd", "@echo ran> ran.txt\r\n");
    for (const auto& [brand, said] :
         {std::pair{L"Runner", kCliNeedYes}, {L"Planted", kMsgPresetHasRegCommand}}) {
        const Result r = Silent(folder, L"/apply " + S(brand) + L" /presets lib", folder.path());
        EXPECT_TRUE(r.first == 2 && r.second.find(said) != r.second.npos) << r.first << r.second;
    }
    EXPECT_FALSE(FileExists(folder / L"lib\\oemdata\\Planted\\ran.txt")) << "the planted reg ran";
    EXPECT_FALSE(ReadRegValue(HKEY_LOCAL_MACHINE, run, L"vx").exists) << "imported unasked";
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, run.c_str(), L"vx");
    EXPECT_EQ(Silent(folder, L"/apply \"Aurora PC\" /presets lib", folder.path()),
              Out(0, kMsgUnchanged));
    EXPECT_EQ(State(), byWindow);
    const auto owner = [](REGSAM view) { return ReadRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kRegisteredOwner, view); };
    const RegValue was[] = {owner(kOwnerViews[0]), owner(kOwnerViews[1])};
    EXPECT_EQ(Silent(folder, L"/owner \"RegisteredOwner=青松 店\""), Out(0, kMsgOwnerSaved));
    for (REGSAM view : kOwnerViews) EXPECT_EQ(owner(view).data, Utf16Bytes(L"青松 店")) << view;
    const std::wstring kestrel = folder / L"oemdata\\Kestrel\\oemlogo.bmp";
    EXPECT_EQ(Silent(folder, L"/set Model=青松 \"SupportURL=a b\" SupportPhone=400²â /logo \"" +
                                 kestrel + L"\""),
              Out(0, kMsgCustomDone));
    WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, L"SupportHours", REG_SZ, Utf16Bytes(L"9:00\r\n18:00\\"));
    const Result shown = Silent(folder, L"-show");
    for (int i : {1, 0}) WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kRegisteredOwner, was[i], kOwnerViews[i]);
    // One line a value, and no look-alike for a character code page 936 lacks.
    EXPECT_TRUE(shown.second.starts_with(L"Manufacturer=Aurora PC\r\nModel=青松\r\nSupportURL=a b\r\n"
                                         L"SupportPhone=400??\r\nSupportHours=9:00\\r\\n18:00\\\r\n"))
        << shown.second;
    EXPECT_NE(shown.second.find(L"\r\nRegisteredOwner=青松 店\r\n"), std::wstring::npos);
    EXPECT_EQ(State()[0], ReadFileBytes(kestrel));
    // Its md meets the oem folder there: cmd's own "文件已存在。" must not reach the output.
    EXPECT_EQ(Silent(folder, L"/apply 青松电脑"), Out(0, kMsgBrandDone));
    EXPECT_EQ(State()[1], "1:" + Utf16Bytes(L"青松电脑")) << "the Chinese brand arrived whole";
    EXPECT_EQ(Silent(folder, L"/save 备份1"), Out(0, L"已将当前OEM信息存为品牌预设“备份1”。"));
    EXPECT_TRUE(FileExists(folder / L"oemdata\\备份1\\oem.reg"));
    EXPECT_EQ(Silent(folder, L"/save 备份1").second.ends_with(kCliNeedReplace + std::wstring(L"\r\n")), true);
    // Logged though the line does not read, while another writer holds the log open.
    const HANDLE held = ::CreateFileW((folder / L"日志.txt").c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_ALWAYS, 0, 0);
    EXPECT_EQ(Silent(folder, L"/bogus" + log).first, 1u);
    ::CloseHandle(held);
    EXPECT_EQ(Silent(folder, L"/clear" + log), Out(0, kMsgClearDone));
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(State()[i], "2:" + Utf16Bytes(L""));
    const std::string logged = ReadFileBytes(folder / L"日志.txt");
    for (const char8_t* part : {u8" 修改OEM信息完成！\r\n20", u8" 命令行：\"C:\\vx-e2e\\cli\\Vendrix.exe\" /bogus /log ",
                                u8" 退出代码：1\r\n", u8" 清除OEM信息完成！\r\n"})
        EXPECT_NE(logged.find(reinterpret_cast<const char*>(part)), logged.npos) << logged;
    EXPECT_TRUE(logged.ends_with(reinterpret_cast<const char*>(u8" 退出代码：0\r\n")));
    ResetOem();
}

}  // namespace
}  // namespace e2e
