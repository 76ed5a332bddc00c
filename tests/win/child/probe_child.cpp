// Records how it was started in probe-ran.txt in its current directory ("name=value" lines in
// UTF-16) and exits with its last word as the code: planted as cmd.exe or the browser, it shows
// that and how it ran.
#include <windows.h>

#include <cstdlib>
#include <string>

int main() {
    STARTUPINFOW startup{};
    ::GetStartupInfoW(&startup);
    const std::wstring line = ::GetCommandLineW();
    const std::wstring record = L"flags=" + std::to_wstring(startup.dwFlags) + L"\nshow=" +
                                std::to_wstring(startup.wShowWindow) + L"\ncmdline=" + line + L"\n";
    HANDLE f = ::CreateFileW(L"probe-ran.txt", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, record.data(), static_cast<DWORD>(record.size() * 2), &written, nullptr);
    ::CloseHandle(f);
    const int code = _wtoi(line.c_str() + line.find_last_of(L' ') + 1);
    // A code past any exit status is a time to stay: long enough to outlive a time limit.
    if (code > 255) {
        const std::string pid = std::to_string(::GetCurrentProcessId());
        f = ::CreateFileW(L"probe-pid.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::WriteFile(f, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr);
        ::CloseHandle(f);
        ::Sleep(static_cast<DWORD>(code));
    }
    return code;
}
