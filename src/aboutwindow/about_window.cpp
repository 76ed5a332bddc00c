#include "aboutwindow/about_window.h"

#include <utility>

namespace vx {

AboutWindow::AboutWindow(std::function<std::wstring()> version, std::function<void()> closed)
    : version_(std::move(version)), closed_(std::move(closed)) {}

void AboutWindow::Show() {
    if (IsOpen()) {
        BringToFront();
        return;
    }
    // The window itself comes with its own change.
}

LRESULT AboutWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Window::OnMessage(msg, wp, lp);
}

void AboutWindow::OnClosed() {
    controls_.clear();
    if (closed_) closed_();
}

}  // namespace vx
