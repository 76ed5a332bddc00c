#pragma once
// The apply button's three actions as plain functions over narrow ports: which action a
// selection means, the steps of each in their fixed order, and how their outcome is judged.
// Every step of a started action runs; the completion message is only given when all of
// them did what they were for.
#include <functional>
#include <optional>
#include <string>

#include "core/any_value.h"
#include "core/command_timeout.h"
#include "core/oem/oem_values.h"
#include "core/outcome.h"
#include "core/ports.h"

namespace vx {

enum class ApplyChoice { NothingSelected, Brand, Custom, Clear };

// By the selected entry's exact text: empty means nothing chosen, otherwise the entry's kind
// (the two fixed entries their actions, anything else a brand).
ApplyChoice ChooseApplyAction(const std::wstring& selectedText);

// Asked once an action's checks have passed, before its first step, with the file its copy
// would make the logo (empty when it copies none): nothing to go on, or the outcome the action
// ends with instead (core/oem/change_guard.h).
using BeforeChange = std::function<std::optional<ActionOutcome>(const std::wstring& logoSource)>;

// The copy command of the custom logo, the path quoted as one argument.
std::wstring CustomCopyCommand(const std::wstring& logoPath);

// The preset folder becomes (and stays) the current directory; the preset is checked
// (CheckPreset); then md, copy, reg import.
ActionOutcome RunBrandAction(const std::wstring& programFolder, const std::wstring& brand,
                             ApplyPorts& ports, PresetPorts& preset,
                             const BeforeChange& before = {});
// del, rd, then the six values written empty.
ActionOutcome RunClearAction(ApplyPorts& ports, const BeforeChange& before = {});
// With a logo path, md and the copy of it (or of the picture it names, fitted into a temporary
// bitmap made before any step); then the values given.
ActionOutcome RunCustomAction(const CustomValues& values, ApplyPorts& ports,
                              const BeforeChange& before = {});

}  // namespace vx
