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

// Answers every question alike, as the command line said beforehand, and keeps the last one
// to be printed.
class AnsweredQuestions : public Questioner {
  public:
    bool AskYesNo(const std::wstring& question) override {
        asked = question;
        return answer;
    }
    bool answer = false;
    std::wstring asked;
};

class CurrentOemSource {
  public:
    virtual ~CurrentOemSource() = default;
    // As the current OEM information window reads it.
    virtual CurrentOem Read() = 0;
};

struct CommandPorts {
    ApplyPorts apply;
    PresetFiles& presetFiles;
    // Its question goes to `questions`.
    PresetFilesPort& saveFiles;
    AnsweredQuestions& questions;
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

// The exit code with the message's lines (empty lines left out).
CommandOutcome Outcome(int exitCode, const std::wstring& message);

}  // namespace vx
