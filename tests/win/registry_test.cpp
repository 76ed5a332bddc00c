// The registry procedures against Wine's real registry, in a scratch key of the 64-bit view
// that each test starts without and leaves removed. What was stored is read back with the raw
// API into a buffer pre-filled with a marker byte, so type, size and bytes are all checked.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "registry/registry.h"

namespace vx {
namespace {

using Bytes = std::vector<BYTE>;

constexpr const wchar_t* kScratch = L"SOFTWARE\\VendrixRegistryTest";
constexpr const wchar_t* kMissingKey = L"SOFTWARE\\VendrixRegistryTest\\missing";
const HKEY kRoot = HKEY_LOCAL_MACHINE;
constexpr BYTE kMarker = 0xA5;
constexpr DWORD kRawCapacity = 1 << 16;

void RemoveScratchKey() {
    HKEY parent = nullptr;
    if (::RegOpenKeyExW(kRoot, L"SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &parent) !=
        ERROR_SUCCESS)
        return;
    ::RegDeleteTreeW(parent, L"VendrixRegistryTest");
    ::RegDeleteKeyExW(parent, L"VendrixRegistryTest", KEY_WOW64_64KEY, 0);
    ::RegCloseKey(parent);
}

bool KeyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(kRoot, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

void RawWrite(const std::wstring& name, DWORD type, const Bytes& data,
              const std::wstring& keyPath = kScratch) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(kRoot, keyPath.c_str(), 0, nullptr, 0,
                                KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(
        ::RegSetValueExW(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
        ERROR_SUCCESS);
    ::RegCloseKey(key);
}

struct Stored {
    bool exists = false;
    DWORD type = 0;
    Bytes data;
    bool bufferUntouchedPastData = false;
};

Stored RawRead(const std::wstring& name) {
    Stored out;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(kRoot, kScratch, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return out;
    Bytes buffer(kRawCapacity, kMarker);
    DWORD size = kRawCapacity;
    out.exists = ::RegQueryValueExW(key, name.c_str(), nullptr, &out.type, buffer.data(), &size) ==
                 ERROR_SUCCESS;
    ::RegCloseKey(key);
    if (!out.exists) return out;
    out.data.assign(buffer.begin(), buffer.begin() + size);
    out.bufferUntouchedPastData = true;
    for (DWORD i = size; i < kRawCapacity; ++i)
        if (buffer[i] != kMarker) out.bufferUntouchedPastData = false;
    return out;
}

Bytes Utf16(const std::wstring& text) {
    Bytes out(reinterpret_cast<const BYTE*>(text.data()),
              reinterpret_cast<const BYTE*>(text.data() + text.size()));
    out.insert(out.end(), {0, 0});
    return out;
}

Bytes Sequence(std::size_t n) {
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<BYTE>(i * 7 + 3);
    return out;
}

std::wstring RepeatTo(const std::wstring& unit, std::size_t length) {
    std::wstring out;
    while (out.size() < length) out += unit;
    out.resize(length);
    return out;
}

void ExpectStored(const char* file, int line, const std::wstring& name, DWORD type,
                  const Bytes& data) {
    ::testing::ScopedTrace trace(file, line, "stored value");
    const Stored s = RawRead(name);
    ASSERT_TRUE(s.exists);
    EXPECT_EQ(s.type, type);
    EXPECT_EQ(s.data, data);
    EXPECT_TRUE(s.bufferUntouchedPastData);
}
#define EXPECT_STORED(name, type, data) ExpectStored(__FILE__, __LINE__, name, type, data)

// Watches the calls: the access masks asked for, the keys opened and closed, the query sizes;
// and can make a call fail.
class WatchingCalls : public RegistryCalls {
  public:
    std::vector<REGSAM> masks;
    std::vector<SECURITY_ATTRIBUTES> securities;
    std::vector<DWORD> querySizes;
    int opened = 0;
    int closed = 0;
    LSTATUS failCreate = ERROR_SUCCESS;
    LSTATUS failQuery = ERROR_SUCCESS;
    LSTATUS failSet = ERROR_SUCCESS;
    // Run just before the second query, to change the value between the two.
    void (*beforeSecondQuery)() = nullptr;

    LSTATUS CreateKey(HKEY root, const wchar_t* subKey, REGSAM access,
                      SECURITY_ATTRIBUTES* security, HKEY* key) override {
        masks.push_back(access);
        if (security) securities.push_back(*security);
        if (failCreate != ERROR_SUCCESS) return failCreate;
        return Counted(RegistryCalls::CreateKey(root, subKey, access, security, key));
    }
    LSTATUS OpenKey(HKEY root, const wchar_t* subKey, REGSAM access, HKEY* key) override {
        masks.push_back(access);
        return Counted(RegistryCalls::OpenKey(root, subKey, access, key));
    }
    LSTATUS QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data,
                       DWORD* size) override {
        querySizes.push_back(*size);
        if (failQuery != ERROR_SUCCESS) return failQuery;
        if (querySizes.size() == 2 && beforeSecondQuery) beforeSecondQuery();
        return RegistryCalls::QueryValue(key, name, type, data, size);
    }
    LSTATUS SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data,
                     DWORD size) override {
        if (failSet != ERROR_SUCCESS) return failSet;
        return RegistryCalls::SetValue(key, name, type, data, size);
    }
    LSTATUS CloseKey(HKEY key) override {
        ++closed;
        return RegistryCalls::CloseKey(key);
    }

  private:
    LSTATUS Counted(LSTATUS s) {
        if (s == ERROR_SUCCESS) ++opened;
        return s;
    }
};

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RemoveScratchKey();
        ASSERT_FALSE(KeyExists(kScratch));
    }
    void TearDown() override { RemoveScratchKey(); }
};

template <class Case>
class RegistryTable : public RegistryTest, public ::testing::WithParamInterface<Case> {};
const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// ---- Writing: type and bytes as stored.

struct WriteCase {
    const char* name;
    AnyValue value;
    int flag;
    DWORD type;
    Bytes data;
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
using RegistryWrite = RegistryTable<WriteCase>;

TEST_P(RegistryWrite, StoresTypeAndBytes) {
    const WriteCase& c = GetParam();
    EXPECT_TRUE(SetRegistryValue(kRoot, kScratch, L"v", c.value, 8, c.flag));
    EXPECT_STORED(L"v", c.type, c.data);
}

const std::wstring kMulti(L"a\0b\0", 4);
INSTANTIATE_TEST_SUITE_P(
    Kinds, RegistryWrite,
    ::testing::Values(
        WriteCase{"abc_flag0", AnyValue::FromText(L"abc"), 0, REG_SZ, Utf16(L"abc")},
        WriteCase{"abc_flag1", AnyValue::FromText(L"abc"), 1, REG_EXPAND_SZ, Utf16(L"abc")},
        WriteCase{"abc_flag2", AnyValue::FromText(L"abc"), 2, REG_MULTI_SZ, Utf16(L"abc")},
        WriteCase{"abc_flag3", AnyValue::FromText(L"abc"), 3, REG_SZ, Utf16(L"abc")},
        WriteCase{"empty_text_lone_terminator", AnyValue::FromText(L""), 1, REG_EXPAND_SZ,
                  Bytes{0, 0}},
        WriteCase{"multi_with_separators", AnyValue::FromText(kMulti), 2, REG_MULTI_SZ,
                  Utf16(kMulti)},
        WriteCase{"int16_minus_one", AnyValue::FromInt16(-1), 1, REG_DWORD,
                  Bytes{0xFF, 0xFF, 0xFF, 0xFF}},
        WriteCase{"uint8_255", AnyValue::FromUInt8(255), 1, REG_DWORD, Bytes{0xFF, 0, 0, 0}},
        WriteCase{"int32_258", AnyValue::FromInt32(258), 1, REG_DWORD, Bytes{0x02, 0x01, 0, 0}},
        WriteCase{"byte_array", AnyValue::FromBytes({0, 7, 0xFF}), 1, REG_BINARY,
                  Bytes{0, 7, 0xFF}}),
    kCaseName);

TEST_F(RegistryTest, KindsNotStoredWriteNothingCreateTheKeyAndSucceed) {
    for (const AnyValue& value :
         {AnyValue(), AnyValue::FromBool(true), AnyValue::FromDouble(1.5)}) {
        SCOPED_TRACE(static_cast<int>(value.kind()));
        RemoveScratchKey();
        EXPECT_TRUE(SetRegistryValue(kRoot, kScratch, L"v", value, 8, 1));
        EXPECT_TRUE(KeyExists(kScratch));
        EXPECT_FALSE(RawRead(L"v").exists);
        RawWrite(L"kept", REG_SZ, Utf16(L"before"));
        EXPECT_TRUE(SetRegistryValue(kRoot, kScratch, L"kept", value, 8, 1));
        EXPECT_STORED(L"kept", REG_SZ, Utf16(L"before"));
    }
}

// ---- Long and non-ANSI texts are stored whole and read back unchanged.

const std::wstring kGbk300Bytes = RepeatTo(L"\u4E2D\u6587\u5B57\u7B26\u6D4B\u8BD5", 150);
const std::wstring kOutside936 = L"\u00C6r\u00F8sk\u00F8bing \U0001F600";

struct TextCase {
    const char* name;
    std::wstring text;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
using RegistryText = RegistryTable<TextCase>;

TEST_P(RegistryText, StoredWholeAndReadBackUnchanged) {
    const std::wstring& text = GetParam().text;
    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag);
        ASSERT_TRUE(SetRegistryValue(kRoot, kScratch, L"v", AnyValue::FromText(text), 8, flag));
        EXPECT_STORED(L"v", flag == 1 ? REG_EXPAND_SZ : REG_SZ, Utf16(text));
        EXPECT_EQ(GetRegistryValue(kRoot, kScratch, L"v"), AnyValue::FromText(text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RegistryText,
    ::testing::Values(TextCase{"ascii_300_characters", RepeatTo(L"0123456789abcdefghij", 300)},
                      TextCase{"gbk_300_bytes", kGbk300Bytes},
                      TextCase{"outside_code_page_936", kOutside936},
                      TextCase{"long_text_beyond_first_read_buffer", RepeatTo(L"\u54C1x", 2000)}),
    kCaseName);

TEST(RegistryTextPreconditions, TheTextCasesMeanWhatTheyClaimUnderCodePage936) {
    ASSERT_EQ(::GetACP(), 936u) << "these tests run with code page 936";
    const auto ansiBytes = [](const std::wstring& text, BOOL* lossy) {
        return ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, lossy);
    };
    BOOL lossy = TRUE;
    EXPECT_EQ(ansiBytes(kGbk300Bytes, &lossy), 300);
    EXPECT_FALSE(lossy);
    ansiBytes(kOutside936, &lossy);
    EXPECT_TRUE(lossy) << "the text must hold characters code page 936 cannot represent";
}

// ---- Reading: the conversion by stored type.

struct ReadCase {
    const char* name;
    DWORD type;
    Bytes data;
    AnyValue expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
using RegistryRead = RegistryTable<ReadCase>;

TEST_P(RegistryRead, ConvertsByStoredType) {
    const ReadCase& c = GetParam();
    RawWrite(L"v", c.type, c.data);
    EXPECT_EQ(GetRegistryValue(kRoot, kScratch, L"v", AnyValue::FromText(L"dflt")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryRead,
    ::testing::Values(
        ReadCase{"sz", REG_SZ, Utf16(L"abc"), AnyValue::FromText(L"abc")},
        ReadCase{"sz_zero_bytes_is_empty_text", REG_SZ, {}, AnyValue::FromText(L"")},
        ReadCase{"multi_sz", REG_MULTI_SZ, Utf16(kMulti),
                 AnyValue::FromText(std::wstring(L"a\0b", 3))},
        ReadCase{"dword_big_endian", REG_DWORD_BIG_ENDIAN, Bytes{0x00, 0x00, 0x01, 0x02},
                 AnyValue::FromInt32(258)},
        ReadCase{"dword", REG_DWORD, Bytes{0x02, 0x01, 0x00, 0x00}, AnyValue::FromInt32(258)},
        ReadCase{"binary_5_bytes", REG_BINARY, Sequence(5), AnyValue::FromBytes(Sequence(5))},
        ReadCase{"binary_zero_bytes_is_empty_array", REG_BINARY, {}, AnyValue::FromBytes({})},
        ReadCase{"qword_as_8_bytes", REG_QWORD, Sequence(8), AnyValue::FromBytes(Sequence(8))},
        ReadCase{"none_as_bytes", REG_NONE, Bytes{'x'}, AnyValue::FromBytes({'x'})}),
    kCaseName);

TEST_F(RegistryTest, ExpandableTextIsExpandedFromTheEnvironment) {
    wchar_t windir[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableW(L"windir", windir, MAX_PATH);
    ASSERT_GT(n, 0u);
    RawWrite(L"Logo", REG_EXPAND_SZ, Utf16(L"%windir%\\system32\\oem\\oemlogo.bmp"));
    EXPECT_EQ(GetRegistryValue(kRoot, kScratch, L"Logo"),
              AnyValue::FromText(std::wstring(windir, n) + L"\\system32\\oem\\oemlogo.bmp"));
}

TEST_F(RegistryTest, LargeValueTakesExactlyOneSecondQueryOfTheReportedSize) {
    const struct {
        std::size_t size;
        std::vector<DWORD> queries;
    } cases[] = {{5000, {1024, 5000}}, {1024, {1024}}};
    for (const auto& c : cases) {
        RawWrite(L"big", REG_BINARY, Sequence(c.size));
        WatchingCalls calls;
        EXPECT_EQ(GetRegistryValue(calls, kRoot, kScratch, L"big"),
                  AnyValue::FromBytes(Sequence(c.size)));
        EXPECT_EQ(calls.querySizes, c.queries);
    }
}

TEST_F(RegistryTest, WhatCannotBeReadGivesTheDefault) {
    const AnyValue fallback = AnyValue::FromText(L"fallback");
    // Missing key, then missing value in an existing key: the default, or the empty value.
    for (int existing = 0; existing < 2; ++existing) {
        if (existing) RawWrite(L"other", REG_SZ, Utf16(L"x"));
        EXPECT_EQ(GetRegistryValue(kRoot, kScratch, L"v", fallback), fallback);
        EXPECT_TRUE(GetRegistryValue(kRoot, kScratch, L"v").IsEmpty());
    }
    // A value the query refuses.
    RawWrite(L"v", REG_SZ, Utf16(L"x"));
    WatchingCalls refusing;
    refusing.failQuery = ERROR_ACCESS_DENIED;
    EXPECT_EQ(GetRegistryValue(refusing, kRoot, kScratch, L"v", fallback), fallback);
    EXPECT_EQ(refusing.closed, refusing.opened);
}

TEST_F(RegistryTest, ValueGrownAgainBeforeTheSecondQueryGivesTheDefault) {
    RawWrite(L"big", REG_BINARY, Sequence(2000));
    WatchingCalls calls;
    calls.beforeSecondQuery = [] { RawWrite(L"big", REG_BINARY, Sequence(4000)); };
    EXPECT_EQ(GetRegistryValue(calls, kRoot, kScratch, L"big", AnyValue::FromInt32(-7)),
              AnyValue::FromInt32(-7));
    EXPECT_EQ(calls.querySizes, (std::vector<DWORD>{1024, 2000}));
    EXPECT_EQ(calls.closed, calls.opened);
}

// ---- Deleting one value, never a key.

TEST_F(RegistryTest, DeleteSucceedsOnceThenFailsAndNeverRemovesAKey) {
    RawWrite(L"v", REG_SZ, Utf16(L"x"));
    RawWrite(L"other", REG_SZ, Utf16(L"y"));
    EXPECT_TRUE(DeleteRegistryValueOrKey(kRoot, kScratch, L"v"));
    EXPECT_FALSE(RawRead(L"v").exists);
    EXPECT_STORED(L"other", REG_SZ, Utf16(L"y"));
    EXPECT_FALSE(DeleteRegistryValueOrKey(kRoot, kScratch, L"v"));
    EXPECT_FALSE(DeleteRegistryValueOrKey(kRoot, kScratch, L"v"));

    const std::wstring sub = std::wstring(kScratch) + L"\\child";
    RawWrite(L"x", REG_SZ, Utf16(L"x"), sub);
    EXPECT_FALSE(DeleteRegistryValueOrKey(kRoot, kScratch, L"child"));
    EXPECT_TRUE(KeyExists(sub));
}

// ---- The seam: the 64-bit view, the masks, the security record, every key closed.

TEST_F(RegistryTest, EveryOpenAndCreateAsksForThe64BitViewWithTheRightMask) {
    WatchingCalls calls;
    SetRegistryValue(calls, kRoot, kScratch, L"v", AnyValue::FromText(L"a"), 8, 1);
    GetRegistryValue(calls, kRoot, kScratch, L"v");
    DeleteRegistryValueOrKey(calls, kRoot, kScratch, L"v");
    GetRegistryValue(calls, kRoot, kMissingKey, L"v");
    const REGSAM write = 0x3F | KEY_WOW64_64KEY, read = KEY_READ | KEY_WOW64_64KEY;
    EXPECT_EQ(calls.masks, (std::vector<REGSAM>{write, read, write, read}));
    // The key created gets a sized, non-inheritable security record.
    ASSERT_EQ(calls.securities.size(), 1u);
    EXPECT_EQ(calls.securities[0].nLength, sizeof(SECURITY_ATTRIBUTES));
    EXPECT_EQ(calls.securities[0].lpSecurityDescriptor, nullptr);
    EXPECT_FALSE(calls.securities[0].bInheritHandle);
}

TEST_F(RegistryTest, EveryOpenedKeyIsClosedOnEveryPath) {
    enum class Op { Set, Get, Delete };
    const struct {
        const char* name;
        Op op;
        const wchar_t* key;
        const wchar_t* value;
        AnyValue written;
        LSTATUS failCreate, failSet;
        bool expected;
    } paths[] = {
        {"write", Op::Set, kScratch, L"v", AnyValue::FromText(L"a"), 0, 0, true},
        {"write_not_stored_kind", Op::Set, kScratch, L"v", AnyValue(), 0, 0, true},
        {"write_empty_bytes_refused", Op::Set, kScratch, L"w", AnyValue::FromBytes({}), 0, 0,
         false},
        {"write_fails", Op::Set, kScratch, L"v", AnyValue::FromText(L"a"), 0, ERROR_ACCESS_DENIED,
         false},
        {"create_fails", Op::Set, kScratch, L"v", AnyValue::FromText(L"a"), ERROR_ACCESS_DENIED, 0,
         false},
        {"read", Op::Get, kScratch, L"v", {}, 0, 0, true},
        {"read_missing_value", Op::Get, kScratch, L"nothing", {}, 0, 0, false},
        {"read_missing_key", Op::Get, kMissingKey, L"v", {}, 0, 0, false},
        {"delete", Op::Delete, kScratch, L"v", {}, 0, 0, true},
        {"delete_missing_value", Op::Delete, kScratch, L"v", {}, 0, 0, false},
        {"delete_missing_key", Op::Delete, kMissingKey, L"v", {}, 0, 0, false},
    };
    // In this order: each path starts from the state the one before it left.
    for (const auto& p : paths) {
        SCOPED_TRACE(p.name);
        WatchingCalls calls;
        calls.failCreate = p.failCreate;
        calls.failSet = p.failSet;
        bool result = false;
        if (p.op == Op::Set)
            result = SetRegistryValue(calls, kRoot, p.key, p.value, p.written, 8, 1);
        else if (p.op == Op::Get)
            result = !GetRegistryValue(calls, kRoot, p.key, p.value).IsEmpty();
        else
            result = DeleteRegistryValueOrKey(calls, kRoot, p.key, p.value);
        EXPECT_EQ(result, p.expected);
        EXPECT_EQ(calls.closed, calls.opened);
    }
    EXPECT_FALSE(RawRead(L"w").exists) << "the refused empty byte array was written";
}

}  // namespace
}  // namespace vx
