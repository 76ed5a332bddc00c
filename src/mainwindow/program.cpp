#include "mainwindow/program.h"

#include "mainwindow/main_window.h"

namespace vx {

Program::Program() : main_(std::make_unique<MainWindow>(*this)) {}
Program::~Program() = default;

int Program::Run(int showCommand) {
    if (!main_->Open(showCommand)) return 1;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (RouteDialogMessage(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool Program::RouteDialogMessage(MSG& msg) const {
    // Tab, Enter and Esc work in every window of the program, modeless ones included.
    for (const Window* w : {static_cast<const Window*>(main_.get())}) {
        if (w && w->IsOpen() && ::IsDialogMessageW(w->hwnd(), &msg)) return true;
    }
    return false;
}

bool Program::AnyWindowOpen() const { return main_->IsOpen(); }

void Program::Exit() {
    exiting_ = true;
    if (main_->IsOpen()) ::DestroyWindow(main_->hwnd());
    ::PostQuitMessage(0);
}

void Program::OnWindowClosed() {
    if (!exiting_ && !AnyWindowOpen()) ::PostQuitMessage(0);
}

}  // namespace vx
