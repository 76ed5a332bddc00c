#include "core/oem/custom_form.h"

#include "core/layouts/custom_layout.h"
#include "core/texts.h"

namespace vx {

using namespace custom_ids;

const std::array<BoxHint, 6>& CustomHints() {
    static const std::array<BoxHint, 6> hints = {{
        {kText1, text::kHint1},
        {kText2, text::kHint2},
        {kText3, text::kHint3},
        {kText4, text::kHint4},
        {kText5, text::kHint5},
        {kText6, text::kHint6},
    }};
    return hints;
}

const wchar_t* HintOf(int boxId) {
    for (const BoxHint& h : CustomHints())
        if (h.boxId == boxId) return h.hint;
    return nullptr;
}

bool ClickClearsBox(std::wstring_view shown, std::wstring_view hint) { return shown == hint; }

CustomValues HandOver(const std::function<std::wstring(int boxId)>& boxText) {
    const auto box = [&](int id) { return AnyValue::FromText(boxText(id)); };
    // Text5 is the logo path and Text6 the hours, whatever order the boxes take the focus in.
    return {box(kText1), box(kText2), box(kText3), box(kText4), box(kText5), box(kText6)};
}

std::wstring BitmapFilter() {
    std::wstring filter;
    for (const wchar_t* part : {text::kBmpFilterName, text::kBmpFilterPattern,
                                text::kPictureFilterName, text::kPictureFilterPattern})
        filter += part + std::wstring(1, L'\0');
    return filter + L'\0';
}

std::wstring PictureLoadFailedMessage(const std::wstring& path) {
    return std::wstring(text::kMsgPictureLoadFailed) + L"\n" + path;
}

std::wstring PictureFaultMessage(PictureFault fault, const std::wstring& path) {
    if (fault == PictureFault::TooLarge) return text::kMsgPictureTooLarge + (L"\n" + path);
    return PictureLoadFailedMessage(path);
}

}  // namespace vx
