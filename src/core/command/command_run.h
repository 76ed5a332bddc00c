#pragma once
// Runs what the command line asks for through the very actions the windows run, over the same
// ports; the questions the windows ask are answered by /yes and /replace instead.
#include <string>
#include <vector>

#include "core/command/command_line.h"
#include "core/machine/firmware.h"
#include "core/ports.h"
#include "core/preset/preset_save.h"

namespace vx {

// kExitNoBrand: /apply auto found no preset for this machine's maker.
enum ExitCode { kExitDone, kExitUsage, kExitRefused, kExitFailed, kExitNoBrand };

struct CommandPorts {
    ApplyPorts apply;
    PresetFiles& presetFiles;
    CurrentOemSource& current;
    FirmwarePort& firmware;
    RestorePorts& restore;
};

struct CommandOutcome {
    int exitCode = kExitDone;
    std::vector<std::wstring> lines;  // to print, the messages the windows would show
};

// The words as read: their usage error, or the request run. The preset library is in
// `programFolder` unless /presets names another; `logOpened` is false when the /log file could
// not be opened.
CommandOutcome RunCommand(const CommandReading& reading, bool logOpened,
                          const std::wstring& programFolder, CommandPorts& ports);

}  // namespace vx
