#pragma once
// Opening a web page for the user.
#include <windows.h>

#include <string>

namespace vx {

// Posted to the window that asked for a page no way could open; the lParam is the address.
inline constexpr UINT kWebPageNotOpened = WM_APP + 2;

// Starts Internet Explorer (below the folder that "programfiles" names) on the address, in a
// normal active window, without waiting for it; without that browser, the address goes to the
// user's default browser. Each is started through the desktop shell, so that it runs as the
// signed-in user rather than elevated, and, where no desktop shell answers, by this program.
// All of it runs on a thread of its own, as a busy or starting shell can take seconds to answer;
// a call while an opening is under way starts nothing. When all fails, kWebPageNotOpened goes
// to `owner`, whose own thread then shows the address for the user to copy: so the address
// must live as long as the program (the pages are constants).
void OpenWebPage(const wchar_t* address, HWND owner);

// Answers kWebPageNotOpened in the window that received it: the address in a message box.
void ShowPageNotOpened(HWND owner, LPARAM address);

// A seam of the test build's start alone (VX_TEST_SEAMS in mainwindow/winmain.cpp): each opening
// is held up this long first, to show that no window waits for one. Never set in the shipped exe.
void HoldPageOpenings(DWORD milliseconds);

}  // namespace vx
