// The registry procedures against Wine's real registry, in a scratch key that each test starts
// without and leaves removed; what they stored is read back with the raw API.
#include "system/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using Bytes = std::vector<BYTE>;
constexpr const wchar_t* kScratch = L"SOFTWARE\\VendrixRegistryTest";

std::pair<DWORD, Bytes> Stored() {
    DWORD type = 0, size = 4096;
    Bytes data(size);
    ::RegGetValueW(HKEY_LOCAL_MACHINE, kScratch, L"v", RRF_RT_ANY | RRF_NOEXPAND, &type,
                   data.data(), &size);
    data.resize(size);
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
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kScratch);
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kScratch);
    }
};

class WatchingCalls : public RegistryCalls {  // records the access asked at each open
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

// Every key in the 64-bit view: a 32-bit exe on 64-bit Windows would otherwise land in
// Wow6432Node, where Windows never looks.
TEST_F(Registry, EachValueIsStoredWholeAsItsTypeInThe64BitViewAndReadBackUnchanged) {
    std::wstring gbk;  // 1200 bytes in code page 936, more than the first read takes
    while (gbk.size() < 600) gbk += L"\u4E2D\u6587\u5B57\u7B26";
    const std::wstring texts[] = {std::wstring(300, L'x'), gbk,
                                  L"\u00C6r\u00F8sk\u00F8bing \U0001F600"};
    const struct {
        AnyValue value;
        int flag;
        DWORD type;
        Bytes stored;
    } cases[] = {
        {AnyValue::FromText(texts[0]), 0, REG_SZ, Utf16(texts[0])},
        {AnyValue::FromText(texts[1]), 1, REG_EXPAND_SZ, Utf16(texts[1])},
        {AnyValue::FromText(texts[2]), 0, REG_SZ, Utf16(texts[2])},  // not in code page 936
        {AnyValue::FromInt32(-2), 1, REG_DWORD, {254, 255, 255, 255}},
        {AnyValue::FromBytes({0, 7, 255}), 1, REG_BINARY, {0, 7, 255}},
    };
    WatchingCalls calls;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.type << ", " << c.stored.size() << " bytes");
        const LSTATUS written =
            WriteRegistryValue(calls, HKEY_LOCAL_MACHINE, kScratch, L"v", c.value, 8, c.flag);
        ASSERT_EQ(written, ERROR_SUCCESS);
        EXPECT_EQ(Stored(), std::make_pair(c.type, c.stored));
        EXPECT_EQ(GetRegistryValue(calls, HKEY_LOCAL_MACHINE, kScratch, L"v"), c.value);
    }
    EXPECT_EQ(calls.masks.size(), 2 * std::size(cases));
    for (REGSAM mask : calls.masks) EXPECT_TRUE(mask & KEY_WOW64_64KEY) << std::hex << mask;
}

}  // namespace
}  // namespace vx
