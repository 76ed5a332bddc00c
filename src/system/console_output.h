#pragma once
// Where the command line's lines go: the console the program was started from, and a log file.
#include <windows.h>

#include <string>
#include <vector>

#include "system/handles.h"

namespace vx {

// To the standard output the program inherited, or else to the console of the process that
// started it: as wide characters on a console, and into a file or pipe as bytes in the ANSI
// code page, as the system's own editors read a file without a byte-order mark. The program
// stays a window program, which has no console of its own.
void PrintLines(const std::vector<std::wstring>& lines);

// A file the lines are appended to in UTF-8, each after the local date and time.
class LogFile {
  public:
    // False when it cannot be opened for appending (it is made when missing).
    bool Open(const std::wstring& path);
    // Nothing when the file is not open.
    void Append(const std::vector<std::wstring>& lines);

  private:
    UniqueHandle file_;
};

}  // namespace vx
