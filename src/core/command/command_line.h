#pragma once
// The silent command line: the words Windows splits it into and what they ask for. Reading
// touches nothing; core/command/command_run.h runs what was read.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/oem/oem_values.h"
#include "core/oem/owner_panel.h"

namespace vx {

// The words of a whole command line, the program name first, by the rules the C runtime
// builds argv with: the program name ends at the first space or tab outside quotes, and
// nothing in it escapes; in the rest, 2n backslashes before a quote give n and the quote
// opens or closes a quoted part, 2n+1 give n and a literal quote, other backslashes are
// literal, and "" inside a quoted part gives a literal quote and ends the part.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

// /apply's brand that means the preset matching this machine's firmware.
inline constexpr const wchar_t* kAutoBrand = L"auto";

enum class CommandAction { None, Usage, Apply, Clear, Set, Owner, Save, Show, Restore, RestorePoints };

struct CommandRequest {
    CommandAction action = CommandAction::None;
    std::wstring name;  // the brand of /apply, the preset of /save, the point of /restore
    // The values /set and /owner name; one not named stays empty (the kind), and is left as
    // it is. The picture of /logo is `logo`.
    CustomValues custom;
    OwnerValues owner;
    std::wstring logo, presets, log;  // empty when not given
    std::wstring target;  // /target: the Windows folder acted on; empty for the running one
    bool yes = false, replace = false;
    bool machine = false;  // /set /machine: Manufacturer and Model from the firmware
    bool whatIf = false, json = false;
    std::wstring origin;  // the line as a restore point records it: 命令行：/clear
};

struct CommandReading {
    CommandRequest request;
    std::wstring error;  // why the words do not read, for the line before the usage; empty if they do
};

// The words of a whole command line (the program name, first, is skipped). Switches start
// with / or -, in any case; named values are Name=value words after their action. /set and
// /owner must name something to write.
CommandReading ReadCommandLine(const std::vector<std::wstring>& words);

// The file the first /log of the words names, as written; empty when none does. Looked for
// before the words are judged, so that a line that does not read is logged too.
std::wstring LogPathOf(const std::vector<std::wstring>& words);

// The request's paths (/presets, /log, /logo) made full by `fullPath`, once, before anything
// runs: an action that enters a folder must not find the files it checked anew from there.
void MakePathsFull(CommandRequest& request,
                   const std::function<std::wstring(const std::wstring&)>& fullPath);

}  // namespace vx
