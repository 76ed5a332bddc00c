// Every end-to-end test runs beside decoys where 64-bit Windows redirects a 32-bit program: a
// logo in SysWOW64\oem and OEM values under Wow6432Node. Taken for the current state, they would
// show in a journey; afterwards they, and the owner values' copy (as the test left it), are as
// they were. 32-bit Windows has no Wow6432Node, and none may appear there.
#include <gtest/gtest.h>

#include <ranges>

#include "core/oem/oem_values.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::text;
const std::wstring kWowOem = WindowsFolder() + L"\\SysWOW64\\oem";
const bool kDecoys = sizeof(void*) == 8 || IsWow64();  // 64-bit Windows

std::vector<std::string> Redirected() {  // the logo, then values under SOFTWARE\Wow6432Node
    std::vector<std::string> state{ReadFileBytes(kWowOem + L"\\oemlogo.bmp")};
    const auto add = [&](const std::wstring& key, const wchar_t* name) {
        state.push_back(ReadRegValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Wow6432Node" + key.substr(8), name).data);
    };
    for (const vx::OemValue& v : vx::kOemValues) add(kOemKey, v.name);
    for (const wchar_t* name : {kRegisteredOwner, kRegisteredOrganization, kProductName}) add(kOwnerKey, name);
    return state;
}

struct Redirection : ::testing::Environment {
    void SetUp() override {
        if (kDecoys) fs::create_directories(kWowOem);
        if (kDecoys) WriteFileBytes(kWowOem + L"\\oemlogo.bmp", ReadFileBytes(BuildFolder() + L"\\pictures\\clean_oem.bmp"));
        for (const std::wstring name : vx::kOemValues | std::views::transform(&vx::OemValue::name))
            if (kDecoys) WriteRegValue(HKEY_LOCAL_MACHINE, kOemKey, name, REG_SZ, Utf16Bytes(L"Wow6432Node " + name), KEY_WOW64_32KEY);
        before = Redirected();
        EXPECT_EQ(before[1].empty(), !kDecoys) << "no decoy where a 32-bit program's copy is";
    }
    void TearDown() override {
        EXPECT_EQ(Redirected(), before) << "SysWOW64\\oem or Wow6432Node was written";
        if (!kDecoys) return;
        RemoveTree(kWowOem);
        DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey, KEY_WOW64_32KEY);
    }
    std::vector<std::string> before;
};
const auto* const kRedirection = ::testing::AddGlobalTestEnvironment(new Redirection);

}  // namespace
}  // namespace e2e
