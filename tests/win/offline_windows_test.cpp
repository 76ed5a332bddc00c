// A Windows that is not running, against Wine's real registry and files: a SOFTWARE hive saved
// with RegSaveKey on drive T: (the harness maps it), loaded, read and written below our key
// (checked before the unload: Wine keeps no change of a loaded hive), and never left loaded.
#include "system/offline_windows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/texts.h"
#include "system/native_view.h"

namespace vx {
namespace {

constexpr const wchar_t* kSeed = L"SOFTWARE\\VendrixOfflineSeed";

bool KeyOpens(const std::wstring& key) {
    HKEY k;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    ::RegCloseKey(k);
    return true;
}

std::wstring Text(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t data[256] = L"";
    DWORD size = sizeof data;
    ::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size);
    return data;
}

// <folder>\System32\config\SOFTWARE saved from a scratch key holding a product name and a maker.
std::wstring MakeTarget(const std::wstring& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + L"\\System32\\config");
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSeed);
    HKEY seed;
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSeed, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &seed, nullptr);
    ::RegSetKeyValueW(seed, L"Microsoft\\Windows NT\\CurrentVersion", L"ProductName", REG_SZ,
                      L"Windows 7 旗舰版", 26);
    ::RegSetKeyValueW(seed, L"Microsoft\\Windows\\CurrentVersion\\OEMInformation", L"Manufacturer",
                      REG_SZ, L"旧", 4);
    HivePrivileges backup;
    EXPECT_EQ(::RegSaveKeyW(seed, TargetHiveFile(folder).c_str(), nullptr), ERROR_SUCCESS);
    ::RegCloseKey(seed);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSeed);
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kSeed);
    return folder;
}

TEST(OfflineWindows, AHiveOnAnotherDriveIsCheckedLoadedWrittenBelowOurKeyAndAlwaysUnloaded) {
    const std::wstring folder = MakeTarget(L"T:\\Win7"), key = kTargetHiveKey;
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

}  // namespace
}  // namespace vx
