#include "core/layouts/main_layout.h"
#include "mainwindow/main_window.h"
#include "resource_ids.h"
#include "system/controls.h"
#include "system/picture_file.h"

namespace vx {

using namespace main_ids;

namespace {

// The pictures are stored run-length coded over a colour table, a fifteenth of their 32-bit
// size; GDI expands one into an opaque 32-bit DIB section, pixel for pixel the original.
UniqueBitmap ExpandStoredPicture(int id) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), RT_BITMAP);
    HGLOBAL data = found ? ::LoadResource(instance, found) : nullptr;
    const auto* stored = data ? static_cast<const BITMAPINFO*>(::LockResource(data)) : nullptr;
    if (!stored) return {};
    const BITMAPINFOHEADER& header = stored->bmiHeader;
    const auto* bits =
        reinterpret_cast<const BYTE*>(stored) + header.biSize + header.biClrUsed * sizeof(RGBQUAD);
    BITMAPINFO expanded{};
    expanded.bmiHeader = header;
    expanded.bmiHeader.biBitCount = 32;
    expanded.bmiHeader.biCompression = BI_RGB;
    expanded.bmiHeader.biSizeImage = 0;
    expanded.bmiHeader.biClrUsed = 0;
    void* pixels = nullptr;
    UniqueBitmap bitmap(
        ::CreateDIBSection(nullptr, &expanded, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap) return {};
    HDC screen = ::GetDC(nullptr);
    const int rows =
        ::SetDIBits(screen, bitmap.get(), 0, header.biHeight, bits, stored, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != header.biHeight) return {};
    ::GdiFlush();
    auto* pixel = static_cast<DWORD*>(pixels);
    for (LONG n = header.biWidth * header.biHeight; n > 0; --n) *pixel++ |= 0xFF000000;
    return bitmap;
}

}  // namespace

void MainWindow::LoadStoredPictures() {
    placeholderPicture_ = ExpandStoredPicture(IDB_LOGO_PLACEHOLDER);
    cleanPicture_ = ExpandStoredPicture(IDB_CLEAN_OEM);
    ::SendMessageW(Control(kLogo), kPictureSetBitmap,
                   reinterpret_cast<WPARAM>(placeholderPicture_.get()), 0);
    ::SendMessageW(Control(kCleanOEM), kPictureSetBitmap,
                   reinterpret_cast<WPARAM>(cleanPicture_.get()), 0);
    // CleanOEM is drawn above logo in the same rectangle.
    ::SetWindowPos(Control(kCleanOEM), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

PictureFault MainWindow::ShowLogoFile(const std::wstring& path) {
    const LogoPicture picture = LoadLogoPicture(path);
    if (picture.fault != PictureFault::None) return picture.fault;
    // With the main window closed the file is still a good picture; there is just no preview.
    if (!IsOpen()) return PictureFault::None;
    UniqueBitmap loaded(LogoBitmap(picture.pixels));
    if (!loaded) return PictureFault::NotAPicture;
    ::SendMessageW(Control(kLogo), kPictureSetBitmap, reinterpret_cast<WPARAM>(loaded.get()), 0);
    logoPicture_ = std::move(loaded);
    RepaintNow();
    return PictureFault::None;
}

void MainWindow::ShowPlaceholder() {
    if (!IsOpen()) return;
    ::SendMessageW(Control(kLogo), kPictureSetBitmap,
                   reinterpret_cast<WPARAM>(placeholderPicture_.get()), 0);
    // Released only once `logo` no longer draws it.
    logoPicture_.reset();
    RepaintNow();
}

void MainWindow::RepaintNow() {
    // Paints what is pending in the window and its controls before returning.
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace vx
