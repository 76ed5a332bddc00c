#pragma once
// Window layouts as data: each control's place in twips, converted to pixels at the window's DPI.
#include <span>
#include <vector>

namespace vx {

enum class ControlKind { Label, Edit, DropDownList, Picture, Button, VerticalLine };

struct ControlDef {
    int id;  // the control's identifier in its window
    ControlKind kind;
    const wchar_t* caption;
    int left, top, width, height;  // twips from the client area's top-left corner
    int tabIndex;                  // focus order, lowest first; -1 for none
};

struct PixelRect {
    int x, y, width, height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

inline constexpr int kTwipsPerInch = 1440;

// A font by face, size in points, weight and character set (134: GB2312).
struct FontDef {
    const wchar_t* face;
    int points;
    bool bold;
    int charset;
};
// The font the boxes were drawn for: 宋体 9 pt, a 12-pixel line at 96 DPI.
inline constexpr FontDef kUiFont{L"宋体", 9, false, 134};

// Rounds to the nearest pixel: 15 twips are one pixel at 96 DPI.
int TwipsToPixels(int twips, int dpi);
PixelRect ToPixels(const ControlDef& spec, int dpi);

// The controls in the order they must be created so that Tab follows the tab indexes.
std::vector<const ControlDef*> InCreationOrder(std::span<const ControlDef> specs);

}  // namespace vx
