#include "core/reg_codec.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace vx::reg {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Action = Encoded::Action;

// Little-endian UTF-16 of plain ASCII, written out by hand so the tables stay readable.
Bytes Ascii16(const std::string& s) {
    Bytes out;
    for (char c : s) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    return out;
}

std::wstring W(const wchar_t* s, std::size_t n) { return std::wstring(s, n); }

// ---- Writing: which type and which bytes each kind becomes.

struct EncodeCase {
    const char* name;
    AnyValue value;
    int flag;
    Action action;
    std::uint32_t type;
    Bytes bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

class EncodeTable : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTable, StoresTheExpectedTypeAndBytes) {
    const EncodeCase& c = GetParam();
    const Encoded e = EncodeValue(c.value, c.flag);
    EXPECT_EQ(e.action, c.action);
    if (c.action != Action::Write) {
        EXPECT_TRUE(e.bytes.empty());
        return;
    }
    EXPECT_EQ(e.type, c.type);
    EXPECT_EQ(e.bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EncodeTable,
    ::testing::Values(
        EncodeCase{"abc_flag0_plain", AnyValue::FromText(L"abc"), 0, Action::Write, kSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"abc_flag1_expandable", AnyValue::FromText(L"abc"), 1, Action::Write, kExpandSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"abc_flag2_multi", AnyValue::FromText(L"abc"), 2, Action::Write, kMultiSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"abc_flag3_plain", AnyValue::FromText(L"abc"), 3, Action::Write, kSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"abc_flag_negative_plain", AnyValue::FromText(L"abc"), -1, Action::Write, kSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"empty_text_is_a_lone_terminator", AnyValue::FromText(L""), 1, Action::Write,
                   kExpandSz, Bytes{0, 0}},
        EncodeCase{"multi_text_carries_its_separators", AnyValue::FromText(W(L"a\0b\0", 4)), 2,
                   Action::Write, kMultiSz, Ascii16(std::string("a\0b\0\0", 5))},
        EncodeCase{"chinese_text", AnyValue::FromText(L"\u8054\u60f3"), 0, Action::Write, kSz,
                   Bytes{0x54, 0x80, 0xF3, 0x60, 0, 0}},
        EncodeCase{"character_beyond_bmp_as_surrogate_pair", AnyValue::FromText(L"\U0001F600"), 0,
                   Action::Write, kSz, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0, 0}},
        EncodeCase{"int16_minus_one_sign_extended", AnyValue::FromInt16(-1), 1, Action::Write,
                   kDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}},
        EncodeCase{"uint8_255_not_sign_extended", AnyValue::FromUInt8(255), 1, Action::Write,
                   kDword, Bytes{0xFF, 0, 0, 0}},
        EncodeCase{"int32_258_little_endian", AnyValue::FromInt32(258), 2, Action::Write, kDword,
                   Bytes{0x02, 0x01, 0, 0}},
        EncodeCase{"int32_min", AnyValue::FromInt32(-2147483647 - 1), 0, Action::Write, kDword,
                   Bytes{0, 0, 0, 0x80}},
        EncodeCase{"bytes_as_binary", AnyValue::FromBytes({0, 1, 0xFE}), 1, Action::Write, kBinary,
                   Bytes{0, 1, 0xFE}},
        EncodeCase{
            "empty_byte_array_refused", AnyValue::FromBytes({}), 1, Action::Refuse, kNone, {}},
        EncodeCase{"empty_value_skipped", AnyValue(), 1, Action::Skip, kNone, {}},
        EncodeCase{"boolean_skipped", AnyValue::FromBool(true), 1, Action::Skip, kNone, {}},
        EncodeCase{"double_skipped", AnyValue::FromDouble(2.5), 1, Action::Skip, kNone, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeValue, LongTextsAreStoredWholeWithTheirTerminator) {
    for (std::size_t length : {254u, 255u, 256u, 300u, 5000u}) {
        const std::wstring text(length, L'x');
        const Encoded e = EncodeValue(AnyValue::FromText(text), 0);
        ASSERT_EQ(e.bytes.size(), 2 * length + 2) << length;
        EXPECT_EQ(e.bytes[2 * length - 2], 'x') << length;
        EXPECT_EQ(e.bytes[2 * length], 0) << length;
        EXPECT_EQ(e.bytes[2 * length + 1], 0) << length;
    }
}

// ---- Reading: the conversion by stored type.

struct DecodeCase {
    const char* name;
    std::uint32_t type;
    Bytes data;
    AnyValue expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

// Marks what went through expansion so the table shows which types are expanded.
std::wstring MarkExpanded(const std::wstring& text) { return L"<" + text + L">"; }

TEST_P(DecodeTable, GivesTheExpectedValue) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeValue(c.type, c.data, MarkExpanded), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DecodeTable,
    ::testing::Values(
        DecodeCase{"sz_drops_terminator", kSz, Ascii16(std::string("abc\0", 4)),
                   AnyValue::FromText(L"abc")},
        DecodeCase{"sz_keeps_inner_nul", kSz, Ascii16(std::string("a\0b\0", 4)),
                   AnyValue::FromText(W(L"a\0b", 3))},
        DecodeCase{"sz_drops_only_one_terminator", kSz, Ascii16(std::string("ab\0\0", 4)),
                   AnyValue::FromText(W(L"ab\0", 3))},
        DecodeCase{"sz_without_terminator_keeps_last_character", kSz, Ascii16("abc"),
                   AnyValue::FromText(L"abc")},
        DecodeCase{"sz_of_zero_bytes_is_empty_text", kSz, {}, AnyValue::FromText(L"")},
        DecodeCase{"sz_lone_terminator_is_empty_text", kSz, Bytes{0, 0}, AnyValue::FromText(L"")},
        DecodeCase{"sz_odd_trailing_byte_ignored", kSz, Bytes{'a', 0, 'b', 0, 'c'},
                   AnyValue::FromText(L"ab")},
        DecodeCase{"sz_single_byte_is_empty_text", kSz, Bytes{'a'}, AnyValue::FromText(L"")},
        DecodeCase{"sz_surrogate_pair", kSz, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0, 0},
                   AnyValue::FromText(L"\U0001F600")},
        DecodeCase{"expand_sz_is_expanded", kExpandSz, Ascii16(std::string("%x%\0", 4)),
                   AnyValue::FromText(L"<%x%>")},
        DecodeCase{"expand_sz_zero_bytes_expands_empty", kExpandSz, {}, AnyValue::FromText(L"<>")},
        DecodeCase{"sz_is_not_expanded", kSz, Ascii16(std::string("%x%\0", 4)),
                   AnyValue::FromText(L"%x%")},
        DecodeCase{"multi_sz_drops_closing_nuls", kMultiSz, Ascii16(std::string("a\0b\0\0", 5)),
                   AnyValue::FromText(W(L"a\0b", 3))},
        DecodeCase{"multi_sz_single_terminator", kMultiSz, Ascii16(std::string("abc\0", 4)),
                   AnyValue::FromText(L"abc")},
        DecodeCase{"multi_sz_keeps_empty_item_before_closing", kMultiSz,
                   Ascii16(std::string("a\0\0\0", 4)), AnyValue::FromText(W(L"a\0", 2))},
        DecodeCase{"multi_sz_zero_bytes", kMultiSz, {}, AnyValue::FromText(L"")},
        DecodeCase{"multi_sz_one_byte", kMultiSz, Bytes{0}, AnyValue::FromText(L"")},
        DecodeCase{"dword_little_endian", kDword, Bytes{0x02, 0x01, 0x00, 0x00},
                   AnyValue::FromInt32(258)},
        DecodeCase{"dword_all_bits", kDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF},
                   AnyValue::FromInt32(-1)},
        DecodeCase{"dword_extra_bytes_ignored", kDword, Bytes{1, 0, 0, 0, 9, 9},
                   AnyValue::FromInt32(1)},
        DecodeCase{"dword_short_data_reads_zero_for_missing", kDword, Bytes{0x05, 0x01},
                   AnyValue::FromInt32(261)},
        DecodeCase{"dword_zero_bytes", kDword, {}, AnyValue::FromInt32(0)},
        DecodeCase{"dword_big_endian_swapped", kDwordBigEndian, Bytes{0x00, 0x00, 0x01, 0x02},
                   AnyValue::FromInt32(258)},
        DecodeCase{"dword_big_endian_negative", kDwordBigEndian, Bytes{0x80, 0, 0, 0},
                   AnyValue::FromInt32(-2147483647 - 1)},
        DecodeCase{"binary_five_bytes", kBinary, Bytes{1, 2, 3, 4, 5},
                   AnyValue::FromBytes({1, 2, 3, 4, 5})},
        DecodeCase{"binary_zero_bytes_is_empty_array", kBinary, {}, AnyValue::FromBytes({})},
        DecodeCase{"none_as_bytes", kNone, Bytes{'a', 0}, AnyValue::FromBytes({'a', 0})},
        DecodeCase{"link_as_bytes", kLink, Bytes{7}, AnyValue::FromBytes({7})},
        DecodeCase{"qword_as_eight_bytes", kQword, Bytes{1, 2, 3, 4, 5, 6, 7, 8},
                   AnyValue::FromBytes({1, 2, 3, 4, 5, 6, 7, 8})},
        DecodeCase{"unknown_type_as_bytes", 0x12345678u, Bytes{9, 8}, AnyValue::FromBytes({9, 8})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeValue, ExpanderSeesTheTextWithoutTerminator) {
    std::vector<std::wstring> seen;
    const auto record = [&](const std::wstring& t) {
        seen.push_back(t);
        return std::wstring(L"done");
    };
    EXPECT_EQ(DecodeValue(kExpandSz, Ascii16(std::string("%a%\0", 4)), record),
              AnyValue::FromText(L"done"));
    EXPECT_EQ(DecodeValue(kSz, Ascii16(std::string("%a%\0", 4)), record),
              AnyValue::FromText(L"%a%"));
    EXPECT_EQ(DecodeValue(kMultiSz, Ascii16(std::string("%a%\0\0", 5)), record),
              AnyValue::FromText(L"%a%"));
    EXPECT_EQ(seen, std::vector<std::wstring>{L"%a%"});
}

// ---- Write then read: what the program stores it reads back unchanged.

TEST(RoundTrip, TextsSurviveEveryFlag) {
    const std::wstring texts[] = {L"",
                                  L"abc",
                                  std::wstring(300, L'\u4E2D'),
                                  L"\u00C6r\u00F8sk\u00F8bing \U0001F600",
                                  std::wstring(L"a\0b", 3),
                                  std::wstring(1000, L'z')};
    const auto identity = [](const std::wstring& t) { return t; };
    for (const std::wstring& text : texts) {
        for (int flag : {0, 1, 3}) {
            const Encoded e = EncodeValue(AnyValue::FromText(text), flag);
            EXPECT_EQ(DecodeValue(e.type, e.bytes, identity), AnyValue::FromText(text))
                << "flag " << flag << ", length " << text.size();
        }
    }
}

TEST(RoundTrip, IntegersReadBackAsInt32) {
    const struct {
        AnyValue written;
        std::int32_t read;
    } cases[] = {{AnyValue::FromUInt8(255), 255},
                 {AnyValue::FromUInt8(0), 0},
                 {AnyValue::FromInt16(-1), -1},
                 {AnyValue::FromInt16(-32768), -32768},
                 {AnyValue::FromInt32(2147483647), 2147483647}};
    for (const auto& c : cases) {
        const Encoded e = EncodeValue(c.written, 0);
        EXPECT_EQ(DecodeValue(e.type, e.bytes, nullptr), AnyValue::FromInt32(c.read)) << c.read;
    }
}

// ---- Byte order and UTF-16.

TEST(SwapDwordBytes, ReversesTheFourBytes) {
    const struct {
        std::uint32_t in, out;
    } cases[] = {{0x01020304u, 0x04030201u},
                 {0x02010000u, 0x00000102u},
                 {0x000000FFu, 0xFF000000u},
                 {0xFFFFFFFFu, 0xFFFFFFFFu},
                 {0u, 0u},
                 {0x80000000u, 0x00000080u}};
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<std::uint32_t>(SwapDwordBytes(static_cast<std::int32_t>(c.in))),
                  c.out)
            << std::hex << c.in;
        EXPECT_EQ(static_cast<std::uint32_t>(SwapDwordBytes(static_cast<std::int32_t>(c.out))),
                  c.in)
            << std::hex << c.out;
    }
}

TEST(Utf16, CharactersBeyondTheBmpBecomeSurrogatePairs) {
    EXPECT_EQ(ToUtf16(L"\U0001F600"), u"\xD83D\xDE00");
    EXPECT_EQ(ToUtf16(L"\U0010FFFF"), u"\xDBFF\xDFFF");
    EXPECT_EQ(ToUtf16(L"\U00010000"), u"\xD800\xDC00");
    EXPECT_EQ(FromUtf16(u"\xD83D\xDE00"), L"\U0001F600");
    EXPECT_EQ(FromUtf16(u"x\xDBFF\xDFFFy"), L"x\U0010FFFFy");
}

TEST(Utf16, UnpairedSurrogatesSurviveTheRoundTrip) {
    const std::u16string cases[] = {u"\xD800", u"\xDC00", u"a\xD83D", u"\xDE00\xD83D",
                                    u"\xD83D\xD83D\xDE00"};
    for (const std::u16string& units : cases)
        EXPECT_EQ(ToUtf16(FromUtf16(units)), units) << units.size();
}

TEST(Utf16, LittleEndianBytes) {
    EXPECT_EQ(Utf16LeBytes(L"A\u4E2D"), (Bytes{0x41, 0x00, 0x2D, 0x4E}));
    const Bytes bytes{0x41, 0x00, 0x2D, 0x4E, 0x7F};
    EXPECT_EQ(FromUtf16LeBytes(bytes), L"A\u4E2D");
}

}  // namespace
}  // namespace vx::reg
