#include "core/brand_list.h"

#include "core/texts.h"

namespace vx {

std::vector<std::string> SplitListLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        // CR LF is one line end; any other CR or LF is one on its own.
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

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
