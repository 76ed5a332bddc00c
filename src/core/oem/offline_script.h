#pragma once
// A brand preset's registry script applied by the program itself to a Windows that is not
// running. `reg import` would write to the running system (the boot disk's own registry), so
// the parsed script is written through the registry port of that Windows' SOFTWARE hive, where
// only keys under HKEY_LOCAL_MACHINE\SOFTWARE have a place.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/ports.h"
#include "core/preset/reg_script.h"

namespace vx {

// What follows SOFTWARE in a key under HKEY_LOCAL_MACHINE (keys as the registry port names
// them): empty for SOFTWARE itself, "\Microsoft\..." below it; nothing for any other key.
std::optional<std::wstring_view> BelowSoftware(std::wstring_view machineKey);

// The first change of the script that has no place in the hive (a key outside
// HKEY_LOCAL_MACHINE\SOFTWARE, or the deletion of SOFTWARE itself); null when every one has.
const ScriptChange* FirstUnmapped(const std::vector<ScriptChange>& changes);

// One change that could not be made: the key, or the key and value name, and why.
struct ScriptFailure {
    std::wstring subject, reason;
    friend bool operator==(const ScriptFailure&, const ScriptFailure&) = default;
};

// Each change in the script's order, as the import makes it: a key created or deleted with
// everything below, a value written with exactly its type and bytes or deleted. Every change
// is tried, whatever became of the one before. The changes must all have a place
// (FirstUnmapped null).
std::vector<ScriptFailure> ApplyScript(const std::vector<ScriptChange>& changes,
                                       RegistryPort& registry, RegistryKeys& keys);

// A preset's script as it is applied to another Windows: its changes, or the refusal of the first
// line that has no place in the hive. An unreadable script is left to the preset's check.
struct OfflineScript {
    std::vector<ScriptChange> changes;
    std::optional<ActionOutcome> refusal;
};
OfflineScript ReadOfflineScript(const std::wstring& presetFolder, PresetFiles& files);

}  // namespace vx
