// Starting the program's command lines: the system's own interpreter by its full path, hidden,
// in the current directory, awaited, exit code read. The probe records how it was started in
// probe-ran.txt in its current directory: a record in the work folder shows it ran there.
#include "system/run_hidden_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vx {
namespace {

namespace fs = std::filesystem;

class RunHidden : public ::testing::Test {
  protected:
    // A fresh folder is the current directory while the test runs.
    void SetUp() override {
        wchar_t exe[MAX_PATH];
        probe_ = fs::path(std::wstring(exe, ::GetModuleFileNameW(nullptr, exe, MAX_PATH)))
                     .replace_filename(L"vx_probe_child.exe");
        fs::remove_all(work_);
        fs::create_directories(work_);
        fs::current_path(work_);
    }
    void TearDown() override {
        fs::current_path(L"C:\\");
        fs::remove_all(work_);
    }
    // One "name=" line of the probe's record; empty when there is none.
    std::wstring Recorded(const std::wstring& name) const {
        std::ifstream in(work_ / L"probe-ran.txt", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
        const size_t at = text.find(name + L"="), from = at + name.size() + 1;
        return at == std::wstring::npos ? L"" : text.substr(from, text.find(L'\n', at) - from);
    }

    const fs::path work_ = L"C:\\vx-win-run";
    fs::path probe_;
};

TEST_F(RunHidden, TheSystemsInterpreterRunsNeverACmdExePlantedInTheCurrentFolder) {
    fs::copy_file(probe_, work_ / L"cmd.exe");
    const std::pair<const wchar_t*, unsigned long> cases[] = {
        {L"cmd /c exit 0", 0}, {L"cmd /c exit 3", 3}, {L"cmd /c copy /y missing.bmp x.bmp", 1}};
    for (const auto& [line, code] : cases) {
        const CommandResult r = RunHiddenCommand(line);
        EXPECT_TRUE(r.started && r.finished) << line;
        EXPECT_EQ(r.exitCode, code) << line;
    }
    EXPECT_EQ(Recorded(L"cmdline"), L"") << "the planted cmd.exe ran";
}

TEST_F(RunHidden, AProcessStartsHiddenInTheCurrentFolderWithItsLineUnchanged) {
    const CommandResult r = RunHiddenProcess(probe_.wstring(), L"probe \"two words\" 7", 20000);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 7u);
    EXPECT_TRUE(std::stoul(Recorded(L"flags")) & STARTF_USESHOWWINDOW);
    EXPECT_EQ(Recorded(L"show"), std::to_wstring(SW_HIDE));
    EXPECT_EQ(Recorded(L"cmdline"), L"probe \"two words\" 7");
}

}  // namespace
}  // namespace vx
