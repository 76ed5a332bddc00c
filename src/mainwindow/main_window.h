#pragma once
// The main window `main`: brand list, logo preview, apply button, owner panel and menu bar.
#include <windows.h>

#include <map>
#include <string>

#include "system/handles.h"
#include "system/window.h"

namespace vx {

class Program;

class MainWindow : public Window {
  public:
    explicit MainWindow(Program& program) : program_(program) {}

    // Creates the window, runs the load step and shows it.
    bool Open(int showCommand);

    // The version text `vs`, set by the load step.
    const std::wstring& vs() const { return vs_; }
    HWND Control(int id) const;

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad();
    void OnCommand(int id, int code, HWND control);
    HMENU BuildMenu() const;

    // Brand list and preview.
    void LoadBrandList();
    void OnPick();

    Program& program_;
    std::wstring vs_;
    std::map<int, HWND> controls_;
    UniqueFont font_;
};

}  // namespace vx
