#pragma once
// The program started with arguments: one action run silently, no window created.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The whole command line and the words it splits into, the program name first; returns the
// exit code. `beforeUnload` runs once the action is done, while a /target's hive is still
// loaded: the Windows tests read what was written there (Wine keeps nothing of a hive it unloads).
int RunSilently(std::wstring_view commandLine, const std::vector<std::wstring>& words,
                const std::function<void()>& beforeUnload = {});

}  // namespace vx
