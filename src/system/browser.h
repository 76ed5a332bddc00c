#pragma once
// Opening a web page for the user.
#include <windows.h>

#include <string>

namespace vx {

// Starts Internet Explorer (below the folder that "programfiles" names) on the address, in a
// normal active window, without waiting for it. When that browser cannot be started, the
// address goes to the user's default browser; when that fails too, a message box (owned by
// `owner`) shows the address so that the user can copy it.
void OpenWebPage(const std::wstring& address, HWND owner = nullptr);

}  // namespace vx
