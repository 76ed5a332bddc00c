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
    return _wtoi(line.c_str() + line.find_last_of(L' ') + 1);
}
