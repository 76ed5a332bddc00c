#pragma once
// The Windows adapters behind the OEM logo and the restore points (core/ports.h). Each takes the place it works on, so that the same code can serve a Windows
// that is not running: a loaded hive's key and that Windows' own folders.
#include <windows.h>

#include <optional>
#include <string>

#include "core/ports.h"
#include "system/system_ports.h"

namespace vx {

// `folder`\oemlogo.bmp; by default the native System32\oem of the running Windows.
class SystemOemLogoFiles : public OemLogoFiles {
  public:
    SystemOemLogoFiles();
    explicit SystemOemLogoFiles(std::wstring folder) : folder_(std::move(folder)) {}
    LogoReading ReadLogo() override;
    WriteResult WriteLogo(const std::string& bytes) override;
    WriteResult RemoveLogo() override;
    std::wstring LogoPath() override;

  private:
    std::wstring folder_;
};

// One folder per restore point under `folder`; by default %ProgramData%\Vendrix\RestorePoints
// of the running Windows.
class SystemRestorePoints : public RestorePointStore {
  public:
    SystemRestorePoints();
    explicit SystemRestorePoints(std::wstring folder) : folder_(std::move(folder)) {}
    std::wstring Folder() override { return folder_; }
    std::vector<std::wstring> Names() override;
    std::optional<std::vector<StoredFile>> Read(const std::wstring& name) override;
    WriteResult Write(const std::wstring& name, const std::vector<StoredFile>& files) override;
    WriteResult Remove(const std::wstring& name) override;

  private:
    std::wstring folder_;
};

// The running Windows' ProgramData folder (all users' application data), without a trailing
// separator; empty when it cannot be found.
std::wstring ProgramDataFolder();

class SystemClock : public Clock {
  public:
    LocalTime Now() override;
};

// The adapters of the running Windows behind one action's restore point.
struct SystemRestorePorts {
    MachineRegistry registry;
    SystemOemLogoFiles oem;
    SystemRestorePoints store;
    SystemClock clock;
    RestorePorts ports{registry, oem, store, clock};
};

}  // namespace vx
