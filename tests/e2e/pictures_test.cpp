// The pictures stored run-length coded in the exe show pixel for pixel as the 32-bit originals.
#include <gtest/gtest.h>

#include "core/main_layout.h"
#include "driver.h"

namespace e2e {
namespace {
using namespace vx::main_ids;

bool ShowsPicture(HWND control, const wchar_t* original) {
    int w = 0, h = 0;
    const auto file = BitmapFilePixels(ReadFileBytes(BuildFolder() + original), &w, &h);
    return !file.empty() && WaitUntil([&] { return ScreenPixels(control, w, h) == file; });
}

TEST(StoredPictures, PlaceholderAndProhibitionSignMatchTheOriginals) {
    ScratchFolder folder(L"pictures");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(ShowsPicture(::GetDlgItem(main, kLogo), L"\\pictures\\logo_placeholder.bmp"));
    PickEntry(::GetDlgItem(main, kCombolist), 4);  // 3 brands, custom, clear
    EXPECT_TRUE(ShowsPicture(::GetDlgItem(main, kCleanOEM), L"\\pictures\\clean_oem.bmp"));
}

}  // namespace
}  // namespace e2e
