// Every label's text fits its box at 96, 120 and 144 DPI, measured in the font the program
// gives that label: a box drawn for a shorter line clips the text's bottom or its end.
#include <gtest/gtest.h>

#include <cwchar>
#include <span>

#include "core/about_layout.h"
#include "core/custom_layout.h"
#include "core/info_layout.h"
#include "core/main_layout.h"
#include "system/controls.h"
#include "system/handles.h"

namespace vx {
namespace {

TEST(LabelFitTest, EveryLabelFitsItsBoxAtEachDpi) {
    const struct {
        const char* window;
        std::span<const ControlDef> layout;
    } windows[] = {{"main", MainLayout()},
                   {"custom", CustomLayout()},
                   {"about", AboutLayout()},
                   {"info", InfoLayout()}};
    HDC dc = ::GetDC(nullptr);
    for (int dpi : {96, 120, 144}) {
        UniqueFont ui(CreateUiFont(dpi)), productWord(CreateFontFrom(kProductWordFont, dpi));
        for (const auto& [window, layout] : windows) {
            for (const ControlDef& label : layout) {
                if (label.kind != ControlKind::Label) continue;
                const bool isProductWord =
                    layout.data() == AboutLayout().data() && label.id == about_ids::kLabel4;
                ::SelectObject(dc, isProductWord ? productWord.get() : ui.get());
                SIZE text{};
                ::GetTextExtentPoint32W(dc, label.caption,
                                        static_cast<int>(std::wcslen(label.caption)), &text);
                const int width = TwipsToPixels(label.width, dpi);
                const int height = TwipsToPixels(label.height, dpi);
                EXPECT_TRUE(text.cx <= width && text.cy <= height)
                    << window << " " << label.name << " at " << dpi << " DPI: text " << text.cx
                    << "x" << text.cy << ", box " << width << "x" << height;
            }
        }
    }
    ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    ::ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace vx
