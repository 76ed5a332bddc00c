// The about window, opened from the main window's menu: one instance, its layout and texts,
// the version read from the main window at each load, and closing. (The link on its logo is
// shown with the other web pages.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/about_layout.h"
#include "core/layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"
#include "laid_out.h"

namespace e2e {
namespace {

using namespace vx::about_ids;

std::vector<HWND> AboutWindows(const Vendrix& app) {
    std::vector<HWND> found;
    for (HWND w : app.TopWindows())
        if (ClassOf(w) != L"#32770" && TextOf(w) == vx::text::kAboutCaption) found.push_back(w);
    return found;
}

HWND OpenAbout(const Vendrix& app, HWND main) {
    ChooseMenu(main, vx::main_ids::kMenu9);
    return app.WaitForWindow(vx::text::kAboutCaption);
}

bool InFront(HWND window) {
    return WaitUntil([&] { return ::GetForegroundWindow() == window; }, 5s);
}

TEST(AboutWindow, LaidOutWithProductWordVersionTextsAndLogo) {
    ScratchFolder folder(L"about-layout");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenuByKeyboard(main, 3);  // 关于, the last entry on the bar
    HWND about = app.WaitForWindow(vx::text::kAboutCaption);
    ASSERT_NE(about, nullptr);

    const SIZE client = ClientSize(about);
    EXPECT_EQ(client.cx, 225);
    EXPECT_EQ(client.cy, 139);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), nullptr) << "the about window has an owner";
    // The texts, filled at load, are checked one by one below.
    ExpectLaidOut(about, vx::AboutLayout(), false);
    EXPECT_EQ(TextOf(::GetDlgItem(about, kLabel4)), L"Vendrix");
    EXPECT_EQ(TextOf(::GetDlgItem(about, kVs)), L"1.5.2");
    EXPECT_EQ(TextOf(::GetDlgItem(about, kLabel2)), L"修改Win7OEM信息的小工具");
    EXPECT_EQ(TextOf(::GetDlgItem(about, kLabel3)), vx::text::kAboutThanks);
    EXPECT_EQ(TextOf(::GetDlgItem(about, kLabel1)), vx::text::kAboutNotice);
    EXPECT_EQ(TextOf(::GetDlgItem(about, kCommand1)), L"确定");

    // The whole 30 x 30 logo shows, uncut by any frame.
    HWND logo = ::GetDlgItem(about, kPicture1);
    EXPECT_EQ(ClientSize(logo).cx, 30);
    EXPECT_EQ(ClientSize(logo).cy, 30);
    EXPECT_TRUE(ShowsBitmap(logo, JoinPath(BuildFolder(), L"pictures\\maker_logo.bmp")));

    EXPECT_TRUE(InFront(about));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) == ::GetDlgItem(about, kCommand1); }, 5s));
    // The main window stays usable beside it.
    EXPECT_TRUE(::IsWindowEnabled(main));
}

struct CloseWay {
    const char* name;
    void (*close)(HWND about);
};

TEST(AboutWindow, ChosenAgainItComesForwardUnreloadedClosedAndReopenedItReloads) {
    ScratchFolder folder(L"about-twice");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    HWND about = OpenAbout(app, main);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(about, kVs)), L"1.5.2");

    ::SetForegroundWindow(main);
    ASSERT_TRUE(InFront(main));
    // A mark that a reload would overwrite.
    SetText(::GetDlgItem(about, kVs), L"stale");
    ChooseMenu(main, vx::main_ids::kMenu9);
    EXPECT_TRUE(InFront(about));
    EXPECT_EQ(AboutWindows(app), std::vector<HWND>{about});
    EXPECT_EQ(TextOf(::GetDlgItem(about, kVs)), L"stale");

    const CloseWay ways[] = {
        {"OK button", [](HWND w) { Click(::GetDlgItem(w, kCommand1)); }},
        {"Enter", [](HWND w) { PostKey(FocusOf(w), VK_RETURN); }},
        {"Esc", [](HWND w) { PostKey(FocusOf(w), VK_ESCAPE); }},
        {"close box", [](HWND w) { ::PostMessageW(w, WM_CLOSE, 0, 0); }},
    };
    for (const CloseWay& way : ways) {
        SCOPED_TRACE(way.name);
        SetText(::GetDlgItem(about, kVs), L"stale");
        way.close(about);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 5s)) << "the window stayed";
        EXPECT_TRUE(app.Running());
        about = OpenAbout(app, main);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(TextOf(::GetDlgItem(about, kVs)), L"1.5.2");
        EXPECT_EQ(AboutWindows(app).size(), 1u);
    }
}

}  // namespace
}  // namespace e2e
