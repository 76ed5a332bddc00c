// A logo from any picture, chosen with the custom window's browse button in the real exe.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "driver.h"
#include <psapi.h>

namespace e2e {
namespace {

using namespace vx::text;
namespace fs = std::filesystem;

// The 300 x 150 test picture fitted: its red (200, 40, 40) middle becomes 108 x 48 at (6, 36)
// on white. The edge where scaling blends the two is not judged.
bool ShowsFit(const std::vector<COLORREF>& pixels) {
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        const int x = i % 120, y = i / 120, r = GetRValue(pixels[i]), g = GetGValue(pixels[i]);
        const bool red = x >= 8 && x < 112 && y >= 38 && y < 82;
        if (red ? std::abs(r - 200) + std::abs(g - 40) > 40
                : (x < 4 || x >= 116 || y < 34 || y >= 86) && r + g < 480)
            return false;
    }
    return pixels.size() == 120 * 120;
}

long TempFiles() { return std::distance(fs::directory_iterator(fs::temp_directory_path()), {}); }

TEST(Picture, AnyPictureIsPreviewedAndInstalledFittedOrRefusedWithAMessage) {
    RemoveTree(OemFolder());
    ScratchFolder folder(L"picture", kWithPresets);
    // Fitted, or refused with that message; a 120 x 120 bitmap is the apply test's.
    const wchar_t* names[] = {L"wide.png", L"wide.jpg", L"text.png", L"huge.png"};
    const wchar_t* refusals[] = {nullptr, nullptr, kMsgPictureLoadFailed, kMsgPictureTooLarge};
    Vendrix app(folder.path());
    HWND main = app.Main(), combo = ::GetDlgItem(main, vx::main_ids::kCombolist),
         logo = ::GetDlgItem(main, vx::main_ids::kLogo);
    const std::vector<std::wstring> entries = ComboEntries(combo);
    const int custom = std::find(entries.begin(), entries.end(), kCustomEntry) - entries.begin();
    for (int i = 0; i < 4; ++i) {
        const std::wstring file = JoinPath(BuildFolder(), L"pictures\\") + names[i];
        const wchar_t* refusal = refusals[i];
        SCOPED_TRACE(::testing::Message() << file);
        PickEntry(combo, custom);
        HWND diy = app.WaitForWindow(kDiyCaption);
        ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Click(ChildByText(diy, L"Button", kBrowse));
        ChooseFileInDialog(WaitOpenFileDialog(app), file);
        if (!refusal) {
            EXPECT_TRUE(WaitUntil([&] { return ShowsFit(ScreenPixels(logo, 120, 120)); }, 5s));
        } else {
            const MessageBoxInfo box = WaitMessageBox(app, 5s);
            EXPECT_EQ(box.text, refusal + (L"\n" + file));
            PressOk(box);
            PROCESS_MEMORY_COUNTERS m{};
            EXPECT_TRUE(::K32GetProcessMemoryInfo(app.handle(), &m, sizeof m));
            EXPECT_LT(m.PeakWorkingSetSize, 100u << 20);
        }
        Click(ChildByText(diy, L"Button", kOk));
        const long temporary = TempFiles();
        Click(::GetDlgItem(main, vx::main_ids::kOk));
        const MessageBoxInfo done = WaitMessageBox(app);
        PressOk(done);
        EXPECT_EQ(TempFiles(), temporary) << "a temporary file was left behind";
        EXPECT_EQ(done.text == kMsgCustomDone, !refusal) << done.text;
        // Refused before any step, not half done.
        EXPECT_EQ(done.text.starts_with(kMsgLogoUnusable + (L"\n" + file)), refusal != nullptr);
        const std::string installed = ReadFileBytes(SystemLogo());
        int size[2] = {};
        const bool fit = ShowsFit(BitmapFilePixels(installed, size, size + 1));
        EXPECT_EQ(fit && installed[28] == 24, !refusal) << "not the 24-bit fitted picture";
        RemoveTree(OemFolder());
    }
    ResetOem();
}

}  // namespace
}  // namespace e2e
