// The owner panel inside a real main window of this process, where its menu can be read: the
// caption of the toggle command follows the window's outer width.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/window.h"

namespace vx {
namespace {

using namespace main_ids;

std::wstring MenuCaption(HWND window, int command) {
    wchar_t caption[64] = {};
    ::GetMenuStringW(::GetMenu(window), command, caption, 64, MF_BYCOMMAND);
    return caption;
}

int OuterWidth(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    return r.right - r.left;
}

TEST(OwnerPanelWindow, ToggleCaptionFollowsTheWidthAndExactly3000TwipsCountsAsExpanded) {
    Program program;
    ASSERT_TRUE(program.Main().Open(SW_SHOWNORMAL));
    HWND main = program.Main().hwnd();
    const int dpi = WindowDpi(main);
    EXPECT_EQ(MenuCaption(main, kMenu2), text::kMenuExpand);

    // 3000 twips in whole pixels, rounded up so that the width is not below it.
    const int threshold = (3000 * dpi + kTwipsPerInch - 1) / kTwipsPerInch;
    ASSERT_EQ(threshold * kTwipsPerInch % dpi, 0) << "needs a DPI where 3000 twips are whole";
    RECT r;
    ::GetWindowRect(main, &r);
    ::SetWindowPos(main, nullptr, 0, 0, threshold, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(OuterWidth(main), threshold);

    // From exactly 3000 twips the toggle collapses, then it goes back and forth.
    const struct {
        int width;
        const wchar_t* caption;
    } steps[] = {{2600, text::kMenuExpand}, {5000, text::kMenuCollapse}, {2600, text::kMenuExpand}};
    for (const auto& step : steps) {
        ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(kMenu2, 0), 0);
        EXPECT_EQ(OuterWidth(main), TwipsToPixels(step.width, dpi));
        EXPECT_EQ(MenuCaption(main, kMenu2), step.caption);
    }
    // The other commands keep their places and captions.
    EXPECT_EQ(MenuCaption(main, kMenu3), text::kMenuUpdate);
    EXPECT_EQ(::GetMenuItemCount(::GetMenu(main)), 4);
}

// Tabbing into an edit box selects it anyway; this catches our handler for any way of focusing.
TEST(OwnerPanelWindow, ABoxReceivingTheFocusSelectsAllOfIt) {
    Program program;
    ASSERT_TRUE(program.Main().Open(SW_SHOWNORMAL));
    for (int id : {kText1, kText2, kText3}) {
        HWND box = program.Main().Control(id);
        ::SetFocus(program.Main().Control(kCombolist));
        ::SetWindowTextW(box, L"ab\u4E2D\u6587");
        ::SendMessageW(box, EM_SETSEL, 1, 1);
        ::SetFocus(box);
        DWORD start = 99, end = 99;
        ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << id;
        EXPECT_EQ(end, 4u) << id;
    }
}

}  // namespace
}  // namespace vx
