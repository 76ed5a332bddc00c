#include "mainwindow/silent_run.h"

#include "core/command_run.h"
#include "core/texts.h"
#include "system/console_output.h"
#include "system/preset_files.h"
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

int Print(const CommandOutcome& outcome, LogFile* log = nullptr) {
    PrintLines(outcome.lines);
    if (log) log->Append(outcome.lines);
    return outcome.exitCode;
}

}  // namespace

int RunSilently(const std::vector<std::wstring>& words) {
    const CommandReading reading = ReadCommandLine({words.begin() + 1, words.end()});
    if (!reading.error.empty()) return Print(UsageOutcome(reading.error));
    const CommandRequest& request = reading.request;
    LogFile log;
    if (!request.log.empty() && !log.Open(request.log))
        return Print(Outcome(kExitRefused, text::kCliLogUnwritable + (L"\n" + request.log)));

    SystemApplyPorts system;
    SystemPresetFiles presetFiles;
    AnsweredQuestions questions;
    AnsweredPresetFiles saveFiles(questions);
    MachineCurrentOem current;
    CommandPorts ports{system.ports, presetFiles, saveFiles, questions, current};
    return Print(RunCommand(request, ProgramFolder(), ports), &log);
}

}  // namespace vx
