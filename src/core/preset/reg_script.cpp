#include "core/preset/reg_script.h"

#include <array>
#include <cstdint>
#include <tuple>
#include <utility>

#include "core/plain_text.h"
#include "core/preset/reg_codec.h"

namespace vx {

namespace {

constexpr std::wstring_view kHeader5 = L"Windows Registry Editor Version 5.00";
constexpr std::wstring_view kHeader4 = L"REGEDIT4";

struct Root {
    std::wstring_view longName;
    std::wstring_view shortName;
};
constexpr std::array<Root, 5> kRoots = {{
    {L"HKEY_LOCAL_MACHINE", L"HKLM"},
    {L"HKEY_CURRENT_USER", L"HKCU"},
    {L"HKEY_CLASSES_ROOT", L"HKCR"},
    {L"HKEY_USERS", L"HKU"},
    {L"HKEY_CURRENT_CONFIG", L"HKCC"},
}};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool IsHex(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

size_t SkipBlanks(std::wstring_view s, size_t i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}

// Only blanks and a ';' comment from `i` on.
bool RestIsEmpty(std::wstring_view s, size_t i) {
    i = SkipBlanks(s, i);
    return i == s.size() || s[i] == L';';
}

// A quoted text from s[i] == '"': the text and the position after its closing quote.
std::optional<std::pair<std::wstring, size_t>> Quoted(std::wstring_view s, size_t i) {
    std::wstring out;
    for (++i; i < s.size(); ++i) {
        if (s[i] == L'"') return std::pair{out, i + 1};
        if (s[i] == L'\\') {
            if (i + 1 == s.size() || (s[i + 1] != L'\\' && s[i + 1] != L'"')) return std::nullopt;
            ++i;
        }
        out += s[i];
    }
    return std::nullopt;
}

// The key path with its root in the long form; nothing when the root is not one the registry has.
std::optional<std::wstring> NormalKey(std::wstring_view path) {
    const size_t slash = path.find(L'\\');
    const std::wstring_view root = path.substr(0, slash);
    std::wstring_view rest = slash == std::wstring_view::npos ? L"" : path.substr(slash);
    while (!rest.empty() && rest.back() == L'\\') rest.remove_suffix(1);
    for (const Root& r : kRoots)
        if (SameName(root, r.longName) || SameName(root, r.shortName))
            return std::wstring(r.longName) + std::wstring(rest);
    return std::nullopt;
}

enum class HexLine { End, Continues, Bad };

unsigned HexDigit(wchar_t c) { return c <= L'9' ? c - L'0' : (UpperLetter(c) - L'A' + 10); }

// The number the hex digits write (at most eight of them).
std::uint32_t HexNumber(std::wstring_view digits) {
    std::uint32_t n = 0;
    for (wchar_t c : digits) n = n << 4 | HexDigit(c);
    return n;
}

// One line of hex(...) bytes: "4c,69," and so on, appended to `bytes`; `first` when it follows
// "hex:" directly.
HexLine ReadHexLine(std::wstring_view s, bool first, std::vector<std::uint8_t>& bytes) {
    size_t i = 0;
    bool any = false;
    bool afterComma = true;
    while (i + 1 < s.size() && IsHex(s[i]) && IsHex(s[i + 1])) {
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(s[i]) << 4 | HexDigit(s[i + 1])));
        i += 2;
        any = true;
        afterComma = i < s.size() && s[i] == L',';
        if (!afterComma) break;
        ++i;
    }
    i = SkipBlanks(s, i);
    if (i < s.size() && s[i] == L'\\') {
        if (!afterComma || (!any && !first)) return HexLine::Bad;
        return RestIsEmpty(s, i + 1) ? HexLine::Continues : HexLine::Bad;
    }
    if (!any && !first) return HexLine::Bad;
    return RestIsEmpty(s, i) ? HexLine::End : HexLine::Bad;
}

class Reader {
  public:
    // `ansi`: the decoder of a script in the ANSI code page; null for a UTF-16 one.
    Reader(std::vector<std::wstring_view> lines, const AnsiDecoder* ansi)
        : lines_(std::move(lines)), ansi_(ansi) {}

    ScriptReading Read(std::wstring_view header) {
        if (lines_.empty() || lines_[0].substr(SkipBlanks(lines_[0], 0)) != header) return Bad(0);
        for (at_ = 1; at_ < lines_.size(); ++at_) {
            const std::wstring_view line = lines_[at_];
            if (line.find(L'\0') != std::wstring_view::npos) return Bad(at_);
            const size_t i = SkipBlanks(line, 0);
            if (i == line.size() || line[i] == L';' || line[i] == L'#') continue;
            const bool read = line[i] == L'[' ? Key(line, i) : Value(line, i);
            if (!read) return Bad(at_);
        }
        return std::move(reading_);
    }

  private:
    bool Key(std::wstring_view s, size_t open) {
        const size_t close = s.rfind(L']');
        if (close == std::wstring_view::npos || close <= open || !RestIsEmpty(s, close + 1))
            return false;
        std::wstring_view name = s.substr(open + 1, close - open - 1);
        const bool deletes = !name.empty() && name[0] == L'-';
        if (deletes) name.remove_prefix(1);
        if (name.empty() || IsBlank(name[0])) return false;
        const std::optional<std::wstring> key = NormalKey(name);
        if (!key) return false;
        reading_.changes.push_back({*key, std::nullopt, deletes, {}, {}});
        // Values after a deleted key are not written anywhere.
        key_ = deletes ? std::nullopt : key;
        return true;
    }

    bool Value(std::wstring_view s, size_t i) {
        std::wstring name;
        if (s[i] == L'@') {
            ++i;
        } else if (s[i] == L'"') {
            auto quoted = Quoted(s, i);
            if (!quoted) return false;
            std::tie(name, i) = *quoted;
        } else {
            return false;
        }
        i = SkipBlanks(s, i);
        if (!key_ || i == s.size() || s[i] != L'=') return false;
        i = SkipBlanks(s, i + 1);
        const std::wstring_view data = s.substr(i);
        bool deletes = false;
        bool read = false;
        std::wstring text;
        RawValue value{true, reg::kBinary, {}};
        if (data.starts_with(L'-')) {
            deletes = true;
            value = {};
            read = RestIsEmpty(data, 1);
        } else if (data.starts_with(L'"')) {
            const auto quoted = Quoted(data, 0);
            read = quoted && RestIsEmpty(data, quoted->second);
            if (read) text = quoted->first;
            value = {true, reg::kSz, reg::Utf16LeBytes(std::wstring_view(text.c_str(), text.size() + 1))};
        } else if (data.starts_with(L"dword:")) {
            size_t digits = 6;
            while (digits < data.size() && IsHex(data[digits])) ++digits;
            read = digits > 6 && digits <= 14 && RestIsEmpty(data, digits);
            const std::uint32_t n = read ? HexNumber(data.substr(6, digits - 6)) : 0;
            value = {true, reg::kDword, {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16),
                                         std::uint8_t(n >> 24)}};
        } else if (data.starts_with(L"hex:")) {
            read = Hex(data.substr(4), value.bytes);
        } else if (data.starts_with(L"hex(")) {
            size_t digits = 4;
            while (digits < data.size() && IsHex(data[digits])) ++digits;
            read = digits > 4 && digits <= 12 && data.substr(digits).starts_with(L"):") &&
                   Hex(data.substr(digits + 2), value.bytes);
            value.type = read ? HexNumber(data.substr(4, digits - 4)) : 0;
            // The import reads an ANSI script's expandable and multiple texts as ANSI text.
            if (read && ansi_ && (value.type == reg::kExpandSz || value.type == reg::kMultiSz)) {
                const std::string bytes(value.bytes.begin(), value.bytes.end());
                value.bytes = reg::Utf16LeBytes((*ansi_)(bytes));
            }
        }
        if (read) reading_.changes.push_back({*key_, name, deletes, std::move(text), std::move(value)});
        return read;
    }

    // The bytes, following continuation lines; a failure is reported at the line it met.
    bool Hex(std::wstring_view first, std::vector<std::uint8_t>& bytes) {
        HexLine state = ReadHexLine(first, true, bytes);
        while (state == HexLine::Continues) {
            size_t next = at_ + 1;
            size_t i = 0;
            // The lines skipped here, comments included, are held to the NUL rule as well.
            for (; next < lines_.size(); ++next) {
                if (lines_[next].find(L'\0') != std::wstring_view::npos) {
                    at_ = next;
                    return false;
                }
                i = SkipBlanks(lines_[next], 0);
                if (i < lines_[next].size() && lines_[next][i] != L';') break;
            }
            // A script that ends inside a continuation is cut short.
            if (next == lines_.size()) return false;
            at_ = next;
            state = ReadHexLine(lines_[at_].substr(i), false, bytes);
        }
        return state == HexLine::End;
    }

    ScriptReading Bad(size_t index) {
        ScriptReading bad;
        bad.badLine = static_cast<int>(index) + 1;
        if (index < lines_.size()) bad.badText = lines_[index];
        // A NUL would end the text wherever it is shown.
        for (wchar_t& c : bad.badText)
            if (c == L'\0') c = L'?';
        return bad;
    }

    std::vector<std::wstring_view> lines_;
    const AnsiDecoder* ansi_;
    size_t at_ = 0;
    std::optional<std::wstring> key_;
    ScriptReading reading_;
};

}  // namespace

ScriptReading ReadRegScript(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
    if (bytes.starts_with("\xFF\xFE")) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        std::wstring text = reg::FromUtf16LeBytes({data + 2, (bytes.size() - 2) / 2 * 2});
        // A byte left over is no UTF-16 character: the line it ends in cannot be read.
        if (bytes.size() % 2) text += L'\0';
        return Reader(SplitLines(text), nullptr).Read(kHeader5);
    }
    const std::wstring text = decodeAnsi(bytes);
    return Reader(SplitLines(text), &decodeAnsi).Read(kHeader4);
}

}  // namespace vx
