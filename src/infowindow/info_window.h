#pragma once
// The window "当前OEM信息": the machine's current OEM information, read afresh on every open,
// and the button that saves it as a brand preset. One shared instance for the run.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "core/preset/preset_save.h"
#include "system/handles.h"
#include "system/window.h"

namespace vx {

class InfoWindow : public Window {
  public:
    // `saved` receives the name of each preset saved; `target` gives the Windows folder acted
    // on (empty: the running one); `closed` is called whenever the window has gone.
    InfoWindow(std::function<void(const std::wstring&)> saved, std::function<std::wstring()> target,
               std::function<void()> closed);

    // Loads and shows the window, or brings it forward when it is open.
    void Show();
    // Reads the values again, of the Windows now acted on.
    void Reload() { OnLoad(); }

    HWND Control(int id) const;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad();
    void ShowLogo();
    void OnSave();

    std::function<void(const std::wstring&)> saved_;
    std::function<std::wstring()> target_;
    std::function<void()> closed_;
    std::map<int, HWND> controls_;
    UniqueFont font_;
    UniqueBitmap picture_;   // the logo, or the placeholder stored with the program
    CurrentOem current_;  // as read when the window was loaded
};

}  // namespace vx
