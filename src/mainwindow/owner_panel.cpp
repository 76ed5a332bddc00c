#include "mainwindow/main_window.h"

namespace vx {

// The owner panel's behaviour comes with its own change.
void MainWindow::OnTogglePanel() {}
void MainWindow::OnSaveOwner() {}
void MainWindow::OnOwnerBoxFocus(HWND) {}

}  // namespace vx
