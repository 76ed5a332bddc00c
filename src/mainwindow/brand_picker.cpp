#include "core/brand_list.h"

#include <string>

#include "core/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "customwindow/custom_window.h"
#include "system/preset_files.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

namespace {

// The list file is text in the system's ANSI code page.
std::wstring FromAnsi(const std::string& line) {
    if (line.empty()) return {};
    const int size = static_cast<int>(line.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, line.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, line.data(), size, text.data(), length);
    return text;
}

void AddEntry(HWND list, const std::wstring& entry) {
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

std::wstring EntryText(HWND list, LRESULT index) {
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got =
        ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

}  // namespace

void MainWindow::LoadBrandList() {
    HWND list = Control(kCombolist);
    const std::wstring path = ListFilePath(ProgramFolder());
    std::string bytes;
    if (ReadWholeFile(path, bytes)) {
        for (const std::string& line : SplitListLines(bytes)) AddEntry(list, FromAnsi(line));
    } else {
        // Reported once the window is on screen; the fixed entries still follow.
        startupProblem_ = text::kMsgListUnreadable + path;
    }
    AddEntry(list, text::kCustomEntry);
    AddEntry(list, text::kClearEntry);
}

void MainWindow::ReloadBrandList(const std::wstring& brand) {
    if (!IsOpen()) return;
    HWND list = Control(kCombolist);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    LoadBrandList();
    startupProblem_.clear();
    const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (EntryText(list, i) != brand) continue;
        ::SendMessageW(list, CB_SETCURSEL, i, 0);
        break;
    }
    ::ShowWindow(Control(kCleanOEM), SW_HIDE);
    if (ShowLogoFile(PresetLogoPath(ProgramFolder(), brand)) != PictureFault::None) ShowPlaceholder();
}

void MainWindow::OnPick() {
    HWND list = Control(kCombolist);
    const LRESULT index = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const std::wstring entry = EntryText(list, index);
    switch (KindOf(entry)) {
        case SelectionKind::Custom:
            ::ShowWindow(Control(kCleanOEM), SW_HIDE);
            program_.Custom().Show();
            return;
        case SelectionKind::Clear:
            ::ShowWindow(Control(kCleanOEM), SW_SHOW);
            return;
        case SelectionKind::Brand:
            ::ShowWindow(Control(kCleanOEM), SW_HIDE);
            PreviewBrand(entry);
            return;
    }
}

void MainWindow::PreviewBrand(const std::wstring& brand) {
    const std::wstring path = PresetLogoPath(ProgramFolder(), brand);
    if (ShowLogoFile(path) == PictureFault::None) return;
    // An earlier brand's logo must not pass for this one's.
    ShowPlaceholder();
    ShowMessage(hwnd(), text::kMsgLogoUnreadable + path);
}

}  // namespace vx
