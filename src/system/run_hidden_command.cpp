#include "system/run_hidden_command.h"

#include <vector>

#include "system/handles.h"
#include "system/native_view.h"

namespace vx {

CommandResult RunHiddenProcess(const std::wstring& applicationPath, const std::wstring& commandLine,
                               DWORD timeoutMilliseconds) {
    CommandResult result;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    // CreateProcessW may write into the command line buffer.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    if (!::CreateProcessW(applicationPath.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info))
        return result;
    result.started = true;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);

    if (::WaitForSingleObject(process.get(), timeoutMilliseconds) != WAIT_OBJECT_0) {
        // Left running, it could still act after the next step has begun.
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
