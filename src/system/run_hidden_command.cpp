#include "system/run_hidden_command.h"

#include <optional>
#include <vector>

#include "system/handles.h"
#include "system/native_view.h"

namespace vx {

namespace {

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Waits for the process while the thread's windows keep painting and answering. Input is
// dropped: the windows are disabled meanwhile, yet a control that kept the focus would still
// take keys. A request to quit is passed on to the outer loop once the wait is over.
bool WaitDispatching(HANDLE process, DWORD timeoutMilliseconds) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMilliseconds;
    std::optional<int> quit;
    bool ended = false;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        const DWORD woke = quit ? ::WaitForSingleObject(process, left)
                                : ::MsgWaitForMultipleObjectsEx(1, &process, left, QS_ALLINPUT,
                                                                MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) ended = true;
        if (quit || woke != WAIT_OBJECT_0 + 1) break;
        MSG msg;
        while (!quit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                quit = static_cast<int>(msg.wParam);
            else if (!IsInput(msg.message))
                ::DispatchMessageW(&msg);
        }
    }
    if (quit) ::PostQuitMessage(*quit);
    return ended;
}

// A job whose processes all end when it is closed.
UniqueHandle KillOnCloseJob() {
    UniqueHandle job(::CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job && !::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                          sizeof limits))
        job.reset();
    return job;
}

// The null device, for a child's standard input, output and error: started by a window
// program its messages would otherwise go wherever the platform chooses, which under Wine is
// our own output (cmd's "文件已存在。" in a script's log).
UniqueHandle NullDevice() {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE opened = ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                        OPEN_EXISTING, 0, nullptr);
    return UniqueHandle(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
}

// Limits what the child inherits to the one handle: whatever else of ours can be inherited
// (the output a script handed us) stays ours.
class InheritOnly {
  public:
    explicit InheritOnly(HANDLE handle) : handle_(handle) {
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        list_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (size == 0 || !::InitializeProcThreadAttributeList(list_, 1, 0, &size)) {
            list_ = nullptr;
            return;
        }
        if (!::UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &handle_,
                                         sizeof handle_, nullptr, nullptr)) {
            ::DeleteProcThreadAttributeList(list_);
            list_ = nullptr;
        }
    }
    ~InheritOnly() {
        if (list_) ::DeleteProcThreadAttributeList(list_);
    }
    InheritOnly(const InheritOnly&) = delete;
    InheritOnly& operator=(const InheritOnly&) = delete;
    // Null when the list could not be made: the child then inherits what is inheritable.
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return list_; }

  private:
    HANDLE handle_;
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

}  // namespace

CommandResult RunHiddenProcess(const std::wstring& applicationPath, const std::wstring& commandLine,
                               DWORD timeoutMilliseconds) {
    CommandResult result;
    const UniqueHandle null = NullDevice();
    if (!null) return result;
    const InheritOnly inherit(null.get());
    STARTUPINFOEXW startupEx{};
    STARTUPINFOW& startup = startupEx.StartupInfo;
    startup.cb = inherit.list() ? sizeof startupEx : sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = null.get();
    startupEx.lpAttributeList = inherit.list();
    const DWORD extended = inherit.list() ? EXTENDED_STARTUPINFO_PRESENT : 0;
    PROCESS_INFORMATION info{};
    // CreateProcessW may write into the command line buffer.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    UniqueHandle job = KillOnCloseJob();
    // Suspended until it is in the job, so nothing it starts can escape it.
    const auto start = [&](DWORD flags) {
        return ::CreateProcessW(applicationPath.c_str(), line.data(), nullptr, nullptr, TRUE,
                                flags | extended | CREATE_SUSPENDED, nullptr, nullptr, &startup,
                                &info);
    };
    // Out of a job of ours that lets it go, it can join the new one even where jobs do not nest
    // (Windows 7); a job that does not is refused by the first call.
    if (!start(CREATE_BREAKAWAY_FROM_JOB) && !start(0)) return result;
    result.started = true;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    // Fails where our own job allows no nested one (Windows 7): then only the process itself
    // can be ended.
    const bool inJob = job && ::AssignProcessToJobObject(job.get(), process.get());
    ::ResumeThread(thread.get());

    if (!WaitDispatching(process.get(), timeoutMilliseconds)) {
        // Left running, it could still act after the next step has begun.
        if (!inJob || !::TerminateJobObject(job.get(), ERROR_TIMEOUT))
            ::TerminateProcess(process.get(), ERROR_TIMEOUT);
        ::WaitForSingleObject(process.get(), 5000);
        return result;
    }
    DWORD code = 0;
    if (!::GetExitCodeProcess(process.get(), &code)) return result;
    result.finished = true;
    result.exitCode = code;
    return result;
}

CommandResult RunHiddenCommand(const std::wstring& commandLine) {
    return RunHiddenProcess(CommandInterpreterPath(), commandLine,
                            static_cast<DWORD>(kCommandTimeoutSeconds) * 1000);
}

}  // namespace vx
