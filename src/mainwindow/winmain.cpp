#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/command/command_line.h"
#include "mainwindow/program.h"
#include "mainwindow/silent_run.h"

#ifdef VX_TEST_SEAMS
#include <cwchar>
#include <string_view>

#include "system/browser.h"
#endif

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

#ifdef VX_TEST_SEAMS
// The test build's alone, never the shipped exe's: VENDRIX_TEST_PAGE_DELAY_MS, a number of
// milliseconds up to a minute, holds each page opening up that long. Anything else holds none.
void ReadTestSeams() {
    wchar_t text[8] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"VENDRIX_TEST_PAGE_DELAY_MS", text, 8);
    const std::wstring_view digits(text, length < 8 ? length : 0);
    if (digits.empty() || digits.find_first_not_of(L"0123456789") != std::wstring_view::npos)
        return;
    const unsigned long milliseconds = std::wcstoul(text, nullptr, 10);
    if (milliseconds <= 60000) vx::HoldPageOpenings(milliseconds);
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    HardenDllSearch();
    // The wide command line: Chinese names arrive whole whatever the ANSI code page.
    const std::vector<std::wstring> words = vx::SplitCommandLine(::GetCommandLineW());
    if (words.size() > 1) return vx::RunSilently(words);
#ifdef VX_TEST_SEAMS
    ReadTestSeams();
#endif
    // Initialization step: no class set named; the result is of no consequence.
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = 0;
    ::InitCommonControlsEx(&icc);

    vx::Program program;
    return program.Run(showCommand);
}
