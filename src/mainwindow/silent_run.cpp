#include "mainwindow/silent_run.h"

#include "core/command/command_run.h"
#include "system/console_output.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"
#include "system/system_ports.h"
#include "system/ui.h"

namespace vx {

namespace {

// The save's files as the current OEM information window writes them, its question answered
// by the command line instead of a message box.
class AnsweredPresetFiles : public SavedPresetFiles {
  public:
    explicit AnsweredPresetFiles(Questioner& questions)
        : SavedPresetFiles(nullptr), questions_(questions) {}
    bool AskYesNo(const std::wstring& question) override { return questions_.AskYesNo(question); }

  private:
    Questioner& questions_;
};

struct MachineCurrentOem : CurrentOemSource {
    CurrentOem Read() override { return ReadCurrentOem(); }
};

}  // namespace

int RunSilently(const std::vector<std::wstring>& words) {
    const CommandReading reading = ReadCommandLine(words);
    const std::wstring& logPath = reading.request.log;
    LogFile log;
    // Only words that read may make a log file.
    const bool logOpened = !reading.error.empty() || logPath.empty() || log.Open(logPath);
    SystemApplyPorts system;
    SystemPresetFiles presetFiles;
    AnsweredQuestions questions;
    AnsweredPresetFiles saveFiles(questions);
    MachineCurrentOem current;
    SystemFirmware firmware;
    SystemRestorePorts restore;
    CommandPorts ports{system.ports, presetFiles, saveFiles, questions, current, firmware, restore.ports};
    const CommandOutcome outcome = RunCommand(reading, logOpened, ProgramFolder(), ports);
    PrintLines(outcome.lines);
    log.Append(outcome.lines);
    return outcome.exitCode;
}

}  // namespace vx
