#pragma once
// The running program: its windows, each created on first use, and the message loop.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/oem/apply_actions.h"

namespace vx {

class Window;
class MainWindow;
class CustomWindow;
class AboutWindow;
class InfoWindow;
class TargetWindow;

class Program {
  public:
    Program();
    ~Program();

    // Creates and shows the main window and runs the message loop; returns the exit code.
    int Run(int showCommand);

    MainWindow& Main() { return *main_; }
    // The shared instances, created on first use (creating one does not show it).
    CustomWindow& Custom();
    AboutWindow& About();
    InfoWindow& Info();
    TargetWindow& Target();

    // The Windows folder every action and view acts on; empty for the running one.
    const std::wstring& target() const { return target_; }
    void SetTarget(std::wstring folder) { target_ = std::move(folder); }

    // The custom window's values as its last OK handed them over.
    const CustomValues& customValues() const { return customValues_; }

    // While one lives (a command runs), every open window of the program is disabled, so no
    // click can start a second action; the windows keep painting and are enabled again after.
    class Busy {
      public:
        explicit Busy(Program& program) : program_(program) { program_.SetBusy(true); }
        ~Busy() { program_.SetBusy(false); }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        Program& program_;
    };
    bool busy() const { return busy_; }

    // Ends the program at once, closing every window.
    void Exit();
    // Every window reports here when it is gone; the last one ends the program.
    void OnWindowClosed();

  private:
    // The program's windows that are open, the main window last: the one list of them.
    std::vector<Window*> OpenWindows() const;
    bool RouteDialogMessage(MSG& msg) const;
    void SetBusy(bool busy);

    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<CustomWindow> custom_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<InfoWindow> info_;
    std::unique_ptr<TargetWindow> targetWindow_;
    CustomValues customValues_;
    std::wstring target_;
    bool exiting_ = false;
    bool busy_ = false;
};

}  // namespace vx
