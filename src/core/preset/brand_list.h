#pragma once
// The brand list file and the preset library: how the file's bytes become list entries, what
// kind of entry a selection is, and where a brand's preset files lie.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The file's lines, still in the file's code page. CR LF, a lone CR and a lone LF each end a
// line (no folder name can hold either character); nothing is trimmed, blank lines and
// duplicates stay, and a line end at the very end of the file adds no empty line.
std::vector<std::string> SplitListLines(std::string_view bytes);
// The same rules over the file already decoded as a whole.
std::vector<std::wstring> SplitListLines(std::wstring_view text);

// Whether two brand names are one, as the file system matches the folders named after them:
// without regard to case. Each letter is upper-cased on its own as the file system does, for
// the letters that have both cases in the code pages a name can be written in (ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic without accents, full-width Latin); any other character
// only equals itself.
bool SameName(std::wstring_view a, std::wstring_view b);
// The order of two names by the same letters: negative, zero (SameName) or positive.
int CompareNames(std::wstring_view a, std::wstring_view b);

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
