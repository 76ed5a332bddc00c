#pragma once
// Opening a web page for the user.
#include <windows.h>

#include <string>

namespace vx {

// Starts Internet Explorer (below the folder that "programfiles" names) on the address, in a
// normal active window, without waiting for it; without that browser, the address goes to the
// user's default browser. Each is started through the desktop shell, so that it runs as the
// signed-in user rather than elevated, and, where no desktop shell answers, by this program.
// When all fails, a message box (owned by `owner`) shows the address for the user to copy.
void OpenWebPage(const std::wstring& address, HWND owner = nullptr);

}  // namespace vx
