// Every label's text, and every hint in the box that shows it, fits at 96, 120 and 144 DPI,
// measured in the font the program gives it: a box drawn for a shorter line clips the text.
#include <gtest/gtest.h>

#include <cwchar>

#include "core/layouts/about_layout.h"
#include "core/oem/custom_form.h"
#include "core/layouts/custom_layout.h"
#include "core/layouts/info_layout.h"
#include "core/layouts/main_layout.h"
#include "system/controls.h"
#include "system/handles.h"

namespace vx {
namespace {

TEST(LabelFitTest, EveryLabelAndHintFitsItsBoxAtEachDpi) {
    HDC dc = ::GetDC(nullptr);
    for (int dpi : {96, 120, 144}) {
        UniqueFont ui(CreateUiFont(dpi)), productWord(CreateFontFrom(kProductWordFont, dpi));
        for (const auto layout : {MainLayout(), CustomLayout(), AboutLayout(), InfoLayout()}) {
            for (const ControlDef& c : layout) {
                const wchar_t* hint =
                    layout.data() == CustomLayout().data() ? HintOf(c.id) : nullptr;
                if (c.kind != ControlKind::Label && !hint) continue;
                const bool isProductWord =
                    layout.data() == AboutLayout().data() && c.id == about_ids::kProductLabel;
                ::SelectObject(dc, isProductWord ? productWord.get() : ui.get());
                const wchar_t* text = hint ? hint : c.caption;
                SIZE size{};
                ::GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
                // A box shows its text within its frame and margins: its formatting rectangle.
                const PixelRect box = ToPixels(c, dpi);
                RECT room{0, 0, box.width, box.height};
                if (hint) {
                    HWND edit =
                        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_POPUP, 0, 0, box.width,
                                          box.height, nullptr, nullptr, nullptr, nullptr);
                    ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(ui.get()), FALSE);
                    ::SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
                    ::DestroyWindow(edit);
                }
                EXPECT_TRUE(size.cx <= room.right - room.left && size.cy <= room.bottom - room.top)
                    << "control " << c.id << " " << text << " at " << dpi << " DPI: text "
                    << size.cx << "x" << size.cy << ", room " << room.right - room.left << "x"
                    << room.bottom - room.top;
            }
        }
    }
    ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    ::ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace vx
