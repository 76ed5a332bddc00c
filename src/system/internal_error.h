#pragma once
// The end of a run that cannot go on: memory exhausted, or an error of the program's own (a
// check of the C++ library that failed, a fault). The program throws nothing, so nothing could
// recover; it ends at once with its own exit code, without taking memory on the way.
#include "system/console_output.h"

namespace vx {

// From now on such an end prints its line to `out` and appends it, with the exit code, to
// `log`, and neither the C runtime nor the system shows a box of its own (a fault, a drive
// without its disk): for the silent run, where no one may be there to click one.
void EndInternalErrorsSilently(ConsoleOutput& out, LogFile& log);

// Ends the program with kExitInternalError: silently as set above, otherwise (the window) after
// a message box saying so.
[[noreturn]] void EndForInternalError();

}  // namespace vx
