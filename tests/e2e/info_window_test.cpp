// 当前OEM信息 end to end: a saved preset, applied after a clear, gives back every value and the
// logo.
#include <gtest/gtest.h>

#include <tuple>

#include "core/layouts/info_layout.h"
#include "core/layouts/main_layout.h"
#include "core/preset/preset_save.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
using namespace vx::info_ids;
const auto& kNames = vx::kOemValues;

std::wstring OemFolder() { return JoinPath(WindowsFolder(), L"system32\\oem"); }
void ResetOem() { DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey), RemoveTree(OemFolder()); }
auto Fields(const RegValue& v) { return std::tie(v.exists, v.type, v.data); }
// Types `text` (if any), presses Enter and answers the message box with `answer` (0: Enter).
std::wstring Enter(const Vendrix& app, HWND box, const wchar_t* text, int answer = 0) {
    if (text) SetText(box, text);
    PostKey(box, VK_RETURN);
    const MessageBoxInfo r = WaitMessageBox(app);
    EXPECT_EQ(ShowsIcon(r), r.text.ends_with(kMsgPresetExistsSuffix)) << "as the script's question";
    answer ? (void)::PostMessageW(r.hwnd, WM_COMMAND, answer, 0) : PostKey(r.hwnd, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(r.hwnd); }));
    return r.text;
}

TEST(InfoWindow, SavesTheCurrentInformationAsAPresetThatRestoresIt) {
    ResetOem();
    ScratchFolder folder(L"info");
    const std::wstring list = folder / L"oemlist.ini", one = folder / L"oemdata\\备份一\\oem.reg";
    const std::wstring oemLogo = JoinPath(OemFolder(), L"oemlogo.bmp");
    const std::string logo = ReadFileBytes(BuildFolder() + L"\\oemdata\\Kestrel\\oemlogo.bmp");
    ::CreateDirectoryW(OemFolder().c_str(), nullptr);
    WriteFileBytes(oemLogo, logo);
    const std::wstring maker = L"Ærøskøbing 😀 \"引号\" \\ 反斜杠",
                       model = L"%windir%\\a model text long enough for two script lines";
    const DWORD types[] = {REG_SZ, REG_EXPAND_SZ, REG_SZ, REG_DWORD, REG_NONE, REG_EXPAND_SZ};
    const std::string sz = Utf16Bytes(L""), dword("\x2a\0\0\0", 4), lv = Utf16Bytes(kOemLogoValue);
    const std::string data[] = {Utf16Bytes(maker), Utf16Bytes(model), sz, dword, "", lv};
    const std::wstring shown[] = {maker, model, L"", L"hex(4):2a,00,00,00", L"", kOemLogoValue};
    for (int i = 0; i < 6; ++i)  // REG_NONE: absent
        if (types[i]) WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, kNames[i].name, types[i], data[i]);
    Vendrix app(folder.path());
    HWND main = app.Main(), combo = ::GetDlgItem(main, vx::main_ids::kCombolist);
    PressOk(WaitMessageBox(app));  // the missing list
    ChooseMenu(main, vx::main_ids::kMenuSaveAsPreset);
    HWND info = app.WaitForWindow(kInfoCaption), name = ::GetDlgItem(info, kName);
    ASSERT_NE(info, nullptr) << "文件 > 将当前OEM信息存为品牌预设... opened nothing";
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextOf(::GetDlgItem(info, kValueBoxes[i])), shown[i]);
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(info, kLogo), oemLogo));
    // The default name, the maker's, and one outside the code page are refused.
    EXPECT_EQ(Enter(app, name, nullptr), kMsgNameBadChar);
    EXPECT_EQ(Enter(app, name, L"Ærø"), kMsgNameNotAnsi);
    // The list: missing, then without a final line end, then with one.
    EXPECT_EQ(Enter(app, name, L"备份一"), L"已将当前OEM信息存为品牌预设“备份一”。");
    EXPECT_EQ(ReadFileBytes(list), "\xB1\xB8\xB7\xDD\xD2\xBB\r\n");
    EXPECT_EQ(ComboEntries(combo),
              (std::vector<std::wstring>{L"备份一", kCustomEntry, kClearEntry}));
    EXPECT_EQ(ComboSelection(combo), 0);
    WriteFileBytes(list, "Alpha");
    for (const wchar_t* next : {L"备份二", L"备份三"}) Enter(app, name, next);
    EXPECT_EQ(ReadFileBytes(list),
              "Alpha\r\n\xB1\xB8\xB7\xDD\xB6\xFE\r\n\xB1\xB8\xB7\xDD\xC8\xFD\r\n");
    // Replacing: No (the default) keeps the old files, Yes replaces them.
    WriteFileBytes(one, "old");
    Enter(app, name, L"备份一");
    EXPECT_EQ(ReadFileBytes(one), "old");
    Enter(app, name, nullptr, IDYES);
    PressOk(WaitMessageBox(app));
    EXPECT_EQ(ReadFileBytes(one), ReadFileBytes(folder / L"oemdata\\备份二\\oem.reg"));
    // A read-only list: the message names it and the new folder is gone again.
    ::SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(Enter(app, name, L"备份四").find(kMsgPresetNotSaved + list), std::wstring::npos);
    EXPECT_FALSE(FolderExists(folder / L"oemdata\\备份四"));
    ::SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);  // the next run empties the folder
    // Enter presses the focused button: 关闭, two Tabs on; a clear, then the preset (Alpha 备份二
    // 备份三 备份一 ...) restores it all.
    for (UINT key : {VK_TAB, VK_TAB, VK_RETURN}) PostKey(name, key);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(info); }));
    for (const int entry : {5, 1}) {
        PickEntry(combo, entry);
        EXPECT_EQ(Enter(app, combo, nullptr), entry == 5 ? kMsgClearDone : kMsgBrandDone);
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Fields(ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, kNames[i].name)),
                  std::make_tuple(types[i] != REG_NONE, types[i], data[i]));
    EXPECT_EQ(ReadFileBytes(oemLogo), logo);
    ResetOem();
}

}  // namespace
}  // namespace e2e
