#include "driver.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;

namespace {

DWORD_PTR Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

// The first visible window of the process that satisfies `match`, waited for.
HWND WaitTopWindow(const Vendrix& app, Duration timeout, const std::function<bool(HWND)>& match) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : app.TopWindows())
                if (!found && match(w)) found = w;
            return found != nullptr;
        },
        timeout);
    return found;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    const fs::path exe = std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return exe.parent_path().wstring();
}

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, ::GetWindowsDirectoryW(path, MAX_PATH));
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    if (!std::ofstream(fs::path(path), std::ios::binary).write(bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write a test file");
}

void RemoveTree(const std::wstring& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

ScratchFolder::ScratchFolder(const std::wstring& name) : path_(L"C:\\vx-e2e\\" + name) {
    RemoveTree(path_);
    fs::create_directories(path_);
    fs::copy_file(JoinPath(BuildFolder(), L"Vendrix.exe"), *this / L"Vendrix.exe");
}

void ScratchFolder::AddSamplePresets() const {
    const auto options = fs::copy_options::overwrite_existing | fs::copy_options::recursive;
    for (const wchar_t* name : {L"oemlist.ini", L"oemdata"})
        fs::copy(JoinPath(BuildFolder(), name), *this / name, options);
}

Vendrix::Vendrix(const std::wstring& folder) {
    std::wstring commandLine = L"\"" + JoinPath(folder, L"Vendrix.exe") + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &process_))
        throw std::runtime_error("cannot start Vendrix.exe");
}

Vendrix::~Vendrix() {
    if (Running()) ::TerminateProcess(process_.hProcess, 1);
    ::WaitForSingleObject(process_.hProcess, 10000);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

std::vector<HWND> Vendrix::TopWindows() const {
    std::vector<HWND> found;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == pid() && ::IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

HWND Vendrix::WaitForWindow(const std::wstring& caption, Duration timeout) const {
    return WaitTopWindow(*this, timeout,
                         [&](HWND w) { return ClassOf(w) != L"#32770" && TextOf(w) == caption; });
}

MessageBoxInfo WaitMessageBox(const Vendrix& app, Duration timeout) {
    // A dialog box with a text control of identifier 0xFFFF.
    HWND box = WaitTopWindow(
        app, timeout, [](HWND w) { return ClassOf(w) == L"#32770" && ::GetDlgItem(w, 0xFFFF); });
    if (!box) return {};
    return {box, TextOf(box), TextOf(::GetDlgItem(box, 0xFFFF))};
}

void PressButton(const MessageBoxInfo& box, int id) {
    ::PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    WaitUntil([&] { return !::IsWindow(box.hwnd) || !::IsWindowVisible(box.hwnd); });
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256];
    return std::wstring(name, ::GetClassNameW(hwnd, name, 256));
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(Send(hwnd, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

void SetText(HWND control, const std::wstring& text) {
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<HWND> Children(HWND parent, const std::wstring& className) {
    std::vector<HWND> out;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == className) out.push_back(c);
    return out;
}

HWND ChildByText(HWND parent, const std::wstring& className, const std::wstring& text) {
    for (HWND c : Children(parent, className))
        if (TextOf(c) == text) return c;
    return nullptr;
}

HWND ChildAt(HWND parent, const std::wstring& className, int leftTwips, int topTwips) {
    for (HWND c : Children(parent, className)) {
        RECT r = OuterRect(c);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        if (std::abs(r.left - leftTwips / 15) <= 2 && std::abs(r.top - topTwips / 15) <= 2)
            return c;
    }
    return nullptr;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PickEntry(HWND combo, int index) {
    Send(combo, CB_SETCURSEL, index);
    ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

bool PickText(HWND combo, const std::wstring& text) {
    const std::vector<std::wstring> entries = ComboEntries(combo);
    const auto at = std::find(entries.begin(), entries.end(), text);
    if (at != entries.end()) PickEntry(combo, static_cast<int>(at - entries.begin()));
    return at != entries.end();
}

std::vector<std::wstring> ComboEntries(HWND combo) {
    std::vector<std::wstring> out(Send(combo, CB_GETCOUNT));
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].resize(Send(combo, CB_GETLBTEXTLEN, i) + 1);
        out[i].resize(Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(out[i].data())));
    }
    return out;
}

HWND WaitOpenFileDialog(const Vendrix& app, Duration timeout) {
    return WaitTopWindow(app, timeout,
                         [](HWND w) { return ClassOf(w) == L"#32770" && TextOf(w) == L"打开"; });
}

void ChooseFileInDialog(HWND dialog, const std::wstring& path) {
    // The file name box: an edit inside combo box cmb13, or edt1 in the plain dialog.
    HWND combo = ::GetDlgItem(dialog, 0x47C);
    HWND inner = combo ? ::FindWindowExW(combo, nullptr, L"ComboBox", nullptr) : nullptr;
    HWND box = ::FindWindowExW(inner ? inner : combo, nullptr, L"Edit", nullptr);
    SetText(box ? box : ::GetDlgItem(dialog, 0x480), path);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::vector<COLORREF> ScreenPixels(HWND control, int width, int height) {
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

std::vector<COLORREF> BitmapFilePixels(const std::string& bytes, int* width, int* height) {
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

bool ShowsBitmap(HWND control, const std::wstring& file) {
    int width = 0, height = 0;
    const std::vector<COLORREF> want = BitmapFilePixels(ReadFileBytes(file), &width, &height);
    RECT client{};
    ::GetClientRect(control, &client);
    const int w = std::min<int>(width, client.right), h = std::min<int>(height, client.bottom);
    return !want.empty() && WaitUntil(
                                [&] {
                                    const std::vector<COLORREF> shown = ScreenPixels(control, w, h);
                                    for (int i = 0; i < w * h; ++i)
                                        if (shown[i] != want[i / w * width + i % w]) return false;
                                    return true;
                                },
                                5s);
}

RegValue ReadRegValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    RegValue v;
    HKEY k;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &k)) return v;
    DWORD size = 0;
    v.exists = !::RegQueryValueExW(k, name.c_str(), nullptr, &v.type, nullptr, &size);
    v.data.resize(size);
    ::RegQueryValueExW(k, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(v.data.data()),
                       &size);
    ::RegCloseKey(k);
    return v;
}

void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                   const std::string& data) {
    // The key is created as needed; this exe is 64-bit, so its view is the native one.
    if (::RegSetKeyValueW(root, key.c_str(), name.c_str(), type, data.data(), data.size()))
        throw std::runtime_error("cannot write a test value");
}

}  // namespace e2e
