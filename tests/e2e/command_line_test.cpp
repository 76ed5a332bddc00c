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
const std::wstring kOem = WindowsFolder() + L"\\system32\\oem", kSystemLogo = kOem + L"\\oemlogo.bmp";

// The logo file, then each OEM value as type and bytes.
std::vector<std::string> State() {
    std::vector<std::string> state{ReadFileBytes(kSystemLogo)};
    for (const vx::OemValue& value : vx::kOemValues) {
        const RegValue v = ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, value.name);
        state.push_back(v.exists ? std::to_string(v.type) + ":" + v.data : "absent");
    }
    return state;
}
void Reset() { DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey), RemoveTree(kOem); }

TEST(CommandLine, EachActionAsTheWindowsOwnWithItsExitCodeLinesAndLog) {
    Reset();
    ScratchFolder folder(L"cli");
    folder.AddSamplePresets();
    {
        Vendrix app(folder.path());
        ASSERT_TRUE(PickText(::GetDlgItem(app.Main(), vx::main_ids::kCombolist), L"Aurora PC"));
        Click(::GetDlgItem(app.Main(), vx::main_ids::kOk));
        PressOk(WaitMessageBox(app));
    }
    const std::vector<std::string> byWindow = State();
    Reset();
    const std::wstring log = L" /log \"" + (folder / L"日志.txt") + L"\"";
    EXPECT_EQ(Silent(folder, L"/APPLY \"Aurora PC\"" + log), Out(0, kMsgBrandDone));
    EXPECT_EQ(State(), byWindow);
    for (const auto& [args, code] : std::vector<std::pair<std::wstring, DWORD>>{
             {L"/apply Ghost", 2}, {L"/clear /presets C:\\no", 2}, {L"/clear /log C:\\no\\l", 2},
             {L"/set Model=x /logo \"" + BuildFolder() + L"\\pictures\\huge.png\"", 2},
             {L"/set Model=x Color=red", 1}, {L"-Clear /show", 1}, {L"/save \"Aurora PC\"", 2}}) {
        EXPECT_EQ(Silent(folder, args).first, code) << args;
        EXPECT_EQ(State(), byWindow) << args << " changed something";
    }
    const RegValue owner = ReadRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kRegisteredOwner);
    EXPECT_EQ(Silent(folder, L"/owner \"RegisteredOwner=青松 店\""), Out(0, kMsgOwnerSaved));
    const std::wstring kestrel = folder / L"oemdata\\Kestrel\\oemlogo.bmp";
    EXPECT_EQ(Silent(folder, L"/set Model=青松 \"SupportURL=a b\" /logo \"" + kestrel + L"\""),
              Out(0, kMsgCustomDone));
    const Result shown = Silent(folder, L"-show");
    WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kRegisteredOwner, owner.type, owner.data);
    EXPECT_TRUE(shown.second.starts_with(L"Manufacturer=Aurora PC\r\nModel=青松\r\nSupportURL=a b\r\n"
                                         L"SupportPhone=400-820-1234\r\n")) << shown.second;
    EXPECT_NE(shown.second.find(L"\r\nRegisteredOwner=青松 店\r\n"), std::wstring::npos);
    EXPECT_EQ(State()[0], ReadFileBytes(kestrel));
    EXPECT_EQ(Silent(folder, L"/apply 青松电脑").first, 0u);
    EXPECT_EQ(State()[1], "1:" + Utf16Bytes(L"青松电脑")) << "the Chinese brand arrived whole";
    EXPECT_EQ(Silent(folder, L"/save 备份1"), Out(0, L"已将当前OEM信息存为品牌预设“备份1”。"));
    EXPECT_TRUE(FileExists(folder / L"oemdata\\备份1\\oem.reg"));
    EXPECT_EQ(Silent(folder, L"/save 备份1").second.ends_with(kCliNeedReplace + std::wstring(L"\r\n")), true);
    EXPECT_EQ(Silent(folder, L"/clear" + log), Out(0, kMsgClearDone));
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(State()[i], "2:" + Utf16Bytes(L""));
    const std::string logged = ReadFileBytes(folder / L"日志.txt");
    EXPECT_NE(logged.find(reinterpret_cast<const char*>(u8" 修改OEM信息完成！\r\n20")), logged.npos);
    EXPECT_TRUE(logged.ends_with(reinterpret_cast<const char*>(u8" 清除OEM信息完成！\r\n")));
    Reset();
}

}  // namespace
}  // namespace e2e
