#include "core/command/json.h"

#include "core/preset/reg_codec.h"

namespace vx {

namespace {

constexpr wchar_t kHex[] = L"0123456789abcdef";

std::wstring Member(std::wstring_view name, const std::wstring& json) {
    return JsonString(name) + L":" + json;
}

std::wstring ValueOrNull(const RawValue& v) { return v.exists ? JsonString(ShownValue(v)) : L"null"; }

}  // namespace

std::wstring JsonString(std::wstring_view text) {
    std::wstring out = L"\"";
    // UTF-16 units: a character beyond U+FFFF is its surrogate pair, as JSON writes it.
    for (char16_t u : reg::ToUtf16(text)) {
        if (u == u'"' || u == u'\\') {
            out += L'\\';
            out += static_cast<wchar_t>(u);
        } else if (u >= 0x20 && u < 0x7F) {
            out += static_cast<wchar_t>(u);
        } else {
            out += L"\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 15];
        }
    }
    return out + L"\"";
}

std::wstring JsonOfNamedLines(const std::vector<std::wstring>& lines) {
    std::wstring out;
    for (const std::wstring& line : lines) {
        const size_t equals = line.find(L'=');
        out += (out.empty() ? L"{" : L",") + Member(line.substr(0, equals), JsonString(line.substr(equals + 1)));
    }
    return out.empty() ? L"{}" : out + L"}";
}

std::wstring JsonOfComparison(const Comparison& c) {
    std::wstring changes;
    for (const ValueChange& v : c.changes)
        changes += (changes.empty() ? L"" : L",") + (L"{" + Member(L"name", JsonString(v.name)) + L"," +
                                                     Member(L"from", ValueOrNull(v.from)) + L"," +
                                                     Member(L"to", ValueOrNull(v.to)) + L"}");
    std::wstring out = L"{" + Member(L"changes", L"[" + changes + L"]");
    if (c.logo != LogoChange::Untouched) out += L"," + Member(L"logo", JsonString(LogoWord(c.logo)));
    return out + L"}";
}

std::wstring JsonOfRestorePoints(const std::vector<RestorePoint>& points) {
    std::wstring list;
    for (const RestorePoint& p : points)
        list += (list.empty() ? L"" : L",") +
                (L"{" + Member(L"name", JsonString(p.name)) + L"," + Member(L"madeBy", JsonString(p.origin)) + L"}");
    return L"{" + Member(L"restorePoints", L"[" + list + L"]") + L"}";
}

}  // namespace vx
