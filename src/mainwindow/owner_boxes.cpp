#include "core/layouts/main_layout.h"
#include "core/oem/action_origin.h"
#include "core/oem/change_guard.h"
#include "core/oem/owner_panel.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/offline_windows.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/controls.h"
#include "system/ui.h"
#include "system/window.h"

namespace vx {

namespace {
using namespace main_ids;
// The boxes of the owner fields, in the fields' order.
constexpr int kOwnerBoxes[kOwnerFieldCount] = {kOwnerBox, kOrganizationBox, kProductNameBox};
}  // namespace

void MainWindow::OnTogglePanel() {
    RECT outer{};
    ::GetWindowRect(hwnd(), &outer);
    const int dpi = WindowDpi(hwnd());
    const PanelToggle toggle = DecideToggle(outer.right - outer.left, dpi);
    // Only the width changes: the left edge and the height stay.
    ::SetWindowPos(hwnd(), nullptr, 0, 0, TwipsToPixels(toggle.widthTwips, dpi),
                   outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ModifyMenuW(::GetMenu(hwnd()), kMenuTogglePanel, MF_BYCOMMAND | MF_STRING, kMenuTogglePanel,
                  toggle.caption);
    ::DrawMenuBar(hwnd());
    if (toggle.load) LoadOwnerBoxes();
}

void MainWindow::LoadOwnerBoxes() {
    ActedOnWindows system(program_.target());
    if (!Reachable(system)) return;
    const OwnerTexts texts = ownerPanel_.Load(system.Registry());
    for (int i = 0; i < kOwnerFieldCount; ++i)
        ::SetWindowTextW(Control(kOwnerBoxes[i]), texts[i].c_str());
}

void MainWindow::OnSaveOwner() {
    OwnerTexts texts;
    for (int i = 0; i < kOwnerFieldCount; ++i) texts[i] = ControlText(Control(kOwnerBoxes[i]));
    ActedOnWindows system(program_.target());
    if (!Reachable(system)) return;
    RegistryPort& registry = system.Registry();
    // Until loaded the save writes nothing and says so: no restore point either.
    if (ownerPanel_.loaded()) {
        ChangeGuard guard(system.Restore(), WindowOrigin(WindowCommand::Owner));
        const OwnerValues values{AnyValue::FromText(texts[0]), AnyValue::FromText(texts[1]),
                                 AnyValue::FromText(texts[2])};
        if (const std::optional<ActionOutcome> stop = guard.Check(OwnerPlan(values, registry))) {
            ShowMessage(hwnd(), stop->message);
            return;
        }
    }
    ShowMessage(hwnd(), ownerPanel_.Save(registry, texts).message);
}

void MainWindow::OnOwnerBoxFocus(HWND box) {
    // Typing then replaces the whole text.
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

}  // namespace vx
