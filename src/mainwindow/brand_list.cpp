#include "core/main_layout.h"
#include "core/texts.h"
#include "customwindow/custom_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"

namespace vx {

using namespace main_ids;

void MainWindow::LoadBrandList() {
    HWND list = Control(kCombolist);
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::kCustomEntry));
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::kClearEntry));
}

void MainWindow::OnPick() {
    HWND list = Control(kCombolist);
    const LRESULT index = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return;
    std::wstring picked(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(picked.data()));
    picked.resize(static_cast<size_t>(length));
    if (picked == text::kCustomEntry) {
        ::ShowWindow(Control(kCleanOEM), SW_HIDE);
        program_.Custom().Show();
    }
}

}  // namespace vx
