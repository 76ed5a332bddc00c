#pragma once
// Base of the program's top-level windows: `this` is attached at WM_NCCREATE and the window
// procedure only dispatches to the derived class. What every window does as a dialog box does,
// it does here: the focus given back on reactivation and the button Enter presses.
#include <windows.h>

#include <string>

namespace vx {

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool IsOpen() const { return hwnd_ != nullptr; }
    // Brings an open window to the front and activates it.
    void BringToFront() const;

  protected:
    // For the windows that exist once: brings an open one forward and gives false, or creates it
    // with the client size in twips at the system's DPI and gives whether that worked.
    bool CreateOrRaise(const wchar_t* className, const std::wstring& caption, DWORD style,
                       int clientWidthTwips, int clientHeightTwips);
    // Creates the window with the given client size in pixels; returns false if it could not.
    bool CreateTopLevel(const wchar_t* className, const std::wstring& caption, DWORD style,
                        HMENU menu, int clientWidth, int clientHeight);
    // Makes the button `id` the default one, drawn so, that Enter presses: where
    // `focusedButtonFirst`, Enter presses the push button that has the focus instead.
    void SetDefaultButton(int id, bool focusedButtonFirst);
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Called once the window is gone (after WM_NCDESTROY); hwnd() is null by then.
    virtual void OnClosed() {}

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The button Enter presses now.
    int EnterButton() const;

    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window lost it
    int defaultButton_ = 0;     // none: Enter presses IDOK, as IsDialogMessage does
    bool focusedButtonFirst_ = false;
};

// The DPI at which a window's twips become pixels (the system DPI on Windows 7).
int WindowDpi(HWND hwnd);

}  // namespace vx
