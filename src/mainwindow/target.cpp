// 文件 > 选择目标系统...: another Windows (installed on another drive, not running) or the running
// one becomes what every action and view of the windows acts on.
#include "core/oem/offline_target.h"
#include "core/texts.h"
#include "infowindow/info_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/offline_windows.h"
#include "system/ui.h"

namespace vx {

void MainWindow::OnTargetChosen(const std::wstring& folder) {
    std::wstring full;
    // Checked as /target is; the running Windows' own folder means the running one.
    const TargetChoice choice = folder.empty() ? TargetChoice{} : CheckTarget(folder, &full);
    // Loaded once now, so that a hive that cannot be is said at once, not at the first action.
    std::wstring refusal = choice.message;
    if (choice.kind == TargetKind::Other) refusal = ActedOnWindows(full).refusal();
    if (!refusal.empty()) {
        ShowMessage(hwnd(), refusal);
        return;
    }
    if (choice.kind == TargetKind::Running) full.clear();
    program_.SetTarget(full);
    ShowCaption();
    ShowRestoredState();
    if (program_.Info().IsOpen()) program_.Info().Reload();
}

bool MainWindow::Reachable(const ActedOnWindows& system) {
    if (system.refusal().empty()) return true;
    ShowMessage(hwnd(), system.refusal());
    return false;
}

void MainWindow::ShowCaption() {
    const std::wstring caption = text::kCaptionPrefix + vs_;
    const std::wstring& target = program_.target();
    ::SetWindowTextW(hwnd(), (target.empty() ? caption : TargetCaption(caption, target)).c_str());
}

}  // namespace vx
