#include "aboutwindow/about_window.h"

#include <utility>

#include "core/layouts/about_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "resource_ids.h"
#include "system/controls.h"
#include "system/browser.h"

namespace vx {

using namespace about_ids;

namespace {

constexpr DWORD kAboutStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The picture box's frame would cut into a logo exactly as large as the box.
void RemoveBorder(HWND control) {
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    ::SetWindowLongPtrW(control, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
    ::SetWindowPos(control, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

AboutWindow::AboutWindow(std::function<std::wstring()> version, std::function<void()> closed)
    : version_(std::move(version)), closed_(std::move(closed)) {}

void AboutWindow::Show() {
    if (!CreateOrRaise(L"VendrixAbout", text::kAboutCaption, kAboutStyle, kAboutClientWidthTwips,
                       kAboutClientHeightTwips))
        return;
    OnLoad();
    PlaceOnScreen();
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::SetFocus(Control(kOk));
}

HWND AboutWindow::Control(int id) const { return FindControl(controls_, id); }

void AboutWindow::OnCreate() {
    const int dpi = WindowDpi(hwnd());
    font_.reset(CreateUiFont(dpi));
    controls_ = CreateControls(hwnd(), AboutLayout(), font_.get(), {.linkId = kMakerLogo});
    SetDefaultButton(kOk, false);
    productFont_.reset(CreateFontFrom(kProductWordFont, dpi));
    ::SendMessageW(Control(kProductLabel), WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.get()),
                   FALSE);
    makerLogo_.reset(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(IDB_MAKER_LOGO),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    HWND picture = Control(kMakerLogo);
    RemoveBorder(picture);
    ::SendMessageW(picture, kPictureSetBitmap, reinterpret_cast<WPARAM>(makerLogo_.get()), 0);
}

void AboutWindow::OnLoad() {
    // Read afresh on every load, shown exactly as the main window holds it.
    const std::wstring version = version_ ? version_() : std::wstring();
    ::SetWindowTextW(Control(kVersionLabel), version.c_str());
}

void AboutWindow::PlaceOnScreen() {
    // Centred in the work area of the primary screen.
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
    RECT outer{};
    ::GetWindowRect(hwnd(), &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    ::SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::OnCommand(int id, int code) {
    switch (id) {
        case kOk:
        case kEscape:
            ::DestroyWindow(hwnd());
            return;
        case kMakerLogo:
            if (code == kPictureClicked) OpenWebPage(kMakerHomePage, hwnd());
            return;
        default:
            return;
    }
}

LRESULT AboutWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp));
            return 0;
        case kWebPageNotOpened:
            ShowPageNotOpened(hwnd(), lp);
            return 0;
        case WM_SETCURSOR:
            // The logo is a link.
            if (reinterpret_cast<HWND>(wp) == Control(kMakerLogo)) {
                ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
                return TRUE;
            }
            return Window::OnMessage(msg, wp, lp);
        default:
            return Window::OnMessage(msg, wp, lp);
    }
}

void AboutWindow::OnClosed() {
    controls_.clear();
    productFont_.reset();
    font_.reset();
    makerLogo_.reset();
    if (closed_) closed_();
}

}  // namespace vx
