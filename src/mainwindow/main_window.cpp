#include "mainwindow/main_window.h"

#include <utility>

#include "aboutwindow/about_window.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "infowindow/info_window.h"
#include "mainwindow/program.h"
#include "targetwindow/target_window.h"
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
    ::AppendMenuW(file, MF_STRING, kMenuSaveAsPreset, text::kMenuSaveCurrent);
    ::AppendMenuW(file, MF_STRING, kMenuMachineBrand, text::kMenuMachineBrand);
    ::AppendMenuW(file, MF_STRING, kMenuUndo, text::kMenuUndo);
    ::AppendMenuW(file, MF_STRING, kMenuChooseTarget, text::kMenuChooseTarget);
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING, kMenuExit, text::kMenuExit);
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), text::kMenuFile);
    ::AppendMenuW(bar, MF_STRING, kMenuTogglePanel, text::kMenuExpand);
    ::AppendMenuW(bar, MF_STRING, kMenuUpdate, text::kMenuUpdate);
    ::AppendMenuW(bar, MF_STRING, kMenuAbout, text::kMenuAbout);
    return bar;
}

void MainWindow::OnCreate() {
    font_.reset(CreateUiFont(WindowDpi(hwnd())));
    controls_ = CreateControls(hwnd(), MainLayout(), font_.get());
    // Enter applies the selection even while 修改 has the focus.
    SetDefaultButton(kOk, false);
    LoadStoredPictures();
}

void MainWindow::OnLoad() {
    vs_ = text::kVersion;
    ShowCaption();
    ::ShowWindow(Control(kCleanOEM), SW_HIDE);
    LoadBrandList();
}

void MainWindow::OnCommand(int id, int code, HWND) {
    switch (id) {
        case kMenuExit:
            program_.Exit();
            return;
        case kMenuSaveAsPreset:
            program_.Info().Show();
            return;
        case kMenuMachineBrand:
            OnMachineBrand();
            return;
        case kMenuUndo:
            OnUndo();
            return;
        case kMenuChooseTarget:
            if (!program_.busy()) program_.Target().Show(program_.target());
            return;
        case kMenuUpdate:
            OpenWebPage(kDownloadPage, hwnd());
            return;
        case kMenuAbout:
            program_.About().Show();
            return;
        case kCombolist:
            if (code == CBN_SELCHANGE) OnPick();
            return;
        case kOk:
            OnApply();
            return;
        case kMenuTogglePanel:
            OnTogglePanel();
            return;
        case kSaveOwner:
            OnSaveOwner();
            return;
        case kOwnerBox:
        case kOrganizationBox:
        case kProductNameBox:
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
        case kWebPageNotOpened:
            ShowPageNotOpened(hwnd(), lp);
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
