#include "core/plain_text.h"

namespace vx {

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

wchar_t UpperLetter(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
        (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) || (c >= 0x430 && c <= 0x44F) ||
        (c >= 0xFF41 && c <= 0xFF5A))
        return static_cast<wchar_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
    if (c == 0xFF) return 0x178;
    if (c == 0x3C2) return 0x3A3;  // the final sigma
    // Latin Extended-A pairs each capital with the letter after it, in two odd and two even runs.
    const bool odd = (c > 0x100 && c < 0x138 && c != 0x131) || (c > 0x14A && c < 0x178);
    const bool even = (c > 0x139 && c < 0x149) || (c > 0x179 && c < 0x17F);
    return (odd && c % 2) || (even && c % 2 == 0) ? static_cast<wchar_t>(c - 1) : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperLetter(a[i]) != UpperLetter(b[i])) return false;
    return true;
}

}  // namespace vx
