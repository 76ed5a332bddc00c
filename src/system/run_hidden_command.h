#pragma once
// Runs the program's command lines: always the native command interpreter named by its full
// path, hidden, in the current directory with the program's environment, one at a time.
#include <windows.h>

#include <string>

#include "core/command_timeout.h"
#include "core/ports.h"

namespace vx {

// Starts `commandLine` unchanged ("cmd /c ...") with the system's cmd.exe as the program,
// so no cmd.exe in the current directory, beside the exe or on the search path can stand in
// for it, and waits for it at most kCommandTimeoutSeconds, dispatching the thread's messages
// but not its input meanwhile. A command still running then is ended with every program it
// started (only the interpreter where our own job allows no nested one) and counts as not
// finished.
CommandResult RunHiddenCommand(const std::wstring& commandLine);

// What RunHiddenCommand does, with the program and the time limit given.
CommandResult RunHiddenProcess(const std::wstring& applicationPath, const std::wstring& commandLine,
                               DWORD timeoutMilliseconds);

}  // namespace vx
