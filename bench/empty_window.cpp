// The floor of any start-up: a program that only shows one empty window. Built for the
// benchmark alone, the same way as the program (same compiler, runtime and options).
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // A 32-bit window procedure is __stdcall, which a lambda is only when told.
    wc.lpfnWndProc = [](HWND w, UINT msg, WPARAM wp, LPARAM lp) __attribute__((stdcall))->LRESULT {
        if (msg == WM_DESTROY) ::PostQuitMessage(0);
        return ::DefWindowProcW(w, msg, wp, lp);
    };
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"VxEmptyWindow";
    ::RegisterClassExW(&wc);
    HWND window =
        ::CreateWindowExW(0, wc.lpszClassName, L"empty", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 400, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ::ShowWindow(window, showCommand);
    ::UpdateWindow(window);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
