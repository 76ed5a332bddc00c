#include "system/controls.h"

#include <cwchar>
#include <string>

#include "system/window.h"

namespace vx {

namespace {

void NotifyClicked(HWND picture) {
    ::SendMessageW(::GetParent(picture), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(picture), kPictureClicked),
                   reinterpret_cast<LPARAM>(picture));
}

// Only a link picture is a tab stop, so only it ever has the focus these keys come with.
LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case kPictureSetBitmap:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wp));
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP:
            NotifyClicked(hwnd);
            return 0;
        case WM_GETDLGCODE: {
            // Enter on the link is its own, not the window's default button's.
            const MSG* m = reinterpret_cast<const MSG*>(lp);
            return m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
        }
        case WM_KEYDOWN:
            if (wp == VK_RETURN || wp == VK_SPACE) NotifyClicked(hwnd);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            RECT client;
            ::GetClientRect(hwnd, &client);
            ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
            auto bitmap = reinterpret_cast<HBITMAP>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            BITMAP info{};
            if (bitmap && ::GetObjectW(bitmap, sizeof info, &info)) {
                HDC mem = ::CreateCompatibleDC(dc);
                HGDIOBJ old = ::SelectObject(mem, bitmap);
                // Drawn from the top-left corner at its own size, as a picture box does.
                ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, mem, 0, 0, SRCCOPY);
                ::SelectObject(mem, old);
                ::DeleteDC(mem);
            }
            if (::GetFocus() == hwnd) ::DrawFocusRect(dc, &client);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
}

void RegisterPictureClass() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, kPictureClass, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PictureProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kPictureClass;
    ::RegisterClassExW(&wc);
}

struct Creation {
    const wchar_t* cls;
    DWORD style;
    DWORD exStyle;
};

Creation CreationFor(const ControlDef& spec, const ControlOptions& options) {
    const DWORD base = WS_CHILD | WS_VISIBLE;
    switch (spec.kind) {
        case ControlKind::Label:
            // A label lies behind the boxes it overlaps, as labels drawn on the form do.
            return {L"STATIC", base | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::Edit:
            return {L"EDIT", base | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::Picture:
            // A one-pixel frame: a 1830-twip box then shows a 120 x 120 logo whole.
            return {
                kPictureClass,
                base | WS_CLIPSIBLINGS | WS_BORDER | (spec.id == options.linkId ? WS_TABSTOP : 0),
                0};
        case ControlKind::Button:
            return {L"BUTTON", base | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::VerticalLine:
            return {L"STATIC", base | SS_ETCHEDVERT, 0};
    }
    return {L"STATIC", base, 0};
}

}  // namespace

std::map<int, HWND> CreateControls(HWND parent, std::span<const ControlDef> specs, HFONT font,
                                   const ControlOptions& options) {
    RegisterPictureClass();
    const int dpi = WindowDpi(parent);
    std::map<int, HWND> controls;
    for (const ControlDef* spec : InCreationOrder(specs)) {
        const Creation c = CreationFor(*spec, options);
        PixelRect r = ToPixels(*spec, dpi);
        int height = r.height;
        // A drop-down list's height includes its opened list; its closed box follows the font.
        if (spec->kind == ControlKind::DropDownList) height = r.height * 8;
        if (spec->kind == ControlKind::VerticalLine) r.width = 2;
        HWND child = ::CreateWindowExW(c.exStyle, c.cls, spec->caption ? spec->caption : L"",
                                       c.style, r.x, r.y, r.width, height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec->id)),
                                       ::GetModuleHandleW(nullptr), nullptr);
        if (!child) continue;
        // The system fits an etched line to its border at creation; it keeps the table's size.
        if (spec->kind == ControlKind::VerticalLine)
            ::SetWindowPos(child, nullptr, 0, 0, r.width, height,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (font) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls[spec->id] = child;
    }
    return controls;
}

HFONT CreateFontFrom(const FontDef& spec, int dpi) {
    LOGFONTW font{};
    // Positive: the height of the line, not of the characters. 宋体's two are equal.
    font.lfHeight = ::MulDiv(spec.points, dpi, 72);
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = static_cast<BYTE>(spec.charset);
    std::wcsncpy(font.lfFaceName, spec.face, LF_FACESIZE - 1);
    return ::CreateFontIndirectW(&font);
}

HFONT CreateUiFont(int dpi) { return CreateFontFrom(kUiFont, dpi); }

std::wstring ControlText(HWND control) {
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(control, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

HWND FindControl(const std::map<int, HWND>& controls, int id) {
    const auto it = controls.find(id);
    return it == controls.end() ? nullptr : it->second;
}

}  // namespace vx
