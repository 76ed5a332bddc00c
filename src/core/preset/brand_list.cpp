#include "core/preset/brand_list.h"

#include "core/texts.h"

namespace vx {

std::vector<std::wstring> SplitListLines(std::wstring_view text) {
    const std::vector<std::wstring_view> lines = SplitLines(text);
    return {lines.begin(), lines.end()};
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
