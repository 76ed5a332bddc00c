#pragma once
// Where the program reaches the system that Windows itself uses. A 32-bit process on 64-bit
// Windows is redirected to Wow6432Node and SysWOW64, where the System control panel never
// looks; every registry key and every command of the program goes to the native view instead.
// 32-bit Windows ignores the registry flag and has no redirection.
#include <windows.h>

#include <string>

namespace vx {

// Added to the access mask of every registry key the program opens or creates.
inline constexpr REGSAM kRegistryView = KEY_WOW64_64KEY;

// Whether Windows is 64-bit, whichever build this is: it then keeps a copy of part of
// HKLM\SOFTWARE for 32-bit programs under Wow6432Node (reached with KEY_WOW64_32KEY).
bool Is64BitWindows();
// The running Windows' own folder (C:\Windows; X:\Windows on a boot disk), without a trailing
// separator.
std::wstring WindowsFolder();

// The native system folder: %windir%\Sysnative for a 32-bit process on 64-bit Windows,
// otherwise %windir%\System32.
std::wstring NativeSystemFolder();

// A path below %windir%\System32 as this process reaches the native folder; any other path
// unchanged.
std::wstring NativeFilePath(const std::wstring& path);

// The command interpreter to start by full path (never found through the search path, where
// a planted cmd.exe in the current or the program's folder would run with our rights).
std::wstring CommandInterpreterPath();

}  // namespace vx
