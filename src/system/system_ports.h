#pragma once
// The Windows adapters behind the actions' ports (core/ports.h).
#include <windows.h>

#include <string>

#include "core/machine/firmware.h"
#include "core/ports.h"
#include "core/preset/preset_save.h"

namespace vx {

// The registry procedures under HKEY_LOCAL_MACHINE; a failed write carries the system's status
// and its text.
class MachineRegistry : public RegistryPort {
  public:
    WriteResult SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                 const AnyValue& value, int valueType, int flag) override;
    AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                              const AnyValue& defaultValue) override;
    std::optional<RawValue> ReadValue(const std::wstring& keyName,
                                      const std::wstring& valueName) override;
    WriteResult WriteValue(const std::wstring& keyName, const std::wstring& valueName,
                           const RawValue& value) override;
};

// Each command line through RunHiddenCommand.
class HiddenCommandRunner : public CommandRunner {
  public:
    CommandResult Run(const std::wstring& commandLine) override;
};

// The folder the commands reach through "%windir%\system32\oem\": the native one, as the
// command interpreter started by RunHiddenCommand sees it.
class SystemOemFiles : public OemFilesProbe {
  public:
    SystemOemFiles();
    bool OemFolderExists() override;
    bool OemLogoExists() override;

  private:
    std::wstring folder_;
};

class ProcessCurrentFolder : public CurrentFolder {
  public:
    bool Enter(const std::wstring& folder) override;
};

// A message box titled as the program's others, with the question mark, Yes and No with No as
// the default. An owner disabled while an action runs stays disabled.
class MessageBoxQuestioner : public Questioner {
  public:
    explicit MessageBoxQuestioner(HWND owner) : owner_(owner) {}
    bool AskYesNo(const std::wstring& question) override;

  private:
    HWND owner_;
};

// A picture that is not yet the 120 x 120 bitmap becomes one in a new file of the system's
// temporary folder.
class TemporaryLogoFiles : public LogoPreparer {
  public:
    PreparedLogo Prepare(const std::wstring& chosenPath) override;
    void Discard(const std::wstring& temporaryPath) override;
};

// The adapters behind one run of an action, as the windows and the command line run it.
struct SystemApplyPorts {
    HiddenCommandRunner commands;
    SystemOemFiles oemFiles;
    ProcessCurrentFolder currentFolder;
    MachineRegistry registry;
    TemporaryLogoFiles logo;
    ApplyPorts ports{commands, oemFiles, currentFolder, registry, logo};
};

// The six OEM values as the registry holds them, and the file the Logo value names.
class RegistryCurrentOem : public CurrentOemSource {
  public:
    CurrentOem Read() override;
};

// GetSystemFirmwareTable('RSMB'), and the BIOS key in the native view.
class SystemFirmware : public FirmwarePort {
  public:
    std::string SmbiosTable() override;
    std::wstring BiosValue(const wchar_t* name) override;
};

// ReadMachineIdentity over the system's firmware.
MachineIdentity ThisMachine();

}  // namespace vx
