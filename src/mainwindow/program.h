#pragma once
// The running program: its windows, each created on first use, and the message loop.
#include <windows.h>

#include <memory>

namespace vx {

class MainWindow;

class Program {
  public:
    Program();
    ~Program();

    // Creates and shows the main window and runs the message loop; returns the exit code.
    int Run(int showCommand);

    MainWindow& Main() { return *main_; }

    // Ends the program at once, closing every window.
    void Exit();
    // Every window reports here when it is gone; the last one ends the program.
    void OnWindowClosed();

  private:
    bool AnyWindowOpen() const;
    bool RouteDialogMessage(MSG& msg) const;

    std::unique_ptr<MainWindow> main_;
    bool exiting_ = false;
};

}  // namespace vx
