#pragma once
// Functions of Windows' own DLLs that only some commands need, looked up when first used.
// Imported, their DLLs would load at every start, and before the program limits where DLLs
// are searched: from a download folder, a planted copy beside the exe would load instead.
#include <windows.h>

namespace vx {

// The DLL from the system folder only, or null.
HMODULE LoadSystemDll(const wchar_t* dll);
// The same by the DLL's full path: Windows 7 without its loader update (KB2533623) refuses
// the system-folder-only search with ERROR_INVALID_PARAMETER.
HMODULE LoadSystemDllByPath(const wchar_t* dll);

// `name` in `dll`, or null. Loading a DLL that is already loaded only counts one more use.
template <typename Fn>
Fn SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemDll(dll);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace vx
