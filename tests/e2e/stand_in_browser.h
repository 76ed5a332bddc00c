#pragma once
// A stand-in browser for the tests: a tiny program of ours, planted where the program under test
// looks for a browser, that records each command line it is started with and ends.
#include <optional>
#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

// The environment that makes "programfiles" read `value` (none: unset) in the started program.
// The system derives it for each new process from ProgramW6432 (64-bit) or ProgramFiles(x86)
// (32-bit), so those go the same way.
EnvironmentChanges ProgramFilesIs(const std::optional<std::wstring>& value);

// Copies the stand-in to `path`; it records into captured.txt beside itself. False on failure.
bool PlantBrowser(const std::wstring& path);

// The command lines recorded by stand-ins planted in `folder`, one per start, in order.
std::vector<std::wstring> Captured(const std::wstring& folder);
// Waits (bounded) until at least `count` starts are recorded, then returns them all.
std::vector<std::wstring> WaitCaptured(const std::wstring& folder, size_t count);

}  // namespace e2e
