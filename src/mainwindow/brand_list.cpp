#include "core/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"

namespace vx {

using namespace main_ids;

void MainWindow::LoadBrandList() {
    HWND list = Control(kCombolist);
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::kCustomEntry));
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::kClearEntry));
}

void MainWindow::OnPick() {}

}  // namespace vx
