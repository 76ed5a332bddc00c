#pragma once
// Drives the real Vendrix.exe from another process as a user would: finds its windows and
// controls, clicks, types and selects, answers its message boxes, and reads what it changed in
// the registry and the files. Every wait is a bounded poll of a condition.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/texts.h"

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;
namespace fs = std::filesystem;

// Polls `condition` until it holds or `timeout` passes; returns whether it held.
inline bool WaitUntil(const std::function<bool()>& condition, Duration timeout = 20s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

inline std::wstring BuildFolder() {  // of the test exes, Vendrix.exe and the sample presets
    wchar_t path[MAX_PATH];
    return fs::path(std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH))).parent_path();
}
inline std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, ::GetWindowsDirectoryW(path, MAX_PATH));
}
// What Windows itself uses, whichever build the driver is: a 32-bit driver on 64-bit Windows is
// redirected as the program is, so it reaches the native System32 through Sysnative and opens
// keys in the 64-bit view (32-bit Windows has no other).
inline bool IsWow64() { BOOL wow = FALSE; return ::IsWow64Process(::GetCurrentProcess(), &wow) && wow; }
inline std::wstring OemFolder() { return WindowsFolder() + (IsWow64() ? L"\\Sysnative\\oem" : L"\\System32\\oem"); }
inline std::wstring SystemLogo() { return OemFolder() + L"\\oemlogo.bmp"; }
inline std::wstring JoinPath(const std::wstring& a, const std::wstring& b) {
    return a.empty() || a.back() == L'\\' ? a + b : a + L"\\" + b;
}
inline bool FileExists(const std::wstring& path) { return fs::is_regular_file(path); }
inline bool FolderExists(const std::wstring& path) { return fs::is_directory(path); }
inline std::string ReadFileBytes(const std::wstring& path) {  // empty when unreadable
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    if (!std::ofstream(fs::path(path), std::ios::binary).write(bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write a test file");
}
inline void RemoveTree(const std::wstring& path) { std::error_code missing; fs::remove_all(path, missing); }

// A fresh program folder for one test: C:\vx-e2e\<name>, emptied first, holding Vendrix.exe
// (or the build with the test seams, VendrixTestSeams.exe, by that name), and the sample
// presets with kWithPresets.
inline constexpr bool kWithPresets = true;
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& name, bool presets = false,
                           const wchar_t* exe = L"Vendrix.exe")
        : path_(L"C:\\vx-e2e\\" + name) {
        RemoveTree(path_);
        fs::create_directories(path_);
        fs::copy_file(JoinPath(BuildFolder(), exe), *this / L"Vendrix.exe");
        if (presets) AddSamplePresets();
    }
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& relative) const { return JoinPath(path_, relative); }
    void AddSamplePresets() const {  // oemlist.ini and oemdata from the build
        for (const wchar_t* name : {L"oemlist.ini", L"oemdata"})
            fs::copy(JoinPath(BuildFolder(), name), *this / name,
                     fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    }
    void WriteFile(const std::wstring& relative, const std::string& bytes) const {
        WriteFileBytes(*this / relative, bytes);
    }
    void MakeFolder(const std::wstring& relative) const {
        fs::create_directories(*this / relative);
    }

  private:
    std::wstring path_;
};

inline DWORD_PTR Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}
inline std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256];
    return std::wstring(name, ::GetClassNameW(hwnd, name, 256));
}
inline std::wstring TextOf(HWND hwnd) {
    std::wstring text(Send(hwnd, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}
inline void SetText(HWND control, const std::wstring& text) {
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Vendrix.exe started in `folder` with this process's environment; ended when this goes.
class Vendrix {
  public:
    explicit Vendrix(const std::wstring& folder) {
        std::wstring commandLine = L"\"" + JoinPath(folder, L"Vendrix.exe") + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &si, &process_))
            throw std::runtime_error("cannot start Vendrix.exe");
    }
    ~Vendrix() {
        if (Running()) ::TerminateProcess(process_.hProcess, 1);
        ::WaitForSingleObject(process_.hProcess, 10000);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    Vendrix(const Vendrix&) = delete;
    Vendrix& operator=(const Vendrix&) = delete;

    DWORD pid() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    bool WaitForExit(Duration timeout = 20s) const {
        return ::WaitForSingleObject(handle(), static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
    }
    bool Running() const { return !WaitForExit(0ms); }
    // The visible top-level windows of the process.
    std::vector<HWND> TopWindows() const {
        std::vector<HWND> found;
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(w, &owner);
            if (owner == pid() && ::IsWindowVisible(w)) found.push_back(w);
        }
        return found;
    }
    // The first one that `match` accepts, waited for; null on time-out.
    HWND WaitTopWindow(const std::function<bool(HWND)>& match, Duration timeout = 20s) const {
        HWND found = nullptr;
        const auto find = [&] {
            for (HWND w : TopWindows())
                if (match(w)) return (found = w) != nullptr;
            return false;
        };
        return WaitUntil(find, timeout) ? found : nullptr;
    }
    // A window, not a dialog box, with exactly this caption.
    HWND WaitForWindow(const std::wstring& caption, Duration timeout = 20s) const {
        return WaitTopWindow(
            [&](HWND w) { return ClassOf(w) != L"#32770" && TextOf(w) == caption; }, timeout);
    }
    HWND Main(Duration timeout = 20s) const { return WaitForWindow(L"Vendrix 1.5.2", timeout); }

  private:
    PROCESS_INFORMATION process_{};
};

struct MessageBoxInfo { HWND hwnd = nullptr; std::wstring title, text; };  // hwnd null: none came
// A dialog box with a text control of identifier 0xFFFF.
inline MessageBoxInfo WaitMessageBox(const Vendrix& app, Duration timeout = 20s) {
    HWND box = app.WaitTopWindow(
        [](HWND w) { return ClassOf(w) == L"#32770" && ::GetDlgItem(w, 0xFFFF); }, timeout);
    if (!box) return {};
    return {box, TextOf(box), TextOf(::GetDlgItem(box, 0xFFFF))};
}
inline void PostKey(HWND target, UINT vk) {
    ::PostMessageW(target, WM_KEYDOWN, vk, 1);
    ::PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}
// Presses the box's button (IDOK, IDYES, IDNO...; 0: Enter, for its default one) and waits for
// the box to close.
inline void PressButton(const MessageBoxInfo& box, int id) {
    if (id) ::PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    else PostKey(box.hwnd, VK_RETURN);
    WaitUntil([&] { return !::IsWindow(box.hwnd) || !::IsWindowVisible(box.hwnd); });
}
inline void PressOk(const MessageBoxInfo& box) { PressButton(box, IDOK); }
// Whether the box shows an icon beside its text: its static is 0x14 on Windows, 1088 under Wine.
inline bool ShowsIcon(const MessageBoxInfo& box) {
    const auto shows = [](HWND icon) { return ::IsWindowVisible(icon) && Send(icon, STM_GETICON); };
    return shows(::GetDlgItem(box.hwnd, 0x14)) || shows(::GetDlgItem(box.hwnd, 1088));
}

inline RECT OuterRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}
inline bool IsVisible(HWND hwnd) { return ::IsWindowVisible(hwnd) != FALSE; }
// The focused control of the window's thread.
inline HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Posted, never sent: the program may open a modal box in response.
inline void Click(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }
inline void ChooseMenu(HWND window, int commandId) { ::PostMessageW(window, WM_COMMAND, commandId, 0); }
inline void MouseClick(HWND control, int x = 5, int y = 5) {
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
// Selects the entry and notifies the parent, as a user's pick does.
inline void PickEntry(HWND combo, int index) {
    Send(combo, CB_SETCURSEL, index);
    ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}
inline std::vector<std::wstring> ComboEntries(HWND combo) {
    std::vector<std::wstring> out(Send(combo, CB_GETCOUNT));
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].resize(Send(combo, CB_GETLBTEXTLEN, i) + 1);
        out[i].resize(Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(out[i].data())));
    }
    return out;
}
// Picks the first entry that reads so; false when there is none.
inline bool PickText(HWND combo, const std::wstring& text) {
    const std::vector<std::wstring> entries = ComboEntries(combo);
    const auto at = std::find(entries.begin(), entries.end(), text);
    if (at != entries.end()) PickEntry(combo, static_cast<int>(at - entries.begin()));
    return at != entries.end();
}
inline int ComboSelection(HWND combo) { return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

// The system Open File dialog, "打开".
inline HWND WaitOpenFileDialog(const Vendrix& app, Duration timeout = 20s) {
    return app.WaitTopWindow([](HWND w) { return ClassOf(w) == L"#32770" && TextOf(w) == L"打开"; },
                             timeout);
}
// Types the path into the file name box (an edit in combo box cmb13, or edt1) and presses Open.
inline void ChooseFileInDialog(HWND dialog, const std::wstring& path) {
    HWND combo = ::GetDlgItem(dialog, 0x47C);
    HWND inner = combo ? ::FindWindowExW(combo, nullptr, L"ComboBox", nullptr) : nullptr;
    HWND box = ::FindWindowExW(inner ? inner : combo, nullptr, L"Edit", nullptr);
    SetText(box ? box : ::GetDlgItem(dialog, 0x480), path);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The colours on screen in the control's client area, row by row.
inline std::vector<COLORREF> ScreenPixels(HWND control, int width, int height) {
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    HDC screen = ::GetDC(nullptr);
    std::vector<COLORREF> out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.push_back(::GetPixel(screen, origin.x + x, origin.y + y));
    ::ReleaseDC(nullptr, screen);
    return out;
}
// A 24- or 32-bit bottom-up bitmap file's pixels, top row first; empty if not such a file.
inline std::vector<COLORREF> BitmapFilePixels(const std::string& bytes, int* width, int* height) {
    const auto u32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = at + 4; i-- > at;) v = v << 8 | static_cast<unsigned char>(bytes[i]);
        return v;
    };
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return {};
    const int w = static_cast<int>(u32(18)), h = static_cast<int>(u32(22)), step = bytes[28] / 8;
    const size_t stride = (static_cast<size_t>(w) * step + 3) & ~size_t{3};
    if (w <= 0 || h <= 0 || step < 3 || bytes.size() < u32(10) + stride * h) return {};
    std::vector<COLORREF> out;
    for (int y = h - 1; y >= 0; --y)
        for (size_t x = 0, at = u32(10) + stride * y; x < static_cast<size_t>(w); ++x, at += step)
            out.push_back(RGB(bytes[at + 2], bytes[at + 1], bytes[at]));
    *width = w;
    *height = h;
    return out;
}
// Whether the control comes to show the bitmap file at its top-left corner within 5 seconds.
inline bool ShowsBitmap(HWND control, const std::wstring& file) {
    int width = 0, height = 0;
    const std::vector<COLORREF> want = BitmapFilePixels(ReadFileBytes(file), &width, &height);
    RECT client{};
    ::GetClientRect(control, &client);
    const int w = std::min<int>(width, client.right), h = std::min<int>(height, client.bottom);
    const auto same = [&] {
        const std::vector<COLORREF> shown = ScreenPixels(control, w, h);
        for (int i = 0; i < w * h; ++i)
            if (shown[i] != want[i / w * width + i % w]) return false;
        return true;
    };
    return !want.empty() && WaitUntil(same, 5s);
}

// Registry values as Windows itself stores them: in the 64-bit view unless KEY_WOW64_32KEY asks
// for 64-bit Windows' copy for 32-bit programs (Wow6432Node).
struct RegValue { bool exists = false; DWORD type = 0; std::string data; };
inline RegValue ReadRegValue(HKEY root, const std::wstring& key, const std::wstring& name,
                             REGSAM view = KEY_WOW64_64KEY) {
    RegValue v;
    HKEY k;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &k)) return v;
    DWORD size = 0;
    v.exists = !::RegQueryValueExW(k, name.c_str(), nullptr, &v.type, nullptr, &size);
    v.data.resize(size);
    ::RegQueryValueExW(k, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(v.data.data()),
                       &size);
    ::RegCloseKey(k);
    return v;
}
// The key is created as needed; a value that does not exist is deleted.
inline void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                          const std::string& data, REGSAM view = KEY_WOW64_64KEY) {
    HKEY k;
    if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &k,
                          nullptr))
        throw std::runtime_error("cannot write a test value");
    ::RegSetValueExW(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     data.size());
    ::RegCloseKey(k);
}
inline void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name,
                          const RegValue& v, REGSAM view = KEY_WOW64_64KEY) {
    if (v.exists) return WriteRegValue(root, key, name, v.type, v.data, view);
    HKEY k;
    if (!::RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE | view, &k))
        ::RegDeleteValueW(k, name.c_str()), ::RegCloseKey(k);
}
inline void DeleteRegKeyTree(HKEY root, const std::wstring& key, REGSAM view = KEY_WOW64_64KEY) {
    HKEY k;
    if (!::RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS | view, &k))
        ::RegDeleteTreeW(k, nullptr), ::RegCloseKey(k);
    ::RegDeleteKeyExW(root, key.c_str(), view, 0);
}
// Where the owner values are: 64-bit Windows keeps a copy for 32-bit programs, which 32-bit
// Windows has not (the flags are ignored there: the one key twice).
inline constexpr REGSAM kOwnerViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};
// No OEM key, no oem folder.
inline void ResetOem() { DeleteRegKeyTree(HKEY_LOCAL_MACHINE, vx::text::kOemKey), RemoveTree(OemFolder()); }
inline std::string Utf16Bytes(const std::wstring& text, bool terminator = true) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + terminator) * 2);
}

// <folder>\System32\config\SOFTWARE, a hive saved with RegSaveKey (which needs the backup
// privilege) from a scratch key holding a product name and a maker: a Windows that is not running,
// for /target and 选择目标系统. Drive T: is a folder the harness maps.
inline std::wstring MakeTargetWindows(const std::wstring& folder) {
    HANDLE token;
    TOKEN_PRIVILEGES backup{1, {{{}, SE_PRIVILEGE_ENABLED}}};
    ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
    ::LookupPrivilegeValueW(nullptr, L"SeBackupPrivilege", &backup.Privileges[0].Luid);
    ::AdjustTokenPrivileges(token, FALSE, &backup, 0, nullptr, nullptr);
    ::CloseHandle(token);
    const std::wstring seed = L"SOFTWARE\\VendrixSeed", hive = folder + L"\\System32\\config";
    RemoveTree(folder);
    fs::create_directories(hive);
    WriteRegValue(HKEY_LOCAL_MACHINE, seed + L"\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName",
                  REG_SZ, Utf16Bytes(L"Windows 7 旗舰版"));
    WriteRegValue(HKEY_LOCAL_MACHINE, seed + L"\\Microsoft\\Windows\\CurrentVersion\\OEMInformation",
                  L"Manufacturer", REG_SZ, Utf16Bytes(L"旧"));
    HKEY key;
    ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, seed.c_str(), 0, KEY_READ, &key);
    const LSTATUS saved = ::RegSaveKeyW(key, (hive + L"\\SOFTWARE").c_str(), nullptr);
    ::RegCloseKey(key);
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, seed);
    if (saved != ERROR_SUCCESS) throw std::runtime_error("cannot save a test hive");
    return folder;
}
// Whether a key of ours is loaded under HKEY_LOCAL_MACHINE.
inline bool TargetHiveLoaded() {
    HKEY key;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"VendrixTarget", 0, KEY_READ, &key)) return false;
    ::RegCloseKey(key);
    return true;
}

// The silent command line's exit code and what it printed.
using Result = std::pair<DWORD, std::wstring>;
inline Result Out(DWORD code, const std::wstring& lines) { return {code, lines + L"\r\n"}; }

// As a script runs it, in `current` (empty: this process's current folder): the output and
// the errors redirected to one file, in the ANSI code page.
inline Result Silent(const ScratchFolder& folder, const std::wstring& args,
                     const std::wstring& current = {}) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = ::CreateFileW((folder / L"out").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                  &inherit, CREATE_ALWAYS, 0, nullptr);
    si.hStdError = si.hStdOutput;
    PROCESS_INFORMATION pi{};
    std::wstring line = L"\"" + (folder / L"Vendrix.exe") + L"\" " + args, text;
    DWORD code = 99;
    const wchar_t* in = current.empty() ? nullptr : current.c_str();
    if (::CreateProcessW(nullptr, line.data(), 0, 0, TRUE, 0, 0, in, &si, &pi)) {
        ::WaitForSingleObject(pi.hProcess, 60000);
        ::GetExitCodeProcess(pi.hProcess, &code);
    }
    for (HANDLE h : {si.hStdOutput, pi.hThread, pi.hProcess}) ::CloseHandle(h);
    const std::string out = ReadFileBytes(folder / L"out");
    text.resize(out.size());
    text.resize(::MultiByteToWideChar(CP_ACP, 0, out.data(), out.size(), text.data(), text.size()));
    return {code, text};
}

// Whether the text is ASCII and one strict JSON text, as python3's json module reads it with
// NaN and Infinity refused. Wine starts the Unix python3 itself, without a process handle: its
// answer is awaited in its output file.
inline bool IsStrictJson(const ScratchFolder& folder, const std::wstring& text) {
    if (std::any_of(text.begin(), text.end(), [](wchar_t c) { return c > 0x7F; })) return false;
    folder.WriteFile(L"json", std::string(text.begin(), text.end()));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::CreateFileW((folder / L"json").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                 &inherit, OPEN_EXISTING, 0, nullptr);
    si.hStdOutput = si.hStdError = ::CreateFileW((folder / L"said").c_str(), GENERIC_WRITE,
                                                 FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    std::wstring line = L"Z:\\usr\\bin\\python3 -c \"import json,sys; json.loads(sys.stdin.buffer."
                        L"read().decode('ascii'), parse_constant=sys.exit); print('strict')\"";
    PROCESS_INFORMATION pi{};
    const bool started = ::CreateProcessW(nullptr, line.data(), 0, 0, TRUE, 0, 0, 0, &si, &pi);
    for (HANDLE h : {si.hStdInput, si.hStdOutput, pi.hThread, pi.hProcess}) if (h) ::CloseHandle(h);
    return started && WaitUntil([&] { return !ReadFileBytes(folder / L"said").empty(); }) &&
           ReadFileBytes(folder / L"said") == "strict\n";
}

}  // namespace e2e
