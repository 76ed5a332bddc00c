#pragma once
// The program started with arguments: one action run silently, no window created.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The whole command line and the words it splits into, the program name first; returns the
// exit code.
int RunSilently(std::wstring_view commandLine, const std::vector<std::wstring>& words);

}  // namespace vx
