// The owner panel inside a real main window of this process, where its menu can be read: the
// caption of the toggle command and the selection a box gets when it receives the focus.
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

class OwnerPanelWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(program_.Main().Open(SW_SHOWNORMAL)); }
    HWND Main() { return program_.Main().hwnd(); }
    void Toggle() { ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(kMenu2, 0), 0); }

    Program program_;
};

TEST_F(OwnerPanelWindow, ToggleCaptionFollowsTheWidth) {
    const int dpi = WindowDpi(Main());
    EXPECT_EQ(MenuCaption(Main(), kMenu2), text::kMenuExpand);
    Toggle();
    EXPECT_EQ(MenuCaption(Main(), kMenu2), text::kMenuCollapse);
    EXPECT_EQ(OuterWidth(Main()), TwipsToPixels(5000, dpi));
    Toggle();
    EXPECT_EQ(MenuCaption(Main(), kMenu2), text::kMenuExpand);
    EXPECT_EQ(OuterWidth(Main()), TwipsToPixels(2600, dpi));
    // The other commands keep their places and captions.
    EXPECT_EQ(MenuCaption(Main(), kMenu3), text::kMenuUpdate);
    EXPECT_EQ(::GetMenuItemCount(::GetMenu(Main())), 4);
}

TEST_F(OwnerPanelWindow, ExactlyThreeThousandTwipsCountsAsExpanded) {
    const int dpi = WindowDpi(Main());
    RECT r;
    ::GetWindowRect(Main(), &r);
    // 3000 twips in whole pixels, rounded up so that the width is not below it.
    const int threshold = (3000 * dpi + kTwipsPerInch - 1) / kTwipsPerInch;
    ASSERT_EQ(threshold * kTwipsPerInch % dpi, 0) << "needs a DPI where 3000 twips are whole";
    ::SetWindowPos(Main(), nullptr, 0, 0, threshold, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(OuterWidth(Main()), threshold);
    Toggle();
    EXPECT_EQ(OuterWidth(Main()), TwipsToPixels(2600, dpi));
    EXPECT_EQ(MenuCaption(Main(), kMenu2), text::kMenuExpand);
}

TEST_F(OwnerPanelWindow, ABoxReceivingTheFocusSelectsAllOfIt) {
    const int boxes[] = {kText1, kText2, kText3};
    const wchar_t* texts[] = {L"abcdef", L"\u4E2D\u6587", L""};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        HWND box = program_.Main().Control(boxes[i]);
        ASSERT_NE(box, nullptr);
        ::SetFocus(program_.Main().Control(kCombolist));
        ::SetWindowTextW(box, texts[i]);
        ::SendMessageW(box, EM_SETSEL, 1, 1);
        ::SetFocus(box);
        ASSERT_EQ(::GetFocus(), box);
        DWORD start = 99, end = 99;
        ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, std::wstring(texts[i]).size());
    }
}

}  // namespace
}  // namespace vx
