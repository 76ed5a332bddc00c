#include "core/command/command_run.h"

#include <algorithm>

#include "core/decimal.h"
#include "core/machine/machine_brand.h"
#include "core/oem/apply_actions.h"
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
CommandOutcome Show(CommandPorts& ports) {
    CommandOutcome out;
    const CurrentOem current = ports.current.Read();
    const auto show = [&](std::wstring name, std::wstring_view value) {
        out.lines.push_back(std::move(name) + L"=" + OneLine(value));
    };
    for (size_t i = 0; i < kOemValues.size(); ++i)
        show(kOemValues[i].name, ShownText(current.values[i]));
    OwnerPanel owner;
    const OwnerTexts texts = owner.Load(ports.apply.registry);
    for (int i = 0; i < kOwnerFieldCount; ++i) show(OwnerFields()[i].valueName, texts[i]);
    const MachineIdentity machine = ReadMachineIdentity(ports.firmware);
    show(L"FirmwareManufacturer", machine.manufacturer);
    show(L"FirmwareModel", machine.model);
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
                                 PresetPorts& preset) {
    const std::wstring list = ListFilePath(folder);
    const std::optional<std::string> bytes = ports.presetFiles.ReadFile(list);
    if (!bytes) return Outcome(kExitRefused, text::kMsgListUnreadable + list);
    const std::vector<std::wstring> brands = SplitListLines(ports.presetFiles.DecodeAnsi(*bytes));
    const MachineBrand brand = FindMachineBrand(
        brands, ReadMachineIdentity(ports.firmware).manufacturer, folder, ports.presetFiles);
    if (brand.index < 0) return Outcome(kExitNoBrand, brand.message);
    return Judged(RunBrandAction(folder, brands[brand.index], ports.apply, preset),
                  ports.questions);
}

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
        return Outcome(kExitUsage, reading.error + L"\n" + text::kCliUsage);
    if (!logOpened) return Outcome(kExitRefused, text::kCliLogUnwritable + (L"\n" + r.log));
    if (!r.presets.empty() && !ports.presetFiles.FolderExists(r.presets))
        return Outcome(kExitRefused, text::kCliPresetsMissing + (L"\n" + r.presets));
    const std::wstring folder = r.presets.empty() ? programFolder : r.presets;
    ports.questions.answer = r.action == CommandAction::Save ? r.replace : r.yes;
    PresetPorts preset{ports.presetFiles, ports.questions};
    switch (r.action) {
        case CommandAction::Apply: {
            if (SameKey(r.name, kAutoBrand)) return ApplyMachineBrand(folder, ports, preset);
            return Judged(RunBrandAction(folder, r.name, ports.apply, preset), ports.questions);
        }
        case CommandAction::Clear:
            return Judged(RunClearAction(ports.apply), ports.questions);
        case CommandAction::Set: {
            const CustomValues values = SetValues(r, ports.firmware);
            // Only /machine can come to nothing: the firmware named neither maker nor model.
            if (!AnyGiven(values)) return Outcome(kExitRefused, text::kCliMachineUnknown);
            return Judged(RunCustomAction(values, ports.apply), ports.questions);
        }
        case CommandAction::Owner: {
            const std::wstring message = SaveOwnerValues(ports.apply.registry, r.owner);
            return Outcome(message == text::kMsgOwnerSaved ? kExitDone : kExitFailed, message);
        }
        case CommandAction::Save: {
            CurrentOem current = ports.current.Read();
            const SaveOutcome s = SavePreset(
                {folder, r.name, std::move(current.values), std::move(current.logoFile)}, preset);
            if (s.message.empty()) return Declined(ports.questions, text::kCliNeedReplace);
            return Outcome(s.saved ? kExitDone : s.wrote ? kExitFailed : kExitRefused, s.message);
        }
        case CommandAction::Show:
            return Show(ports);
        case CommandAction::Usage:
            return Outcome(kExitDone, text::kCliUsage);
        case CommandAction::None:
            break;
    }
    return {};
}

}  // namespace vx
