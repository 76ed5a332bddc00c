#include "system/preset_files.h"

#include <vector>

#include "system/handles.h"
#include "system/ui.h"

namespace vx {

namespace {

WriteResult LastError() {
    const DWORD error = ::GetLastError();
    return {static_cast<long>(error ? error : ERROR_GEN_FAILURE), ErrorText(error)};
}

DWORD Attributes(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()); }

bool WriteAll(const std::wstring& path, const std::string& bytes) {
    HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    UniqueHandle file(opened);
    DWORD written = 0;
    if (!bytes.empty() && (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &written, nullptr) ||
                           written != bytes.size()))
        return false;
    return ::FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

std::wstring DecodeAnsiText(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
    return text;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXLONG) return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        return false;
    bytes.resize(got);
    return true;
}

bool SystemPresetFiles::FileExists(const std::wstring& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool SystemPresetFiles::FolderExists(const std::wstring& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> SystemPresetFiles::ReadFile(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return std::nullopt;
    return bytes;
}

std::wstring SystemPresetFiles::FindFile(const std::wstring& pattern) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    ::FindClose(search);
    return pattern.substr(0, pattern.find_last_of(L'\\') + 1) + found.cFileName;
}

WriteResult SystemPresetFiles::MakeFolder(const std::wstring& path) {
    // A library without any preset yet has no oemdata folder either; it stays once made.
    ::CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    if (::CreateDirectoryW(path.c_str(), nullptr)) return {};
    return LastError();
}

WriteResult SystemPresetFiles::WriteFile(const std::wstring& path, const std::string& bytes) {
    // Windows refuses to replace a read-only file and Wine does not: refused here on both.
    if (FileExists(path) && (Attributes(path) & FILE_ATTRIBUTE_READONLY))
        return {ERROR_ACCESS_DENIED, ErrorText(ERROR_ACCESS_DENIED)};
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    std::vector<wchar_t> temp(MAX_PATH + 1, L'\0');
    if (!::GetTempFileNameW(folder.c_str(), L"vx", 0, temp.data())) return LastError();
    if (WriteAll(temp.data(), bytes) &&
        ::MoveFileExW(temp.data(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const WriteResult failed = LastError();
    ::DeleteFileW(temp.data());
    return failed;
}

WriteResult SystemPresetFiles::RemoveFile(const std::wstring& path) {
    if (::DeleteFileW(path.c_str())) return {};
    return LastError();
}

void SystemPresetFiles::RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(path.c_str());
}

std::optional<std::string> SystemPresetFiles::EncodeAnsi(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    // A UTF-8 system code page has every character and takes neither the flag nor the check.
    const bool utf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* check = utf8 ? nullptr : &usedDefault;
    const int length =
        ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, check);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, bytes.data(), length, nullptr, check);
    if (usedDefault) return std::nullopt;
    return bytes;
}

}  // namespace vx
