#include "driver.h"

#include <shellapi.h>
#include <winternl.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

constexpr Duration kPoll = 20ms;
constexpr int kDpi = 96;

int TwipsToPx(int twips) { return (twips * kDpi + 720) / 1440; }

std::wstring Expand(const wchar_t* text) {
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = ::ExpandEnvironmentStringsW(text, buffer, MAX_PATH * 2);
    return n ? std::wstring(buffer) : std::wstring(text);
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
    ::CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(JoinPath(from, L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(JoinPath(from, name), JoinPath(to, name));
        else
            ::CopyFileW(JoinPath(from, name).c_str(), JoinPath(to, name).c_str(), FALSE);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPoll);
    }
}

std::wstring JoinPath(const std::wstring& a, const std::wstring& b) {
    if (a.empty()) return b;
    if (a.back() == L'\\') return a + b;
    return a + L"\\" + b;
}

std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring WindowsFolder() { return Expand(L"%windir%"); }

bool FileExists(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    ::CloseHandle(f);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write test file");
    DWORD written = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(f);
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(JoinPath(path, L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = JoinPath(path, name);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(path.c_str());
}

ScratchFolder::ScratchFolder(const std::wstring& name) {
    const std::wstring root = L"C:\\vx-e2e";
    ::CreateDirectoryW(root.c_str(), nullptr);
    path_ = JoinPath(root, name);
    RemoveTree(path_);
    if (!::CreateDirectoryW(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create scratch folder");
    if (!::CopyFileW(JoinPath(BuildFolder(), L"Vendrix.exe").c_str(),
                     JoinPath(path_, L"Vendrix.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy Vendrix.exe");
}

void ScratchFolder::AddSamplePresets() const {
    ::CopyFileW(JoinPath(BuildFolder(), L"oemlist.ini").c_str(),
                JoinPath(path_, L"oemlist.ini").c_str(), FALSE);
    CopyTree(JoinPath(BuildFolder(), L"oemdata"), JoinPath(path_, L"oemdata"));
}

void ScratchFolder::WriteFile(const std::wstring& relative, const std::string& bytes) const {
    WriteFileBytes(JoinPath(path_, relative), bytes);
}

void ScratchFolder::MakeFolder(const std::wstring& relative) const {
    ::CreateDirectoryW(JoinPath(path_, relative).c_str(), nullptr);
}

namespace {

// This process's environment block with the changes applied; empty when there are none.
std::wstring EnvironmentBlock(const EnvironmentChanges& changes) {
    if (changes.empty()) return {};
    auto changed = [&](const std::wstring& entry) {
        // Entries such as "=C:=C:\\" name no variable; they are kept.
        const size_t equals = entry.find(L'=', 1);
        const std::wstring name = entry.substr(0, equals);
        for (const auto& change : changes)
            if (::CompareStringOrdinal(name.c_str(), -1, change.first.c_str(), -1, TRUE) ==
                CSTR_EQUAL)
                return true;
        return false;
    };
    std::wstring block;
    wchar_t* current = ::GetEnvironmentStringsW();
    for (const wchar_t* p = current; *p; p += wcslen(p) + 1) {
        const std::wstring entry = p;
        if (!changed(entry)) block += entry + L'\0';
    }
    ::FreeEnvironmentStringsW(current);
    for (const auto& [name, value] : changes)
        if (value) block += name + L"=" + *value + L'\0';
    block += L'\0';
    return block;
}

}  // namespace

Vendrix::Vendrix(const std::wstring& folder, const EnvironmentChanges& environment) {
    std::wstring commandLine = L"\"" + JoinPath(folder, L"Vendrix.exe") + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring block = EnvironmentBlock(environment);
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_UNICODE_ENVIRONMENT, block.empty() ? nullptr : block.data(),
                          folder.c_str(), &si, &process_))
        throw std::runtime_error("cannot start Vendrix.exe");
    pid_ = process_.dwProcessId;
}

Vendrix::~Vendrix() {
    if (Running()) {
        ::TerminateProcess(process_.hProcess, 1);
        ::WaitForSingleObject(process_.hProcess, 10000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

bool Vendrix::Running() const {
    return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Vendrix::WaitForExit(Duration timeout) const {
    return ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

std::vector<HWND> Vendrix::TopWindows(bool visibleOnly) const {
    struct Ctx {
        DWORD pid;
        bool visibleOnly;
        std::vector<HWND> found;
    } ctx{pid_, visibleOnly, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid == c->pid && (!c->visibleOnly || ::IsWindowVisible(hwnd)))
                c->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND Vendrix::WaitForWindow(const std::wstring& caption, Duration timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopWindows())
                if (ClassOf(w) != L"#32770" && TextOf(w) == caption) found = w;
            return found != nullptr;
        },
        timeout);
    return found;
}

HWND Vendrix::Main(Duration timeout) const { return WaitForWindow(L"Vendrix 1.5.2", timeout); }

std::wstring CurrentDirectoryOf(const Vendrix& app) {
    // PEB -> ProcessParameters -> CurrentDirectory.DosPath, at the offsets of 64-bit Windows
    // (which Wine keeps); the test exe and Vendrix.exe are both 64-bit here.
    static_assert(sizeof(void*) == 8, "offsets are those of a 64-bit process");
    constexpr size_t kCurrentDirectoryOffset = 0x38;
    using QueryFn = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(app.handle(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return {};
    auto read = [&](const void* at, void* into, size_t size) {
        SIZE_T got = 0;
        return ::ReadProcessMemory(app.handle(), at, into, size, &got) && got == size;
    };
    PVOID parameters = nullptr;
    UNICODE_STRING path{};
    const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    if (!read(peb + offsetof(PEB, ProcessParameters), &parameters, sizeof parameters) ||
        !read(static_cast<const char*>(parameters) + kCurrentDirectoryOffset, &path, sizeof path))
        return {};
    std::wstring text(path.Length / sizeof(wchar_t), L'\0');
    if (!text.empty() && !read(path.Buffer, text.data(), path.Length)) return {};
    return text;
}

MessageBoxInfo WaitMessageBox(const Vendrix& app, Duration timeout) {
    MessageBoxInfo info;
    WaitUntil(
        [&] {
            for (HWND w : app.TopWindows()) {
                if (ClassOf(w) != L"#32770") continue;
                HWND textControl = ::GetDlgItem(w, 0xFFFF);
                if (!textControl) continue;
                info = {w, TextOf(w), TextOf(textControl)};
                return true;
            }
            return false;
        },
        timeout);
    return info;
}

void PressOk(const MessageBoxInfo& box) {
    if (!box.hwnd) return;
    ::PostMessageW(box.hwnd, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !::IsWindow(box.hwnd) || !::IsWindowVisible(box.hwnd); });
}

bool NoMessageBox(const Vendrix& app) {
    for (HWND w : app.TopWindows())
        if (ClassOf(w) == L"#32770" && ::GetDlgItem(w, 0xFFFF)) return false;
    return true;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 5000, &got);
    text.resize(got);
    return text;
}

void SetText(HWND control, const std::wstring& text) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                          SMTO_ABORTIFHUNG, 5000, &result);
}

std::vector<HWND> Children(HWND parent, const std::wstring& className) {
    std::vector<HWND> out;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (className.empty() || ClassOf(c) == className) out.push_back(c);
    return out;
}

HWND ChildByText(HWND parent, const std::wstring& className, const std::wstring& text) {
    for (HWND c : Children(parent, className))
        if (TextOf(c) == text) return c;
    return nullptr;
}

RECT ClientRectOf(HWND child) {
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND ChildAt(HWND parent, const std::wstring& className, int leftTwips, int topTwips) {
    const int x = TwipsToPx(leftTwips), y = TwipsToPx(topTwips);
    for (HWND c : Children(parent, className)) {
        const RECT r = ClientRectOf(c);
        if (std::abs(r.left - x) <= 2 && std::abs(r.top - y) <= 2) return c;
    }
    return nullptr;
}

SIZE ClientSize(HWND window) {
    RECT r;
    ::GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

RECT OuterRect(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    return r;
}

void Click(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }

void MouseClick(HWND control, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(control, WM_LBUTTONUP, 0, at);
}

void PostKey(HWND target, UINT vk) {
    ::PostMessageW(target, WM_KEYDOWN, vk, 1);
    ::PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}

void TypeText(HWND control, const std::wstring& text) {
    for (wchar_t c : text) ::PostMessageW(control, WM_CHAR, c, 1);
}

bool FlushPosted(HWND button) {
    auto pushed = [&] {
        DWORD_PTR state = 0;
        ::SendMessageTimeoutW(button, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
        return (state & BST_PUSHED) != 0;
    };
    ::PostMessageW(button, BM_SETSTATE, TRUE, 0);
    if (!WaitUntil(pushed)) return false;
    ::PostMessageW(button, BM_SETSTATE, FALSE, 0);
    return WaitUntil([&] { return !pushed(); });
}

void ChooseMenu(HWND window, int commandId) {
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void ChooseMenuByKeyboard(HWND window, int barPosition, int itemPosition) {
    ::PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    for (int i = 0; i < barPosition; ++i) PostKey(window, VK_RIGHT);
    PostKey(window, VK_RETURN);
    if (itemPosition < 0) return;
    for (int i = 0; i < itemPosition; ++i) PostKey(window, VK_DOWN);
    PostKey(window, VK_RETURN);
}

void PickEntry(HWND combo, int index) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &result);
    ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

std::vector<std::wstring> ComboEntries(HWND combo) {
    std::vector<std::wstring> out;
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int length = static_cast<int>(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::wstring text(length + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        out.push_back(text);
    }
    return out;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool IsVisible(HWND hwnd) { return ::IsWindowVisible(hwnd) != FALSE; }

HWND WaitOpenFileDialog(const Vendrix& app, Duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : app.TopWindows())
                if (ClassOf(w) == L"#32770" && TextOf(w) == L"打开") found = w;
            return found != nullptr;
        },
        timeout);
    return found;
}

std::vector<std::wstring> FileDialogTypes(HWND dialog) {
    constexpr int kTypeList = 0x470;  // cmb1
    HWND types = ::GetDlgItem(dialog, kTypeList);
    return types ? ComboEntries(types) : std::vector<std::wstring>{};
}

void ChooseFileInDialog(HWND dialog, const std::wstring& path) {
    constexpr int kFileNameCombo = 0x47C;  // cmb13
    HWND combo = ::GetDlgItem(dialog, kFileNameCombo);
    HWND box = combo ? ::FindWindowExW(combo, nullptr, L"ComboBox", nullptr) : nullptr;
    box = ::FindWindowExW(box ? box : combo, nullptr, L"Edit", nullptr);
    if (!box) box = ::GetDlgItem(dialog, 0x480);  // edt1, the plain file name box
    SetText(box, path);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CancelFileDialog(HWND dialog) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

std::vector<COLORREF> ScreenPixels(HWND control, int width, int height) {
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    HDC screen = ::GetDC(nullptr);
    std::vector<COLORREF> out;
    out.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.push_back(::GetPixel(screen, origin.x + x, origin.y + y));
    ::ReleaseDC(nullptr, screen);
    return out;
}

std::vector<COLORREF> BitmapFilePixels(const std::string& bytes, int* width, int* height) {
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const uint32_t offset = u32(10);
    const int w = static_cast<int>(u32(18));
    const int h = static_cast<int>(u32(22));
    const int bpp = static_cast<unsigned char>(bytes[28]);
    if (w <= 0 || h <= 0 || (bpp != 24 && bpp != 32)) return {};
    const size_t stride = ((static_cast<size_t>(w) * bpp / 8) + 3) & ~size_t{3};
    if (bytes.size() < offset + stride * h) return {};
    std::vector<COLORREF> out;
    for (int y = 0; y < h; ++y) {
        const size_t row = offset + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const size_t p = row + static_cast<size_t>(x) * (bpp / 8);
            out.push_back(RGB(static_cast<unsigned char>(bytes[p + 2]),
                              static_cast<unsigned char>(bytes[p + 1]),
                              static_cast<unsigned char>(bytes[p])));
        }
    }
    *width = w;
    *height = h;
    return out;
}

int PixelsDifferingFromBitmap(HWND control, const std::string& bitmapFileBytes) {
    int width = 0, height = 0;
    const std::vector<COLORREF> file = BitmapFilePixels(bitmapFileBytes, &width, &height);
    if (file.empty()) return -1;
    const SIZE client = ClientSize(control);
    const int w = std::min<int>(width, client.cx), h = std::min<int>(height, client.cy);
    const std::vector<COLORREF> screen = ScreenPixels(control, w, h);
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (screen[static_cast<size_t>(y) * w + x] != file[static_cast<size_t>(y) * width + x])
                ++differing;
    return differing;
}

bool ShowsBitmap(HWND control, const std::wstring& file, Duration timeout) {
    const std::string bytes = ReadFileBytes(file);
    return WaitUntil([&] { return PixelsDifferingFromBitmap(control, bytes) == 0; }, timeout);
}

RegValue ReadRegValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    RegValue v;
    HKEY k;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &k) != ERROR_SUCCESS)
        return v;
    DWORD size = 0;
    if (::RegQueryValueExW(k, name.c_str(), nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        ::RegQueryValueExW(k, name.c_str(), nullptr, &v.type,
                           reinterpret_cast<BYTE*>(v.data.data()), &size);
        v.data.resize(size);
        v.exists = true;
    }
    ::RegCloseKey(k);
    return v;
}

void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                   const std::string& data) {
    HKEY k;
    if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                          nullptr, &k, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create test key");
    ::RegSetValueExW(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    ::RegCloseKey(k);
}

void DeleteRegKeyTree(HKEY root, const std::wstring& key) {
    ::RegDeleteTreeW(root, key.c_str());
    ::RegDeleteKeyExW(root, key.c_str(), KEY_WOW64_64KEY, 0);
}

std::string Utf16Bytes(const std::wstring& text, bool terminator) {
    std::string out(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    if (terminator) out.append(2, '\0');
    return out;
}

}  // namespace e2e
