#pragma once
// Reads a registry script (.reg) the way `reg import` reads it, to learn what importing it
// would change before anything runs.
//
// Two forms are taken, the two the registry editor writes: UTF-16LE with a byte-order mark and
// the header "Windows Registry Editor Version 5.00", or ANSI text with "REGEDIT4". What
// `reg import` itself accepts, as its behaviour on Windows shows, and how it is matched here:
// - the header is the first line; spaces and tabs may precede it, nothing may follow it;
// - lines end with CR LF, LF or a lone CR; spaces and tabs may start any line; blank lines and
//   lines starting with ';' or '#' are skipped;
// - [key] creates a key, [-key] deletes it with everything below; the name runs to the last ']'
//   of the line and no blank may follow '[' or '-'; trailing backslashes are dropped;
//   after the ']' only blanks and a ';' comment;
// - the root is named in any case; its long name (HKEY_LOCAL_MACHINE) is what the registry
//   editor writes; Wine's reg also takes the short one (HKLM), so it is taken here too and a
//   section Windows would skip is counted rather than missed;
// - "name"=data and @=data ("" names the default value too), blanks allowed on both sides of
//   '='; data is "text" (escapes \\ and \"), dword: with 1 to 8 hex digits, hex: or hex(N):
//   with bytes separated by commas (two hex digits each here, as the editor writes them),
//   continued onto the next line by a '\' after a comma (blank and ';' lines between are
//   skipped), or - to delete the value; after the data only blanks and a ';' comment.
// Where `reg import` meets a line it cannot apply it skips it silently and goes on; here such a
// line makes the whole script unreadable, so that whatever is accepted means the same to both.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/raw_value.h"

namespace vx {

// One thing the script would change.
struct ScriptChange {
    // The root in its long form, then the path as written: HKEY_LOCAL_MACHINE\SOFTWARE\...
    std::wstring key;
    // Empty: the key itself. An empty name is the default value (@).
    std::optional<std::wstring> value;
    bool deletes = false;
    std::wstring text;  // what a "text" value would hold; empty for any other data
    // The value as the import stores it (its type and bytes; absent when deleted): text as
    // REG_SZ with its terminator, dword: as four bytes, hex(2) and hex(7) of an ANSI script
    // decoded as the import decodes them. Nothing for a key.
    RawValue data;
    // The same thing changed, whatever it is set to.
    friend bool operator==(const ScriptChange& a, const ScriptChange& b) {
        return a.key == b.key && a.value == b.value && a.deletes == b.deletes;
    }
};

struct ScriptReading {
    std::vector<ScriptChange> changes;  // in the order of the script
    int badLine = 0;                    // the first line that cannot be read (from 1); 0 if none
    std::wstring badText;               // that line as written
    bool ok() const { return badLine == 0; }
};

// The system's ANSI code page, as `reg import` decodes a script without a byte-order mark.
using AnsiDecoder = std::function<std::wstring(std::string_view)>;

ScriptReading ReadRegScript(std::string_view bytes, const AnsiDecoder& decodeAnsi);

}  // namespace vx
