#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <new>

#include "core/command/command_line.h"
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

// The program throws and catches nothing, so a failed allocation or a length error in the
// library has always ended it through std::terminate in std::abort. These replacements end it
// there directly; the library's own would link in exceptions, their unwinder, the threads
// library under it and its narrow strings: half of the exe. A missing one fails the link.
namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_function_call() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    std::abort();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

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
