// Restore points and the undo with the real exe: what each leaves in the registry (types and
// bytes), the logo file and the restore points folder, in the window and on the command line.
#include <gtest/gtest.h>

#include "core/layouts/main_layout.h"
#include "core/oem/restore_point.h"
#include "core/oem/oem_values.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
const HKEY kHklm = HKEY_LOCAL_MACHINE;
const std::wstring kOem = WindowsFolder() + L"\\system32\\oem", kSystemLogo = kOem + L"\\oemlogo.bmp";
const std::wstring kPoints = [] {
    wchar_t data[MAX_PATH];
    return std::wstring(data, ::GetEnvironmentVariableW(L"ProgramData", data, MAX_PATH)) +
           L"\\Vendrix\\RestorePoints";
}();

// The logo file, then each OEM value as type and bytes.
std::vector<std::string> State() {
    std::vector<std::string> state{ReadFileBytes(kSystemLogo)};
    for (const vx::OemValue& oem : vx::kOemValues) {
        const RegValue v = ReadRegValue(kHklm, kOemKey, oem.name);
        state.push_back(v.exists ? std::to_string(v.type) + ":" + v.data : "absent");
    }
    return state;
}
std::vector<std::wstring> Points() {  // newest first
    std::vector<std::wstring> names;
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(kPoints, none)) names.push_back(entry.path().filename());
    return vx::NewestFirst(names);
}
void Reset() {
    DeleteRegKeyTree(kHklm, kOemKey);
    RemoveTree(kOem);
    RemoveTree(fs::path(kPoints).parent_path());
}

TEST(Undo, TwoBrandsThenTheWindowsUndoAndRestoreOnTheCommandLineBringBackEachExactly) {
    Reset();
    ScratchFolder folder(L"undo");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main(), list = ::GetDlgItem(main, vx::main_ids::kCombolist);
    const auto chooseUndo = [&] {  // 文件 > the third item, as the keyboard reaches it
        ::PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
        PostKey(main, VK_RETURN);
        ASSERT_TRUE(app.WaitTopWindow([](HWND w) { return ClassOf(w) == L"#32768"; }));
        for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostKey(main, key);
    };
    // Grayed without a restore point: choosing it does nothing.
    ASSERT_NO_FATAL_FAILURE(chooseUndo());
    EXPECT_EQ(WaitMessageBox(app, 2s).hwnd, nullptr);
    PostKey(main, VK_ESCAPE);
    PostKey(main, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !app.WaitTopWindow([](HWND w) { return ClassOf(w) == L"#32768"; }, 0ms); }));
    std::vector<std::vector<std::string>> states;
    for (const wchar_t* brand : {L"Kestrel", L"Aurora PC"}) {
        ASSERT_TRUE(PickText(list, brand));
        Click(::GetDlgItem(main, vx::main_ids::kOk));
        PressOk(WaitMessageBox(app));
        states.push_back(State());
    }
    ASSERT_NO_FATAL_FAILURE(chooseUndo());
    const MessageBoxInfo ask = WaitMessageBox(app);
    EXPECT_EQ(ask.text, kAskUndoPrefix + vx::RestorePointTime(Points().at(0)) + kAskUndoMadeBy +
                            L"窗口：应用品牌预设 Aurora PC" + kAskUndoSuffix);
    PressButton(ask, IDYES);
    const MessageBoxInfo done = WaitMessageBox(app);
    EXPECT_TRUE(done.text.starts_with(kMsgRestoreDone)) << done.text;
    PressOk(done);
    EXPECT_EQ(State(), states[0]) << "Kestrel's values and logo, byte for byte";
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(main, vx::main_ids::kLogo), folder / L"oemdata\\Kestrel\\oemlogo.bmp"));
    const RegValue owner = ReadRegValue(kHklm, kOwnerKey, kRegisteredOwner);
    EXPECT_EQ(Utf16Bytes(TextOf(::GetDlgItem(main, vx::main_ids::kOwnerBox))), owner.data) << "the owner boxes reloaded";

    EXPECT_EQ(Silent(folder, L"/restore").first, 0u);
    EXPECT_EQ(State(), states[1]) << "the undo undone: Aurora PC again";
    EXPECT_EQ(Silent(folder, L"/restorepoints"),
              Out(0, Points()[0] + L" 命令行：/restore\r\n" + Points()[1] + L" 窗口：撤销上次更改\r\n" + Points()[2] +
                         L" 窗口：应用品牌预设 Aurora PC\r\n" + Points()[3] + L" 窗口：应用品牌预设 Kestrel"));
    const std::wstring json = Silent(folder, L"/restorepoints /json").second;
    EXPECT_TRUE(IsStrictJson(folder, json)) << json;
    EXPECT_NE(json.find(L"\"madeBy\":\"\\u547d\\u4ee4\\u884c\\uff1a/restore\""), json.npos) << json;
    Reset();
}

TEST(Undo, FromNoOemInformationNothingToChangeDryRunsAndAPointThatCannotBeWritten) {
    Reset();
    ScratchFolder folder(L"nothing");
    folder.AddSamplePresets();
    const std::vector<std::string> none = State();
    // A dry run changes nothing and makes no point; the real run would proceed.
    const Result dry = Silent(folder, L"/whatif /apply Kestrel");
    EXPECT_EQ(dry.first, 0u);
    EXPECT_TRUE(dry.second.starts_with(L"Manufacturer: (无) -> Kestrel Computers\r\n")) << dry.second;
    EXPECT_TRUE(dry.second.ends_with(L"\r\noemlogo.bmp: 替换\r\n")) << dry.second;
    const std::wstring json = Silent(folder, L"/apply Kestrel /json /whatif").second;
    EXPECT_TRUE(IsStrictJson(folder, json)) << json;
    EXPECT_NE(json.find(L"{\"name\":\"Manufacturer\",\"from\":null,\"to\":\"Kestrel Computers\"}"), json.npos);
    EXPECT_EQ(State(), none);
    EXPECT_TRUE(Points().empty());

    EXPECT_EQ(Silent(folder, L"/apply Kestrel"), Out(0, kMsgBrandDone));
    const auto logoTime = fs::last_write_time(kSystemLogo);
    const std::vector<std::wstring> made = Points();
    ASSERT_EQ(made.size(), 1u);
    // The same brand again: nothing written, copied or kept.
    EXPECT_EQ(Silent(folder, L"/apply Kestrel"), Out(0, kMsgUnchanged));
    const std::vector<std::string> kestrel = State();
    EXPECT_EQ(Silent(folder, L"/clear /whatif").first, 0u);
    EXPECT_EQ(fs::last_write_time(kSystemLogo), logoTime);
    EXPECT_EQ(State(), kestrel);
    EXPECT_EQ(Points(), made);
    const std::wstring shown = Silent(folder, L"/show /json").second;
    EXPECT_TRUE(IsStrictJson(folder, shown)) << shown;
    EXPECT_NE(shown.find(L"\"Model\":\"Kestrel K2\""), shown.npos) << shown;

    // The owner's value comes back with its own type, not the one the save writes.
    const RegValue owner = ReadRegValue(kHklm, kOwnerKey, kRegisteredOwner);
    EXPECT_EQ(Silent(folder, L"/owner RegisteredOwner=X"), Out(0, kMsgOwnerSaved));
    EXPECT_EQ(Silent(folder, L"/restore").first, 0u);
    const RegValue back = ReadRegValue(kHklm, kOwnerKey, kRegisteredOwner);
    EXPECT_TRUE(back.exists == owner.exists && back.type == owner.type && back.data == owner.data);
    EXPECT_EQ(Silent(folder, L"/restore 19990101-000000").first, 2u);
    // Back to before the brand: no OEM value, no logo file.
    EXPECT_EQ(Silent(folder, L"/restore " + made[0]).first, 0u);
    EXPECT_EQ(State(), none);
    EXPECT_FALSE(FolderExists(kOem));

    // Where restore points live is a file: the action stops before any change.
    RemoveTree(kPoints);
    WriteFileBytes(kPoints, "not a folder");
    const Result stopped = Silent(folder, L"/clear");
    EXPECT_EQ(stopped.first, 2u);
    EXPECT_TRUE(stopped.second.starts_with(L"无法建立还原点，未做任何修改：\r\n" + kPoints + L"\\"))
        << stopped.second;
    EXPECT_EQ(ReadRegValue(kHklm, kOemKey, L"Model").exists, false);
    Reset();
}

}  // namespace
}  // namespace e2e
