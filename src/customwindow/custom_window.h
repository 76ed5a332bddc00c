#pragma once
// The custom OEM information window `diy`: one shared instance for the run; closing the
// window destroys its controls and keeps the six fields.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "core/oem/apply_actions.h"
#include "core/oem/picture_fit.h"
#include "system/handles.h"
#include "system/window.h"

namespace vx {

class CustomWindow : public Window {
  public:
    // `showLogo` previews a chosen picture in the main window, or says why it cannot.
    // `confirmed` receives the six values on OK; `closed` is called whenever the window has gone.
    CustomWindow(std::function<PictureFault(const std::wstring&)> showLogo,
                 std::function<void(const CustomValues&)> confirmed, std::function<void()> closed);

    // Loads the window (with the hints) if it is not open, and shows it; if it is open, only
    // brings it forward.
    void Show();

    HWND Control(int id) const;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad();
    void OnCommand(int id);
    void OnOk();
    void OnBrowse();
    void OnReadMachine();
    void OnBoxClick(HWND box);
    static LRESULT CALLBACK BoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR self);

    std::function<PictureFault(const std::wstring&)> showLogo_;
    std::function<void(const CustomValues&)> confirmed_;
    std::function<void()> closed_;
    std::map<int, HWND> controls_;
    UniqueFont font_;
};

}  // namespace vx
