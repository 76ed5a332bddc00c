// A Windows that is not running, against Wine's real registry and files: a SOFTWARE hive saved
// with RegSaveKey on drive T: (the harness maps it), loaded, read and written below our key
// (checked before the unload: Wine keeps no change of a loaded hive), and never left loaded.
#include "system/offline_windows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../e2e/driver.h"
#include "core/command/command_line.h"
#include "core/texts.h"
#include "mainwindow/silent_run.h"
#include "system/native_view.h"
#include "system/ui.h"

namespace vx {
namespace {

bool KeyOpens(const std::wstring& key) {
    HKEY k;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    ::RegCloseKey(k);
    return true;
}

// A text value as stored (type and text), "" when absent.
std::wstring Text(HKEY root, const std::wstring& key, const wchar_t* name, DWORD* type = nullptr) {
    wchar_t data[256] = L"";
    DWORD size = sizeof data;
    ::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, type,
                   data, &size);
    return data;
}

TEST(OfflineWindows, AHiveOnAnotherDriveIsCheckedLoadedWrittenBelowOurKeyAndAlwaysUnloaded) {
    const std::wstring folder = e2e::MakeTargetWindows(L"T:\\Win7"), key = kTargetHiveKey;
    std::wstring full;
    EXPECT_EQ(CheckTarget(L"t:\\Data\\..\\Win7\\", &full).kind, TargetKind::Other);
    EXPECT_EQ(full, L"t:\\Win7");
    EXPECT_EQ(CheckTarget(WindowsFolder() + L"\\", &full).kind, TargetKind::Running);
    EXPECT_EQ(CheckTarget(L"C:\\vx-win", &full).message, text::kMsgTargetOwnDrive + std::wstring(L"C:\\vx-win"));
    EXPECT_EQ(CheckTarget(L"T:\\", &full).message, text::kMsgTargetNoHive + std::wstring(L"T:"));
    {
        OfflineWindows target(folder);
        ASSERT_EQ(target.Refusal(), L"");
        EXPECT_EQ(target.registry.GetRegistryValue(text::kOwnerKey, text::kProductName, {}).ToText(),
                  L"Windows 7 旗舰版");
        EXPECT_TRUE(target.registry.WriteValue(text::kOemKey, L"Model", {true, REG_SZ, {'M', 0, 0, 0}}).ok());
        EXPECT_TRUE(target.registry.WriteValue(text::kOemKey, L"Manufacturer", {}).ok());
        EXPECT_TRUE(target.registry.CreateKey(L"SOFTWARE\\Vx\\Kept").ok());
        EXPECT_TRUE(target.registry.CreateKey(L"SOFTWARE\\Vx\\Gone\\Below").ok());
        EXPECT_TRUE(target.registry.DeleteKeyTree(L"software\\Vx\\Gone").ok());
        EXPECT_FALSE(target.registry.WriteValue(L"SYSTEM\\Setup", L"x", {}).ok()) << "not in the hive";
        EXPECT_EQ(target.registry.ReadValue(L"SYSTEM\\Setup", L"x"), std::nullopt);
        const std::wstring oem = key + std::wstring(text::kOemKey).substr(8);
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, oem, L"Model"), L"M");
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, oem, L"Manufacturer"), L"") << "deleted";
        EXPECT_TRUE(KeyOpens(key + L"\\Vx\\Kept"));
        EXPECT_FALSE(KeyOpens(key + L"\\Vx\\Gone"));
        EXPECT_NE(Text(HKEY_LOCAL_MACHINE, text::kOemKey, L"Model"), L"M") << "the running system's";
        EXPECT_EQ(target.oem.LogoPath(), folder + L"\\System32\\oem\\oemlogo.bmp");
        EXPECT_EQ(target.points.Folder(), L"T:\\ProgramData\\Vendrix\\RestorePoints");
        EXPECT_TRUE(target.hive.Unload().ok());
        EXPECT_FALSE(KeyOpens(key));
    }
    EXPECT_FALSE(KeyOpens(key));
    std::wstring listed;
    for (const InstalledWindows& w : FindInstalledWindows()) listed += w.folder + L" " + w.productName + L";";
    EXPECT_NE(listed.find(L"T:\\Win7 Windows 7 旗舰版;"), std::wstring::npos) << listed;
    EXPECT_EQ(listed.find(L"C:"), std::wstring::npos) << "the running system's drive";
    EXPECT_FALSE(KeyOpens(key));
    // A file that is no hive is refused, and no key is left loaded.
    std::filesystem::remove_all(L"T:\\vx-bad");
    std::filesystem::create_directories(L"T:\\vx-bad\\System32\\config");
    std::ofstream(std::filesystem::path(TargetHiveFile(L"T:\\vx-bad")), std::ios::binary) << "regf?";
    {
        OfflineWindows bad(L"T:\\vx-bad");
        EXPECT_TRUE(bad.Refusal().starts_with(text::kMsgTargetNotLoaded + TargetHiveFile(L"T:\\vx-bad")))
            << bad.Refusal();
        EXPECT_FALSE(KeyOpens(key));
    }
    std::filesystem::remove_all(L"T:\\vx-bad");
}

// Each action the command line runs on a target, through the very code the exe runs; what it
// wrote is read in the loaded hive before the unload.
TEST(OfflineWindows, EachCommandLineActionWritesTheTargetsHiveAndFolderNeverTheRunningOnes) {
    const std::wstring target = e2e::MakeTargetWindows(L"T:\\Seam"), logo = target + L"\\System32\\oem\\oemlogo.bmp";
    const std::wstring key = kTargetHiveKey, oem = key + (text::kOemKey + 8), owner = key + (text::kOwnerKey + 8);
    const std::wstring running = Text(HKEY_LOCAL_MACHINE, text::kOemKey, L"Manufacturer"), points = L"T:\\ProgramData";
    std::filesystem::remove_all(points);
    const struct Row {
        const wchar_t* args;
        std::wstring key;
        const wchar_t *name, *text;
        DWORD type;
        bool logo = false;
    } rows[] = {
        {.args = L"/apply \"Aurora PC\"", .key = oem, .name = L"Manufacturer", .text = L"Aurora PC", .type = REG_SZ, .logo = true},
        {.args = L"/clear", .key = oem, .name = L"Model", .text = L"", .type = REG_EXPAND_SZ},
        {.args = L"/set Model=青松 /logo \"oemdata\\Kestrel\\oemlogo.bmp\"", .key = oem, .name = L"Logo",
         .text = text::kOemLogoValue, .type = REG_EXPAND_SZ, .logo = true},
        {.args = L"/owner RegisteredOwner=店", .key = owner, .name = L"RegisteredOwner", .text = L"店", .type = REG_EXPAND_SZ, .logo = true},
    };
    for (const Row& r : rows) {
        DWORD type = 0;
        std::wstring written;
        const std::wstring line = L"Vendrix.exe " + std::wstring(r.args) + L" /yes /target " + target;
        ::SetCurrentDirectoryW(ProgramFolder().c_str());
        EXPECT_EQ(RunSilently(line, SplitCommandLine(line), [&] { written = Text(HKEY_LOCAL_MACHINE, r.key, r.name, &type); }), 0)
            << r.args;
        EXPECT_EQ(written, r.text) << r.args;
        EXPECT_EQ(type, r.type) << r.args;
        EXPECT_EQ(std::filesystem::exists(logo), r.logo) << r.args;
        EXPECT_FALSE(KeyOpens(key)) << r.args;
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, text::kOemKey, L"Manufacturer"), running) << r.args;
    }
    const auto made = std::filesystem::directory_iterator(points + L"\\Vendrix\\RestorePoints");
    EXPECT_EQ(std::distance(begin(made), end(made)), 4) << "one restore point each, on the target's drive";
}

}  // namespace
}  // namespace vx
