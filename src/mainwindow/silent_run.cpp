#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "system/console_output.h"
#include "system/internal_error.h"
#include "system/offline_windows.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

int RunSilently(std::wstring_view commandLine, const std::vector<std::wstring>& words,
                const std::function<void()>& beforeUnload) {
    ConsoleOutput out;
    LogFile log;
    EndInternalErrorsSilently(out, log);
    // The log before the words are judged: a line that does not read is logged too.
    const std::wstring logPath = FullPath(LogPathOf(words));
    const bool logOpened = logPath.empty() || log.Open(logPath);
    log.Append({LogStartLine(commandLine)});
    CommandReading reading = ReadCommandLine(words);
    // Against the current directory at start, once: the brand action enters its preset folder.
    MakePathsFull(reading.request, FullPath);
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
    out.Print(outcome.lines);
    log.Append(outcome.lines);
    log.Append({LogEndLine(outcome.exitCode)});
    return outcome.exitCode;
}

}  // namespace vx
