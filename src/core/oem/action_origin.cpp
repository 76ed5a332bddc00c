#include "core/oem/action_origin.h"

#include "core/texts.h"

namespace vx {

std::wstring WindowOrigin(WindowCommand command, std::wstring_view subject) {
    static constexpr const wchar_t* kWords[] = {text::kOriginApplyBrand, text::kOriginClear,
                                                text::kOriginCustom, text::kOriginOwner,
                                                text::kOriginUndo};
    std::wstring origin = std::wstring(text::kOriginWindow) + kWords[static_cast<int>(command)];
    if (!subject.empty()) origin.append(L" ").append(subject);
    return origin;
}

std::wstring CommandLineOrigin(const std::vector<std::wstring>& words) {
    std::wstring origin = text::kOriginCommandLine;
    for (size_t i = 1; i < words.size(); ++i) {
        if (i > 1) origin += L' ';
        const bool quoted = words[i].empty() || words[i].find_first_of(L" \t") != std::wstring::npos;
        origin += quoted ? L'"' + words[i] + L'"' : words[i];
    }
    return origin;
}

}  // namespace vx
