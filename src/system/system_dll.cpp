#include "system/system_dll.h"

#include <string>

namespace vx {

HMODULE LoadSystemDll(const wchar_t* dll) {
    if (HMODULE module = ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    return ::GetLastError() == ERROR_INVALID_PARAMETER ? LoadSystemDllByPath(dll) : nullptr;
}

HMODULE LoadSystemDllByPath(const wchar_t* dll) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    path.resize(length);
    path.append(L"\\").append(dll);
    // The DLL's own dependencies are then looked up beside it, not beside the exe.
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace vx
