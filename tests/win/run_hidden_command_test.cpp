// The program's commands: the system's own cmd.exe by its full path, hidden, in the current
// directory, awaited. The probe leaves its record in the folder it ran in.
#include "system/run_hidden_command.h"

#include "system/native_view.h"
#include "system/system_dll.h"

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
    // The probe's record; empty when it did not run.
    std::wstring Record() const {
        std::ifstream in(work_ / L"probe-ran.txt", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
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
    EXPECT_EQ(Record(), L"") << "the planted cmd.exe ran";
}

// So do the DLLs looked up on first use, either way they are loaded: never a copy beside the exe.
TEST_F(RunHidden, SystemDllsComeFromTheSystemFolderNeverACopyPlantedBesideTheExe) {
    const fs::path planted = fs::path(probe_).replace_filename(L"vx_planted.dll");
    fs::remove(planted);
    fs::copy_file(probe_, planted);
    wchar_t path[MAX_PATH];
    const fs::path system(std::wstring(path, ::GetSystemDirectoryW(path, MAX_PATH)));
    const fs::path wow(std::wstring(path, ::GetSystemWow64DirectoryW(path, MAX_PATH)));  // x86 build
    for (auto load : {&LoadSystemDll, &LoadSystemDllByPath}) {
        const fs::path loaded(std::wstring(path, ::GetModuleFileNameW(load(L"comdlg32.dll"), path, MAX_PATH)));
        EXPECT_TRUE(loaded == system / L"comdlg32.dll" || loaded == wow / L"comdlg32.dll") << loaded.wstring();
        EXPECT_EQ(load(L"vx_planted.dll"), nullptr);
    }
    HMODULE plain = ::LoadLibraryW(L"vx_planted.dll");
    EXPECT_NE(plain, nullptr) << "the default search order did not find the planted copy";
    ::FreeLibrary(plain);
    fs::remove(planted);
}

TEST_F(RunHidden, AProcessStartsHiddenInTheCurrentFolderWithItsLineUnchanged) {
    const CommandResult r = RunHiddenProcess(probe_.wstring(), L"probe \"two words\" 7", 20000);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 7u);
    EXPECT_EQ(Record(), L"flags=" + std::to_wstring(STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES) +
                            L"\nshow=0\ncmdline=probe \"two words\" 7\n");  // SW_HIDE is 0
}

TEST_F(RunHidden, PastItsTimeLimitWhatTheInterpreterStartedIsEndedToo) {
    const std::wstring line = L"cmd /c \"" + probe_.wstring() + L"\" 600000";
    EXPECT_FALSE(RunHiddenProcess(CommandInterpreterPath(), line, 3000).finished);
    std::ifstream in(work_ / L"probe-pid.txt");
    DWORD pid = 0;
    ASSERT_TRUE(in >> pid) << "the probe never ran";
    HANDLE child = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    EXPECT_TRUE(!child || ::WaitForSingleObject(child, 5000) == WAIT_OBJECT_0) << "still runs";
    if (child) ::CloseHandle(child);
}

}  // namespace
}  // namespace vx
