#pragma once
// Drives the real Vendrix.exe from another process as a user would: finds its windows and
// controls, clicks, types and selects, answers its message boxes, and reads what it changed in
// the registry and the files. Every wait is a bounded poll of a condition.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Polls `condition` until it holds or `timeout` passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = 20s);

// The folder of the test exes, where the build puts Vendrix.exe and the sample presets.
std::wstring BuildFolder();
std::wstring WindowsFolder();
inline std::wstring JoinPath(const std::wstring& a, const std::wstring& b) {
    return a.empty() || a.back() == L'\\' ? a + b : a + L"\\" + b;
}
inline bool FileExists(const std::wstring& path) { return std::filesystem::is_regular_file(path); }
inline bool FolderExists(const std::wstring& path) { return std::filesystem::is_directory(path); }
std::string ReadFileBytes(const std::wstring& path);  // empty when unreadable
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
void RemoveTree(const std::wstring& path);  // a missing folder is fine

// A fresh program folder for one test: C:\vx-e2e\<name>, emptied first, holding Vendrix.exe.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& name);
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& relative) const { return JoinPath(path_, relative); }
    // Copies the sample preset library (oemlist.ini and oemdata) from the build.
    void AddSamplePresets() const;
    void WriteFile(const std::wstring& relative, const std::string& bytes) const {
        WriteFileBytes(*this / relative, bytes);
    }
    void MakeFolder(const std::wstring& relative) const {
        std::filesystem::create_directories(*this / relative);
    }

  private:
    std::wstring path_;
};

// One running Vendrix.exe, started with `folder` as its current directory and this process's
// environment; ended (if still running) when this goes out of scope.
class Vendrix {
  public:
    explicit Vendrix(const std::wstring& folder);
    ~Vendrix();
    Vendrix(const Vendrix&) = delete;
    Vendrix& operator=(const Vendrix&) = delete;

    DWORD pid() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    bool WaitForExit(Duration timeout = 20s) const {
        return ::WaitForSingleObject(handle(), static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
    }
    bool Running() const { return !WaitForExit(0ms); }
    std::vector<HWND> TopWindows() const;  // the visible ones
    // A visible top-level window of the process, not a dialog box, with exactly this caption.
    HWND WaitForWindow(const std::wstring& caption, Duration timeout = 20s) const;
    HWND Main(Duration timeout = 20s) const { return WaitForWindow(L"Vendrix 1.5.2", timeout); }

  private:
    PROCESS_INFORMATION process_{};
};

struct MessageBoxInfo {
    HWND hwnd = nullptr;  // null when none came
    std::wstring title;
    std::wstring text;
};
MessageBoxInfo WaitMessageBox(const Vendrix& app, Duration timeout = 20s);
// Presses the box's button (IDOK, IDYES, IDNO...) and waits for the box to close.
void PressButton(const MessageBoxInfo& box, int id);
inline void PressOk(const MessageBoxInfo& box) { PressButton(box, IDOK); }

std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);
void SetText(HWND control, const std::wstring& text);
// Direct children with the class, in creation order.
std::vector<HWND> Children(HWND parent, const std::wstring& className);
HWND ChildByText(HWND parent, const std::wstring& className, const std::wstring& text);
// The child whose top-left corner is at the twips position (96 DPI, within two pixels).
HWND ChildAt(HWND parent, const std::wstring& className, int leftTwips, int topTwips);
inline RECT OuterRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}
inline bool IsVisible(HWND hwnd) { return ::IsWindowVisible(hwnd) != FALSE; }
HWND FocusOf(HWND window);  // the focused control of the window's thread

// Posted, never sent: the program may open a modal box in response.
inline void Click(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }
inline void ChooseMenu(HWND window, int commandId) {
    ::PostMessageW(window, WM_COMMAND, commandId, 0);
}
inline void MouseClick(HWND control, int x = 5, int y = 5) {
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
inline void PostKey(HWND target, UINT vk) {
    ::PostMessageW(target, WM_KEYDOWN, vk, 1);
    ::PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}
// Selects an entry and notifies the parent, as a user's pick does.
void PickEntry(HWND combo, int index);
bool PickText(HWND combo, const std::wstring& text);  // false when no entry reads so
std::vector<std::wstring> ComboEntries(HWND combo);
inline int ComboSelection(HWND combo) {
    return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

// The system Open File dialog (captioned "打开"); null on time-out.
HWND WaitOpenFileDialog(const Vendrix& app, Duration timeout = 20s);
void ChooseFileInDialog(HWND dialog, const std::wstring& path);

// The colours on screen in a control's client area, row by row.
std::vector<COLORREF> ScreenPixels(HWND control, int width, int height);
// A 24- or 32-bit bottom-up bitmap file's pixels, top row first; empty if not such a file.
std::vector<COLORREF> BitmapFilePixels(const std::string& bytes, int* width, int* height);
// Whether the control comes to show the bitmap file at its top-left corner within 5 seconds.
bool ShowsBitmap(HWND control, const std::wstring& file);

// Registry values of the 64-bit view, as Windows itself stores them.
struct RegValue {
    bool exists = false;
    DWORD type = 0;
    std::string data;
};
RegValue ReadRegValue(HKEY root, const std::wstring& key, const std::wstring& name);
void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                   const std::string& data);
inline void DeleteRegKeyTree(HKEY root, const std::wstring& key) {
    ::RegDeleteTreeW(root, key.c_str());
    ::RegDeleteKeyExW(root, key.c_str(), KEY_WOW64_64KEY, 0);
}
inline std::string Utf16Bytes(const std::wstring& text, bool terminator = true) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + terminator) * 2);
}

}  // namespace e2e
