#pragma once
// The program started with arguments: one action run silently, no window created.
#include <string>
#include <vector>

namespace vx {

// The words of the whole command line, the program name first; returns the exit code.
int RunSilently(const std::vector<std::wstring>& words);

}  // namespace vx
