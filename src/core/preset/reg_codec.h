#pragma once
// Conversion between AnyValue and the (type, bytes) pairs that the wide registry functions
// store and return. Texts travel as UTF-16LE, so nothing outside the ANSI code page is lost.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/any_value.h"

namespace vx::reg {

// Registry data type codes, as Windows numbers them.
inline constexpr std::uint32_t kNone = 0, kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4,
                               kDwordBigEndian = 5, kLink = 6, kMultiSz = 7, kQword = 11;

// The registry type a text is stored as: 1 expandable, 2 multi-string, anything else plain.
std::uint32_t TextTypeForFlag(int flag);

struct Encoded {
    enum class Action {
        Write,   // store `bytes` as `type`
        Skip,    // the empty value: write nothing, report success
        Refuse,  // a byte array without elements: write nothing, report failure
    };
    Action action = Action::Skip;
    std::uint32_t type = kNone;
    std::vector<std::uint8_t> bytes;
};

// A number becomes REG_DWORD; texts the type chosen by `flag`, as UTF-16LE with one terminator (a
// multi-string's text carries its own separators and closing NUL); byte arrays REG_BINARY.
Encoded EncodeValue(const AnyValue& value, int flag);

using Expander = std::function<std::wstring(const std::wstring&)>;

// Converts what a query returned. `data` is exactly the bytes the system reported. Texts drop
// their terminators (a plain or expandable text one, a multi-string up to two) but keep inner
// NULs; an odd trailing byte of a text is ignored; expandable texts go through `expand`.
// Numbers missing bytes read them as zero. Every other type gives its bytes as an array.
AnyValue DecodeValue(std::uint32_t type, std::span<const std::uint8_t> data,
                     const Expander& expand);

// Reverses the byte order of a 32-bit number (big-endian values are stored that way).
std::int32_t SwapDwordBytes(std::int32_t value);

// UTF-16 code units and the program's wide text. Where wchar_t is 16 bits this is a copy; where
// it is 32 bits, characters above U+FFFF become surrogate pairs and back. Unpaired surrogates
// are kept as they are, so any unit sequence survives the round trip.
std::u16string ToUtf16(std::wstring_view text);
std::wstring FromUtf16(std::u16string_view units);

std::vector<std::uint8_t> Utf16LeBytes(std::wstring_view text);
std::wstring FromUtf16LeBytes(std::span<const std::uint8_t> bytes);

}  // namespace vx::reg
