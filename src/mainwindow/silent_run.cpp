#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "system/console_output.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

int RunSilently(const std::vector<std::wstring>& words) {
    const CommandReading reading = ReadCommandLine(words);
    const std::wstring& logPath = reading.request.log;
    LogFile log;
    // Only words that read may make a log file.
    const bool logOpened = !reading.error.empty() || logPath.empty() || log.Open(logPath);
    SystemApplyPorts system;
    SystemPresetFiles presetFiles;
    RegistryCurrentOem current;
    SystemFirmware firmware;
    SystemRestorePorts restore;
    CommandPorts ports{system.ports, presetFiles, current, firmware, restore.ports};
    const CommandOutcome outcome = RunCommand(reading, logOpened, ProgramFolder(), ports);
    PrintLines(outcome.lines);
    log.Append(outcome.lines);
    return outcome.exitCode;
}

}  // namespace vx
