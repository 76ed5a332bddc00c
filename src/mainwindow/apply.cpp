#include "mainwindow/main_window.h"

namespace vx {

// The apply button's actions come with their own change.
void MainWindow::OnApply() {}

}  // namespace vx
