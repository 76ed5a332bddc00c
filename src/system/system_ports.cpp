#include "system/system_ports.h"

#include <windows.h>

#include "registry/registry.h"
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

}  // namespace vx
