#include "system/system_ports.h"

#include <windows.h>

#include "core/preset/reg_codec.h"
#include "core/texts.h"
#include "system/registry.h"
#include "system/handles.h"
#include "system/native_view.h"
#include "system/picture_file.h"
#include "system/run_hidden_command.h"
#include "system/ui.h"

namespace vx {

namespace {

// The bytes in a new file of a unique name in the system's temporary folder; empty when it
// cannot be written (and then no file is left behind).
std::wstring WriteTemporaryFile(const std::string& bytes) {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || !::GetTempFileNameW(folder, L"vx", 0, name)) return {};
    // GetTempFileNameW has made the file, empty, so that no one else takes its name.
    HANDLE opened = ::CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = false;
    if (opened != INVALID_HANDLE_VALUE) {
        UniqueHandle file(opened);
        ok = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) &&
             written == bytes.size();
    }
    if (ok) return name;
    ::DeleteFileW(name);
    return {};
}

}  // namespace

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

std::optional<RawValue> MachineRegistry::ReadValue(const std::wstring& keyName,
                                                  const std::wstring& valueName) {
    return ReadExactValue(HKEY_LOCAL_MACHINE, keyName, valueName);
}

WriteResult MachineRegistry::WriteValue(const std::wstring& keyName, const std::wstring& valueName,
                                        const RawValue& value) {
    const LSTATUS status = WriteExactValue(HKEY_LOCAL_MACHINE, keyName, valueName, value);
    if (status == ERROR_SUCCESS) return {};
    return {status, ErrorText(static_cast<DWORD>(status))};
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

bool MessageBoxQuestioner::AskYesNo(const std::wstring& question) {
    const bool busy = !::IsWindowEnabled(owner_);
    const bool yes = ::MessageBoxW(owner_, question.c_str(), text::kAppTitle,
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    // The box enables its owner as it closes, though the action it asked for goes on.
    if (busy) ::EnableWindow(owner_, FALSE);
    return yes;
}

CurrentOem RegistryCurrentOem::Read() {
    CurrentOem current;
    for (size_t i = 0; i < current.values.size(); ++i) {
        RawValue& v = current.values[i];
        DWORD type = REG_NONE;
        v.exists = ReadRawRegistryValue(HKEY_LOCAL_MACHINE, text::kOemKey, kOemValues[i].name,
                                        &type, &v.bytes);
        v.type = type;
    }
    const RawValue& logo = current.values[kLogoValueIndex];
    const bool logoIsText = logo.type == reg::kSz || logo.type == reg::kExpandSz;
    if (logoIsText && !ShownText(logo).empty())
        current.logoFile = NativeFilePath(ExpandEnvironmentText(ShownText(logo)));
    return current;
}

PreparedLogo TemporaryLogoFiles::Prepare(const std::wstring& chosenPath) {
    // Already the logo: copied byte for byte, as it always was.
    if (IsLogoBitmap(FileHead(chosenPath))) return {chosenPath, false, {}};
    const LogoPicture picture = LoadLogoPicture(chosenPath);
    if (picture.fault == PictureFault::TooLarge) return {{}, false, text::kWhyPictureTooLarge};
    if (picture.fault != PictureFault::None) return {{}, false, text::kWhyNotAPicture};
    const std::wstring written = WriteTemporaryFile(LogoBitmapFile(picture.pixels));
    if (written.empty()) return {{}, false, text::kWhyTempFileFailed};
    return {written, true, {}};
}

void TemporaryLogoFiles::Discard(const std::wstring& temporaryPath) {
    ::DeleteFileW(temporaryPath.c_str());
}

std::string SystemFirmware::SmbiosTable() {
    constexpr DWORD kRawSmbiosProvider = 0x52534D42;  // 'RSMB'
    // The first call tells the size. A table that changed between the calls gives nothing
    // rather than a part.
    const UINT size = ::GetSystemFirmwareTable(kRawSmbiosProvider, 0, nullptr, 0);
    std::string table(size, '\0');
    if (size == 0 || ::GetSystemFirmwareTable(kRawSmbiosProvider, 0, table.data(), size) != size)
        table.clear();
    return table;
}

std::wstring SystemFirmware::BiosValue(const wchar_t* name) {
    const AnyValue v =
        GetRegistryValue(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System\\BIOS", name);
    return v.kind() == AnyValue::Kind::Text ? v.AsText() : std::wstring();
}

MachineIdentity ThisMachine() {
    SystemFirmware firmware;
    return ReadMachineIdentity(firmware);
}

}  // namespace vx
