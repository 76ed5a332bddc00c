#pragma once
// Two rules of plain text the program applies in many places, each said here once: where a
// line ends, and when two names are one.
#include <string_view>
#include <vector>

namespace vx {

// The text's lines: CR LF, a lone CR and a lone LF each end one; nothing is trimmed, blank
// lines stay, and a line end at the very end of the text adds no empty line. The lines point
// into the text.
std::vector<std::wstring_view> SplitLines(std::wstring_view text);

// The letter in upper case as the file system and the registry compare names, for the letters
// that have both cases in the code pages a name can be written in (ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic without accents, full-width Latin); any other character as it is.
wchar_t UpperLetter(wchar_t c);

// Whether two names are one without regard to case, each letter upper-cased on its own: brand
// names as the folders named after them match, key and value names, switches, makers.
bool SameName(std::wstring_view a, std::wstring_view b);

}  // namespace vx
