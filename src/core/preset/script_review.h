#pragma once
// A brand preset looked at before anything of it is applied: the import runs with
// administrator rights, so the preset may hold no file that would run in place of reg, its
// script must read as a registry script, and whatever the script would change beyond the OEM
// information's values is shown to the user, who accepts it or not.
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/ports.h"
#include "core/preset/reg_script.h"

namespace vx {

// A preset's script read as `reg import` reads it, its ANSI form in the system's code page.
ScriptReading ReadPresetScript(const std::string& bytes, PresetFiles& files);

// Whether the key is the OEM information's (HKEY_LOCAL_MACHINE\...\OEMInformation).
bool IsOemKey(std::wstring_view key);

// What a preset's script would change beyond the values of the OEM information, in the script's
// order: each thing once, and a key that receives values shown by its values only.
std::vector<ScriptChange> OutsideOemInformation(std::vector<ScriptChange> changes);

// The preset in `folder` checked: Done when nothing in it is refused and the user accepts
// whatever its script would change beyond the OEM information, Declined when not.
ActionOutcome CheckPreset(const std::wstring& folder, PresetPorts& preset);

}  // namespace vx
