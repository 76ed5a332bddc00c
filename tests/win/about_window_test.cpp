// The about window built in this process: the fonts its labels really got, the version read
// through its callback on every load, and its closing.
#include "aboutwindow/about_window.h"

#include <gtest/gtest.h>

#include <string>

#include "core/about_layout.h"
#include "system/controls.h"
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

class AboutWindowTest : public ::testing::Test {
  protected:
    std::wstring version_ = L"1.5.2";
    int closed_ = 0;
    AboutWindow about_{[this] { return version_; }, [this] { ++closed_; }};
};

TEST_F(AboutWindowTest, ProductWordInBoldSongTiGb2312NinePoints) {
    about_.Show();
    ASSERT_TRUE(about_.IsOpen());
    const LOGFONTW word = FontOf(about_.Control(kLabel4));
    EXPECT_EQ(std::wstring(word.lfFaceName), L"宋体");
    EXPECT_EQ(word.lfWeight, FW_BOLD);
    EXPECT_EQ(word.lfCharSet, 134);
    EXPECT_EQ(word.lfHeight, -::MulDiv(9, WindowDpi(about_.hwnd()), 72));
    // Every other label keeps the window's ordinary font.
    for (int id : {kVs, kLabel2, kLabel3, kLabel1}) {
        const LOGFONTW other = FontOf(about_.Control(id));
        EXPECT_NE(std::wstring(other.lfFaceName), L"宋体") << id;
        EXPECT_NE(other.lfWeight, FW_BOLD) << id;
    }
}

TEST_F(AboutWindowTest, VersionIsReadOnEveryLoadAndOnlyThen) {
    about_.Show();
    EXPECT_EQ(ControlText(about_.Control(kVs)), L"1.5.2");

    version_ = L"9.9.9";
    about_.Show();  // open: only brought forward
    EXPECT_EQ(ControlText(about_.Control(kVs)), L"1.5.2");

    ::SendMessageW(about_.hwnd(), WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), 0);
    EXPECT_FALSE(about_.IsOpen());
    EXPECT_EQ(closed_, 1);

    about_.Show();
    ASSERT_TRUE(about_.IsOpen());
    EXPECT_EQ(ControlText(about_.Control(kVs)), L"9.9.9");
}

TEST_F(AboutWindowTest, ClosingReleasesTheControlsAndKeepsTheInstance) {
    about_.Show();
    HWND label = about_.Control(kLabel4);
    ::SendMessageW(about_.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(label));
    EXPECT_EQ(about_.Control(kLabel4), nullptr);
    EXPECT_EQ(closed_, 1);
    about_.Show();
    EXPECT_NE(about_.Control(kLabel4), nullptr);
}

}  // namespace
}  // namespace vx
