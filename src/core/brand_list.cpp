#include "core/brand_list.h"

#include "core/texts.h"

namespace vx {

namespace {

template <typename Char>
std::vector<std::basic_string<Char>> SplitLines(std::basic_string_view<Char> text) {
    std::vector<std::basic_string<Char>> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const Char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        // CR LF is one line end; any other CR or LF is one on its own.
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

std::vector<std::string> SplitListLines(std::string_view bytes) { return SplitLines(bytes); }

std::vector<std::wstring> SplitListLines(std::wstring_view text) { return SplitLines(text); }

SelectionKind KindOf(std::wstring_view entry) {
    if (entry == text::kCustomEntry) return SelectionKind::Custom;
    if (entry == text::kClearEntry) return SelectionKind::Clear;
    return SelectionKind::Brand;
}

std::wstring ListFilePath(const std::wstring& programFolder) {
    return programFolder + text::kListFileSuffix;
}

std::wstring PresetFolder(const std::wstring& programFolder, const std::wstring& brand) {
    return programFolder + text::kPresetRootSuffix + brand;
}

std::wstring PresetLogoPath(const std::wstring& programFolder, const std::wstring& brand) {
    return PresetFolder(programFolder, brand) + text::kPresetLogoSuffix;
}

}  // namespace vx
