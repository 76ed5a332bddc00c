#include "core/main_layout.h"
#include "mainwindow/main_window.h"
#include "resource_ids.h"
#include "system/controls.h"
#include "system/picture_file.h"

namespace vx {

using namespace main_ids;

void MainWindow::LoadStoredPictures() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const UINT flags = LR_CREATEDIBSECTION;
    placeholderPicture_.reset(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_LOGO_PLACEHOLDER), IMAGE_BITMAP, 0, 0, flags)));
    cleanPicture_.reset(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_CLEAN_OEM), IMAGE_BITMAP, 0, 0, flags)));
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
