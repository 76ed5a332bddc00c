#pragma once
// The about window: one shared instance for the run, loaded anew on every show after a close.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "system/handles.h"
#include "system/window.h"

namespace vx {

class AboutWindow : public Window {
  public:
    // `version` reads the main window's `vs`; `closed` is called whenever the window has gone.
    AboutWindow(std::function<std::wstring()> version, std::function<void()> closed);

    // Loads and shows the window, or brings it forward when it is open.
    void Show();

    HWND Control(int id) const;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad();
    void OnCommand(int id, int code);
    void PlaceOnScreen();

    std::function<std::wstring()> version_;
    std::function<void()> closed_;
    std::map<int, HWND> controls_;
    UniqueFont font_;
    UniqueFont productFont_;  // the product label's
    UniqueBitmap makerLogo_;  // shown by the maker's logo box
};

}  // namespace vx
