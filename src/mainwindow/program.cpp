#include "mainwindow/program.h"

#include "aboutwindow/about_window.h"
#include "customwindow/custom_window.h"
#include "infowindow/info_window.h"
#include "mainwindow/main_window.h"
#include "targetwindow/target_window.h"

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

CustomWindow& Program::Custom() {
    if (!custom_) {
        custom_ = std::make_unique<CustomWindow>(
            [this](const std::wstring& path) { return main_->ShowLogoFile(path); },
            [this](const CustomValues& values) { customValues_ = values; },
            [this] { OnWindowClosed(); });
    }
    return *custom_;
}

AboutWindow& Program::About() {
    if (!about_) {
        about_ = std::make_unique<AboutWindow>([this] { return main_->vs(); },
                                               [this] { OnWindowClosed(); });
    }
    return *about_;
}

InfoWindow& Program::Info() {
    if (!info_) {
        info_ = std::make_unique<InfoWindow>(
            [this](const std::wstring& name) { main_->ReloadBrandList(name); },
            [this] { return target_; }, [this] { OnWindowClosed(); });
    }
    return *info_;
}

TargetWindow& Program::Target() {
    if (!targetWindow_) {
        targetWindow_ = std::make_unique<TargetWindow>(
            [this](const std::wstring& folder) { main_->OnTargetChosen(folder); },
            [this] { OnWindowClosed(); });
    }
    return *targetWindow_;
}

std::vector<Window*> Program::OpenWindows() const {
    Window* const all[] = {custom_.get(), about_.get(), info_.get(), targetWindow_.get(), main_.get()};
    std::vector<Window*> open;
    for (Window* w : all)
        if (w && w->IsOpen()) open.push_back(w);
    return open;
}

bool Program::RouteDialogMessage(MSG& msg) const {
    // Tab, Enter and Esc work in every window of the program, modeless ones included.
    for (const Window* w : OpenWindows())
        if (::IsDialogMessageW(w->hwnd(), &msg)) return true;
    return false;
}

void Program::SetBusy(bool busy) {
    busy_ = busy;
    for (const Window* w : OpenWindows()) ::EnableWindow(w->hwnd(), !busy);
}

void Program::Exit() {
    exiting_ = true;
    // The main window goes last.
    for (const Window* w : OpenWindows()) ::DestroyWindow(w->hwnd());
    ::PostQuitMessage(0);
}

void Program::OnWindowClosed() {
    if (!exiting_ && OpenWindows().empty()) ::PostQuitMessage(0);
}

}  // namespace vx
