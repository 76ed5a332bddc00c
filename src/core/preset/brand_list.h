#pragma once
// The brand list file and the preset library: how the file's bytes become list entries, what
// kind of entry a selection is, and where a brand's preset files lie.
#include <string>
#include <string_view>
#include <vector>

#include "core/plain_text.h"

namespace vx {

// The entries of the list file decoded as a whole: its lines as SplitLines gives them (no folder
// name can hold CR or LF); blank lines and duplicates stay. Two entries name one brand when they
// are the same name (SameName), as the folders named after them are.
std::vector<std::wstring> SplitListLines(std::wstring_view text);

enum class SelectionKind { Custom, Clear, Brand };

// Decided by exact text, never by position: a brand line that reads like a fixed entry acts
// as that entry.
SelectionKind KindOf(std::wstring_view entry);

// <program folder>\oemlist.ini
std::wstring ListFilePath(const std::wstring& programFolder);
// <program folder>\oemdata\<brand>, the brand text exactly as listed.
std::wstring PresetFolder(const std::wstring& programFolder, const std::wstring& brand);
// <program folder>\oemdata\<brand>\oemlogo.bmp
std::wstring PresetLogoPath(const std::wstring& programFolder, const std::wstring& brand);

}  // namespace vx
