// The apply button `ok`: the selected entry's action run against the real system, its one
// message shown when it is done.
#include "core/oem/apply_actions.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/controls.h"
#include "system/preset_files.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

void MainWindow::OnApply() {
    // A click cannot reach the disabled windows meanwhile, but a posted one still could.
    if (program_.busy()) return;
    // The list cannot be edited: its text is the selected entry's, empty while none is.
    const std::wstring selected = ControlText(Control(kCombolist));
    const ApplyChoice choice = ChooseApplyAction(selected);
    if (choice == ApplyChoice::NothingSelected) {
        ShowMessage(hwnd(), text::kMsgNothingSelected);
        return;
    }
    SystemApplyPorts system;
    ApplyPorts& ports = system.ports;

    ActionOutcome outcome;
    {
        Program::Busy busy(program_);
        if (choice == ApplyChoice::Brand) {
            SystemPresetFiles presetFiles;
            MessageBoxQuestioner questioner(hwnd());
            PresetPorts preset{presetFiles, questioner};
            outcome = RunBrandAction(ProgramFolder(), selected, ports, preset);
        } else if (choice == ApplyChoice::Clear) {
            outcome = RunClearAction(ports);
        } else {
            outcome = RunCustomAction(program_.customValues(), ports);
        }
    }
    // The user's own No to the preset's script is the last word.
    if (outcome.kind != OutcomeKind::Declined) ShowMessage(hwnd(), outcome.message);
    // The entry stays selected; pressing ok again clears again.
    if (choice == ApplyChoice::Clear) ::ShowWindow(Control(kCleanOEM), SW_HIDE);
}

}  // namespace vx
