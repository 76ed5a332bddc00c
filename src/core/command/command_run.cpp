#include "core/command/command_run.h"

#include "core/command/json.h"
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
    for (size_t i = 0; i < kOemValues.size(); ++i)
        out.lines.push_back(kOemValues[i].name + (L"=" + ShownText(current.values[i])));
    OwnerPanel owner;
    const OwnerTexts texts = owner.Load(ports.apply.registry);
    for (int i = 0; i < kOwnerFieldCount; ++i)
        out.lines.push_back(OwnerFields()[i].valueName + (L"=" + texts[i]));
    const MachineIdentity machine = ReadMachineIdentity(ports.firmware);
    out.lines.push_back(L"FirmwareManufacturer=" + machine.manufacturer);
    out.lines.push_back(L"FirmwareModel=" + machine.model);
    if (json) out.lines = {JsonOfNamedLines(out.lines)};
    return out;
}

// /set /machine: Manufacturer and Model from the firmware where the line names none and the
// firmware does.
CustomValues WithMachine(const CustomValues& v, FirmwarePort& firmware) {
    const MachineIdentity machine = ReadMachineIdentity(firmware);
    const auto pick = [](const AnyValue& given, const std::wstring& read) {
        return given.IsEmpty() && !read.empty() ? AnyValue::FromText(read) : given;
    };
    return {pick(v.manufacturer, machine.manufacturer), pick(v.model, machine.model),
            v.supportUrl, v.supportPhone, v.logoPath, v.supportHours};
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
            const CustomValues values = r.machine ? WithMachine(r.custom, ports.firmware) : r.custom;
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
