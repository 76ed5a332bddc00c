#pragma once
// Builds a window's controls from its layout table, and the picture box they use.
#include <windows.h>

#include <map>
#include <span>
#include <string>

#include "core/layouts/layout.h"

namespace vx {

// Sent to a picture box: WPARAM is the HBITMAP to show (not owned; 0 shows nothing).
inline constexpr UINT kPictureSetBitmap = WM_APP + 1;
// Sent by a picture box to its parent as WM_COMMAND code when it is clicked.
inline constexpr WORD kPictureClicked = 0x0F01;
inline constexpr const wchar_t* kPictureClass = L"VendrixPicture";

struct ControlOptions {
    int linkId = 0;  // a picture that takes the focus and answers Enter and Space as a click
};

// Creates every control of `specs` as a child of `parent`, in tab order, at the parent's DPI,
// with `font`. Returns the controls by identifier.
std::map<int, HWND> CreateControls(HWND parent, std::span<const ControlDef> specs, HFONT font,
                                   const ControlOptions& options = {});

// `spec` at `dpi`. Its size is the line's height: a face standing in for a missing 宋体 then
// keeps the line the boxes were drawn for.
HFONT CreateFontFrom(const FontDef& spec, int dpi);
// The font the program's controls use at `dpi`: kUiFont. The message font of a Chinese
// Windows 7 (微软雅黑, a 16-pixel line) would not fit the 12-pixel labels.
HFONT CreateUiFont(int dpi);

std::wstring ControlText(HWND control);

// The control with this identifier among those CreateControls made; null if there is none.
HWND FindControl(const std::map<int, HWND>& controls, int id);

}  // namespace vx
