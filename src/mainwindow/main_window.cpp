#include "mainwindow/main_window.h"

#include <utility>

#include "aboutwindow/about_window.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "infowindow/info_window.h"
#include "mainwindow/program.h"
#include "system/controls.h"
#include "system/ui.h"
#include "system/browser.h"

namespace vx {

using namespace main_ids;

namespace {
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

bool MainWindow::Open(int showCommand) {
    const int dpi = WindowDpi(nullptr);
    // The caption stored with the window; the load step replaces it.
    if (!CreateTopLevel(L"VendrixMain", text::kAppTitle, kMainStyle, BuildMenu(),
                        TwipsToPixels(kMainClientWidthTwips, dpi),
                        TwipsToPixels(kMainClientHeightTwips, dpi)))
        return false;
    OnLoad();
    ::ShowWindow(hwnd(), showCommand);
    ::UpdateWindow(hwnd());
    ::SetFocus(Control(kCombolist));
    if (!startupProblem_.empty()) ShowMessage(hwnd(), std::exchange(startupProblem_, {}));
    return true;
}

HWND MainWindow::Control(int id) const { return FindControl(controls_, id); }

HMENU MainWindow::BuildMenu() const {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kMenu12, text::kMenuSaveCurrent);
    ::AppendMenuW(file, MF_STRING, kMenu13, text::kMenuMachineBrand);
    ::AppendMenuW(file, MF_STRING, kMenuUndo, text::kMenuUndo);
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING, kMenu11, text::kMenuExit);
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), text::kMenuFile);
    ::AppendMenuW(bar, MF_STRING, kMenu2, text::kMenuExpand);
    ::AppendMenuW(bar, MF_STRING, kMenu3, text::kMenuUpdate);
    ::AppendMenuW(bar, MF_STRING, kMenu9, text::kMenuAbout);
    return bar;
}

void MainWindow::OnCreate() {
    font_.reset(CreateUiFont(WindowDpi(hwnd())));
    controls_ = CreateControls(hwnd(), MainLayout(), font_.get(), {.defaultButtonId = kOk});
    LoadStoredPictures();
}

void MainWindow::OnLoad() {
    vs_ = text::kVersion;
    ::SetWindowTextW(hwnd(), (std::wstring(text::kCaptionPrefix) + vs_).c_str());
    ::ShowWindow(Control(kCleanOEM), SW_HIDE);
    LoadBrandList();
}

void MainWindow::OnCommand(int id, int code, HWND) {
    switch (id) {
        case kMenu11:
            program_.Exit();
            return;
        case kMenu12:
            program_.Info().Show();
            return;
        case kMenu13:
            OnMachineBrand();
            return;
        case kMenuUndo:
            OnUndo();
            return;
        case kMenu3:
            OpenWebPage(kDownloadPage, hwnd());
            return;
        case kMenu9:
            program_.About().Show();
            return;
        case kCombolist:
            if (code == CBN_SELCHANGE) OnPick();
            return;
        case kOk:
            OnApply();
            return;
        case kMenu2:
            OnTogglePanel();
            return;
        case kCgUser:
            OnSaveOwner();
            return;
        case kText1:
        case kText2:
        case kText3:
            if (code == EN_SETFOCUS) OnOwnerBoxFocus(Control(id));
            return;
        default:
            return;
    }
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(hwnd());
            return 0;
        case WM_INITMENUPOPUP:
            UpdateUndoItem();
            return 0;
        default:
            return Window::OnMessage(msg, wp, lp);
    }
}

void MainWindow::OnClosed() {
    controls_.clear();
    program_.OnWindowClosed();
}

}  // namespace vx
