// Starting the program's command lines: the real interpreter by full path, hidden, in the
// current directory with the environment, awaited with a time limit, exit code read.
#include <gtest/gtest.h>

#include <string>

#include "system/native_view.h"
#include "system/run_hidden_command.h"

namespace vx {
namespace {

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring ProbeExe() { return ExeFolder() + L"\\vx_probe_child.exe"; }

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFolder(const std::wstring& folder) {
    for (const wchar_t* name : {L"probe-ran.txt", L"here.txt"})
        ::DeleteFileW((folder + L"\\" + name).c_str());
    ::RemoveDirectoryW(folder.c_str());
}

// A fresh empty folder that is the current directory for the test's lifetime.
class WorkFolder {
  public:
    explicit WorkFolder(const std::wstring& name) : path_(L"C:\\vx-win-" + name) {
        wchar_t previous[MAX_PATH];
        ::GetCurrentDirectoryW(MAX_PATH, previous);
        previous_ = previous;
        RemoveFolder(path_);
        ::CreateDirectoryW(path_.c_str(), nullptr);
        ::SetCurrentDirectoryW(path_.c_str());
    }
    ~WorkFolder() {
        ::SetCurrentDirectoryW(previous_.c_str());
        RemoveFolder(path_);
    }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
    std::wstring previous_;
};

// The probe's record as name -> value.
std::wstring Field(const std::wstring& recordFile, const std::wstring& name) {
    HANDLE f = ::CreateFileW(recordFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return L"<no record>";
    std::wstring text(4096, L'\0');
    DWORD got = 0;
    ::ReadFile(f, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &got, nullptr);
    ::CloseHandle(f);
    text.resize(got / sizeof(wchar_t));
    const std::wstring key = name + L"=";
    const size_t at = text.find(key);
    if (at == std::wstring::npos) return L"<no field>";
    const size_t end = text.find(L'\n', at);
    return text.substr(at + key.size(), end - at - key.size());
}

TEST(RunHiddenCommand, ReadsTheInterpretersExitCode) {
    const struct {
        const wchar_t* line;
        unsigned long code;
    } cases[] = {
        {L"cmd /c exit 0", 0},
        {L"cmd /c exit 3", 3},
        {L"cmd /c exit 255", 255},
        {L"cmd /c copy /y no-such-file.bmp no-such-target.bmp", 1},
    };
    WorkFolder work(L"exitcodes");
    for (const auto& c : cases) {
        const CommandResult r = RunHiddenCommand(c.line);
        EXPECT_TRUE(r.started) << c.line;
        EXPECT_TRUE(r.finished) << c.line;
        EXPECT_EQ(r.exitCode, c.code) << c.line;
    }
}

TEST(RunHiddenCommand, WaitsForTheCommandRunInTheCurrentDirectory) {
    WorkFolder work(L"waits");
    // The file is there as soon as the call returns, and in the current directory.
    ASSERT_TRUE(RunHiddenCommand(L"cmd /c echo x> here.txt").finished);
    EXPECT_TRUE(Exists(work / L"here.txt"));
}

TEST(RunHiddenCommand, TheInterpreterIsTheSystemsOwn) {
    wchar_t system[MAX_PATH];
    ::GetSystemDirectoryW(system, MAX_PATH);
    // A 64-bit process has no redirection: the native folder is System32 itself.
    EXPECT_EQ(
        _wcsicmp(CommandInterpreterPath().c_str(), (std::wstring(system) + L"\\cmd.exe").c_str()),
        0);
    EXPECT_TRUE(Exists(CommandInterpreterPath()));
}

TEST(RunHiddenProcess, StartsHiddenWithTheCommandLineUnchanged) {
    WorkFolder work(L"hidden");
    ::SetEnvironmentVariableW(L"VX_PROBE_VALUE", L"inherited value");
    const std::wstring line = L"probe \"two words\" 0 7";
    const CommandResult r = RunHiddenProcess(ProbeExe(), line, 20000);
    ::SetEnvironmentVariableW(L"VX_PROBE_VALUE", nullptr);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0u) << "\"two words\" is one argument, so the exit code is 0";
    const std::wstring record = work / L"probe-ran.txt";
    const unsigned long flags = std::stoul(Field(record, L"flags"));
    EXPECT_TRUE(flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(Field(record, L"show"), std::to_wstring(SW_HIDE));
    EXPECT_EQ(Field(record, L"cmdline"), line);
    EXPECT_EQ(_wcsicmp(Field(record, L"cwd").c_str(), work.path().c_str()), 0);
    EXPECT_EQ(Field(record, L"env"), L"inherited value");
}

TEST(RunHiddenProcess, ACommandPastItsTimeLimitIsEndedAndNotFinished) {
    WorkFolder work(L"timeout");
    const CommandResult r = RunHiddenProcess(ProbeExe(), L"probe 30000 0", 2000);
    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.finished);
    const std::wstring pid = Field(work / L"probe-ran.txt", L"pid");
    ASSERT_NE(pid.front(), L'<') << "the probe never ran";
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, std::stoul(pid));
    if (process) {
        EXPECT_EQ(::WaitForSingleObject(process, 0), WAIT_OBJECT_0) << "still running";
        ::CloseHandle(process);
    }
}

TEST(RunHiddenProcess, AProgramThatCannotStartIsNotStarted) {
    WorkFolder work(L"nostart");
    const CommandResult r = RunHiddenProcess(work / L"missing.exe", L"missing", 1000);
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.finished);
}

TEST(RunHiddenProcess, PastItsTimeLimitWhatTheInterpreterStartedIsEndedToo) {
    WorkFolder work(L"job");
    const std::wstring line = L"cmd /c \"" + ProbeExe() + L"\" 600000";
    EXPECT_FALSE(RunHiddenProcess(CommandInterpreterPath(), line, 3000).finished);
    const std::wstring pid = Field(work / L"probe-ran.txt", L"pid");
    ASSERT_NE(pid.front(), L'<') << "the probe never ran";
    HANDLE child = ::OpenProcess(SYNCHRONIZE, FALSE, std::stoul(pid));
    EXPECT_TRUE(!child || ::WaitForSingleObject(child, 5000) == WAIT_OBJECT_0) << "still runs";
    if (child) ::CloseHandle(child);
}

}  // namespace
}  // namespace vx
