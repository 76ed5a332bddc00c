#include "core/custom_form.h"

#include "core/custom_layout.h"
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

const std::array<int, 6>& FieldBoxes() {
    // Diy5 is the logo path and Diy6 the hours, whatever order the boxes take the focus in.
    static const std::array<int, 6> boxes = {kText1, kText2, kText3, kText4, kText5, kText6};
    return boxes;
}

std::array<AnyValue, 6> HandOver(const std::function<std::wstring(int boxId)>& boxText) {
    std::array<AnyValue, 6> fields;
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i] = AnyValue::FromText(boxText(FieldBoxes()[i]));
    return fields;
}

std::wstring BitmapFilter() {
    std::wstring filter = text::kBmpFilterName;
    filter += L'\0';
    filter += text::kBmpFilterPattern;
    filter += L'\0';
    filter += L'\0';
    return filter;
}

std::wstring PictureLoadFailedMessage(const std::wstring& path) {
    return std::wstring(text::kMsgPictureLoadFailed) + L"\n" + path;
}

}  // namespace vx
