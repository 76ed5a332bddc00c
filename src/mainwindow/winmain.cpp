#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <new>

#include "core/command/command_line.h"
#include "mainwindow/program.h"
#include "mainwindow/silent_run.h"
#include "system/internal_error.h"

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

// The program throws and catches nothing, so a failed allocation or a length error in the
// library can only end it. These replacements end it with its own exit code and a line saying
// so (EndForInternalError); the library's own would link in exceptions, their unwinder, the
// threads library under it and its narrow strings: half of the exe. A missing one fails the link.
namespace std {
void __throw_bad_alloc() { vx::EndForInternalError(); }
void __throw_bad_array_new_length() { vx::EndForInternalError(); }
void __throw_bad_function_call() { vx::EndForInternalError(); }
void __throw_length_error(const char*) { vx::EndForInternalError(); }
void __throw_logic_error(const char*) { vx::EndForInternalError(); }
void __throw_out_of_range_fmt(const char*, ...) { vx::EndForInternalError(); }
}  // namespace std

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    vx::EndForInternalError();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    HardenDllSearch();
    // The wide command line: Chinese names arrive whole whatever the ANSI code page.
    const wchar_t* line = ::GetCommandLineW();
    const std::vector<std::wstring> words = vx::SplitCommandLine(line);
    if (words.size() > 1) return vx::RunSilently(line, words);
    // Initialization step: no class set named; the result is of no consequence.
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = 8;
    icc.dwICC = 0;
    ::InitCommonControlsEx(&icc);

    vx::Program program;
    return program.Run(showCommand);
}
