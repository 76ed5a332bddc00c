// While the program works (checks or imports a large preset, opens a page), its window answers.
#include <gtest/gtest.h>

#include <optional>

#include "core/layouts/about_layout.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "driver.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;
using namespace vx::main_ids;
namespace text = vx::text;

struct Responsive : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        DeleteRegKeyTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\VendrixProbe");
        RemoveTree(JoinPath(WindowsFolder(), L"system32\\oem"));
    }
    void Start(const ScratchFolder& folder) {
        folder.AddSamplePresets();
        app_.emplace(folder.path());
        ASSERT_NE(main_ = app_->Main(), nullptr);
    }
    // Sends the window WM_NULL until `done`, counting answers within 500 ms and misses.
    void ProbeUntil(const std::function<bool()>& done) {
        DWORD_PTR r = 0;
        const auto answers = [&] {
            return ::SendMessageTimeoutW(main_, WM_NULL, 0, 0, 0, 500, &r);
        };
        WaitUntil([&] { return done() || (++(answers() ? answered_ : missed_), false); }, 60s);
    }
    std::optional<Vendrix> app_;
    HWND main_ = nullptr;
    int answered_ = 0, missed_ = 0;
};

// 60,000 values beyond the OEM information: checked in linear time, imported in about six seconds.
TEST_F(Responsive, ALargePresetAsksWithinThreeSecondsAndTheWindowAnswersThroughout) {
    ScratchFolder folder(L"responsive");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    std::string script = "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VendrixProbe]\r\n";
    for (int i = 0; i < 60000; ++i) script += "\"V" + std::to_string(i) + "\"=\"x\"\r\n";
    folder.WriteFile(L"oemdata\\Kestrel\\oem.reg", script);
    // Each window open meanwhile is disabled with the main one, and enabled again after.
    HWND list = ::GetDlgItem(main_, kCombolist);
    PickEntry(list, 3);
    for (int menu : {kMenuSaveAsPreset, kMenuAbout}) ChooseMenu(main_, menu);
    const HWND windows[] = {main_, app_->WaitForWindow(text::kCustomCaption),
                            app_->WaitForWindow(text::kInfoCaption),
                            app_->WaitForWindow(text::kAboutCaption)};
    const auto allEnabled = [&](bool yes) {
        return std::ranges::all_of(windows, [&](HWND w) { return !::IsWindowEnabled(w) == !yes; });
    };
    PickEntry(list, 2);
    Click(::GetDlgItem(main_, kOk));
    const auto clicked = Clock::now();
    MessageBoxInfo box;
    ProbeUntil([&] { return (box = WaitMessageBox(*app_, 0ms)).hwnd != nullptr; });
    EXPECT_TRUE(Clock::now() - clicked < 3s) << "asked late";
    EXPECT_NE(box.text.find(L"\n等 60000 处\n"), std::wstring::npos) << "the count shown";
    PressButton(box, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return allEnabled(false); })) << "one is enabled";
    ProbeUntil([&] { return ::IsWindowEnabled(main_) || WaitMessageBox(*app_, 0ms).hwnd; });
    EXPECT_TRUE(missed_ == 0 && answered_ >= 10) << missed_ << " missed, " << answered_;
    box = WaitMessageBox(*app_);
    EXPECT_EQ(box.text, text::kMsgBrandDone);
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return allEnabled(true); }));
    EXPECT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\VendrixProbe", L"V59999").exists);
}

// A probe of ours below "programfiles" stands in for the browser, recording its command line in
// the program folder; VENDRIX_TEST_PAGE_DELAY_MS, read by the test build alone, holds each
// opening up.
TEST_F(Responsive, PagesOpenOnceByTheBrowsersQuotedPathWhileTheWindowAnswers) {
    ScratchFolder folder(L"responsive-page", L"VendrixTestSeams.exe");
    // With the space in "Program Files" unquoted, the system would try ...\Program.exe first.
    const std::wstring ie = folder / L"Program Files\\Internet Explorer\\IEXPLORE.EXE",
                       ran = folder / L"probe-ran.txt";
    folder.MakeFolder(L"Program Files\\Internet Explorer");
    std::filesystem::copy_file(JoinPath(BuildFolder(), L"vx_probe_child.exe"), ie);
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramW6432", L"ProgramFiles(x86)"})
        ::SetEnvironmentVariableW(name, (folder / L"Program Files").c_str());
    ::SetEnvironmentVariableW(L"VENDRIX_TEST_PAGE_DELAY_MS", L"10000");
    ASSERT_NO_FATAL_FAILURE(Start(folder));
    const auto started = [&](const wchar_t* page) {
        const std::string record = Utf16Bytes(L"cmdline=\"" + ie + L"\" " + page + L"\n", false);
        return ReadFileBytes(ran).find(record) != std::string::npos;
    };
    const auto clicked = Clock::now();
    ChooseMenu(main_, kMenuUpdate);
    ProbeUntil([&, again = false]() mutable {
        if (!again && Clock::now() - clicked > 1s) ChooseMenu(main_, kMenuUpdate), again = true;
        return started(vx::kDownloadPage);
    });
    EXPECT_TRUE(Clock::now() - clicked > 10s && missed_ == 0 && answered_ > 20) << missed_;
    EXPECT_TRUE(WaitUntil([&] { return ::DeleteFileW(ran.c_str()); }));
    EXPECT_FALSE(WaitUntil([&] { return FileExists(ran); }, 3s)) << "the second click started";
    ChooseMenu(main_, kMenuAbout);
    HWND about = app_->WaitForWindow(text::kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(about, vx::about_ids::kVersionLabel)), L"1.5.2");
    HWND logo = ::GetDlgItem(about, vx::about_ids::kMakerLogo);
    EXPECT_TRUE(ShowsBitmap(logo, JoinPath(BuildFolder(), L"pictures\\maker_logo.bmp")));
    // Tab leads from OK to the logo, which then shows a focus rectangle, and back to OK.
    HWND ok = ::GetDlgItem(about, vx::about_ids::kOk);
    const std::vector<COLORREF> unfocused = ScreenPixels(logo, 30, 30);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(about) == ok; }));
    for (HWND next : {logo, ok, logo}) {
        PostKey(FocusOf(about), VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(about) == next; }));
        EXPECT_TRUE(
            WaitUntil([&] { return (ScreenPixels(logo, 30, 30) == unfocused) == (next == ok); }));
    }
    PostKey(logo, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return started(vx::kMakerHomePage); }, 30s));
    EXPECT_TRUE(IsVisible(about)) << "Enter on the logo pressed OK";
    EXPECT_TRUE(WaitUntil([&] { return ::DeleteFileW(ran.c_str()); }));
    MouseClick(logo, 15, 15);
    EXPECT_TRUE(WaitUntil([&] { return started(vx::kMakerHomePage); }, 30s));
    // Ended (文件 > 退出) while an opening is held up, the program ends cleanly without it (Wine
    // takes about four seconds to end a process that has used COM).
    ChooseMenu(main_, kMenuUpdate);
    ChooseMenu(main_, kMenuExit);
    DWORD code = 1;
    EXPECT_TRUE(app_->WaitForExit(8s) && ::GetExitCodeProcess(app_->handle(), &code) && !code);
}

}  // namespace
}  // namespace e2e
