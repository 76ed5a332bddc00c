#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "core/command_line.h"
#include "mainwindow/program.h"
#include "mainwindow/silent_run.h"

namespace {

// The program runs elevated, often from a download folder anyone can write to: DLLs are
// loaded from the system folder only, never from the current or the program's folder.
void HardenDllSearch() {
    ::SetDllDirectoryW(L"");
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    // Looked up at run time: a Windows 7 without its loader update lacks it.
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto fn = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
                           ::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                     : nullptr;
    if (fn) fn(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

// Replaces the C++ runtime's default handler for an escaped exception: a window program has no
// console for its message, and its name demangler alone would be a tenth of the exe.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    HardenDllSearch();
    // The wide command line: Chinese names arrive whole whatever the ANSI code page.
    const std::vector<std::wstring> words = vx::SplitCommandLine(::GetCommandLineW());
    if (words.size() > 1) return vx::RunSilently(words);
    // Initialization step: no class set named; the result is of no consequence.
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = 8;
    icc.dwICC = 0;
    ::InitCommonControlsEx(&icc);

    vx::Program program;
    return program.Run(showCommand);
}
