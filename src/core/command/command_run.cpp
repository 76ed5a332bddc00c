#include "core/command/command_run.h"

#include <algorithm>

#include "core/command/json.h"
#include "core/decimal.h"
#include "core/machine/machine_brand.h"
#include "core/oem/apply_actions.h"
#include "core/oem/change_guard.h"
#include "core/oem/owner_panel.h"
#include "core/plain_text.h"
#include "core/preset/brand_list.h"
#include "core/texts.h"

namespace vx {

namespace {

// Answers every question alike, as the command line said beforehand.
class AnsweredQuestions : public Questioner {
  public:
    explicit AnsweredQuestions(bool answer) : answer_(answer) {}
    bool AskYesNo(const std::wstring&) override { return answer_; }

  private:
    bool answer_;
};

// The exit code with the message's lines (empty lines left out).
CommandOutcome Report(int exitCode, const std::wstring& message) {
    CommandOutcome out{exitCode, {}};
    for (std::wstring_view line : SplitLines(message))
        if (!line.empty()) out.lines.emplace_back(line);
    return out;
}

// The outcome's exit code and lines; a question answered No ended the action before any
// change, and is printed with how to say Yes.
CommandOutcome Judged(const ActionOutcome& o, const wchar_t* howToAccept = text::kCliNeedYes) {
    switch (o.kind) {
        case OutcomeKind::Done:
            return Report(kExitDone, o.message);
        case OutcomeKind::Failed:
            return Report(kExitFailed, o.message);
        case OutcomeKind::Refused:
            return Report(kExitRefused, o.message);
        case OutcomeKind::Declined:
            break;
    }
    return Report(kExitRefused, o.message + L"\n" + howToAccept);
}

// Name=value lines a script can read: the six OEM values, then the owner's.
CommandOutcome Show(CommandPorts& ports, bool json) {
    CommandOutcome out;
    const CurrentOem current = ports.current.Read();
    // JSON carries each value exactly; a line shows a line break as \r or \n.
    const auto show = [&](std::wstring name, std::wstring_view value) {
        out.lines.push_back(std::move(name) + L"=" + (json ? std::wstring(value) : OneLine(value)));
    };
    for (size_t i = 0; i < kOemValues.size(); ++i)
        show(kOemValues[i].name, ShownText(current.values[i]));
    OwnerPanel owner;
    const OwnerTexts texts = owner.Load(ports.apply.registry);
    for (int i = 0; i < kOwnerFieldCount; ++i) show(OwnerFields()[i].valueName, texts[i]);
    const MachineIdentity machine = ReadMachineIdentity(ports.firmware);
    show(L"FirmwareManufacturer", machine.manufacturer);
    show(L"FirmwareModel", machine.model);
    if (json) out.lines = {JsonOfNamedLines(out.lines)};
    return out;
}

// The values /set writes: the ones named, the picture of /logo, and with /machine the
// firmware's maker and model where the line names none and the firmware does.
CustomValues SetValues(const CommandRequest& r, FirmwarePort& firmware) {
    CustomValues v = r.custom;
    if (!r.logo.empty()) v.logoPath = AnyValue::FromText(r.logo);
    if (!r.machine) return v;
    const MachineIdentity machine = ReadMachineIdentity(firmware);
    for (auto [given, read] : {std::pair{&v.manufacturer, &machine.manufacturer},
                               std::pair{&v.model, &machine.model}})
        if (given->IsEmpty() && !read->empty()) *given = AnyValue::FromText(*read);
    return v;
}

// Whether the values name anything to write.
bool AnyGiven(const CustomValues& v) {
    return std::ranges::any_of(kOemValues, [&](const OemValue& o) {
        return !(o.custom ? v.*o.custom : v.logoPath).IsEmpty();
    });
}

// /apply auto: the listed brand that matches the firmware's maker, as 选择本机品牌 finds it.
CommandOutcome ApplyMachineBrand(const std::wstring& folder, CommandPorts& ports,
                                 PresetPorts& preset, ChangeGuard& guard) {
    const std::wstring list = ListFilePath(folder);
    const std::optional<std::string> bytes = ports.presetFiles.ReadFile(list);
    if (!bytes) return Report(kExitRefused, text::kMsgListUnreadable + list);
    const std::vector<std::wstring> brands = SplitListLines(ports.presetFiles.DecodeAnsi(*bytes));
    const MachineBrand brand = FindMachineBrand(
        brands, ReadMachineIdentity(ports.firmware).manufacturer, folder, ports.presetFiles);
    if (brand.index < 0) return Report(kExitNoBrand, brand.message);
    return Judged(RunBrandAction(folder, brands[brand.index], ports.apply, preset,
                                 GuardBrand(guard, PresetFolder(folder, brands[brand.index]),
                                            ports.presetFiles)));
}

// The restore points, one a line: the name, then what made it.
CommandOutcome ListPoints(RestorePointStore& store, bool json) {
    const std::vector<RestorePoint> points = ListRestorePoints(store);
    CommandOutcome out;
    if (json) out.lines.push_back(JsonOfRestorePoints(points));
    for (const RestorePoint& p : points)
        if (!json) out.lines.push_back(p.name + L" " + p.origin);
    if (out.lines.empty()) out.lines.push_back(text::kNoRestorePoints);
    return out;
}

// The action's outcome; a dry run that got as far as its guard gives its JSON instead of lines.
CommandOutcome Run(const CommandRequest& r, CommandPorts& ports, PresetPorts& preset,
                   ChangeGuard& guard, const std::wstring& folder);

}  // namespace

std::wstring OneLine(std::wstring_view text) {
    std::wstring line;
    line.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'\r')
            line += L"\\r";
        else if (c == L'\n')
            line += L"\\n";
        else
            line += c;
    }
    return line;
}

std::wstring LogStartLine(std::wstring_view commandLine) {
    return text::kCaptionPrefix + (text::kVersion + (text::kLogCommandLine + OneLine(commandLine)));
}

std::wstring LogEndLine(int exitCode) { return text::kLogExitCode + DecimalText(exitCode); }

CommandOutcome RunCommand(const CommandReading& reading, bool logOpened,
                          const std::wstring& programFolder, CommandPorts& ports) {
    const CommandRequest& r = reading.request;
    if (!reading.error.empty())
        return Report(kExitUsage, reading.error + L"\n" + text::kCliUsage);
    if (!logOpened) return Report(kExitRefused, text::kCliLogUnwritable + (L"\n" + r.log));
    if (!r.presets.empty() && !ports.presetFiles.FolderExists(r.presets))
        return Report(kExitRefused, text::kCliPresetsMissing + (L"\n" + r.presets));
    const std::wstring folder = r.presets.empty() ? programFolder : r.presets;
    AnsweredQuestions answers(r.action == CommandAction::Save ? r.replace : r.yes);
    PresetPorts preset{ports.presetFiles, answers};
    ChangeGuard guard(ports.restore, r.origin, r.whatIf);
    CommandOutcome out = Run(r, ports, preset, guard, folder);
    if (r.json && r.whatIf && out.exitCode == kExitDone) out.lines = {JsonOfComparison(guard.comparison())};
    return out;
}

namespace {

CommandOutcome Run(const CommandRequest& r, CommandPorts& ports, PresetPorts& preset,
                   ChangeGuard& guard, const std::wstring& folder) {
    switch (r.action) {
        case CommandAction::Apply:
            if (SameName(r.name, kAutoBrand)) return ApplyMachineBrand(folder, ports, preset, guard);
            return Judged(RunBrandAction(folder, r.name, ports.apply, preset,
                                         GuardBrand(guard, PresetFolder(folder, r.name), ports.presetFiles)));
        case CommandAction::Clear:
            return Judged(RunClearAction(ports.apply, GuardClear(guard)));
        case CommandAction::Set: {
            const CustomValues values = SetValues(r, ports.firmware);
            // Only /machine can come to nothing: the firmware named neither maker nor model.
            if (!AnyGiven(values)) return Report(kExitRefused, text::kCliMachineUnknown);
            return Judged(RunCustomAction(values, ports.apply, GuardCustom(guard, values, ports.presetFiles)));
        }
        case CommandAction::Restore:
            return Judged(RunRestoreAction(r.name, guard));
        case CommandAction::RestorePoints:
            return ListPoints(ports.restore.store, r.json);
        case CommandAction::Owner:
            if (std::optional<ActionOutcome> stop = guard.Check(OwnerPlan(r.owner, ports.restore.registry)))
                return Judged(*stop);
            return Judged(SaveOwnerValues(ports.apply.registry, r.owner));
        case CommandAction::Save: {
            const CurrentOem current = ports.current.Read();
            return Judged(SavePreset({folder, r.name, current.values, current.logoFile}, preset),
                          text::kCliNeedReplace);
        }
        case CommandAction::Show:
            return Show(ports, r.json);
        case CommandAction::Usage:
            return Report(kExitDone, text::kCliUsage);
        case CommandAction::None:
            break;
    }
    return {};
}

}  // namespace

}  // namespace vx
