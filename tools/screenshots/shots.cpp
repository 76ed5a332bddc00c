// Starts Vendrix with the sample presets, brings it into each state worth showing and saves
// each window, frame included, as a bitmap file in the folder given on the command line.
//   vx_shots OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "core/layouts/main_layout.h"
#include "core/texts.h"
#include "driver.h"

using namespace e2e;

namespace {

bool SaveWindow(HWND window, const std::wstring& path) {
    // Let the window finish painting what the last step changed.
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    std::this_thread::sleep_for(400ms);
    RECT r;
    ::GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(mem, old);
    const DWORD stride = ((w * 3) + 3) & ~3;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * h;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), stride * h);
    WriteFileBytes(path, bytes);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    std::printf("saved %ls\n", path.c_str());
    return true;
}

int EntryIndex(HWND list, const std::wstring& text) {
    const auto entries = ComboEntries(list);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text) return static_cast<int>(i);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string outArg = argv[1];
    const std::wstring out(outArg.begin(), outArg.end());
    ScratchFolder folder(L"shots");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    if (!main) return 1;
    HWND list = ::GetDlgItem(main, vx::main_ids::kCombolist);
    WaitUntil([&] { return ComboEntries(list).size() >= 5; });
    ::SetWindowPos(main, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    PickEntry(list, EntryIndex(list, L"青松电脑"));
    WaitUntil([&] { return ComboSelection(list) >= 0; });
    SaveWindow(main, JoinPath(out, L"main-brand.bmp"));

    const LONG narrow = OuterRect(main).right - OuterRect(main).left;
    ChooseMenu(main, vx::main_ids::kMenuTogglePanel);
    WaitUntil([&] { return OuterRect(main).right - OuterRect(main).left > narrow; });
    SaveWindow(main, JoinPath(out, L"main-owner-panel.bmp"));
    ChooseMenu(main, vx::main_ids::kMenuTogglePanel);
    WaitUntil([&] { return OuterRect(main).right - OuterRect(main).left <= narrow; });

    PickEntry(list, EntryIndex(list, vx::text::kClearEntry));
    WaitUntil([&] { return IsVisible(::GetDlgItem(main, vx::main_ids::kCleanOEM)); });
    SaveWindow(main, JoinPath(out, L"main-clear.bmp"));

    PickEntry(list, EntryIndex(list, vx::text::kCustomEntry));
    HWND diy = app.WaitForWindow(vx::text::kCustomCaption);
    if (diy) {
        ::SetWindowPos(diy, HWND_TOP, 260, 40, 0, 0, SWP_NOSIZE);
        SaveWindow(diy, JoinPath(out, L"custom.bmp"));
        ::PostMessageW(diy, WM_CLOSE, 0, 0);
    }

    ChooseMenu(main, vx::main_ids::kMenuAbout);
    HWND about = app.WaitForWindow(vx::text::kAboutCaption);
    if (about) {
        ::SetWindowPos(about, HWND_TOP, 260, 40, 0, 0, SWP_NOSIZE);
        SaveWindow(about, JoinPath(out, L"about.bmp"));
    }
    // The information window shows a machine that has values and a logo: a brand applied.
    const int brand = EntryIndex(list, L"青松电脑");
    PickEntry(list, brand);
    WaitUntil([&] { return ComboSelection(list) == brand; });
    Click(::GetDlgItem(main, vx::main_ids::kOk));
    const MessageBoxInfo done = WaitMessageBox(app, 60s);
    if (done.hwnd) PressOk(done);
    // ...and firmware that names its maker and model (Wine's own names nobody); taken back after.
    const std::wstring bios = L"HARDWARE\\DESCRIPTION\\System\\BIOS";
    const std::pair<const wchar_t*, const wchar_t*> firmware[] = {
        {L"SystemManufacturer", L"QINGSONG"}, {L"SystemProductName", L"TianXing T500"}};
    for (const auto& [name, value] : firmware)
        WriteRegValue(HKEY_LOCAL_MACHINE, bios, name, REG_SZ, Utf16Bytes(value));
    ChooseMenu(main, vx::main_ids::kMenuSaveAsPreset);
    HWND info = app.WaitForWindow(vx::text::kInfoCaption);
    if (info) {
        ::SetWindowPos(info, HWND_TOP, 260, 40, 0, 0, SWP_NOSIZE);
        SaveWindow(info, JoinPath(out, L"info.bmp"));
    }
    for (const auto& [name, value] : firmware)
        WriteRegValue(HKEY_LOCAL_MACHINE, bios, name, REG_SZ, Utf16Bytes(L""));
    ChooseMenu(main, vx::main_ids::kMenuExit);
    app.WaitForExit();
    WriteFileBytes(JoinPath(out, L"done"), diy && about ? "ok" : "incomplete");
    return diy && about ? 0 : 1;
}
