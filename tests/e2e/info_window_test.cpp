// The window "当前OEM信息" end to end: the real Vendrix.exe saves the machine's OEM information
// as a preset, and applying that preset after a clear gives back every value and the logo.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/info_layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
using namespace vx::info_ids;

std::wstring OemLogo() { return JoinPath(WindowsFolder(), L"system32\\oem\\oemlogo.bmp"); }
void ResetOem() {
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey);
    RemoveTree(JoinPath(WindowsFolder(), L"system32\\oem"));
}
// Sets the name box (or keeps it), presses Enter and answers the box that comes with `answer`
// (0: Enter, its default button).
std::wstring Save(const Vendrix& app, HWND info, const wchar_t* name, int answer = 0) {
    if (name) SetText(::GetDlgItem(info, kName), name);
    PostKey(info, VK_RETURN);
    const MessageBoxInfo box = WaitMessageBox(app);
    answer ? (void)::PostMessageW(box.hwnd, WM_COMMAND, answer, 0) : PostKey(box.hwnd, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box.hwnd); }));
    return box.text;
}

TEST(InfoWindow, SavesTheCurrentInformationAsAPresetThatRestoresIt) {
    ResetOem();
    ScratchFolder folder(L"info");
    const std::wstring list = folder / L"oemlist.ini", one = folder / L"oemdata\\备份一\\oem.reg";
    const std::string logo = ReadFileBytes(BuildFolder() + L"\\oemdata\\Kestrel\\oemlogo.bmp");
    ::CreateDirectoryW(JoinPath(WindowsFolder(), L"system32\\oem").c_str(), nullptr);
    WriteFileBytes(OemLogo(), logo);
    const std::wstring shown[] = {L"Ærøskøbing 😀 \"引号\" \\ 反斜杠",
                                  L"%windir%\\a model text long enough for two script lines",
                                  L"",
                                  L"hex(4):2a,00,00,00",
                                  L"",
                                  kOemLogoValue};
    const RegValue values[] = {{1, REG_SZ, Utf16Bytes(shown[0])},
                               {1, REG_EXPAND_SZ, Utf16Bytes(shown[1])},
                               {1, REG_SZ, Utf16Bytes(L"")},
                               {1, REG_DWORD, std::string("\x2a\0\0\0", 4)},
                               {},
                               {1, REG_EXPAND_SZ, Utf16Bytes(kOemLogoValue)}};
    const wchar_t* const names[] = {L"Manufacturer", L"Model",        L"SupportURL",
                                    L"SupportPhone", L"SupportHours", L"Logo"};
    for (int i = 0; i < 6; ++i)
        if (values[i].exists)
            WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, names[i], values[i].type, values[i].data);

    Vendrix app(folder.path());
    HWND main = app.Main(), combo = ::GetDlgItem(main, vx::main_ids::kCombolist);
    PressOk(WaitMessageBox(app));  // the missing list
    ChooseMenuByKeyboard(main, 0, 0);
    HWND info = app.WaitForWindow(kInfoCaption);
    ASSERT_NE(info, nullptr) << "文件 > 将当前OEM信息存为品牌预设... opened nothing";
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextOf(::GetDlgItem(info, kValue1 + i)), shown[i]);
    EXPECT_EQ(TextOf(::GetDlgItem(info, kName)), shown[0]) << "the default name";
    EXPECT_TRUE(ShowsBitmap(::GetDlgItem(info, kLogo), OemLogo()));

    // Refused names (the default one, its quotes) write nothing.
    EXPECT_EQ(Save(app, info, nullptr), kMsgNameBadChar);
    EXPECT_EQ(Save(app, info, L"备份一 "), kMsgNameBadEnd);
    EXPECT_EQ(Save(app, info, L"Ærø"), kMsgNameNotAnsi);
    EXPECT_FALSE(FileExists(list));
    // The list: missing, then without a final line end, then with one.
    EXPECT_EQ(Save(app, info, L"备份一"), L"已将当前OEM信息存为品牌预设“备份一”。");
    EXPECT_EQ(ReadFileBytes(list), "\xB1\xB8\xB7\xDD\xD2\xBB\r\n");
    EXPECT_EQ(ComboEntries(combo),
              (std::vector<std::wstring>{L"备份一", kCustomEntry, kClearEntry}));
    EXPECT_EQ(ComboSelection(combo), 0);
    WriteFileBytes(list, "Alpha");
    Save(app, info, L"备份二");
    Save(app, info, L"备份三");
    EXPECT_EQ(ReadFileBytes(list),
              "Alpha\r\n\xB1\xB8\xB7\xDD\xB6\xFE\r\n\xB1\xB8\xB7\xDD\xC8\xFD\r\n");
    // Replacing: No (the default) keeps the old files, Yes replaces them.
    WriteFileBytes(one, "old");
    Save(app, info, L"备份一");
    EXPECT_EQ(ReadFileBytes(one), "old");
    Save(app, info, L"备份一", IDYES);
    PressOk(WaitMessageBox(app));
    EXPECT_EQ(ReadFileBytes(one), ReadFileBytes(folder / L"oemdata\\备份二\\oem.reg"));
    // A read-only list: the message names it and the new folder is gone again.
    ::SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(Save(app, info, L"备份四").find(kMsgPresetNotSaved + list), std::wstring::npos);
    EXPECT_FALSE(FolderExists(folder / L"oemdata\\备份四"));
    ::SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Restoring is the ordinary brand action, after a clear.
    PostKey(info, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(info); }));
    for (const std::wstring entry : {kClearEntry, L"备份二"}) {
        const auto entries = ComboEntries(combo);
        PickEntry(combo, std::find(entries.begin(), entries.end(), entry) - entries.begin());
        Click(::GetDlgItem(main, vx::main_ids::kOk));
        const MessageBoxInfo done = WaitMessageBox(app);
        EXPECT_EQ(done.text, entry == kClearEntry ? kMsgClearDone : kMsgBrandDone);
        PressOk(done);
    }
    for (int i = 0; i < 6; ++i) {
        const RegValue now = ReadRegValue(HKEY_LOCAL_MACHINE, kOemKey, names[i]);
        EXPECT_EQ(std::tie(now.exists, now.type, now.data),
                  std::tie(values[i].exists, values[i].type, values[i].data))
            << names[i];
    }
    EXPECT_EQ(ReadFileBytes(OemLogo()), logo);
    ResetOem();
}

}  // namespace
}  // namespace e2e
