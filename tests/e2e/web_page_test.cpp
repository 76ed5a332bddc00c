// What the program starts to show a web page: Internet Explorer below "programfiles" with its
// path quoted, else the default browser, else a message with the address. A stand-in browser
// of ours records each command line, so no real browser ever runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/about_layout.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "core/web_page.h"
#include "driver.h"
#include "stand_in_browser.h"

namespace e2e {
namespace {

using namespace vx::main_ids;

const std::wstring kHttpsCommandKey = L"Software\\Classes\\https\\shell\\open\\command";

// The user's default browser for https addresses, replaced for one test and put back after.
class DefaultBrowser {
  public:
    explicit DefaultBrowser(const std::wstring& command) {
        saved_ = ReadRegValue(HKEY_LOCAL_MACHINE, kHttpsCommandKey, L"");
        WriteRegValue(HKEY_LOCAL_MACHINE, kHttpsCommandKey, L"", REG_SZ, Utf16Bytes(command));
    }
    ~DefaultBrowser() {
        if (saved_.exists) {
            WriteRegValue(HKEY_LOCAL_MACHINE, kHttpsCommandKey, L"", saved_.type, saved_.data);
            return;
        }
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kHttpsCommandKey.c_str(), nullptr);
    }
    DefaultBrowser(const DefaultBrowser&) = delete;
    DefaultBrowser& operator=(const DefaultBrowser&) = delete;

  private:
    RegValue saved_;
};

TEST(OpenWebPage, UpdateAndEachClickOnTheAboutLogoStartInternetExplorerWithItsPathQuoted) {
    ScratchFolder folder(L"web-ie");
    folder.AddSamplePresets();
    // "Program Files" holds a space: unquoted, the system would try ...\Program.exe first.
    const std::wstring programFiles = folder / L"Program Files";
    const std::wstring ieFolder = JoinPath(programFiles, L"Internet Explorer");
    folder.MakeFolder(L"Program Files");
    folder.MakeFolder(L"Program Files\\Internet Explorer");
    const std::wstring ie = JoinPath(ieFolder, L"IEXPLORE.EXE");
    ASSERT_TRUE(PlantBrowser(ie));
    ASSERT_TRUE(PlantBrowser(folder / L"Program.exe"));

    Vendrix app(folder.path(), ProgramFilesIs(programFiles));
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenuByKeyboard(main, 2);  // 更新

    ASSERT_EQ(WaitCaptured(ieFolder, 1).size(), 1u) << "the browser was not started once";

    ChooseMenu(main, kMenu9);
    HWND about = app.WaitForWindow(vx::text::kAboutCaption);
    ASSERT_NE(about, nullptr);
    HWND logo = ::GetDlgItem(about, vx::about_ids::kPicture1);
    MouseClick(logo, 15, 15);
    ASSERT_EQ(WaitCaptured(ieFolder, 2).size(), 2u);
    MouseClick(logo, 3, 20);
    const std::vector<std::wstring> lines = WaitCaptured(ieFolder, 3);
    ASSERT_EQ(lines.size(), 3u) << "one browser start per click";
    EXPECT_EQ(lines[0], L"\"" + ie + L"\" " + vx::kDownloadPage);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], L"\"" + ie + L"\" " + vx::kMakerHomePage);
    EXPECT_TRUE(Captured(folder.path()).empty()) << "Program.exe ran";
    EXPECT_TRUE(::IsWindow(about)) << "the click closed the about window";
    EXPECT_TRUE(NoMessageBox(app));
}

// Without Internet Explorer below "programfiles" (which of its values lead nowhere is
// proved by the unit tests of the path): the default browser, else a message.
TEST(OpenWebPage, WithoutInternetExplorerTheDefaultBrowserElseAMessageGetsTheAddress) {
    for (const bool browserThere : {true, false}) {
        SCOPED_TRACE(browserThere ? "default browser" : "no browser at all");
        ScratchFolder folder(L"web-default");
        folder.AddSamplePresets();
        folder.MakeFolder(L"Program Files");
        folder.MakeFolder(L"browser");
        const std::wstring browser = folder / L"browser\\default.exe";
        if (browserThere) {
            ASSERT_TRUE(PlantBrowser(browser));
        }
        DefaultBrowser standIn(L"\"" + browser + L"\" \"%1\"");

        Vendrix app(folder.path(), ProgramFilesIs(folder / L"Program Files"));
        HWND main = app.Main();
        ASSERT_NE(main, nullptr);
        ChooseMenu(main, kMenu3);

        if (browserThere) {
            const std::vector<std::wstring> lines = WaitCaptured(folder / L"browser", 1);
            ASSERT_EQ(lines.size(), 1u) << "the default browser was not started once";
            EXPECT_NE(lines[0].find(vx::kDownloadPage), std::wstring::npos) << lines[0];
            EXPECT_TRUE(NoMessageBox(app));
            continue;
        }
        const MessageBoxInfo box = WaitMessageBox(app);
        ASSERT_NE(box.hwnd, nullptr) << "no message with the address";
        EXPECT_EQ(box.title, L"Vendrix");
        EXPECT_EQ(box.text, vx::text::kMsgPageNotOpened + std::wstring(vx::kDownloadPage));
        PressOk(box);
        EXPECT_TRUE(app.Running());
    }
}

}  // namespace
}  // namespace e2e
