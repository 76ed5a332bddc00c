#pragma once
// The window "选择目标系统": the installed Windows found on the other drives, each with its product
// name, and 当前系统; the one chosen becomes what every action, the preview, the owner boxes and
// the current OEM information window act on. One shared instance for the run.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "system/handles.h"
#include "system/window.h"

namespace vx {

class TargetWindow : public Window {
  public:
    // `chosen` receives the Windows folder picked, empty for the running one; `closed` is
    // called whenever the window has gone.
    TargetWindow(std::function<void(const std::wstring&)> chosen, std::function<void()> closed);

    // Looks for the installed Windows afresh and shows the window with `current` selected
    // (empty: 当前系统), or brings it forward when it is open.
    void Show(const std::wstring& current);

    HWND Control(int id) const;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad(const std::wstring& current);
    void OnOk();

    std::function<void(const std::wstring&)> chosen_;
    std::function<void()> closed_;
    std::map<int, HWND> controls_;
    UniqueFont font_;
    std::vector<std::wstring> folders_;  // by entry; empty for 当前系统
};

}  // namespace vx
