#pragma once
// Small platform helpers shared by the windows.
#include <windows.h>

#include <string>

namespace vx {

// A plain modal box with one OK button, no icon, titled with the application title.
void ShowMessage(HWND owner, const std::wstring& text);

// The folder of the executable, without a trailing separator.
std::wstring ProgramFolder();

// The path made full against the current directory, as the system would open it now; empty
// stays empty, and a path the system cannot make full is left as it is.
std::wstring FullPath(const std::wstring& path);

// The text of a Win32 error code, for messages.
std::wstring ErrorText(DWORD error);

}  // namespace vx
