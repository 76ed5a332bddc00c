#include "system/console_output.h"

namespace vx {

namespace {

// The text in the code page into `bytes` (at most `room`); the count written. Where the ANSI
// code page lacks a character it becomes '?', never a look-alike the code page would choose for
// it (an 'â' read as 'a', a '²' as '2'): a script must not act on a value it was never given.
int Encode(UINT codePage, std::wstring_view text, char* bytes, size_t room) {
    // UTF-8 has every character and takes neither the flag nor a default character.
    const bool utf8 = codePage == CP_UTF8 || ::GetACP() == CP_UTF8;
    return ::WideCharToMultiByte(codePage, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text.data(),
                                 static_cast<int>(text.size()), bytes, static_cast<int>(room),
                                 utf8 ? nullptr : "?", nullptr);
}

void WriteEncoded(HANDLE file, UINT codePage, std::wstring_view text) {
    const int n = Encode(codePage, text, nullptr, 0);
    if (n <= 0) return;
    std::string bytes(static_cast<size_t>(n), '\0');
    DWORD written = 0;
    if (Encode(codePage, text, bytes.data(), bytes.size()) == n)
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(n), &written, nullptr);
}

// "yyyy-mm-dd hh:mm:ss " into `at` (20 characters), from the local time. Digit by digit rather
// than through DecimalText: the end of a run out of memory writes its line with this too.
void WriteStamp(wchar_t* at) {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    const WORD parts[] = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    const wchar_t after[] = L"-- :: ";
    for (int i = 0; i < 6; ++i) {
        const int digits = i == 0 ? 4 : 2;
        for (int d = digits, v = parts[i]; d-- > 0; v /= 10)
            at[d] = static_cast<wchar_t>(L'0' + v % 10);
        at += digits;
        *at++ = after[i];
    }
}
constexpr size_t kStampChars = 20;

}  // namespace

ConsoleOutput::ConsoleOutput() {
    // Taken before attaching: a redirected output is what the starter asked for.
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const bool inherited =
        out && out != INVALID_HANDLE_VALUE && ::GetFileType(out) != FILE_TYPE_UNKNOWN;
    const bool attached = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!inherited) {
        if (!attached) return;
        out = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
        opened_.reset(out);
    }
    DWORD mode = 0;
    out_ = out;
    console_ = ::GetConsoleMode(out, &mode) != FALSE;
}

void ConsoleOutput::Print(const std::vector<std::wstring>& lines) {
    if (!out_) return;
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    DWORD written = 0;
    if (console_)
        ::WriteConsoleW(out_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    else
        WriteEncoded(out_, CP_ACP, text);
}

void ConsoleOutput::PrintNow(std::wstring_view line) {
    if (!out_) return;
    DWORD written = 0;
    if (console_) {
        ::WriteConsoleW(out_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        ::WriteConsoleW(out_, L"\r\n", 2, &written, nullptr);
        return;
    }
    char bytes[512];
    const int n = Encode(CP_ACP, line, bytes, sizeof bytes - 2);
    if (n <= 0) return;
    bytes[n] = '\r', bytes[n + 1] = '\n';
    ::WriteFile(out_, bytes, static_cast<DWORD>(n + 2), &written, nullptr);
}

bool LogFile::Open(const std::wstring& path) {
    const HANDLE opened = ::CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened != INVALID_HANDLE_VALUE) file_.reset(opened);
    return opened != INVALID_HANDLE_VALUE;
}

void LogFile::Append(const std::vector<std::wstring>& lines) {
    if (!file_) return;
    for (const std::wstring& line : lines) {
        std::wstring text(kStampChars, L' ');
        WriteStamp(text.data());
        WriteEncoded(file_.get(), CP_UTF8, text + line + L"\r\n");
    }
}

void LogFile::AppendNow(std::wstring_view first, std::wstring_view second) {
    if (!file_) return;
    wchar_t text[kStampChars + 202];
    WriteStamp(text);
    size_t n = kStampChars;
    for (std::wstring_view part : {first, second})
        for (size_t i = 0; i < part.size() && n < std::size(text) - 2; ++i) text[n++] = part[i];
    text[n++] = L'\r', text[n++] = L'\n';
    char bytes[3 * std::size(text)];
    const int length = Encode(CP_UTF8, {text, n}, bytes, sizeof bytes);
    DWORD written = 0;
    if (length > 0) ::WriteFile(file_.get(), bytes, static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace vx
