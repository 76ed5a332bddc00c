#pragma once
// The apply button's three actions as plain functions over narrow ports: which action a
// selection means, the steps of each in their fixed order, and how their outcome is judged.
// Every step of a started action runs; the completion message is only given when all of
// them did what they were for.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/any_value.h"
#include "core/ports.h"
#include "core/preset/reg_script.h"

namespace vx {

// How long one command may run before it counts as failed and is ended.
inline constexpr int kCommandTimeoutSeconds = 60;

enum class ApplyChoice { NothingSelected, Brand, Custom, Clear };

// By the selected entry's exact text: empty means nothing chosen, otherwise the entry's kind
// (the two fixed entries their actions, anything else a brand).
ApplyChoice ChooseApplyAction(const std::wstring& selectedText);

// The custom window's six fields as its last OK handed them over (all empty before the first
// OK of the run), or the values /set names. An empty field (the kind) is not written, and an
// empty logo path leaves the logo as it is.
struct CustomValues {
    AnyValue manufacturer;  // Diy1
    AnyValue model;         // Diy2
    AnyValue supportUrl;    // Diy3
    AnyValue supportPhone;  // Diy4
    AnyValue logoPath;      // Diy5
    AnyValue supportHours;  // Diy6
};

enum class ApplyStep {
    EnterPresetFolder,
    CheckLogoPath,
    CheckPreset,
    MakeOemFolder,
    CopyLogo,
    ImportScript,
    DeleteLogo,
    RemoveOemFolder,
    WriteValue,
};

// One step that did not do what it was for: which step, what it concerned (a folder, a file
// or a value name) and why.
struct StepFailure {
    ApplyStep step;
    std::wstring subject;
    std::wstring reason;
    friend bool operator==(const StepFailure&, const StepFailure&) = default;
};

struct ActionOutcome {
    // True when the action was refused before its first step: nothing was changed.
    bool refused = false;
    std::vector<StepFailure> failures;
    // The one message to show: the completion message, or what failed.
    std::wstring message;
    bool Succeeded() const { return !refused && failures.empty(); }
};

// Asked once an action's checks have passed, before its first step, with the file its copy
// would make the logo (empty when it copies none): nothing to go on, or the outcome the action
// ends with instead (core/oem/change_guard.h).
using BeforeChange = std::function<std::optional<ActionOutcome>(const std::wstring& logoSource)>;

// What a preset's script would change beyond the values of the OEM information, in the script's
// order: each thing once, and a key that receives values shown by its values only.
std::vector<ScriptChange> OutsideOemInformation(std::vector<ScriptChange> changes);

// The copy command of the custom logo, the path quoted as one argument.
std::wstring CustomCopyCommand(const std::wstring& logoPath);

// The preset folder becomes (and stays) the current directory; the preset is checked (no file
// that would run in place of reg, a script that can be read, and what it would change beyond
// the OEM information's values accepted by the user); then md, copy, reg import.
ActionOutcome RunBrandAction(const std::wstring& programFolder, const std::wstring& brand,
                             ApplyPorts& ports, PresetPorts& preset,
                             const BeforeChange& before = {});
// del, rd, then the six values written empty.
ActionOutcome RunClearAction(ApplyPorts& ports, const BeforeChange& before = {});
// With a logo path, md and the copy of it (or of the picture it names, fitted into a temporary
// bitmap made before any step); then the values given.
ActionOutcome RunCustomAction(const CustomValues& values, ApplyPorts& ports,
                              const BeforeChange& before = {});

struct MachineBrand {
    int index;             // in the brands given; -1 for none
    std::wstring message;  // why there is none, naming the maker; empty when there is one
};

// The brand preset for this machine: the first of `brands` (the fixed entries skipped) whose
// name is the firmware manufacturer's, or whose oem.reg sets Manufacturer to a text holding the
// manufacturer's name, or by which the manufacturer is known in Chinese; all compared without
// regard to ASCII case, '.', ',' and corporate words such as Inc. or Co., Ltd. at the end.
MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files);

}  // namespace vx
