#pragma once
// Where the command line's lines go: the console the program was started from, and a log file.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "system/handles.h"

namespace vx {

// The standard output the program inherited, or else the console of the process that started
// it, taken once at the start of a run: lines go to a console as wide characters, and into a
// file or pipe as bytes in the ANSI code page, as the system's own editors read a file without
// a byte-order mark. The program stays a window program, which has no console of its own.
class ConsoleOutput {
  public:
    ConsoleOutput();
    // Each line ended with CR LF; nothing when there is nowhere to print.
    void Print(const std::vector<std::wstring>& lines);
    // The same for one short line, without taking memory: for the end of a run that has none.
    void PrintNow(std::wstring_view line);

  private:
    HANDLE out_ = nullptr;
    bool console_ = false;
    UniqueHandle opened_;  // the console's output, when opened here
};

// A file the lines are appended to in UTF-8, each after the local date and time. It is opened
// for appending only and shared, so that another run (or a reader) may use it at the same time;
// each line is one write.
class LogFile {
  public:
    // False when it cannot be opened for appending (it is made when missing).
    bool Open(const std::wstring& path);
    // Nothing when the file is not open.
    void Append(const std::vector<std::wstring>& lines);
    // One short line (cut at about 200 characters), without taking memory.
    void AppendNow(std::wstring_view first, std::wstring_view second = {});

  private:
    UniqueHandle file_;
};

}  // namespace vx
