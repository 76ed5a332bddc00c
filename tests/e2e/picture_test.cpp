// A logo from any picture: chosen with the custom window's browse button in the real
// Vendrix.exe, previewed fitted into 120 x 120 on white, installed by the apply button.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"
// After windows.h.
#include <psapi.h>

namespace e2e {
namespace {

using namespace vx::text;
namespace fs = std::filesystem;

// The 300 x 150 test picture fitted: its red 270 x 120 middle becomes 108 x 48 at (6, 36), all
// else white. Pixels where scaling blends the two are not judged.
bool ShowsFit(const std::vector<COLORREF>& pixels) {
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        const int x = i % 120, y = i / 120;
        const bool red = x >= 8 && x < 112 && y >= 38 && y < 82;
        const COLORREF want = red ? RGB(200, 40, 40) : RGB(255, 255, 255);
        if (red || x < 4 || x >= 116 || y < 34 || y >= 86)
            for (int shift : {0, 8, 16})
                if (std::abs(int((pixels[i] >> shift) & 255) - int((want >> shift) & 255)) > 24)
                    return false;
    }
    return pixels.size() == 120 * 120;
}

long TempFileCount() {
    return std::distance(fs::directory_iterator(fs::temp_directory_path()), {});
}

TEST(Picture, AnyPictureIsPreviewedAndInstalledFittedOrRefusedWithAMessage) {
    const std::wstring oem = JoinPath(WindowsFolder(), L"system32\\oem");
    RemoveTree(oem);
    ScratchFolder folder(L"picture");
    folder.AddSamplePresets();
    folder.WriteFile(L"text.png", "this is not a picture");
    const std::wstring pictures = JoinPath(BuildFolder(), L"pictures\\");
    // A 120 x 120 bitmap, copied unchanged, is the apply test's.
    enum Kind { Fitted, NotAPicture, TooLarge };
    const std::pair<std::wstring, Kind> cases[] = {{pictures + L"wide.png", Fitted},
                                                   {pictures + L"wide.jpg", Fitted},
                                                   {folder / L"text.png", NotAPicture},
                                                   {pictures + L"huge.png", TooLarge}};
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    HWND combo = ::GetDlgItem(main, vx::main_ids::kCombolist);
    const std::vector<std::wstring> entries = ComboEntries(combo);
    const int custom = std::find(entries.begin(), entries.end(), kCustomEntry) - entries.begin();
    for (const auto& [file, kind] : cases) {
        SCOPED_TRACE(::testing::Message() << file);
        PickEntry(combo, custom);
        HWND diy = app.WaitForWindow(kDiyCaption);
        ASSERT_NE(diy, nullptr);
        ::SetWindowPos(diy, nullptr, 480, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Click(ChildByText(diy, L"Button", kBrowse));
        HWND dialog = WaitOpenFileDialog(app);
        ASSERT_NE(dialog, nullptr);
        ChooseFileInDialog(dialog, file);
        HWND logo = ::GetDlgItem(main, vx::main_ids::kLogo);
        if (kind == Fitted) {
            EXPECT_TRUE(WaitUntil([&] { return ShowsFit(ScreenPixels(logo, 120, 120)); }, 5s));
        } else {
            const MessageBoxInfo box = WaitMessageBox(app, 5s);
            EXPECT_EQ(box.text, (kind == TooLarge ? kMsgPictureTooLarge : kMsgPictureLoadFailed) +
                                    (L"\n" + file));
            PressOk(box);
            PROCESS_MEMORY_COUNTERS memory{};
            ASSERT_TRUE(::K32GetProcessMemoryInfo(app.handle(), &memory, sizeof memory));
            EXPECT_LT(memory.PeakWorkingSetSize, 100u << 20);
        }
        Click(ChildByText(diy, L"Button", kOk));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(diy); }));
        const long temporary = TempFileCount();
        Click(::GetDlgItem(main, vx::main_ids::kOk));
        const MessageBoxInfo done = WaitMessageBox(app);
        PressOk(done);
        EXPECT_EQ(TempFileCount(), temporary) << "a temporary file was left behind";
        EXPECT_EQ(done.text == kMsgCustomDone, kind == Fitted) << done.text;
        // Otherwise the copy step fails, naming the chosen file.
        const std::wstring copyStep = kStepCopyLogo + (L'"' + file + L'"');
        EXPECT_EQ(done.text.find(copyStep) != std::wstring::npos, kind != Fitted);
        const std::string installed = ReadFileBytes(JoinPath(oem, L"oemlogo.bmp"));
        int width = 0, height = 0;
        const bool fit = ShowsFit(BitmapFilePixels(installed, &width, &height));
        EXPECT_EQ(fit && installed[28] == 24, kind == Fitted) << "not the 24-bit fitted picture";
        RemoveTree(oem);
    }
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kOemKey);
}

}  // namespace
}  // namespace e2e
