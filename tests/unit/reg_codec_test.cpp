// The codec's own edge cases. The common kinds and types are checked against Wine's registry in
// the registry tests; here are the cases that only a 32-bit wchar_t (surrogate pairs) or
// malformed stored data reach.
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
    for (char c : s) out.insert(out.end(), {static_cast<std::uint8_t>(c), 0});
    return out;
}

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

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
    EXPECT_EQ(e.bytes, c.bytes);
    if (c.action == Action::Write) EXPECT_EQ(e.type, c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EncodeTable,
    ::testing::Values(
        EncodeCase{"abc_flag_negative_plain", AnyValue::FromText(L"abc"), -1, Action::Write, kSz,
                   Ascii16(std::string("abc\0", 4))},
        EncodeCase{"character_beyond_bmp_as_surrogate_pair", AnyValue::FromText(L"\U0001F600"), 0,
                   Action::Write, kSz, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0, 0}},
        EncodeCase{"int32_min", AnyValue::FromInt32(-2147483647 - 1), 0, Action::Write, kDword,
                   Bytes{0, 0, 0, 0x80}},
        EncodeCase{
            "empty_byte_array_refused", AnyValue::FromBytes({}), 1, Action::Refuse, kNone, {}},
        EncodeCase{"boolean_skipped", AnyValue::FromBool(true), 1, Action::Skip, kNone, {}}),
    kCaseName);

struct DecodeCase {
    const char* name;
    std::uint32_t type;
    Bytes data;
    AnyValue expected;
};
void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

// Marks what went through expansion so the table shows which types are expanded.
TEST_P(DecodeTable, GivesTheExpectedValue) {
    const DecodeCase& c = GetParam();
    const auto mark = [](const std::wstring& text) { return L"<" + text + L">"; };
    EXPECT_EQ(DecodeValue(c.type, c.data, mark), c.expected);
}

AnyValue Text(const wchar_t* s, std::size_t n) { return AnyValue::FromText(std::wstring(s, n)); }

INSTANTIATE_TEST_SUITE_P(
    Types, DecodeTable,
    ::testing::Values(
        DecodeCase{"sz_drops_only_one_terminator", kSz, Ascii16(std::string("ab\0\0", 4)),
                   Text(L"ab\0", 3)},
        DecodeCase{"sz_without_terminator_keeps_last_character", kSz, Ascii16("abc"),
                   AnyValue::FromText(L"abc")},
        DecodeCase{"sz_odd_trailing_byte_ignored", kSz, Bytes{'a', 0, 'b', 0, 'c'},
                   AnyValue::FromText(L"ab")},
        DecodeCase{"sz_single_byte_is_empty_text", kSz, Bytes{'a'}, AnyValue::FromText(L"")},
        DecodeCase{"sz_surrogate_pair", kSz, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0, 0},
                   AnyValue::FromText(L"\U0001F600")},
        DecodeCase{"expand_sz_expanded_without_terminator", kExpandSz,
                   Ascii16(std::string("%x%\0", 4)), AnyValue::FromText(L"<%x%>")},
        DecodeCase{"expand_sz_zero_bytes_expands_empty", kExpandSz, {}, AnyValue::FromText(L"<>")},
        DecodeCase{"sz_is_not_expanded", kSz, Ascii16(std::string("%x%\0", 4)),
                   AnyValue::FromText(L"%x%")},
        DecodeCase{"multi_sz_is_not_expanded", kMultiSz, Ascii16(std::string("%x%\0\0", 5)),
                   AnyValue::FromText(L"%x%")},
        DecodeCase{"multi_sz_keeps_empty_item_before_closing", kMultiSz,
                   Ascii16(std::string("a\0\0\0", 4)), Text(L"a\0", 2)},
        DecodeCase{"multi_sz_one_byte", kMultiSz, Bytes{0}, AnyValue::FromText(L"")},
        DecodeCase{"dword_extra_bytes_ignored", kDword, Bytes{1, 0, 0, 0, 9, 9},
                   AnyValue::FromInt32(1)},
        DecodeCase{"dword_short_data_reads_zero_for_missing", kDword, Bytes{0x05, 0x01},
                   AnyValue::FromInt32(261)},
        DecodeCase{"dword_big_endian_negative", kDwordBigEndian, Bytes{0x80, 0, 0, 0},
                   AnyValue::FromInt32(-2147483647 - 1)},
        DecodeCase{"link_as_bytes", kLink, Bytes{7}, AnyValue::FromBytes({7})},
        DecodeCase{"unknown_type_as_bytes", 0x12345678u, Bytes{9, 8}, AnyValue::FromBytes({9, 8})}),
    kCaseName);

// Here wchar_t is 32 bits, so this is the only place the surrogate conversion is exercised.
TEST(RoundTrip, TextsBeyondTheBmpSurviveEveryFlag) {
    const std::wstring texts[] = {L"\u00C6r\u00F8sk\u00F8bing \U0001F600", L"x\U0010FFFFy",
                                  L"\U00010000", std::wstring(L"a\0b", 3)};
    const auto identity = [](const std::wstring& t) { return t; };
    for (const std::wstring& text : texts) {
        for (int flag : {0, 1, 3}) {
            const Encoded e = EncodeValue(AnyValue::FromText(text), flag);
            EXPECT_EQ(DecodeValue(e.type, e.bytes, identity), AnyValue::FromText(text))
                << "flag " << flag << ", length " << text.size();
        }
    }
}

TEST(Utf16, UnpairedSurrogatesSurviveTheRoundTrip) {
    const std::u16string cases[] = {u"\xD800", u"\xDC00", u"a\xD83D", u"\xDE00\xD83D",
                                    u"\xD83D\xD83D\xDE00"};
    for (const std::u16string& units : cases)
        EXPECT_EQ(ToUtf16(FromUtf16(units)), units) << units.size();
}

}  // namespace
}  // namespace vx::reg
