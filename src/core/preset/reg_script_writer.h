#pragma once
// The OEM information as a registry script (oem.reg) that `reg import` turns back into the
// same values: each value with its exact type and bytes, each absent one deleted.
#include <span>
#include <string>
#include <vector>

#include "core/raw_value.h"

namespace vx {

struct NamedValue {
    std::wstring name;
    RawValue value;
};

// The text after `"Name"=`: a quoted string for a plain text that survives one, otherwise
// hex(N): bytes (hex: for binary), lines continued as the system's own export does.
std::wstring RegDataText(const RawValue& value);

// One value's line: `"Name"=` and its data, or `"Name"=-` for an absent one; CR LF at the end.
std::wstring RegValueLine(const std::wstring& name, const RawValue& value);

// The whole script under the OEM information key: header, blank line, key, one line per
// value (`"Name"=-` for an absent one), CR LF line ends and a closing blank line.
std::wstring RegScriptText(std::span<const NamedValue> values);

// The script as the file stores it: UTF-16LE with a byte-order mark.
std::vector<std::uint8_t> RegScriptFile(std::span<const NamedValue> values);

}  // namespace vx
