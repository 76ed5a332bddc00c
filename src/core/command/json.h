#pragma once
// JSON for scripts, in ASCII only: every other character written as \uXXXX (a pair for one
// beyond U+FFFF), so that the text survives whatever code page reads the output.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/oem/restore_point.h"

namespace vx {

// The text as a JSON string, quotes included.
std::wstring JsonString(std::wstring_view text);

// /show: {"Manufacturer":"...",...} from its Name=value lines.
std::wstring JsonOfNamedLines(const std::vector<std::wstring>& lines);
// /whatif: {"changes":[{"name":"...","from":"..."|null,"to":...}],"logo":"替换"} (no "logo"
// when the action leaves it alone).
std::wstring JsonOfComparison(const Comparison& c);
// /restorepoints: {"restorePoints":[{"name":"...","madeBy":"..."}]}, newest first.
std::wstring JsonOfRestorePoints(const std::vector<RestorePoint>& points);

}  // namespace vx
