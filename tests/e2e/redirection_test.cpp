// Every end-to-end test runs beside decoys where 64-bit Windows redirects a 32-bit program: a
// logo in SysWOW64\oem and OEM values under Wow6432Node. Taken for the current state, they would
// show in a journey; afterwards they, and each copy a redirected program could write (the owner
// values' copy as the test left it), are as they were. 32-bit Windows gets no Wow6432Node.
#include <gtest/gtest.h>

#include "core/preset/preset_save.h"
#include "driver.h"

namespace e2e {
namespace {

const std::wstring kWowOem = WindowsFolder() + L"\\SysWOW64\\oem", kWow = L"SOFTWARE\\Wow6432Node\\";
const bool kDecoys = sizeof(void*) == 8 || IsWow64();  // 64-bit Windows

std::vector<std::string> Redirected() {
    std::vector<std::string> state{ReadFileBytes(kWowOem + L"\\oemlogo.bmp")};
    const auto add = [&](const std::wstring& key, const std::wstring& name) {
        state.push_back(ReadRegValue(HKEY_LOCAL_MACHINE, kWow + key.substr(9), name).data);
    };
    for (const wchar_t* name : vx::kOemValueNames) add(vx::text::kOemKey, name);
    for (const wchar_t* name : {vx::text::kRegisteredOwner, vx::text::kRegisteredOrganization,
                                vx::text::kProductName})
        add(vx::text::kOwnerKey, name);
    add(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"x");  // as the tests' scripts write
    add(L"SOFTWARE\\VendrixProbe", L"V0");
    return state;
}

struct Redirection : ::testing::Environment {
    void SetUp() override {
        if (kDecoys) {
            fs::create_directories(kWowOem);
            WriteFileBytes(kWowOem + L"\\oemlogo.bmp", ReadFileBytes(BuildFolder() + L"\\pictures\\clean_oem.bmp"));
            for (const std::wstring name : vx::kOemValueNames)
                WriteRegValue(HKEY_LOCAL_MACHINE, vx::text::kOemKey, name, REG_SZ,
                              Utf16Bytes(L"Wow6432Node " + name), KEY_WOW64_32KEY);
        }
        before = Redirected();
    }
    void TearDown() override {
        EXPECT_EQ(Redirected(), before) << "SysWOW64\\oem or Wow6432Node was written";
        if (kDecoys) RemoveTree(kWowOem), DeleteRegKeyTree(HKEY_LOCAL_MACHINE, vx::text::kOemKey, KEY_WOW64_32KEY);
    }
    std::vector<std::string> before;
};

const auto* const kRedirection = ::testing::AddGlobalTestEnvironment(new Redirection);

}  // namespace
}  // namespace e2e
