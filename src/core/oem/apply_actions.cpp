#include "core/oem/apply_actions.h"

#include <vector>

#include "core/decimal.h"
#include "core/oem/offline_script.h"
#include "core/preset/brand_list.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

enum class ApplyStep { MakeOemFolder, CopyLogo, ImportScript, DeleteLogo, RemoveOemFolder, WriteValue };

// One step that did not do what it was for: which step, what it concerned (a folder, a file
// or a value name) and why.
struct StepFailure {
    ApplyStep step;
    std::wstring subject;
    std::wstring reason;
};

// Every value the actions write is text stored as REG_EXPAND_SZ.
constexpr int kTextValueType = 8;
constexpr int kExpandStringFlag = 1;

std::wstring Reason(const std::wstring& why) {
    return std::wstring(text::kReasonOpen) + why + text::kReasonClose;
}

std::wstring TimedOut() {
    return std::wstring(text::kWhyTimedOutPrefix) + DecimalText(kCommandTimeoutSeconds) +
           text::kWhyTimedOutSuffix;
}

// Why a command did not run to its end; empty when it did.
std::wstring RunFault(const CommandResult& r) {
    if (!r.started) return text::kWhyNotStarted;
    if (!r.finished) return TimedOut();
    return {};
}

// Runs the steps of one action in their order and collects what failed; no step is skipped
// because an earlier one failed.
class StepRunner {
  public:
    explicit StepRunner(ApplyPorts& ports) : ports_(ports) {}

    // md is judged by its effect: an existing folder makes md fail on some versions.
    void MakeOemFolder() {
        std::wstring why = RunFault(ports_.commands.Run(text::kCmdMdOem));
        if (why.empty() && !ports_.oemFiles.OemFolderExists()) why = text::kWhyFolderMissing;
        Note(ApplyStep::MakeOemFolder, text::kOemFolderShown, why);
    }

    void CopyLogo(const std::wstring& commandLine, const std::wstring& source) {
        const CommandResult r = ports_.commands.Run(commandLine);
        std::wstring why = RunFault(r);
        if (why.empty() && r.exitCode != 0) why = text::kWhyExitCode + DecimalText(r.exitCode);
        if (why.empty() && !ports_.oemFiles.OemLogoExists()) why = text::kWhyTargetMissing;
        Note(ApplyStep::CopyLogo, source, why);
    }

    void ImportScript(const std::wstring& script) {
        const CommandResult r = ports_.commands.Run(text::kCmdRegImport);
        std::wstring why = RunFault(r);
        if (why.empty() && r.exitCode != 0) why = text::kWhyExitCode + DecimalText(r.exitCode);
        Note(ApplyStep::ImportScript, script, why);
    }

    // del and rd are judged by the logo being gone: a missing logo, or a folder kept because it
    // holds other files, is what the user asked for.
    void DeleteLogo() { RemoveStep(ApplyStep::DeleteLogo, text::kCmdDelLogo, text::kOemLogoValue); }
    void RemoveOemFolder() {
        RemoveStep(ApplyStep::RemoveOemFolder, text::kCmdRdOem, text::kOemFolderShown);
    }

    // Another Windows is reached through its ports instead of commands: the logo written whole
    // (its folder made first), the script's changes written into its hive, the logo removed.
    void WriteLogo(const std::wstring& source, const std::wstring& shown) {
        const std::optional<std::string> bytes = ports_.target->files.ReadFile(source);
        const WriteResult r = bytes ? ports_.target->oem.WriteLogo(*bytes) : WriteResult{1, text::kWhySourceUnreadable};
        if (!r.ok()) Note(ApplyStep::CopyLogo, shown, r.reason);
    }
    void WriteScript(const std::vector<ScriptChange>& changes) {
        for (const ScriptFailure& f : ApplyScript(changes, ports_.registry, ports_.target->keys))
            Note(ApplyStep::WriteValue, f.subject, f.reason);
    }
    void RemoveLogo() {
        const WriteResult r = ports_.target->oem.RemoveLogo();
        if (!r.ok()) Note(ApplyStep::DeleteLogo, ports_.target->oem.LogoPath(), r.reason);
    }

    void WriteValue(const std::wstring& name, const AnyValue& value) {
        const WriteResult r = ports_.registry.SetRegistryValue(text::kOemKey, name, value,
                                                               kTextValueType, kExpandStringFlag);
        if (!r.ok()) Note(ApplyStep::WriteValue, name, r.reason.empty() ? text::kWhyWriteRefused : r.reason);
    }

    ActionOutcome Finish(const wchar_t* doneMessage, const wchar_t* failedHeading) {
        if (failures_.empty()) return {OutcomeKind::Done, doneMessage};
        ActionOutcome outcome{OutcomeKind::Failed, failedHeading};
        for (const StepFailure& f : failures_) outcome.message += L"\n" + Describe(f);
        return outcome;
    }

  private:
    void RemoveStep(ApplyStep step, const wchar_t* commandLine, const wchar_t* subject) {
        std::wstring why = RunFault(ports_.commands.Run(commandLine));
        if (why.empty() && ports_.oemFiles.OemLogoExists()) why = text::kWhyFileStays;
        Note(step, subject, why);
    }

    void Note(ApplyStep step, const std::wstring& subject, const std::wstring& why) {
        if (!why.empty()) failures_.push_back({step, subject, why});
    }

    static std::wstring Describe(const StepFailure& f) {
        std::wstring line = text::kStepBullet;
        switch (f.step) {
            case ApplyStep::MakeOemFolder:
                line += text::kStepMakeFolder + f.subject;
                break;
            case ApplyStep::CopyLogo:
                line += text::kStepCopyLogo + f.subject + text::kStepCopyTo + text::kOemLogoValue;
                break;
            case ApplyStep::ImportScript:
                line += text::kStepImportScript + f.subject;
                break;
            case ApplyStep::DeleteLogo:
                line += text::kStepDeleteFile + f.subject;
                break;
            case ApplyStep::RemoveOemFolder:
                line += text::kStepRemoveFolder + f.subject;
                break;
            case ApplyStep::WriteValue:
                line += text::kStepWriteValue + f.subject;
                break;
        }
        return line + Reason(f.reason);
    }

    ApplyPorts& ports_;
    std::vector<StepFailure> failures_;
};

}  // namespace

ApplyChoice ChooseApplyAction(const std::wstring& selectedText) {
    if (selectedText.empty()) return ApplyChoice::NothingSelected;
    switch (KindOf(selectedText)) {
        case SelectionKind::Custom:
            return ApplyChoice::Custom;
        case SelectionKind::Clear:
            return ApplyChoice::Clear;
        case SelectionKind::Brand:
            break;
    }
    return ApplyChoice::Brand;
}

std::wstring CustomCopyCommand(const std::wstring& logoPath) {
    return text::kCmdCustomCopyPrefix + (L'"' + logoPath + L'"') + text::kCmdCustomCopySuffix;
}

ActionOutcome RunBrandAction(const std::wstring& programFolder, const std::wstring& brand,
                             ApplyPorts& ports, PresetPorts& preset, const BeforeChange& before) {
    const std::wstring folder = PresetFolder(programFolder, brand);
    // The commands name their files relative to the preset folder: anywhere else they would
    // copy and import whatever lies there.
    if (!ports.currentFolder.Enter(folder))
        return Refusal(text::kMsgPresetFolderMissing, folder);
    // Another Windows gets the script from the program itself, which can only reach its hive:
    // a line outside it is refused before the preset's question.
    OfflineScript offline;
    if (ports.target && (offline = ReadOfflineScript(folder, preset.files)).refusal) return *offline.refusal;
    if (ActionOutcome check = CheckPreset(folder, preset); check.kind != OutcomeKind::Done)
        return check;
    if (before)
        if (std::optional<ActionOutcome> stop = before(folder + text::kPresetLogoSuffix)) return *stop;

    StepRunner steps(ports);
    if (ports.target) {
        steps.WriteLogo(folder + text::kPresetLogoSuffix, folder + text::kPresetLogoSuffix);
        steps.WriteScript(offline.changes);
    } else {
        steps.MakeOemFolder();
        steps.CopyLogo(text::kCmdCopyBrandLogo, folder + text::kPresetLogoSuffix);
        steps.ImportScript(folder + text::kPresetScriptSuffix);
    }
    return steps.Finish(text::kMsgBrandDone, text::kMsgBrandFailed);
}

ActionOutcome RunClearAction(ApplyPorts& ports, const BeforeChange& before) {
    if (before)
        if (std::optional<ActionOutcome> stop = before({})) return *stop;
    StepRunner steps(ports);
    if (ports.target) {
        steps.RemoveLogo();
    } else {
        steps.DeleteLogo();
        steps.RemoveOemFolder();
    }
    for (const OemValue* v : kOemValuesWritten) steps.WriteValue(v->name, AnyValue::FromText(L""));
    return steps.Finish(text::kMsgClearDone, text::kMsgClearFailed);
}

ActionOutcome RunCustomAction(const CustomValues& values, ApplyPorts& ports,
                              const BeforeChange& before) {
    const std::wstring logoPath = values.logoPath.ToText();
    // The copy command's own dangers; another Windows gets the logo without a command.
    const bool byCommand = !ports.target;
    // No Windows file name holds a double quote; inside the quoted argument one would end it
    // early and let the rest of the path reach the command interpreter as further words.
    if (byCommand && logoPath.find(L'"') != std::wstring::npos)
        return Refusal(text::kMsgLogoPathHasQuote, logoPath);
    // The command interpreter expands %NAME% even inside quotes: the copy could read another file.
    if (byCommand && logoPath.find(L'%') != std::wstring::npos)
        return Refusal(text::kMsgLogoPathHasPercent, logoPath);

    // An empty path leaves the logo file and the Logo value as they are. A chosen picture is
    // made ready before the first step, so one that cannot become the logo changes nothing.
    PreparedLogo logo;
    if (!logoPath.empty()) {
        logo = ports.logo.Prepare(logoPath);
        // The temporary file lies in the user's temporary folder, whose path may hold a % too.
        if (byCommand && logo.failure.empty() && logo.path.find(L'%') != std::wstring::npos)
            logo.failure = text::kWhyTempPathHasPercent;
        if (!logo.failure.empty()) {
            if (logo.temporary) ports.logo.Discard(logo.path);
            return Refusal(text::kMsgLogoUnusable, logoPath + Reason(logo.failure));
        }
    }
    if (before) {
        if (std::optional<ActionOutcome> stop = before(logo.path)) {
            if (logo.temporary) ports.logo.Discard(logo.path);
            return *stop;
        }
    }
    StepRunner steps(ports);
    if (!logoPath.empty() && ports.target) {
        steps.WriteLogo(logo.path, L'"' + logoPath + L'"');
    } else if (!logoPath.empty()) {
        steps.MakeOemFolder();
        steps.CopyLogo(CustomCopyCommand(logo.path), L'"' + logoPath + L'"');
    }
    if (logo.temporary) ports.logo.Discard(logo.path);
    // A value not given (the empty kind) stays as it is.
    for (const OemValue* v : kOemValuesWritten) {
        const AnyValue value = v->custom ? values.*v->custom
                               : logoPath.empty() ? AnyValue()
                                                  : AnyValue::FromText(text::kOemLogoValue);
        if (!value.IsEmpty()) steps.WriteValue(v->name, value);
    }
    return steps.Finish(text::kMsgCustomDone, text::kMsgCustomFailed);
}

}  // namespace vx
