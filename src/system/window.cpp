#include "system/window.h"

#include "core/layouts/layout.h"
#include "resource_ids.h"

namespace vx {

namespace {

bool RegisterOnce(const wchar_t* className, WNDPROC proc) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
}

}  // namespace

Window::~Window() {
    if (hwnd_) {
        // Detach first so no message reaches a half-destroyed object.
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void Window::BringToFront() const {
    if (!hwnd_) return;
    if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::SetActiveWindow(hwnd_);
}

bool Window::CreateOrRaise(const wchar_t* className, const std::wstring& caption, DWORD style,
                           int clientWidthTwips, int clientHeightTwips) {
    if (IsOpen()) {
        BringToFront();
        return false;
    }
    const int dpi = WindowDpi(nullptr);
    return CreateTopLevel(className, caption, style, nullptr, TwipsToPixels(clientWidthTwips, dpi),
                          TwipsToPixels(clientHeightTwips, dpi));
}

bool Window::CreateTopLevel(const wchar_t* className, const std::wstring& caption, DWORD style,
                            HMENU menu, int clientWidth, int clientHeight) {
    if (!RegisterOnce(className, &Window::Proc)) return false;
    RECT r{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&r, style, menu != nullptr, 0);
    HWND hwnd = ::CreateWindowExW(0, className, caption.c_str(), style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, menu,
                                  ::GetModuleHandleW(nullptr), this);
    if (!hwnd) {
        if (menu) ::DestroyMenu(menu);
        return false;
    }
    // A menu bar that wraps takes client height: correct the outer size to the exact client.
    RECT client;
    ::GetClientRect(hwnd, &client);
    const int dw = clientWidth - (client.right - client.left);
    const int dh = clientHeight - (client.bottom - client.top);
    if (dw != 0 || dh != 0) {
        RECT outer;
        ::GetWindowRect(hwnd, &outer);
        ::SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + dw,
                       outer.bottom - outer.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

void Window::SetDefaultButton(int id, bool focusedButtonFirst) {
    defaultButton_ = id;
    focusedButtonFirst_ = focusedButtonFirst;
    ::SendMessageW(::GetDlgItem(hwnd_, id), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

int Window::EnterButton() const {
    HWND focus = ::GetFocus();
    const bool onButton =
        focusedButtonFirst_ && focus && ::IsChild(hwnd_, focus) &&
        (::SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
    return onButton ? ::GetDlgCtrlID(focus) : defaultButton_;
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // As a dialog box does: the focus goes back to the control that had it when the window
    // was deactivated (by a message box or another window), not to the window itself.
    if (msg == WM_ACTIVATE) {
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
            return 0;
        }
        const bool minimized = HIWORD(wp) != 0;
        if (!minimized && lastFocus_ && ::IsWindow(lastFocus_) && ::IsChild(hwnd_, lastFocus_)) {
            ::SetFocus(lastFocus_);
            return 0;
        }
    }
    // Asked by IsDialogMessage when Enter is pressed.
    if (msg == DM_GETDEFID && defaultButton_) return MAKELRESULT(EnterButton(), DC_HASDEFID);
    return ::DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        LRESULT r = self->OnMessage(msg, wp, lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->lastFocus_ = nullptr;
        self->OnClosed();
        return r;
    }
    return self->OnMessage(msg, wp, lp);
}

int WindowDpi(HWND hwnd) {
    HDC dc = ::GetDC(hwnd);
    int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSX) : 96;
    if (dc) ::ReleaseDC(hwnd, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace vx
