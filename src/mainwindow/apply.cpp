// The apply button `ok`: the selected entry's action run against the real system, its one
// message shown when it is done.
#include "core/oem/action_origin.h"
#include "core/oem/apply_actions.h"
#include "core/oem/change_guard.h"
#include "core/preset/brand_list.h"
#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "system/controls.h"
#include "system/offline_windows.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
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
    // The running Windows, or the target's hive loaded for this action.
    ActedOnWindows system(program_.target());
    if (!Reachable(system)) return;
    ApplyPorts ports = system.Apply();
    RestorePorts& restore = system.Restore();
    SystemPresetFiles presetFiles;

    ActionOutcome outcome;
    {
        Program::Busy busy(program_);
        if (choice == ApplyChoice::Brand) {
            MessageBoxQuestioner questioner(hwnd());
            PresetPorts preset{presetFiles, questioner};
            ChangeGuard guard(restore, WindowOrigin(WindowCommand::ApplyBrand, selected));
            outcome = RunBrandAction(ProgramFolder(), selected, ports, preset,
                                     GuardBrand(guard, PresetFolder(ProgramFolder(), selected), presetFiles));
        } else if (choice == ApplyChoice::Clear) {
            ChangeGuard guard(restore, WindowOrigin(WindowCommand::Clear));
            outcome = RunClearAction(ports, GuardClear(guard));
        } else {
            ChangeGuard guard(restore, WindowOrigin(WindowCommand::Custom));
            const CustomValues& values = program_.customValues();
            outcome = RunCustomAction(values, ports, GuardCustom(guard, values, presetFiles));
        }
    }
    if (const std::wstring failed = system.Unload(); !failed.empty()) outcome.message += L"\n" + failed;
    // The user's own No to the preset's script is the last word.
    if (outcome.kind != OutcomeKind::Declined) ShowMessage(hwnd(), outcome.message);
    // The entry stays selected; pressing ok again clears again.
    if (choice == ApplyChoice::Clear) ::ShowWindow(Control(kCleanOEM), SW_HIDE);
}

}  // namespace vx
