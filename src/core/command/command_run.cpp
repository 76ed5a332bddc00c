#include "core/command/command_run.h"

#include "core/command/json.h"
#include "core/oem/change_guard.h"
#include "core/preset/brand_list.h"
#include "core/oem/owner_panel.h"
#include "core/preset/reg_script.h"
#include "core/texts.h"

namespace vx {

namespace {

// A question answered No ended the action before any change: it is printed with how to say Yes.
CommandOutcome Declined(const AnsweredQuestions& questions, const wchar_t* howToAccept) {
    return Outcome(kExitRefused, questions.asked + L"\n" + howToAccept);
}

CommandOutcome Judged(const ActionOutcome& o, const AnsweredQuestions& questions) {
    if (o.refused && o.message.empty()) return Declined(questions, text::kCliNeedYes);
    return Outcome(o.refused ? kExitRefused : o.failures.empty() ? kExitDone : kExitFailed,
                   o.message);
}

// Name=value lines a script can read: the six OEM values, then the owner's.
CommandOutcome Show(CommandPorts& ports, bool json) {
    CommandOutcome out;
    const CurrentOem current = ports.current.Read();
    for (size_t i = 0; i < kOemValueNames.size(); ++i)
        out.lines.push_back(kOemValueNames[i] + (L"=" + ShownText(current.values[i])));
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
    if (!bytes) return Outcome(kExitRefused, text::kMsgListUnreadable + list);
    const std::vector<std::wstring> brands = SplitListLines(ports.presetFiles.DecodeAnsi(*bytes));
    const MachineBrand brand = FindMachineBrand(
        brands, ReadMachineIdentity(ports.firmware).manufacturer, folder, ports.presetFiles);
    if (brand.index < 0) return Outcome(kExitNoBrand, brand.message);
    return Judged(RunBrandAction(folder, brands[brand.index], ports.apply, preset,
                                 GuardBrand(guard, PresetFolder(folder, brands[brand.index]),
                                            ports.presetFiles)),
                  ports.questions);
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
CommandOutcome Run(const CommandRequest& r, CommandPorts& ports, ChangeGuard& guard,
                   const std::wstring& folder);

}  // namespace

CommandOutcome Outcome(int exitCode, const std::wstring& message) {
    CommandOutcome out{exitCode, {}};
    for (size_t from = 0; from <= message.size();) {
        const size_t end = std::min(message.find(L'\n', from), message.size());
        if (end > from) out.lines.push_back(message.substr(from, end - from));
        from = end + 1;
    }
    return out;
}

CommandOutcome RunCommand(const CommandReading& reading, bool logOpened,
                          const std::wstring& programFolder, CommandPorts& ports) {
    const CommandRequest& r = reading.request;
    if (!reading.error.empty())
        return Outcome(kExitUsage, reading.error + L"\n" + text::kCliUsage);
    if (!logOpened) return Outcome(kExitRefused, text::kCliLogUnwritable + (L"\n" + r.log));
    if (!r.presets.empty() && !ports.saveFiles.FolderExists(r.presets))
        return Outcome(kExitRefused, text::kCliPresetsMissing + (L"\n" + r.presets));
    const std::wstring folder = r.presets.empty() ? programFolder : r.presets;
    ports.questions.answer = r.action == CommandAction::Save ? r.replace : r.yes;
    ChangeGuard guard(ports.restore, r.origin, r.whatIf);
    CommandOutcome out = Run(r, ports, guard, folder);
    if (r.json && r.whatIf && out.exitCode == kExitDone) out.lines = {JsonOfComparison(guard.comparison())};
    return out;
}

namespace {

CommandOutcome Run(const CommandRequest& r, CommandPorts& ports, ChangeGuard& guard,
                   const std::wstring& folder) {
    switch (r.action) {
        case CommandAction::Apply: {
            PresetPorts preset{ports.presetFiles, ports.questions};
            if (SameKey(r.name, kAutoBrand)) return ApplyMachineBrand(folder, ports, preset, guard);
            return Judged(RunBrandAction(folder, r.name, ports.apply, preset,
                                         GuardBrand(guard, PresetFolder(folder, r.name), ports.presetFiles)),
                          ports.questions);
        }
        case CommandAction::Clear:
            return Judged(RunClearAction(ports.apply, GuardClear(guard)), ports.questions);
        case CommandAction::Set: {
            const CustomValues values = r.machine ? WithMachine(r.custom, ports.firmware) : r.custom;
            return Judged(RunCustomAction(values, ports.apply, GuardCustom(guard, values, ports.presetFiles)),
                          ports.questions);
        }
        case CommandAction::Restore:
            return Judged(RunRestoreAction(r.name, guard), ports.questions);
        case CommandAction::RestorePoints:
            return ListPoints(ports.restore.store, r.json);
        case CommandAction::Owner: {
            if (std::optional<ActionOutcome> stop = guard.Check(OwnerPlan(r.owner, ports.restore.registry)))
                return Judged(*stop, ports.questions);
            const std::wstring message = SaveOwnerValues(ports.apply.registry, r.owner);
            return Outcome(message == text::kMsgOwnerSaved ? kExitDone : kExitFailed, message);
        }
        case CommandAction::Save: {
            CurrentOem current = ports.current.Read();
            const SaveOutcome s = SavePreset(
                {folder, r.name, std::move(current.values), std::move(current.logoFile)},
                ports.saveFiles);
            if (s.message.empty()) return Declined(ports.questions, text::kCliNeedReplace);
            return Outcome(s.saved ? kExitDone : s.wrote ? kExitFailed : kExitRefused, s.message);
        }
        case CommandAction::Show:
            return Show(ports, r.json);
        case CommandAction::Usage:
            return Outcome(kExitDone, text::kCliUsage);
        case CommandAction::None:
            break;
    }
    return {};
}

}  // namespace

}  // namespace vx
