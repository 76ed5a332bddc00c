#include "targetwindow/target_window.h"

#include <utility>

#include "core/layouts/target_layout.h"
#include "core/plain_text.h"
#include "core/texts.h"
#include "system/controls.h"
#include "system/offline_windows.h"

namespace vx {

using namespace target_ids;

namespace {
constexpr DWORD kTargetStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
}

TargetWindow::TargetWindow(std::function<void(const std::wstring&)> chosen,
                           std::function<void()> closed)
    : chosen_(std::move(chosen)), closed_(std::move(closed)) {}

void TargetWindow::Show(const std::wstring& current) {
    if (!CreateOrRaise(L"VendrixTargetChooser", text::kTargetCaption, kTargetStyle, kTargetClientWidthTwips,
                       kTargetClientHeightTwips))
        return;
    OnLoad(current);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
    ::SetFocus(Control(kSystemList));
}

HWND TargetWindow::Control(int id) const { return FindControl(controls_, id); }

void TargetWindow::OnCreate() {
    font_.reset(CreateUiFont(WindowDpi(hwnd())));
    controls_ = CreateControls(hwnd(), TargetLayout(), font_.get());
    SetDefaultButton(kOk, true);
}

void TargetWindow::OnLoad(const std::wstring& current) {
    HWND list = Control(kSystemList);
    folders_.clear();
    // Each hive is loaded in turn to read its product name: a moment per system found.
    for (const InstalledWindows& w : FindInstalledWindows()) {
        const std::wstring entry = w.productName.empty()
                                       ? w.folder
                                       : w.folder + text::kReasonOpen + w.productName + text::kReasonClose;
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        folders_.push_back(w.folder);
    }
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::kTargetRunning));
    folders_.push_back({});
    size_t selected = folders_.size() - 1;
    for (size_t i = 0; i < folders_.size(); ++i)
        if (!current.empty() && SameName(folders_[i], current)) selected = i;
    ::SendMessageW(list, CB_SETCURSEL, selected, 0);
}

void TargetWindow::OnOk() {
    const LRESULT index = ::SendMessageW(Control(kSystemList), CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= folders_.size()) return;
    const std::wstring folder = folders_[index];
    ::DestroyWindow(hwnd());
    if (chosen_) chosen_(folder);
}

LRESULT TargetWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kOk) OnOk();
            if (LOWORD(wp) == kCancel) ::DestroyWindow(hwnd());
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(hwnd());
            return 0;
        default:
            return Window::OnMessage(msg, wp, lp);
    }
}

void TargetWindow::OnClosed() {
    controls_.clear();
    font_.reset();
    if (closed_) closed_();
}

}  // namespace vx
