// The registry procedures against Wine's real registry, in a scratch key that each test starts
// without and leaves removed. What was stored is read back with the raw API: type and bytes.
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using Bytes = std::vector<BYTE>;
const HKEY kRoot = HKEY_LOCAL_MACHINE;
constexpr const wchar_t* kScratch = L"SOFTWARE\\VendrixRegistryTest";

std::pair<DWORD, Bytes> Stored() {
    HKEY key = nullptr;
    ::RegOpenKeyExW(kRoot, kScratch, 0, KEY_READ, &key);
    DWORD type = REG_NONE, size = 0;
    ::RegQueryValueExW(key, L"v", nullptr, &type, nullptr, &size);
    Bytes data(size);
    ::RegQueryValueExW(key, L"v", nullptr, &type, data.data(), &size);
    ::RegCloseKey(key);
    return {type, data};
}

Bytes Utf16(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return Bytes(bytes, bytes + (text.size() + 1) * 2);
}

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        ::RegDeleteTreeW(kRoot, kScratch);
        ::RegDeleteKeyW(kRoot, kScratch);
    }
};

TEST_F(Registry, EachValueIsStoredWholeAsItsTypeAndReadBackUnchanged) {
    std::wstring gbk;  // 1200 bytes in code page 936, more than the first read takes
    while (gbk.size() < 600) gbk += L"\u4E2D\u6587\u5B57\u7B26";
    wchar_t windir[MAX_PATH];
    const std::wstring expanded(windir, ::GetEnvironmentVariableW(L"windir", windir, MAX_PATH));
    const std::wstring notIn936 = L"\u00C6r\u00F8sk\u00F8bing \U0001F600";
    const struct {
        AnyValue value;
        int flag;
        DWORD type;
        Bytes stored;
        AnyValue back;
    } cases[] = {
        {AnyValue::FromText(std::wstring(300, L'x')), 0, REG_SZ, Utf16(std::wstring(300, L'x')),
         AnyValue::FromText(std::wstring(300, L'x'))},
        {AnyValue::FromText(gbk), 1, REG_EXPAND_SZ, Utf16(gbk), AnyValue::FromText(gbk)},
        {AnyValue::FromText(notIn936), 0, REG_SZ, Utf16(notIn936), AnyValue::FromText(notIn936)},
        {AnyValue::FromText(L"%windir%"), 1, REG_EXPAND_SZ, Utf16(L"%windir%"),
         AnyValue::FromText(expanded)},
        {AnyValue::FromInt16(-1), 1, REG_DWORD, {255, 255, 255, 255}, AnyValue::FromInt32(-1)},
        {AnyValue::FromBytes({0, 7, 255}),
         1,
         REG_BINARY,
         {0, 7, 255},
         AnyValue::FromBytes({0, 7, 255})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.type << ", " << c.stored.size() << " bytes");
        ASSERT_TRUE(SetRegistryValue(kRoot, kScratch, L"v", c.value, 8, c.flag));
        EXPECT_EQ(Stored(), std::make_pair(c.type, c.stored));
        EXPECT_EQ(GetRegistryValue(kRoot, kScratch, L"v"), c.back);
    }
}

// Records the access asked for at every open and create.
class WatchingCalls : public RegistryCalls {
  public:
    std::vector<REGSAM> masks;
    LSTATUS CreateKey(HKEY root, const wchar_t* subKey, REGSAM access,
                      SECURITY_ATTRIBUTES* security, HKEY* key) override {
        masks.push_back(access);
        return RegistryCalls::CreateKey(root, subKey, access, security, key);
    }
    LSTATUS OpenKey(HKEY root, const wchar_t* subKey, REGSAM access, HKEY* key) override {
        masks.push_back(access);
        return RegistryCalls::OpenKey(root, subKey, access, key);
    }
};

// A 32-bit exe on 64-bit Windows would otherwise land in Wow6432Node, where Windows never looks.
TEST_F(Registry, EveryKeyIsOpenedInThe64BitView) {
    WatchingCalls calls;
    SetRegistryValue(calls, kRoot, kScratch, L"v", AnyValue::FromText(L"a"), 8, 1);
    GetRegistryValue(calls, kRoot, kScratch, L"v");
    DeleteRegistryValueOrKey(calls, kRoot, kScratch, L"v");
    ASSERT_EQ(calls.masks.size(), 3u);
    for (REGSAM mask : calls.masks) EXPECT_TRUE(mask & KEY_WOW64_64KEY) << std::hex << mask;
}

}  // namespace
}  // namespace vx
