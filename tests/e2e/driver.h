#pragma once
// Drives the real Vendrix.exe from another process as a user would: finds its windows and
// controls by class, caption and position, clicks, types and selects, and reads and answers
// its message boxes. Every wait is a bounded poll of a condition.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;
inline constexpr Duration kWindowTimeout = 20s;

// Polls `condition` until it holds or `timeout` passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = kWindowTimeout);

// The folder of the test exes, where the build puts Vendrix.exe and the sample presets.
std::wstring BuildFolder();
std::wstring JoinPath(const std::wstring& a, const std::wstring& b);

// A fresh program folder for one test: C:\vx-e2e\<name>, emptied first, holding Vendrix.exe.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& name);
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& relative) const { return JoinPath(path_, relative); }
    // Copies the sample preset library (oemlist.ini and oemdata) from the build.
    void AddSamplePresets() const;
    void WriteFile(const std::wstring& relative, const std::string& bytes) const;
    void MakeFolder(const std::wstring& relative) const;

  private:
    std::wstring path_;
};

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Removes a folder and everything in it; a missing folder is fine.
void RemoveTree(const std::wstring& path);
std::wstring WindowsFolder();

// Changes to the environment a program is started with: a variable (any case) and its new
// value, or no value to leave it out.
using EnvironmentChanges = std::vector<std::pair<std::wstring, std::optional<std::wstring>>>;

// One running Vendrix.exe; ended (if still running) when this goes out of scope.
class Vendrix {
  public:
    // Starts <folder>\Vendrix.exe with `folder` as its current directory and this test's
    // environment with `environment` applied.
    explicit Vendrix(const std::wstring& folder, const EnvironmentChanges& environment = {});
    ~Vendrix();
    Vendrix(const Vendrix&) = delete;
    Vendrix& operator=(const Vendrix&) = delete;

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_.hProcess; }
    bool Running() const;
    bool WaitForExit(Duration timeout = kWindowTimeout) const;
    // Waits for a visible top-level window of this process with exactly this caption.
    HWND WaitForWindow(const std::wstring& caption, Duration timeout = kWindowTimeout) const;
    // The main window, waited for by its caption "Vendrix 1.5.2".
    HWND Main(Duration timeout = kWindowTimeout) const;
    std::vector<HWND> TopWindows(bool visibleOnly = true) const;

  private:
    PROCESS_INFORMATION process_{};
    DWORD pid_ = 0;
};

// The process's current directory as it keeps it (with a trailing backslash), read from its
// memory; empty when it cannot be read.
std::wstring CurrentDirectoryOf(const Vendrix& app);

// A message box of the process: its title and its text.
struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::wstring title;
    std::wstring text;
};
// Waits for a message box (#32770) of the process and reads it; hwnd is null on time-out.
MessageBoxInfo WaitMessageBox(const Vendrix& app, Duration timeout = kWindowTimeout);
// Presses the box's OK button and waits for it to close.
void PressOk(const MessageBoxInfo& box);
// No message box of the process is open.
bool NoMessageBox(const Vendrix& app);

std::wstring ClassOf(HWND hwnd);
// A window's text as the window itself answers WM_GETTEXT.
std::wstring TextOf(HWND hwnd);
void SetText(HWND control, const std::wstring& text);
// Direct children of `parent` with the class, in z-order (which is creation order).
std::vector<HWND> Children(HWND parent, const std::wstring& className);
// The child with this class and text; null when there is none.
HWND ChildByText(HWND parent, const std::wstring& className, const std::wstring& text);
// The child with this class whose client-relative top-left corner is at the twips position
// (converted at 96 DPI, within two pixels).
HWND ChildAt(HWND parent, const std::wstring& className, int leftTwips, int topTwips);
// The child's rectangle relative to the parent's client area.
RECT ClientRectOf(HWND child);
SIZE ClientSize(HWND window);
RECT OuterRect(HWND window);

// Posted, never sent: the target may open a modal box in response.
void Click(HWND button);
// A real mouse click (button down and up) in the control's client area.
void MouseClick(HWND control, int x = 5, int y = 5);
void PostKey(HWND target, UINT vk);
// Types the text into the control character by character, as the keyboard would.
void TypeText(HWND control, const std::wstring& text);
// Waits until the thread that owns `button` has handled everything posted to it (to any of
// its windows) before this call. Posted messages are handled in order, so a marker posted
// now (a pressed look of the button, then its normal look) comes after them.
bool FlushPosted(HWND button);
// Chooses a menu command by its identifier, as the menu bar would.
void ChooseMenu(HWND window, int commandId);
// Chooses a menu entry with the keyboard, as a user does (Alt, arrows, Enter): the entry at
// `barPosition` on the bar (0 = leftmost) and, for a drop-down, its item at `itemPosition`.
void ChooseMenuByKeyboard(HWND window, int barPosition, int itemPosition = -1);
// Selects the drop-down entry at `index` and notifies the parent, as a user's pick does.
void PickEntry(HWND combo, int index);
std::vector<std::wstring> ComboEntries(HWND combo);
int ComboSelection(HWND combo);
// The focused control of the window's thread.
HWND FocusOf(HWND window);
bool IsVisible(HWND hwnd);

// The system Open File dialog of the process: a #32770 captioned "打开"; null on time-out.
HWND WaitOpenFileDialog(const Vendrix& app, Duration timeout = kWindowTimeout);
// The file types the dialog offers, as its type list shows them.
std::vector<std::wstring> FileDialogTypes(HWND dialog);
// Types the path into the dialog's file name box and presses its Open button.
void ChooseFileInDialog(HWND dialog, const std::wstring& path);
// Presses the dialog's Cancel button.
void CancelFileDialog(HWND dialog);

// The colours shown on screen in a control's client area, row by row (width x height).
std::vector<COLORREF> ScreenPixels(HWND control, int width, int height);
// A 24- or 32-bit bottom-up bitmap file's pixels, top row first; empty if not such a file.
std::vector<COLORREF> BitmapFilePixels(const std::string& bytes, int* width, int* height);
// How many pixels of the control's client area differ on screen from the bitmap file drawn at
// its top-left corner (over the part both cover); -1 if the file is not such a bitmap.
int PixelsDifferingFromBitmap(HWND control, const std::string& bitmapFileBytes);
// Whether the control comes to show the bitmap file so within the time (painting follows).
bool ShowsBitmap(HWND control, const std::wstring& file, Duration timeout = 5s);

// Registry of the 64-bit view, as Windows itself stores it.
struct RegValue {
    bool exists = false;
    DWORD type = 0;
    std::string data;
};
RegValue ReadRegValue(HKEY root, const std::wstring& key, const std::wstring& name);
void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                   const std::string& data);
void DeleteRegKeyTree(HKEY root, const std::wstring& key);
std::string Utf16Bytes(const std::wstring& text, bool terminator = true);

}  // namespace e2e
