// The program starts, shows its main window and ends when that window is closed.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

TEST(Startup, MainWindowAppearsAndClosingItEndsTheProgram) {
    ScratchFolder folder(L"startup");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    HWND main = app.Main();
    ASSERT_NE(main, nullptr) << "no window captioned \"Vendrix 1.5.2\"";
    EXPECT_TRUE(app.Running());
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.WaitForExit()) << "the process kept running after its window closed";
}

}  // namespace
}  // namespace e2e
