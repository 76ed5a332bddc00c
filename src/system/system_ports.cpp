#include "system/system_ports.h"

#include <windows.h>

#include "core/texts.h"
#include "registry/registry.h"
#include "system/handles.h"
#include "system/native_view.h"
#include "system/run_hidden_command.h"
#include "system/ui.h"

namespace vx {

WriteResult MachineRegistry::SetRegistryValue(const std::wstring& keyName,
                                              const std::wstring& valueName, const AnyValue& value,
                                              int valueType, int flag) {
    const LSTATUS status =
        WriteRegistryValue(SystemRegistryCalls(), HKEY_LOCAL_MACHINE, keyName, valueName, value,
                           valueType, flag);
    if (status == ERROR_SUCCESS) return {};
    return {status, ErrorText(static_cast<DWORD>(status))};
}

AnyValue MachineRegistry::GetRegistryValue(const std::wstring& keyName,
                                           const std::wstring& valueName,
                                           const AnyValue& defaultValue) {
    return vx::GetRegistryValue(HKEY_LOCAL_MACHINE, keyName, valueName, defaultValue);
}

CommandResult HiddenCommandRunner::Run(const std::wstring& commandLine) {
    return RunHiddenCommand(commandLine);
}

SystemOemFiles::SystemOemFiles() : folder_(NativeSystemFolder() + L"\\oem") {}

bool SystemOemFiles::OemFolderExists() {
    const DWORD a = ::GetFileAttributesW(folder_.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool SystemOemFiles::OemLogoExists() {
    return ::GetFileAttributesW((folder_ + L"\\oemlogo.bmp").c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ProcessCurrentFolder::Enter(const std::wstring& folder) {
    return ::SetCurrentDirectoryW(folder.c_str()) != FALSE;
}

std::optional<std::string> SystemPresetFiles::ReadFile(const std::wstring& path) {
    const HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
    UniqueHandle file(opened);
    LARGE_INTEGER size{};
    // A script is a few hundred bytes; anything past 16 MiB is not one.
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > (16 << 20)) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        return std::nullopt;
    return bytes;
}

std::wstring SystemPresetFiles::FindFile(const std::wstring& pattern) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    ::FindClose(search);
    return pattern.substr(0, pattern.find_last_of(L'\\') + 1) + found.cFileName;
}

std::wstring SystemPresetFiles::DecodeAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

bool MessageBoxQuestioner::AskYesNo(const std::wstring& question) {
    return ::MessageBoxW(owner_, question.c_str(), text::kAppTitle, MB_YESNO | MB_DEFBUTTON2) ==
           IDYES;
}

}  // namespace vx
