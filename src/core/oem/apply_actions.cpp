#include "core/oem/apply_actions.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "core/preset/brand_list.h"
#include "core/decimal.h"
#include "core/machine/firmware.h"
#include "core/preset/reg_script.h"
#include "core/texts.h"

namespace vx {

namespace {

// Every value the actions write is text stored as REG_EXPAND_SZ.
constexpr int kTextValueType = 8;
constexpr int kExpandStringFlag = 1;

// The six OEM values in the order both the custom and the clear action write them, with the
// custom value that feeds each (null: the fixed logo path).
struct OemValue {
    const wchar_t* name;
    AnyValue CustomValues::*custom;
};
constexpr OemValue kOemValues[] = {
    {L"Model", &CustomValues::model},
    {L"Logo", nullptr},
    {L"Manufacturer", &CustomValues::manufacturer},
    {L"SupportURL", &CustomValues::supportUrl},
    {L"SupportPhone", &CustomValues::supportPhone},
    {L"SupportHours", &CustomValues::supportHours},
};

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

    void WriteValue(const std::wstring& name, const AnyValue& value) {
        const WriteResult r = ports_.registry.SetRegistryValue(text::kOemKey, name, value,
                                                               kTextValueType, kExpandStringFlag);
        if (!r.ok()) Note(ApplyStep::WriteValue, name, r.reason.empty() ? text::kWhyWriteRefused : r.reason);
    }

    ActionOutcome Finish(const wchar_t* doneMessage, const wchar_t* failedHeading) {
        ActionOutcome outcome;
        outcome.failures = std::move(failures_);
        if (outcome.failures.empty()) {
            outcome.message = doneMessage;
            return outcome;
        }
        outcome.message = failedHeading;
        for (const StepFailure& f : outcome.failures) outcome.message += L"\n" + Describe(f);
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
            case ApplyStep::EnterPresetFolder:
            case ApplyStep::CheckLogoPath:
            case ApplyStep::CheckPreset:
                line += f.subject;
                break;
        }
        return line + Reason(f.reason);
    }

    ApplyPorts& ports_;
    std::vector<StepFailure> failures_;
};

// Words that say what kind of company a maker is, not which.
constexpr char kCorporateWords[] =
    "|inc|co|ltd|limited|corp|corporation|company|computer|technology|international|gmbh|llc|";

// Makers as FoldMaker gives their firmware's name, each with the name Chinese shops list it by.
constexpr wchar_t kAliases[] =
    L"|lenovo=联想|hp=惠普|hewlett-packard=惠普|dell=戴尔|asustek=华硕|asus=华硕|acer=宏碁"
    L"|hasee=神舟|tongfang=同方|founder=方正|great wall=长城|haier=海尔|huawei=华为|honor=荣耀"
    L"|xiaomi=小米|timi=小米|mechrevo=机械革命|micro-star=微星|gigabyte=技嘉|";

// A preset's script read as `reg import` reads it, its ANSI form in the system's code page.
ScriptReading ReadPresetScript(const std::string& bytes, PresetFiles& files) {
    return ReadRegScript(bytes, [&](std::string_view b) { return files.DecodeAnsi(b); });
}

ActionOutcome Refuse(ApplyStep step, const std::wstring& subject, const wchar_t* message) {
    ActionOutcome outcome;
    outcome.refused = true;
    outcome.failures.push_back({step, subject, L""});
    outcome.message = std::wstring(message) + L"\n" + subject;
    return outcome;
}

std::wstring DescribeChange(const ScriptChange& c) {
    if (!c.value) return (c.deletes ? text::kChangeDeleteKey : text::kChangeKey) + c.key;
    const std::wstring name = c.value->empty() ? text::kDefaultValueShown : *c.value;
    return (c.deletes ? text::kChangeDeleteValue : text::kChangeValue) + name + text::kReasonOpen +
           c.key + text::kReasonClose;
}

constexpr size_t kChangesListed = 10;

std::wstring ScriptQuestion(const std::vector<ScriptChange>& outside) {
    std::wstring question = text::kAskScriptPrefix;
    for (size_t i = 0; i < outside.size() && i < kChangesListed; ++i)
        question += L"\n" + (text::kStepBullet + DescribeChange(outside[i]));
    if (outside.size() > kChangesListed)
        question += text::kAskScriptMorePrefix + DecimalText(outside.size()) +
                    text::kAskScriptMoreSuffix;
    return question + text::kAskScriptSuffix;
}

// The import runs with administrator rights, so before any step the preset is checked: no file
// that would run in place of reg, a script that reads as a registry script, and whatever it
// would change beyond the OEM information accepted by the user. Not refused: nothing in it.
ActionOutcome CheckPreset(const std::wstring& folder, PresetPorts& preset) {
    // The command interpreter looks for reg in the current directory first, under each
    // extension PATHEXT names; any reg.* is refused rather than guessing which would run.
    const std::wstring lookalike = preset.files.FindFile(folder + text::kRegLookalikePattern);
    if (!lookalike.empty())
        return Refuse(ApplyStep::CheckPreset, lookalike, text::kMsgPresetHasRegCommand);

    const std::wstring script = folder + text::kPresetScriptSuffix;
    const std::optional<std::string> bytes = preset.files.ReadFile(script);
    if (!bytes) return Refuse(ApplyStep::CheckPreset, script, text::kMsgScriptUnreadable);
    ScriptReading reading = ReadPresetScript(*bytes, preset.files);
    if (!reading.ok()) {
        ActionOutcome refusal = Refuse(ApplyStep::CheckPreset, script, text::kMsgScriptUnreadable);
        refusal.message += text::kScriptBadLinePrefix + DecimalText(reading.badLine) +
                           text::kScriptBadLineSuffix + reading.badText;
        return refusal;
    }

    const std::vector<ScriptChange> outside = OutsideOemInformation(std::move(reading.changes));
    ActionOutcome declined;
    // Declined by the user's own answer: nothing more to tell.
    declined.refused = !outside.empty() && !preset.questioner.AskYesNo(ScriptQuestion(outside));
    return declined;
}

// Room for a maker's name folded for comparing; a longer one is cut there.
constexpr size_t kKeyChars = 128;

// A maker's name folded into `key` for comparing: ASCII letters in lower case, '.' and ',' as
// blanks, blanks collapsed, and corporate words at the end dropped ("ASUSTeK COMPUTER INC."
// reads "asustek"). Returns the end of the folded text, where its NUL is.
wchar_t* FoldMaker(std::wstring_view name, wchar_t* key) {
    wchar_t* end = key;
    for (wchar_t c : name) {
        if (c == L'.' || c == L',' || c == L'\t') c = L' ';
        if (c >= L'A' && c <= L'Z') c += 32;
        if ((c != L' ' || (end > key && end[-1] != L' ')) && end < key + kKeyChars - 1) *end++ = c;
    }
    for (;;) {
        if (end > key && end[-1] == L' ') --end;
        *end = L'\0';
        wchar_t* word = end;  // the last word
        while (word > key && word[-1] != L' ') --word;
        if (word == key || !InAsciiList(kCorporateWords, word)) return end;
        end = word;
    }
}

// Whether the text holds the part (both ended by a NUL). Not the C runtime's: that would be
// one more import for these few bytes.
bool Holds(const wchar_t* text, const wchar_t* part) {
    for (;; ++text) {
        size_t i = 0;
        while (part[i] && text[i] == part[i]) ++i;
        if (!part[i]) return true;
        if (!*text) return false;
    }
}

// Whether the script sets Manufacturer to a text that holds the folded maker's name.
bool ScriptNamesMaker(const std::wstring& script, const wchar_t* maker, PresetFiles& files) {
    const std::optional<std::string> bytes = files.ReadFile(script);
    if (!bytes) return false;
    wchar_t key[kKeyChars];
    std::wstring oemKey = text::kMachineRoot;
    oemKey += text::kOemKey;
    for (const ScriptChange& c : ReadPresetScript(*bytes, files).changes)
        if (c.value && !c.deletes && SameKey(*c.value, L"Manufacturer") && SameKey(c.key, oemKey) &&
            Holds((FoldMaker(c.text, key), key), maker))
            return true;
    return false;
}

}  // namespace

std::vector<ScriptChange> OutsideOemInformation(std::vector<ScriptChange> changes) {
    const std::wstring oemKey = std::wstring(text::kMachineRoot) + text::kOemKey;
    std::vector<const ScriptChange*> order;
    for (const ScriptChange& c : changes)
        if (!SameKey(c.key, oemKey) || (!c.value && c.deletes)) order.push_back(&c);
    // Sorted, not compared pairwise (a preset may hold tens of thousands of values): equal
    // changes lie together with the script's first one first, and a key's own entries just
    // before its values. A section's values share one long key: the runs of one key are marked
    // first, and the sort compares keys across runs only.
    std::vector<size_t> run(changes.size());
    for (size_t i = 1; i < changes.size(); ++i)
        run[i] = changes[i].key == changes[i - 1].key ? run[i - 1] : i;
    std::sort(order.begin(), order.end(), [&](const ScriptChange* a, const ScriptChange* b) {
        const bool oneRun = run[a - changes.data()] == run[b - changes.data()];
        if (const int key = oneRun ? 0 : a->key.compare(b->key)) return key < 0;
        if (a->value != b->value) return a->value < b->value;
        return std::tie(a->deletes, a) < std::tie(b->deletes, b);
    });
    std::vector<bool> shown(changes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const ScriptChange& c = *order[i];
        if (i > 0 && c == *order[i - 1]) continue;
        size_t next = i + 1;
        while (next < order.size() && order[next]->key == c.key && !order[next]->value) ++next;
        const bool hasValues = next < order.size() && order[next]->key == c.key;
        if (c.value || c.deletes || !hasValues) shown[order[i] - changes.data()] = true;
    }
    std::vector<ScriptChange> outside;
    for (size_t i = 0; i < changes.size(); ++i)
        if (shown[i]) outside.push_back(std::move(changes[i]));
    return outside;
}

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
        return Refuse(ApplyStep::EnterPresetFolder, folder, text::kMsgPresetFolderMissing);
    if (ActionOutcome refusal = CheckPreset(folder, preset); refusal.refused) return refusal;
    if (before)
        if (std::optional<ActionOutcome> stop = before(folder + text::kPresetLogoSuffix)) return *stop;

    StepRunner steps(ports);
    steps.MakeOemFolder();
    steps.CopyLogo(text::kCmdCopyBrandLogo, folder + text::kPresetLogoSuffix);
    steps.ImportScript(folder + text::kPresetScriptSuffix);
    return steps.Finish(text::kMsgBrandDone, text::kMsgBrandFailed);
}

ActionOutcome RunClearAction(ApplyPorts& ports, const BeforeChange& before) {
    if (before)
        if (std::optional<ActionOutcome> stop = before({})) return *stop;
    StepRunner steps(ports);
    steps.DeleteLogo();
    steps.RemoveOemFolder();
    for (const OemValue& v : kOemValues) steps.WriteValue(v.name, AnyValue::FromText(L""));
    return steps.Finish(text::kMsgClearDone, text::kMsgClearFailed);
}

ActionOutcome RunCustomAction(const CustomValues& values, ApplyPorts& ports,
                              const BeforeChange& before) {
    const std::wstring logoPath = values.logoPath.ToText();
    // No Windows file name holds a double quote; inside the quoted argument one would end it
    // early and let the rest of the path reach the command interpreter as further words.
    if (logoPath.find(L'"') != std::wstring::npos)
        return Refuse(ApplyStep::CheckLogoPath, logoPath, text::kMsgLogoPathHasQuote);
    // The command interpreter expands %NAME% even inside quotes: the copy could read another file.
    if (logoPath.find(L'%') != std::wstring::npos)
        return Refuse(ApplyStep::CheckLogoPath, logoPath, text::kMsgLogoPathHasPercent);

    // An empty path leaves the logo file and the Logo value as they are. A chosen picture is
    // made ready before the first step, so one that cannot become the logo changes nothing.
    PreparedLogo logo;
    if (!logoPath.empty()) {
        logo = ports.logo.Prepare(logoPath);
        // The temporary file lies in the user's temporary folder, whose path may hold a % too.
        if (logo.failure.empty() && logo.path.find(L'%') != std::wstring::npos)
            logo.failure = text::kWhyTempPathHasPercent;
        if (!logo.failure.empty()) {
            if (logo.temporary) ports.logo.Discard(logo.path);
            ActionOutcome refusal = Refuse(ApplyStep::CheckLogoPath, logoPath, text::kMsgLogoUnusable);
            refusal.message += Reason(logo.failure);
            return refusal;
        }
    }
    if (before) {
        if (std::optional<ActionOutcome> stop = before(logo.path)) {
            if (logo.temporary) ports.logo.Discard(logo.path);
            return *stop;
        }
    }
    StepRunner steps(ports);
    if (!logoPath.empty()) {
        steps.MakeOemFolder();
        steps.CopyLogo(CustomCopyCommand(logo.path), L'"' + logoPath + L'"');
        if (logo.temporary) ports.logo.Discard(logo.path);
    }
    // A value not given (the empty kind) stays as it is.
    for (const OemValue& v : kOemValues) {
        const AnyValue value = v.custom ? values.*v.custom
                               : logoPath.empty() ? AnyValue()
                                                  : AnyValue::FromText(text::kOemLogoValue);
        if (!value.IsEmpty()) steps.WriteValue(v.name, value);
    }
    return steps.Finish(text::kMsgCustomDone, text::kMsgCustomFailed);
}

MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files) {
    // The folded maker's name, and "|maker=name|" as the alias table holds the pairs.
    wchar_t maker[kKeyChars], needle[2 * kKeyChars + 2] = L"|";
    if (FoldMaker(manufacturer, maker) == maker) return {-1, text::kMsgNoFirmwareMaker};
    wchar_t* name = needle + 1;
    for (const wchar_t* m = maker; *m;) *name++ = *m++;
    *name++ = L'=';
    for (size_t i = 0; i < brands.size(); ++i) {
        if (KindOf(brands[i]) != SelectionKind::Brand) continue;
        wchar_t* end = FoldMaker(brands[i], name);
        const wchar_t *a = maker, *b = name;
        while (*a && *a == *b) ++a, ++b;
        const bool named = *a == *b;
        end[0] = L'|', end[1] = L'\0';
        if (named || Holds(kAliases, needle) ||
            ScriptNamesMaker(PresetFolder(programFolder, brands[i]) + text::kPresetScriptSuffix,
                             maker, files))
            return {static_cast<int>(i), {}};
    }
    std::wstring message = text::kMsgNoMatchPrefix;
    message += manufacturer;
    return {-1, message += text::kMsgNoMatchSuffix};
}

}  // namespace vx
