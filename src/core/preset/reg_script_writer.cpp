#include "core/preset/reg_script_writer.h"

#include "core/preset/reg_codec.h"
#include "core/texts.h"

namespace vx {

namespace {

constexpr const wchar_t* kHexDigits = L"0123456789abcdef";
// Where the system's own export breaks a hex line.
constexpr size_t kHexLineLimit = 76;

std::wstring Quoted(const std::wstring& text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"') out += L'\\';
        out += c;
    }
    return out + L'"';
}

// A plain text goes in quotes only when importing the quotes gives back the same bytes: one
// terminator, no inner NUL and no line break (which would end the script's line).
bool FitsQuotes(const RawValue& v, std::wstring* text) {
    if (v.type != reg::kSz || v.bytes.size() < 2 || v.bytes.size() % 2 != 0) return false;
    const size_t n = v.bytes.size();
    if (v.bytes[n - 1] != 0 || v.bytes[n - 2] != 0) return false;
    *text = reg::FromUtf16LeBytes(std::span(v.bytes).first(n - 2));
    return text->find_first_of(std::wstring(L"\0\r\n", 3)) == std::wstring::npos;
}

std::wstring HexPrefix(std::uint32_t type) {
    if (type == reg::kBinary) return L"hex:";
    std::wstring digits;
    do {
        digits.insert(digits.begin(), kHexDigits[type % 16]);
        type /= 16;
    } while (type != 0);
    return L"hex(" + digits + L"):";
}

}  // namespace

std::wstring RegDataText(const RawValue& value) {
    std::wstring text;
    if (FitsQuotes(value, &text)) return Quoted(text);
    std::wstring out = HexPrefix(value.type);
    // The line's length so far; the name and `=` before the data are counted roughly.
    size_t line = out.size() + 16;
    for (size_t i = 0; i < value.bytes.size(); ++i) {
        out += kHexDigits[value.bytes[i] >> 4];
        out += kHexDigits[value.bytes[i] & 15];
        line += 2;
        if (i + 1 == value.bytes.size()) break;
        out += L',';
        if (++line < kHexLineLimit) continue;
        out += L"\\\r\n  ";
        line = 2;
    }
    return out;
}

std::wstring RegValueLine(const std::wstring& name, const RawValue& value) {
    return Quoted(name) + L'=' + (value.exists ? RegDataText(value) : L"-") + L"\r\n";
}

std::wstring RegScriptText(std::span<const NamedValue> values) {
    std::wstring out = L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\";
    out += text::kOemKey;
    out += L"]\r\n";
    for (const NamedValue& v : values) out += RegValueLine(v.name, v.value);
    return out + L"\r\n";
}

std::vector<std::uint8_t> RegScriptFile(std::span<const NamedValue> values) {
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    const std::vector<std::uint8_t> body = reg::Utf16LeBytes(RegScriptText(values));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

}  // namespace vx
