#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "core/texts.h"
#include "system/console_output.h"
#include "system/offline_windows.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

namespace {

// The request run over the running system's ports, or over those of the Windows /target named.
CommandOutcome Run(const CommandReading& reading, bool logOpened, OfflineWindows* target) {
    SystemApplyPorts system;
    SystemPresetFiles presetFiles;
    RegistryCurrentOem current;
    SystemFirmware firmware;
    SystemRestorePorts restore;
    if (!target) {
        CommandPorts ports{system.ports, presetFiles, current, firmware, restore.ports};
        return RunCommand(reading, logOpened, ProgramFolder(), ports);
    }
    OfflineCurrentOem offline(*target);
    CommandPorts ports{target->ApplyPortsWith(system.ports), presetFiles, offline, firmware, target->restore};
    return RunCommand(reading, logOpened, ProgramFolder(), ports);
}

}  // namespace

int RunSilently(const std::vector<std::wstring>& words, const std::function<void()>& beforeUnload) {
    const CommandReading reading = ReadCommandLine(words);
    const std::wstring& logPath = reading.request.log;
    LogFile log;
    // Only words that read may make a log file.
    const bool logOpened = !reading.error.empty() || logPath.empty() || log.Open(logPath);
    // Another Windows named with /target: its hive loaded for this run only.
    std::optional<OfflineWindows> target;
    const std::wstring refusal = reading.error.empty() ? OpenTarget(reading.request.target, target) : L"";
    CommandOutcome outcome = refusal.empty() ? Run(reading, logOpened, target ? &*target : nullptr)
                                             : CommandOutcome{kExitRefused, {refusal}};
    if (beforeUnload) beforeUnload();
    if (target) {
        if (const std::wstring failed = target->Unload(); !failed.empty()) {
            outcome.lines.push_back(failed);
            if (outcome.exitCode == kExitDone) outcome.exitCode = kExitFailed;
        }
    }
    PrintLines(outcome.lines);
    log.Append(outcome.lines);
    return outcome.exitCode;
}

}  // namespace vx
