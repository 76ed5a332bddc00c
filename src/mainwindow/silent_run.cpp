#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "system/console_output.h"
#include "system/internal_error.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

int RunSilently(std::wstring_view commandLine, const std::vector<std::wstring>& words) {
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
    SystemApplyPorts system;
    SystemPresetFiles presetFiles;
    RegistryCurrentOem current;
    SystemFirmware firmware;
    SystemRestorePorts restore;
    CommandPorts ports{system.ports, presetFiles, current, firmware, restore.ports};
    const CommandOutcome outcome = RunCommand(reading, logOpened, ProgramFolder(), ports);
    out.Print(outcome.lines);
    log.Append(outcome.lines);
    log.Append({LogEndLine(outcome.exitCode)});
    return outcome.exitCode;
}

}  // namespace vx
