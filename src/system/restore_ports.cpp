#include "system/restore_ports.h"

#include <shlobj.h>

#include "system/handles.h"
#include "system/native_view.h"
#include "system/preset_files.h"
#include "system/system_dll.h"
#include "system/ui.h"

namespace vx {

namespace {

constexpr wchar_t kPartialSuffix[] = L".partial";

WriteResult Failed(DWORD error) {
    if (error == ERROR_SUCCESS) error = ERROR_GEN_FAILURE;
    return {static_cast<long>(error), ErrorText(error)};
}
WriteResult LastError() { return Failed(::GetLastError()); }

bool IsFolder(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The bytes in a new file, flushed; false (and the file removed) when not all were written.
bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
    HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    bool ok;
    {
        UniqueHandle file(opened);
        DWORD written = 0;
        ok = (bytes.empty() || (::WriteFile(file.get(), bytes.data(),
                                            static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                written == bytes.size())) &&
             ::FlushFileBuffers(file.get());
    }
    if (!ok) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(path.c_str());
        ::SetLastError(error);
    }
    return ok;
}

// Each entry of the folder, '.' and '..' left out.
template <typename Visit>
void EachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// The folder with its files (a restore point holds no folders); false when it stays.
bool RemoveFolder(const std::wstring& folder) {
    EachEntry(folder, [&](const std::wstring& name, bool) {
        const std::wstring file = folder + L"\\" + name;
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(file.c_str());
    });
    return ::RemoveDirectoryW(folder.c_str()) != FALSE;
}

}  // namespace

SystemOemLogoFiles::SystemOemLogoFiles() : folder_(NativeSystemFolder() + L"\\oem") {}

std::wstring SystemOemLogoFiles::LogoPath() { return folder_ + L"\\oemlogo.bmp"; }

LogoReading SystemOemLogoFiles::ReadLogo() {
    const std::wstring path = LogoPath();
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
        return {std::nullopt, Failed(error)};
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {std::nullopt, LastError()};
    return {std::move(bytes), {}};
}

WriteResult SystemOemLogoFiles::WriteLogo(const std::string& bytes) {
    if (!IsFolder(folder_) && !::CreateDirectoryW(folder_.c_str(), nullptr)) return LastError();
    const std::wstring path = LogoPath(), temporary = path + L".vx-new";
    if (!WriteNewFile(temporary, bytes)) return LastError();
    if (::MoveFileExW(temporary.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const WriteResult failed = LastError();
    ::DeleteFileW(temporary.c_str());
    return failed;
}

WriteResult SystemOemLogoFiles::RemoveLogo() {
    if (!::DeleteFileW(LogoPath().c_str())) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return Failed(error);
    }
    // Kept when it holds anything else: only the logo was ours to remove.
    ::RemoveDirectoryW(folder_.c_str());
    return {};
}

std::wstring ProgramDataFolder() {
    using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    wchar_t path[MAX_PATH] = L"";
    if (auto get = SystemFunction<GetFolderPath>(L"shell32.dll", "SHGetFolderPathW");
        get && SUCCEEDED(get(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, path)) && *path)
        return path;
    const DWORD length = ::GetEnvironmentVariableW(L"ProgramData", path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

SystemRestorePoints::SystemRestorePoints() {
    const std::wstring data = ProgramDataFolder();
    // Without the folder every write fails and names this path, which says what is missing.
    folder_ = (data.empty() ? L"%ProgramData%" : data) + L"\\Vendrix\\RestorePoints";
}

std::vector<std::wstring> SystemRestorePoints::Names() {
    std::vector<std::wstring> names;
    EachEntry(folder_, [&](const std::wstring& name, bool folder) {
        if (folder && !name.ends_with(kPartialSuffix)) names.push_back(name);
    });
    return names;
}

std::optional<std::vector<StoredFile>> SystemRestorePoints::Read(const std::wstring& name) {
    const std::wstring folder = folder_ + L"\\" + name;
    if (!IsFolder(folder)) return std::nullopt;
    std::vector<StoredFile> files;
    bool ok = true;
    EachEntry(folder, [&](const std::wstring& file, bool isFolder) {
        if (isFolder) return;
        files.push_back({file, {}});
        ok = ok && ReadWholeFile(folder + L"\\" + file, files.back().bytes);
    });
    if (!ok) return std::nullopt;
    return files;
}

WriteResult SystemRestorePoints::Write(const std::wstring& name,
                                       const std::vector<StoredFile>& files) {
    // Each missing folder on the way, from the drive down.
    for (size_t at = folder_.find(L'\\', 3); ; at = folder_.find(L'\\', at + 1)) {
        const std::wstring part = folder_.substr(0, at);
        if (!IsFolder(part)) ::CreateDirectoryW(part.c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    if (!IsFolder(folder_)) return Failed(ERROR_PATH_NOT_FOUND);
    const std::wstring target = folder_ + L"\\" + name, partial = target + kPartialSuffix;
    if (IsFolder(target)) return Failed(ERROR_ALREADY_EXISTS);
    RemoveFolder(partial);  // left by a run that was stopped
    if (!::CreateDirectoryW(partial.c_str(), nullptr)) return LastError();
    for (const StoredFile& file : files) {
        if (WriteNewFile(partial + L"\\" + file.name, file.bytes)) continue;
        const WriteResult failed = LastError();
        RemoveFolder(partial);
        return failed;
    }
    if (::MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
    const WriteResult failed = LastError();
    RemoveFolder(partial);
    return failed;
}

WriteResult SystemRestorePoints::Remove(const std::wstring& name) {
    if (RemoveFolder(folder_ + L"\\" + name)) return {};
    return LastError();
}

LocalTime SystemClock::Now() {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace vx
