#include "system/offline_windows.h"

#include "core/plain_text.h"
#include "core/texts.h"
#include "system/native_view.h"
#include "system/registry.h"
#include "system/ui.h"

namespace vx {

namespace {

WriteResult Failed(DWORD error) {
    if (error == ERROR_SUCCESS) error = ERROR_GEN_FAILURE;
    return {static_cast<long>(error), ErrorText(error)};
}

bool IsFile(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TargetChoice CheckTarget(const std::wstring& given, std::wstring* full) {
    std::wstring path(::GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
    path.resize(::GetFullPathNameW(given.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr));
    while (path.size() > 1 && path.back() == L'\\') path.pop_back();
    *full = path.empty() ? given : path;
    return ChooseTarget(*full, WindowsFolder(), IsFile(TargetHiveFile(*full)));
}

HivePrivileges::HivePrivileges() {
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_)) {
        token_ = nullptr;
        error_ = ::GetLastError();
        return;
    }
    decltype(previous_) wanted{2, {}};
    const wchar_t* names[] = {L"SeBackupPrivilege", L"SeRestorePrivilege"};
    for (int i = 0; i < 2; ++i) {
        wanted.privileges[i].Attributes = SE_PRIVILEGE_ENABLED;
        if (!::LookupPrivilegeValueW(nullptr, names[i], &wanted.privileges[i].Luid)) {
            error_ = ::GetLastError();
            return;
        }
    }
    DWORD size = sizeof previous_;
    if (!::AdjustTokenPrivileges(token_, FALSE, reinterpret_cast<TOKEN_PRIVILEGES*>(&wanted),
                                 sizeof previous_, reinterpret_cast<TOKEN_PRIVILEGES*>(&previous_),
                                 &size)) {
        error_ = ::GetLastError();
        previous_.count = 0;
        return;
    }
    // It succeeds without enabling one the token does not hold, and says so only here.
    if (::GetLastError() == ERROR_NOT_ALL_ASSIGNED) error_ = ERROR_PRIVILEGE_NOT_HELD;
}

void HivePrivileges::Restore() {
    if (token_ && previous_.count > 0)
        ::AdjustTokenPrivileges(token_, FALSE, reinterpret_cast<TOKEN_PRIVILEGES*>(&previous_), 0,
                                nullptr, nullptr);
    previous_.count = 0;
    if (token_) ::CloseHandle(token_);
    token_ = nullptr;
}

LoadedHive::LoadedHive(const std::wstring& file, std::wstring name) : name_(std::move(name)) {
    LSTATUS status = privileges_.error();
    if (status == ERROR_SUCCESS) status = ::RegLoadKeyW(HKEY_LOCAL_MACHINE, name_.c_str(), file.c_str());
    loaded_ = status == ERROR_SUCCESS;
    if (loaded_) return;
    failure_ = Failed(status);
    // Wine keeps the key it made for a file it then could not load; an empty one is no hive.
    HKEY left = nullptr;
    DWORD subkeys = 1, values = 1;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, name_.c_str(), 0, KEY_QUERY_VALUE, &left) == ERROR_SUCCESS) {
        ::RegQueryInfoKeyW(left, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                           nullptr, nullptr, nullptr, nullptr);
        ::RegCloseKey(left);
        if (subkeys == 0 && values == 0) ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, name_.c_str());
    }
    privileges_.Restore();
}

WriteResult LoadedHive::Unload() {
    WriteResult result;
    if (loaded_) {
        loaded_ = false;
        // Another process (an indexer, a virus scanner) can hold one of its keys for a moment.
        LSTATUS status = ::RegUnLoadKeyW(HKEY_LOCAL_MACHINE, name_.c_str());
        for (int attempt = 1; status != ERROR_SUCCESS && attempt < 20; ++attempt) {
            ::Sleep(100);
            status = ::RegUnLoadKeyW(HKEY_LOCAL_MACHINE, name_.c_str());
        }
        if (status != ERROR_SUCCESS) result = Failed(status);
    }
    // Unloading needs them too.
    privileges_.Restore();
    return result;
}

std::optional<std::wstring> HiveRegistry::Mapped(const std::wstring& key) const {
    const std::optional<std::wstring_view> below = BelowSoftware(key);
    if (!below) return std::nullopt;
    return hiveKey_ + std::wstring(*below);
}

WriteResult HiveRegistry::SetRegistryValue(const std::wstring& keyName,
                                           const std::wstring& valueName, const AnyValue& value,
                                           int valueType, int flag) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return Failed(ERROR_FILE_NOT_FOUND);
    const LSTATUS status = WriteRegistryValue(SystemRegistryCalls(), HKEY_LOCAL_MACHINE, *key,
                                              valueName, value, valueType, flag);
    return status == ERROR_SUCCESS ? WriteResult{} : Failed(status);
}

AnyValue HiveRegistry::GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                        const AnyValue& defaultValue) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return defaultValue;
    return vx::GetRegistryValue(HKEY_LOCAL_MACHINE, *key, valueName, defaultValue);
}

std::optional<RawValue> HiveRegistry::ReadValue(const std::wstring& keyName,
                                                const std::wstring& valueName) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return std::nullopt;
    return ReadExactValue(HKEY_LOCAL_MACHINE, *key, valueName);
}

WriteResult HiveRegistry::WriteValue(const std::wstring& keyName, const std::wstring& valueName,
                                     const RawValue& value) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return Failed(ERROR_FILE_NOT_FOUND);
    const LSTATUS status = WriteExactValue(HKEY_LOCAL_MACHINE, *key, valueName, value);
    return status == ERROR_SUCCESS ? WriteResult{} : Failed(status);
}

WriteResult HiveRegistry::CreateKey(const std::wstring& keyName) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return Failed(ERROR_FILE_NOT_FOUND);
    // Not inheritable: a started command must never hold a key of the hive.
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, FALSE};
    HKEY created = nullptr;
    const LSTATUS status =
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_QUERY_VALUE | kRegistryView, &security, &created, nullptr);
    if (status != ERROR_SUCCESS) return Failed(status);
    ::RegCloseKey(created);
    return {};
}

WriteResult HiveRegistry::DeleteKeyTree(const std::wstring& keyName) {
    const std::optional<std::wstring> key = Mapped(keyName);
    if (!key) return Failed(ERROR_FILE_NOT_FOUND);
    LSTATUS status = ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key->c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        status = ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key->c_str(), kRegistryView, 0);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? WriteResult{} : Failed(status);
}

OfflineWindows::OfflineWindows(const std::wstring& windowsFolder)
    : folder(windowsFolder),
      hive(TargetHiveFile(windowsFolder), kTargetHiveKey),
      oem(TargetOemFolder(windowsFolder)),
      points(TargetRestoreFolder(windowsFolder)) {}

ApplyPorts OfflineWindows::ApplyPortsWith(const ApplyPorts& running) {
    return {running.commands, running.oemFiles, running.currentFolder, registry, running.logo, &steps};
}

std::wstring OfflineWindows::Unload() {
    const WriteResult unloaded = hive.Unload();
    if (unloaded.ok()) return {};
    return text::kMsgTargetNotUnloaded + TargetHiveFile(folder) + text::kReasonOpen + unloaded.reason +
           text::kReasonClose;
}

std::wstring OfflineWindows::Refusal() const {
    if (hive.failure().ok()) return {};
    return text::kMsgTargetNotLoaded + TargetHiveFile(folder) + text::kReasonOpen +
           hive.failure().reason + text::kReasonClose;
}

std::wstring OpenTarget(const std::wstring& given, std::optional<OfflineWindows>& opened) {
    if (given.empty()) return {};
    std::wstring folder;
    const TargetChoice choice = CheckTarget(given, &folder);
    if (choice.kind != TargetKind::Other) return choice.message;
    opened.emplace(folder);
    std::wstring refusal = opened->Refusal();
    if (!refusal.empty()) opened.reset();
    return refusal;
}

CurrentOem OfflineCurrentOem::Read() {
    CurrentOem current;
    for (size_t i = 0; i < current.values.size(); ++i)
        current.values[i] = target_.registry.ReadValue(text::kOemKey, kOemValues[i].name).value_or(RawValue{});
    const RawValue& logo = current.values[kLogoValueIndex];
    if ((logo.type == REG_SZ || logo.type == REG_EXPAND_SZ) && !ShownText(logo).empty())
        current.logoFile = TargetFilePath(ShownText(logo), target_.folder);
    return current;
}

ActedOnWindows::ActedOnWindows(const std::wstring& target) : refusal_(OpenTarget(target, other_)) {
    if (other_) otherOem_.emplace(*other_);
}

SystemRestorePoints RestorePointsOf(const std::wstring& target) {
    return target.empty() ? SystemRestorePoints() : SystemRestorePoints(TargetRestoreFolder(target));
}

SystemOemLogoFiles OemLogoOf(const std::wstring& target) {
    return target.empty() ? SystemOemLogoFiles() : SystemOemLogoFiles(TargetOemFolder(target));
}

std::vector<InstalledWindows> FindInstalledWindows() {
    std::vector<InstalledWindows> found;
    const std::wstring own = DriveOf(WindowsFolder());
    // No "insert a disk" box for an empty card reader.
    const UINT errorMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring drive{letter, L':'};
        if (!(drives & (1u << (letter - L'A'))) || SameName(drive, own)) continue;
        const UINT type = ::GetDriveTypeW((drive + L"\\").c_str());
        if (type != DRIVE_FIXED && type != DRIVE_REMOVABLE) continue;
        WIN32_FIND_DATAW entry;
        HANDLE search = ::FindFirstFileW((drive + L"\\*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const std::wstring folder = drive + L"\\" + entry.cFileName;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] != L'.' &&
                IsFile(TargetHiveFile(folder)))
                found.push_back({folder, {}});
        } while (::FindNextFileW(search, &entry));
        ::FindClose(search);
    }
    ::SetErrorMode(errorMode);
    for (InstalledWindows& windows : found) {
        OfflineWindows target(windows.folder);
        if (target.Refusal().empty())
            windows.productName = target.registry
                                      .GetRegistryValue(text::kOwnerKey, text::kProductName,
                                                        AnyValue::FromText(L""))
                                      .ToText();
    }
    return found;
}

}  // namespace vx
