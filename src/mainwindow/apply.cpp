// The apply button `ok`: the selected entry's action run against the real system, its one
// message shown when it is done.
#include "core/apply_actions.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/controls.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

void MainWindow::OnApply() {
    // The list cannot be edited: its text is the selected entry's, empty while none is.
    const std::wstring selected = ControlText(Control(kCombolist));
    HiddenCommandRunner commands;
    SystemOemFiles oemFiles;
    ProcessCurrentFolder currentFolder;
    MachineRegistry registry;
    TemporaryLogoFiles logo;
    ApplyPorts ports{commands, oemFiles, currentFolder, registry, logo};

    switch (ChooseApplyAction(selected)) {
        case ApplyChoice::NothingSelected:
            ShowMessage(hwnd(), text::kMsgNothingSelected);
            return;
        case ApplyChoice::Brand:
            ShowMessage(hwnd(), RunBrandAction(ProgramFolder(), selected, ports).message);
            return;
        case ApplyChoice::Clear:
            ShowMessage(hwnd(), RunClearAction(ports).message);
            // The entry stays selected; pressing ok again clears again.
            ::ShowWindow(Control(kCleanOEM), SW_HIDE);
            return;
        case ApplyChoice::Custom:
            ShowMessage(hwnd(), RunCustomAction(program_.customValues(), ports).message);
            return;
    }
}

}  // namespace vx
