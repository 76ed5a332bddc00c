#include "stand_in_browser.h"

namespace e2e {

namespace {

std::wstring FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), n);
    return text;
}

}  // namespace

EnvironmentChanges ProgramFilesIs(const std::optional<std::wstring>& value) {
    return {{L"ProgramFiles", value}, {L"ProgramW6432", value}, {L"ProgramFiles(x86)", value}};
}

bool PlantBrowser(const std::wstring& path) {
    const std::wstring standIn = JoinPath(BuildFolder(), L"vx_capture_command_line.exe");
    return ::CopyFileW(standIn.c_str(), path.c_str(), FALSE) != FALSE;
}

std::vector<std::wstring> Captured(const std::wstring& folder) {
    std::vector<std::wstring> lines;
    const std::wstring text = FromUtf8(ReadFileBytes(JoinPath(folder, L"captured.txt")));
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::wstring> WaitCaptured(const std::wstring& folder, size_t count) {
    WaitUntil([&] { return Captured(folder).size() >= count; }, 10s);
    return Captured(folder);
}

}  // namespace e2e
