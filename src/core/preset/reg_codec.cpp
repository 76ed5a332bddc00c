#include "core/preset/reg_codec.h"

namespace vx::reg {

namespace {

bool IsHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void AppendDword(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// The first four bytes, little-endian; bytes the value does not have count as zero.
std::int32_t ReadDword(std::span<const std::uint8_t> data) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i) v |= std::uint32_t{data[i]} << (8 * i);
    return static_cast<std::int32_t>(v);
}

// Drops at most `count` trailing NULs: what terminated the stored text, never its content.
std::u16string_view DropTerminators(std::u16string_view units, int count) {
    for (int i = 0; i < count && !units.empty() && units.back() == u'\0'; ++i)
        units.remove_suffix(1);
    return units;
}

std::u16string UnitsOf(std::span<const std::uint8_t> bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return units;
}

}  // namespace

std::uint32_t TextTypeForFlag(int flag) {
    if (flag == 1) return kExpandSz;
    if (flag == 2) return kMultiSz;
    return kSz;
}

Encoded EncodeValue(const AnyValue& value, int flag) {
    Encoded out;
    switch (value.kind()) {
        case AnyValue::Kind::Int32:
            out.action = Encoded::Action::Write;
            out.type = kDword;
            AppendDword(out.bytes, static_cast<std::uint32_t>(value.AsInt32()));
            return out;
        case AnyValue::Kind::Text:
            out.action = Encoded::Action::Write;
            out.type = TextTypeForFlag(flag);
            out.bytes = Utf16LeBytes(value.AsText());
            // The whole text and its terminator: readers expect a terminated string.
            out.bytes.push_back(0);
            out.bytes.push_back(0);
            return out;
        case AnyValue::Kind::Bytes:
            if (value.AsBytes().empty()) {
                out.action = Encoded::Action::Refuse;
                return out;
            }
            out.action = Encoded::Action::Write;
            out.type = kBinary;
            out.bytes = value.AsBytes();
            return out;
        case AnyValue::Kind::Empty:
            return out;
    }
    return out;
}

AnyValue DecodeValue(std::uint32_t type, std::span<const std::uint8_t> data,
                     const Expander& expand) {
    switch (type) {
        case kSz:
            return AnyValue::FromText(FromUtf16(DropTerminators(UnitsOf(data), 1)));
        case kExpandSz: {
            std::wstring text = FromUtf16(DropTerminators(UnitsOf(data), 1));
            return AnyValue::FromText(expand ? expand(text) : text);
        }
        case kMultiSz:
            return AnyValue::FromText(FromUtf16(DropTerminators(UnitsOf(data), 2)));
        case kDword:
            return AnyValue::FromInt32(ReadDword(data));
        case kDwordBigEndian:
            return AnyValue::FromInt32(SwapDwordBytes(ReadDword(data)));
        default:
            return AnyValue::FromBytes(std::vector<std::uint8_t>(data.begin(), data.end()));
    }
}

std::int32_t SwapDwordBytes(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>((v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) |
                                     (v << 24));
}

std::u16string ToUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        const auto c = static_cast<std::uint32_t>(ch);
        if constexpr (sizeof(wchar_t) == 2) {
            out.push_back(static_cast<char16_t>(c));
        } else if (c <= 0xFFFF) {
            out.push_back(static_cast<char16_t>(c));
        } else if (c <= 0x10FFFF) {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(u'\uFFFD');  // not a character at all
        }
    }
    return out;
}

std::wstring FromUtf16(std::u16string_view units) {
    std::wstring out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t u = units[i];
        if constexpr (sizeof(wchar_t) == 2) {
            out.push_back(static_cast<wchar_t>(u));
        } else if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            const std::uint32_t low = units[++i];
            out.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00)));
        } else {
            out.push_back(static_cast<wchar_t>(u));
        }
    }
    return out;
}

std::vector<std::uint8_t> Utf16LeBytes(std::wstring_view text) {
    const std::u16string units = ToUtf16(text);
    std::vector<std::uint8_t> out;
    out.reserve(units.size() * 2);
    for (char16_t u : units) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

std::wstring FromUtf16LeBytes(std::span<const std::uint8_t> bytes) {
    return FromUtf16(UnitsOf(bytes));
}

}  // namespace vx::reg
