// The about window built in this process: the fonts its labels really got, which no other
// process can read.
#include "aboutwindow/about_window.h"

#include <gtest/gtest.h>

#include <string>

#include "core/about_layout.h"
#include "system/window.h"

namespace vx {
namespace {

using namespace about_ids;

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr);
    if (handle) ::GetObjectW(handle, sizeof font, &font);
    return font;
}

TEST(AboutWindowTest, ProductWordInBoldSongTiGb2312NinePoints) {
    AboutWindow about{[] { return std::wstring(L"1.5.2"); }, [] {}};
    about.Show();
    ASSERT_TRUE(about.IsOpen());
    const LOGFONTW word = FontOf(about.Control(kLabel4));
    EXPECT_EQ(std::wstring(word.lfFaceName), L"宋体");
    EXPECT_EQ(word.lfWeight, FW_BOLD);
    EXPECT_EQ(word.lfCharSet, 134);
    EXPECT_EQ(word.lfHeight, ::MulDiv(9, WindowDpi(about.hwnd()), 72));
    // Every other label keeps the window's ordinary font.
    for (int id : {kVs, kLabel2, kLabel3, kLabel1})
        EXPECT_NE(FontOf(about.Control(id)).lfWeight, FW_BOLD) << id;
}

}  // namespace
}  // namespace vx
