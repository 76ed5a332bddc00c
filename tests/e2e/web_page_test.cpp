// What the program starts to show a web page: Internet Explorer below "programfiles" with its
// path quoted, else the default browser, else a message with the address. A stand-in browser
// of ours records each command line, so no real browser ever runs.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

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

TEST(OpenWebPage, UpdateStartsInternetExplorerWithItsPathQuoted) {
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

    const std::vector<std::wstring> lines = WaitCaptured(ieFolder, 1);
    ASSERT_EQ(lines.size(), 1u) << "the browser was not started once";
    EXPECT_EQ(lines[0], L"\"" + ie + L"\" " + vx::kDownloadPage);
    EXPECT_TRUE(Captured(folder.path()).empty()) << "Program.exe ran";
    EXPECT_TRUE(NoMessageBox(app));
    EXPECT_TRUE(app.Running());
}

enum class ProgramFiles { FolderWithoutIt, Unset, Relative };

struct NoBrowserCase {
    const char* name;
    ProgramFiles programFiles;
};

void PrintTo(const NoBrowserCase& c, std::ostream* os) { *os << c.name; }

// A stand-in planted where a careless lookup would find a browser; removed afterwards.
class PlantedTrap {
  public:
    explicit PlantedTrap(std::wstring folder) : folder_(std::move(folder)) {
        ownsFolder_ = !FolderExists(folder_);
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        planted_ = PlantBrowser(JoinPath(folder_, L"IEXPLORE.EXE"));
    }
    ~PlantedTrap() {
        if (ownsFolder_) RemoveTree(folder_);
    }
    PlantedTrap(const PlantedTrap&) = delete;
    PlantedTrap& operator=(const PlantedTrap&) = delete;
    bool planted() const { return planted_; }
    bool Ran() const { return !Captured(folder_).empty(); }

  private:
    std::wstring folder_;
    bool ownsFolder_ = false;
    bool planted_ = false;
};

class NoInternetExplorer : public ::testing::TestWithParam<NoBrowserCase> {
  protected:
    // The environment to start with, and the trap for the place it must not lead to.
    EnvironmentChanges Prepare(const ScratchFolder& folder) {
        folder.MakeFolder(L"Program Files");
        switch (GetParam().programFiles) {
            case ProgramFiles::FolderWithoutIt:
                return ProgramFilesIs(folder / L"Program Files");
            case ProgramFiles::Unset:
                // "\\Internet Explorer\\..." would be the root of the current drive.
                trap_.emplace(L"C:\\Internet Explorer");
                return ProgramFilesIs(std::nullopt);
            case ProgramFiles::Relative:
                // Relative to the current folder, which is the program's.
                trap_.emplace(folder / L"Program Files\\Internet Explorer");
                return ProgramFilesIs(L"Program Files");
        }
        return {};
    }
    bool TrapRan() const { return trap_ && trap_->Ran(); }

    std::optional<PlantedTrap> trap_;
};

TEST_P(NoInternetExplorer, TheDefaultBrowserGetsTheAddress) {
    ScratchFolder folder(L"web-default");
    folder.AddSamplePresets();
    folder.MakeFolder(L"browser");
    ASSERT_TRUE(PlantBrowser(folder / L"browser\\default.exe"));
    DefaultBrowser browser(L"\"" + (folder / L"browser\\default.exe") + L"\" \"%1\"");
    const EnvironmentChanges environment = Prepare(folder);
    ASSERT_TRUE(!trap_ || trap_->planted());

    Vendrix app(folder.path(), environment);
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenu(main, kMenu3);

    const std::vector<std::wstring> lines = WaitCaptured(folder / L"browser", 1);
    ASSERT_EQ(lines.size(), 1u) << "the default browser was not started once";
    EXPECT_NE(lines[0].find(vx::kDownloadPage), std::wstring::npos) << "got: " << lines[0];
    EXPECT_FALSE(TrapRan());
    EXPECT_TRUE(NoMessageBox(app));
}

TEST_P(NoInternetExplorer, WithNoBrowserAtAllAMessageShowsTheAddress) {
    ScratchFolder folder(L"web-none");
    folder.AddSamplePresets();
    DefaultBrowser browser(L"\"" + (folder / L"browser\\missing.exe") + L"\" \"%1\"");
    const EnvironmentChanges environment = Prepare(folder);
    ASSERT_TRUE(!trap_ || trap_->planted());

    Vendrix app(folder.path(), environment);
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    ChooseMenu(main, kMenu3);

    const MessageBoxInfo box = WaitMessageBox(app);
    ASSERT_NE(box.hwnd, nullptr) << "no message with the address";
    EXPECT_EQ(box.title, L"Vendrix");
    EXPECT_EQ(box.text, vx::text::kMsgPageNotOpened + std::wstring(vx::kDownloadPage));
    PressOk(box);
    EXPECT_FALSE(TrapRan());
    EXPECT_TRUE(app.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoInternetExplorer,
    ::testing::Values(NoBrowserCase{"FolderWithoutIt", ProgramFiles::FolderWithoutIt},
                      NoBrowserCase{"ProgramFilesUnset", ProgramFiles::Unset},
                      NoBrowserCase{"ProgramFilesRelative", ProgramFiles::Relative}),
    [](const ::testing::TestParamInfo<NoBrowserCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace e2e
