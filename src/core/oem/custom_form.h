#pragma once
// What the custom window does with its boxes, apart from the window itself: the hint of each
// box, when a click removes it, how the boxes become the six fields, and the browse texts.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/oem/apply_actions.h"
#include "core/oem/picture_fit.h"

namespace vx {

struct BoxHint {
    int boxId;
    const wchar_t* hint;
};

// The boxes with their hints, in the order the window loads them (the custom values' order).
const std::array<BoxHint, 6>& CustomHints();

// The hint of a box; null for an identifier that is not one of the six boxes.
const wchar_t* HintOf(int boxId);

// A mouse click removes the hint only while the box shows exactly it: whole string,
// case-sensitive, character by character.
bool ClickClearsBox(std::wstring_view shown, std::wstring_view hint);

// The box texts handed over on OK, unchanged, as the six custom values.
CustomValues HandOver(const std::function<std::wstring(int boxId)>& boxText);

// The Open File dialog's filter in the system's doubly terminated form: "(Windows位图)" with
// "*.bmp" first, the default, then every picture the logo can be made from.
std::wstring BitmapFilter();

// The message for a chosen file that cannot be loaded as a picture.
std::wstring PictureLoadFailedMessage(const std::wstring& path);
// The message for a chosen file that cannot become the logo, by why.
std::wstring PictureFaultMessage(PictureFault fault, const std::wstring& path);

}  // namespace vx
