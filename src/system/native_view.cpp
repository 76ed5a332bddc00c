#include "system/native_view.h"

#include <string_view>
#include <vector>

#include "core/plain_text.h"

namespace vx {

namespace {

bool IsWow64Process() {
    using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto fn = kernel ? reinterpret_cast<Fn>(
                           reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")))
                     : nullptr;
    BOOL wow64 = FALSE;
    return fn && fn(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

std::wstring WindowsFolder() {
    // The real Windows folder even under terminal-server per-user redirection.
    std::vector<wchar_t> buffer(MAX_PATH);
    UINT n = ::GetSystemWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.resize(n + 1);
        n = ::GetSystemWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    std::wstring folder(buffer.data(), n);
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

bool Is64BitWindows() { return sizeof(void*) == 8 || IsWow64Process(); }

std::wstring NativeSystemFolder() {
    return WindowsFolder() + (IsWow64Process() ? L"\\Sysnative" : L"\\System32");
}

std::wstring NativeFilePath(const std::wstring& path) {
    const std::wstring system32 = WindowsFolder() + L"\\System32";
    // Compared as the file system compares names, without regard to case.
    if (path.size() <= system32.size() || path[system32.size()] != L'\\' ||
        !SameName(std::wstring_view(path).substr(0, system32.size()), system32))
        return path;
    return NativeSystemFolder() + path.substr(system32.size());
}

std::wstring CommandInterpreterPath() { return NativeSystemFolder() + L"\\cmd.exe"; }

}  // namespace vx
