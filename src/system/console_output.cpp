#include "system/console_output.h"

#include "core/decimal.h"

namespace vx {

namespace {

void WriteText(HANDLE file, UINT codePage, const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The lines, each after the prefix and ended with CR LF.
std::wstring Joined(const std::vector<std::wstring>& lines, const std::wstring& prefix) {
    std::wstring text;
    for (const std::wstring& line : lines) text += prefix + line + L"\r\n";
    return text;
}

}  // namespace

void PrintLines(const std::vector<std::wstring>& lines) {
    // Taken before attaching: a redirected output is what the starter asked for.
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const bool inherited = out && out != INVALID_HANDLE_VALUE && ::GetFileType(out) != FILE_TYPE_UNKNOWN;
    const bool attached = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    UniqueHandle console;
    if (!inherited) {
        if (!attached) return;
        out = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
        console.reset(out);
    }
    const std::wstring text = Joined(lines, L"");
    DWORD mode = 0, written = 0;
    if (::GetConsoleMode(out, &mode))
        ::WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    else
        WriteText(out, CP_ACP, text);
}

bool LogFile::Open(const std::wstring& path) {
    const HANDLE opened = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened != INVALID_HANDLE_VALUE) file_.reset(opened);
    return opened != INVALID_HANDLE_VALUE;
}

void LogFile::Append(const std::vector<std::wstring>& lines) {
    if (!file_) return;
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    const std::wstring stamp = DecimalText(t.wYear, 4) + L'-' + DecimalText(t.wMonth, 2) + L'-' +
                               DecimalText(t.wDay, 2) + L' ' + DecimalText(t.wHour, 2) + L':' +
                               DecimalText(t.wMinute, 2) + L':' + DecimalText(t.wSecond, 2) + L' ';
    WriteText(file_.get(), CP_UTF8, Joined(lines, stamp));
}

}  // namespace vx
