#include "core/preset/brand_list.h"
#include "core/machine/firmware.h"
#include "core/machine/machine_brand.h"

#include <string>
#include <vector>

#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "customwindow/custom_window.h"
#include "system/system_ports.h"
#include "system/preset_files.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

namespace {

void AddEntry(HWND list, const std::wstring& entry) {
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

// Fills the list in one go: storage reserved up front, and no drawing until the last entry.
void FillList(HWND list, const std::vector<std::wstring>& entries) {
    size_t chars = 0;
    for (const std::wstring& entry : entries) chars += entry.size() + 1;
    ::SendMessageW(list, CB_INITSTORAGE, entries.size(), chars * sizeof(wchar_t));
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& entry : entries) AddEntry(list, entry);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
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
    const std::wstring path = ListFilePath(ProgramFolder());
    std::string bytes;
    std::vector<std::wstring> entries;
    if (ReadWholeFile(path, bytes)) {
        entries = SplitListLines(DecodeAnsiText(bytes));
    } else {
        // Reported once the window is on screen; the fixed entries still follow.
        startupProblem_ = text::kMsgListUnreadable + path;
    }
    entries.emplace_back(text::kCustomEntry);
    entries.emplace_back(text::kClearEntry);
    FillList(Control(kCombolist), entries);
    entries_ = std::move(entries);
}

void MainWindow::ReloadBrandList(const std::wstring& brand) {
    if (!IsOpen()) return;
    HWND list = Control(kCombolist);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    LoadBrandList();
    startupProblem_.clear();
    const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (!SameName(EntryText(list, i), brand)) continue;
        ::SendMessageW(list, CB_SETCURSEL, i, 0);
        break;
    }
    ::ShowWindow(Control(kCleanOEM), SW_HIDE);
    if (ShowLogoFile(PresetLogoPath(ProgramFolder(), brand)) != PictureFault::None)
        ShowPlaceholder();
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

void MainWindow::OnMachineBrand() {
    SystemPresetFiles files;
    const MachineBrand brand =
        FindMachineBrand(entries_, ThisMachine().manufacturer, ProgramFolder(), files);
    if (brand.index < 0) return ShowMessage(hwnd(), brand.message);
    ::SendMessageW(Control(kCombolist), CB_SETCURSEL, static_cast<WPARAM>(brand.index), 0);
    OnPick();
}

void MainWindow::PreviewBrand(const std::wstring& brand) {
    const std::wstring path = PresetLogoPath(ProgramFolder(), brand);
    if (ShowLogoFile(path) == PictureFault::None) return;
    // An earlier brand's logo must not pass for this one's.
    ShowPlaceholder();
    ShowMessage(hwnd(), text::kMsgLogoUnreadable + path);
}

}  // namespace vx
