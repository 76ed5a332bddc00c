#include "system/internal_error.h"

#include <csignal>

#include "core/command/command_run.h"
#include "core/texts.h"

namespace vx {

namespace {

ConsoleOutput* silentOutput = nullptr;
LogFile* silentLog = nullptr;
LONG ending = 0;

// The exit code as text, for a line written without taking memory.
static_assert(kExitInternalError == 5);
constexpr const wchar_t* kExitInternalErrorText = L"5";

void OnAbort(int) { EndForInternalError(); }

LONG WINAPI OnFault(EXCEPTION_POINTERS*) { EndForInternalError(); }

}  // namespace

void EndInternalErrorsSilently(ConsoleOutput& out, LogFile& log) {
    silentOutput = &out;
    silentLog = &log;
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::SetUnhandledExceptionFilter(OnFault);
    // abort() raises it first: the C runtime's own box and exit code 3 never come.
    std::signal(SIGABRT, OnAbort);
}

void EndForInternalError() {
    // Whatever fails while the line is written ends the program here without a second one.
    if (::InterlockedExchange(&ending, 1) == 0) {
        if (silentOutput) {
            silentOutput->PrintNow(text::kMsgInternalError);
            silentLog->AppendNow(text::kMsgInternalError);
            silentLog->AppendNow(text::kLogExitCode, kExitInternalErrorText);
        } else {
            ::MessageBoxW(nullptr, text::kMsgInternalError, text::kAppTitle, MB_OK | MB_ICONERROR);
        }
    }
    ::TerminateProcess(::GetCurrentProcess(), kExitInternalError);
    ::ExitProcess(kExitInternalError);
}

}  // namespace vx
