#pragma once
// Saving the machine's current OEM information as a brand preset: which names are refused,
// the default name, the list file's new bytes, and the save's steps over a narrow port, so
// that every refusal and failure is tested natively.
#include <array>
#include <string>

#include "core/oem/oem_values.h"
#include "core/outcome.h"
#include "core/ports.h"
#include "core/preset/reg_script_writer.h"

namespace vx {

using OemRawValues = std::array<RawValue, kOemValues.size()>;  // by kOemValues

// What a box shows of a value: a text up to its first NUL, anything else as the script
// writes it; empty for an absent value.
std::wstring ShownText(const RawValue& value);

// Why a preset cannot have this name (the message to show); empty when it can.
std::wstring PresetNameProblem(const std::wstring& name, PresetFiles& files);

// Year, month, day, hour and minute of the local time.
struct LocalMinute {
    int year, month, day, hour, minute;
};

// The name box's first text: the current manufacturer, or "备份" and the time when it is empty.
std::wstring DefaultPresetName(const std::wstring& manufacturer, const LocalMinute& now);

// Whether the decoded list file already has a line for the name, matched as SameName does.
bool ListHasName(std::wstring_view list, std::wstring_view name);
// The list file after adding `line`: the old bytes unchanged, a CR LF first when they do not
// end with a line end.
std::string ListWithLine(const std::string& old, const std::string& line);

struct SaveRequest {
    std::wstring programFolder;
    std::wstring name;
    OemRawValues values;
    // The file the Logo value names, as this process reaches it; empty when there is none.
    std::wstring logoFile;
};

// The machine's current OEM information as a save takes it.
struct CurrentOem {
    OemRawValues values;
    // The file the Logo value names, as this process reaches it; empty when there is none.
    std::wstring logoFile;
};

class CurrentOemSource {
  public:
    virtual ~CurrentOemSource() = default;
    // As the current OEM information window reads it.
    virtual CurrentOem Read() = 0;
};

// Replacing an existing preset is asked first. Refused when the name is, or the list file
// cannot be read; Failed once a write was tried and failed.
ActionOutcome SavePreset(const SaveRequest& request, PresetPorts& preset);

}  // namespace vx
