#include "customwindow/custom_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include <utility>
#include <vector>

#include "core/oem/custom_form.h"
#include "core/layouts/custom_layout.h"
#include "core/texts.h"
#include "system/system_ports.h"
#include "system/controls.h"
#include "system/system_dll.h"
#include "system/ui.h"

namespace vx {

using namespace custom_ids;

namespace {

constexpr DWORD kCustomStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kBoxSubclassId = 1;
// Room for the longest path the system can hand back.
constexpr DWORD kFileNameChars = 32768;

}  // namespace

CustomWindow::CustomWindow(std::function<PictureFault(const std::wstring&)> showLogo,
                           std::function<void(const CustomValues&)> confirmed,
                           std::function<void()> closed)
    : showLogo_(std::move(showLogo)),
      confirmed_(std::move(confirmed)),
      closed_(std::move(closed)) {}

void CustomWindow::Show() {
    if (!CreateOrRaise(L"VendrixCustom", text::kCustomCaption, kCustomStyle,
                       kCustomClientWidthTwips, kCustomClientHeightTwips))
        return;
    OnLoad();
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
    ::SetFocus(Control(kManufacturerBox));
}

HWND CustomWindow::Control(int id) const { return FindControl(controls_, id); }

void CustomWindow::OnCreate() {
    font_.reset(CreateUiFont(WindowDpi(hwnd())));
    controls_ = CreateControls(hwnd(), CustomLayout(), font_.get());
    SetDefaultButton(kOk, true);
    // Only a mouse click may remove a hint, so the boxes report their button presses.
    for (const BoxHint& h : CustomHints())
        ::SetWindowSubclass(Control(h.boxId), &CustomWindow::BoxProc, kBoxSubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
}

void CustomWindow::OnLoad() {
    for (const BoxHint& h : CustomHints()) ::SetWindowTextW(Control(h.boxId), h.hint);
}

void CustomWindow::OnCommand(int id) {
    switch (id) {
        case kOk:
            OnOk();
            return;
        case kCancel:
            ::DestroyWindow(hwnd());
            return;
        case kBrowse:
            OnBrowse();
            return;
        case kReadMachine:
            OnReadMachine();
            return;
        default:
            return;
    }
}

void CustomWindow::OnOk() {
    if (confirmed_) confirmed_(HandOver([this](int box) { return ControlText(Control(box)); }));
    ::DestroyWindow(hwnd());
}

void CustomWindow::OnReadMachine() {
    // Where the firmware has nothing the box keeps what it shows, its hint or the user's text.
    const MachineIdentity machine = ThisMachine();
    if (!machine.manufacturer.empty())
        ::SetWindowTextW(Control(kManufacturerBox), machine.manufacturer.c_str());
    if (!machine.model.empty()) ::SetWindowTextW(Control(kModelBox), machine.model.c_str());
}

void CustomWindow::OnBrowse() {
    const std::wstring filter = BitmapFilter();
    std::vector<wchar_t> file(kFileNameChars, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileNameChars;
    static const auto open =
        SystemFunction<BOOL(WINAPI*)(OPENFILENAMEW*)>(L"comdlg32.dll", "GetOpenFileNameW");
    const bool chosen = open && open(&ofn);
    // The program may have been ended while the dialog was open.
    if (!chosen || !IsOpen()) return;
    const std::wstring path = file.data();
    if (path.empty()) return;
    ::SetWindowTextW(Control(kLogoPathBox), path.c_str());
    const PictureFault fault = showLogo_ ? showLogo_(path) : PictureFault::NotAPicture;
    if (fault != PictureFault::None) ShowMessage(hwnd(), PictureFaultMessage(fault, path));
}

void CustomWindow::OnBoxClick(HWND box) {
    const wchar_t* hint = HintOf(::GetDlgCtrlID(box));
    if (hint && ClickClearsBox(ControlText(box), hint)) ::SetWindowTextW(box, L"");
}

LRESULT CALLBACK CustomWindow::BoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR self) {
    if (msg == WM_LBUTTONDOWN) reinterpret_cast<CustomWindow*>(self)->OnBoxClick(box);
    if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(box, &CustomWindow::BoxProc, id);
    return ::DefSubclassProc(box, msg, wp, lp);
}

LRESULT CustomWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wp));
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(hwnd());
            return 0;
        default:
            return Window::OnMessage(msg, wp, lp);
    }
}

void CustomWindow::OnClosed() {
    controls_.clear();
    font_.reset();
    if (closed_) closed_();
}

}  // namespace vx
