// A stand-in program for the Windows tests. It records how it was started in probe-ran.txt
// in its current directory (one "name=value" per line, UTF-16), then sleeps and exits as told:
//   probe_child [sleep-milliseconds [exit-code]]
// Planted as cmd.exe, the file it leaves behind proves that it ran.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

unsigned long Number(int argc, wchar_t** argv, int index) {
    return index < argc ? std::wcstoul(argv[index], nullptr, 10) : 0;
}

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, 1024);
    return n && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    wchar_t cwd[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, cwd);

    std::wstring record;
    record += L"pid=" + std::to_wstring(::GetCurrentProcessId()) + L"\n";
    record += L"flags=" + std::to_wstring(startup.dwFlags) + L"\n";
    record += L"show=" + std::to_wstring(startup.wShowWindow) + L"\n";
    record += L"cwd=" + std::wstring(cwd) + L"\n";
    record += L"env=" + Env(L"VX_PROBE_VALUE") + L"\n";
    record += L"cmdline=" + std::wstring(::GetCommandLineW()) + L"\n";
    HANDLE f = ::CreateFileW(L"probe-ran.txt", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(f, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
                    nullptr);
        ::CloseHandle(f);
    }
    const unsigned long sleepMs = Number(argc, argv, 1);
    const unsigned long exitCode = Number(argc, argv, 2);
    ::LocalFree(argv);
    if (sleepMs) ::Sleep(sleepMs);
    return static_cast<int>(exitCode);
}
