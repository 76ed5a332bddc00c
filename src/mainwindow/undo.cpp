// 文件 > 撤销上次更改...: the newest restore point put back once the user agrees, after which
// the window shows what the system holds.
#include "core/layouts/main_layout.h"
#include "core/oem/action_origin.h"
#include "core/oem/change_guard.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/offline_windows.h"
#include "system/restore_ports.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

void MainWindow::UpdateUndoItem() {
    SystemRestorePoints store = RestorePointsOf(program_.target());
    const bool any = !NewestFirst(store.Names()).empty();
    ::EnableMenuItem(::GetMenu(hwnd()), kMenuUndo, MF_BYCOMMAND | (any ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::OnUndo() {
    if (program_.busy()) return;
    ActedOnWindows system(program_.target());
    if (!Reachable(system)) return;
    RestorePorts& restore = system.Restore();
    const std::vector<RestorePoint> points = ListRestorePoints(restore.store);
    if (points.empty()) {
        ShowMessage(hwnd(), text::kMsgNoRestorePoint);
        return;
    }
    const RestorePoint& newest = points.front();
    std::wstring message;
    {
        Program::Busy busy(program_);
        MessageBoxQuestioner questioner(hwnd());
        if (!questioner.AskYesNo(text::kAskUndoPrefix + RestorePointTime(newest.name) +
                                 text::kAskUndoMadeBy + newest.origin + text::kAskUndoSuffix))
            return;
        ChangeGuard guard(restore, WindowOrigin(WindowCommand::Undo));
        message = RunRestoreAction(newest.name, guard).message;
    }
    // Unloaded before the window reads the target again.
    if (const std::wstring failed = system.Unload(); !failed.empty()) message += L"\n" + failed;
    ShowMessage(hwnd(), message);
    ShowRestoredState();
}

void MainWindow::ShowRestoredState() {
    ::ShowWindow(Control(kCleanOEM), SW_HIDE);
    SystemOemLogoFiles oem = OemLogoOf(program_.target());
    if (!oem.ReadLogo().bytes || ShowLogoFile(oem.LogoPath()) != PictureFault::None) ShowPlaceholder();
    LoadOwnerBoxes();
}

}  // namespace vx
