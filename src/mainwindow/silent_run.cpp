#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "system/console_output.h"
#include "system/offline_windows.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

int RunSilently(const std::vector<std::wstring>& words, const std::function<void()>& beforeUnload) {
    const CommandReading reading = ReadCommandLine(words);
    const std::wstring& logPath = reading.request.log;
    LogFile log;
    // Only words that read may make a log file.
    const bool logOpened = !reading.error.empty() || logPath.empty() || log.Open(logPath);
    // The running Windows, or another named with /target: its hive loaded for this run only.
    ActedOnWindows system(reading.error.empty() ? reading.request.target : L"");
    CommandOutcome outcome{kExitRefused, {system.refusal()}};
    if (system.refusal().empty()) {
        SystemPresetFiles presetFiles;
        SystemFirmware firmware;
        CommandPorts ports{system.Apply(), presetFiles, system.Current(), firmware, system.Restore()};
        outcome = RunCommand(reading, logOpened, ProgramFolder(), ports);
    }
    if (beforeUnload) beforeUnload();
    if (const std::wstring failed = system.Unload(); !failed.empty()) {
        outcome.lines.push_back(failed);
        if (outcome.exitCode == kExitDone) outcome.exitCode = kExitFailed;
    }
    PrintLines(outcome.lines);
    log.Append(outcome.lines);
    return outcome.exitCode;
}

}  // namespace vx
