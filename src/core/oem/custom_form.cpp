#include "core/oem/custom_form.h"

#include "core/layouts/custom_layout.h"
#include "core/texts.h"

namespace vx {

using namespace custom_ids;

const std::array<BoxHint, 6>& CustomHints() {
    static const std::array<BoxHint, 6> hints = {{
        {kManufacturerBox, text::kManufacturerHint},
        {kModelBox, text::kModelHint},
        {kSupportUrlBox, text::kSupportUrlHint},
        {kSupportPhoneBox, text::kSupportPhoneHint},
        {kLogoPathBox, text::kLogoPathHint},
        {kSupportHoursBox, text::kSupportHoursHint},
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
    return {box(kManufacturerBox), box(kModelBox),    box(kSupportUrlBox),
            box(kSupportPhoneBox), box(kLogoPathBox), box(kSupportHoursBox)};
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
