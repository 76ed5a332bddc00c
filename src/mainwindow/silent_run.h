#pragma once
// The program started with arguments: one action run silently, no window created.
#include <functional>
#include <string>
#include <vector>

namespace vx {

// The words of the whole command line, the program name first; returns the exit code.
// `beforeUnload` runs once the action is done, while a /target's hive is still loaded: the
// Windows tests read what was written there (Wine keeps nothing of a hive it unloads).
int RunSilently(const std::vector<std::wstring>& words, const std::function<void()>& beforeUnload = {});

}  // namespace vx
