#include "customwindow/custom_window.h"

#include <utility>

namespace vx {

CustomWindow::CustomWindow(std::function<bool(const std::wstring&)> showLogo,
                           std::function<void()> closed)
    : showLogo_(std::move(showLogo)), closed_(std::move(closed)) {}

void CustomWindow::Show() {
    if (IsOpen()) {
        BringToFront();
        return;
    }
    // The window itself comes with its own change; until then there is nothing to show.
}

LRESULT CustomWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Window::OnMessage(msg, wp, lp);
}

void CustomWindow::OnClosed() {
    controls_.clear();
    if (closed_) closed_();
}

}  // namespace vx
