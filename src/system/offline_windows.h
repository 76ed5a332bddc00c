#pragma once
// A Windows that is not running, reached from the one that is (a WinPE boot disk): its
// SOFTWARE hive loaded under a key of ours for as long as one use of it lasts, its OEM folder
// and its restore points, behind the same ports as the running system's (core/ports.h).
//
// RegLoadKeyW needs the backup and restore privileges (SE_BACKUP_NAME, SE_RESTORE_NAME) in the
// caller's token, enabled, not merely held; an administrator holds both disabled:
// https://learn.microsoft.com/windows/win32/api/winreg/nf-winreg-regloadkeyw
// https://learn.microsoft.com/windows/win32/api/winreg/nf-winreg-regunloadkeyw
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/oem/offline_script.h"
#include "core/oem/offline_target.h"
#include "core/preset/preset_save.h"
#include "system/preset_files.h"
#include "system/restore_ports.h"

namespace vx {

// Where the hive is loaded: HKEY_LOCAL_MACHINE\VendrixTarget, a name of the program's own.
inline constexpr const wchar_t* kTargetHiveKey = L"VendrixTarget";

// The folder named on the command line or chosen in the window, as a full path (`full`), beside
// the running Windows: ChooseTarget over what the file system says.
TargetChoice CheckTarget(const std::wstring& given, std::wstring* full);

// The backup and restore privileges enabled in this process's token while this lives, then
// put back as they were.
class HivePrivileges {
  public:
    HivePrivileges();
    ~HivePrivileges() { Restore(); }
    HivePrivileges(const HivePrivileges&) = delete;
    HivePrivileges& operator=(const HivePrivileges&) = delete;

    // ERROR_SUCCESS when both are enabled; ERROR_PRIVILEGE_NOT_HELD when the token lacks one.
    DWORD error() const { return error_; }
    void Restore();

  private:
    HANDLE token_ = nullptr;
    DWORD error_ = ERROR_SUCCESS;
    // Their state before, as AdjustTokenPrivileges gave it: the ones it changed, two at most.
    struct {
        DWORD count = 0;
        LUID_AND_ATTRIBUTES privileges[2];
    } previous_;
};

// The hive file loaded under HKEY_LOCAL_MACHINE\`name` while this lives, with the privileges
// enabled for it; unloaded on every path.
class LoadedHive {
  public:
    LoadedHive(const std::wstring& file, std::wstring name);
    ~LoadedHive() { Unload(); }
    LoadedHive(const LoadedHive&) = delete;
    LoadedHive& operator=(const LoadedHive&) = delete;

    // Why it is not loaded (the system's status and text); ok when it is.
    const WriteResult& failure() const { return failure_; }
    // Unloads it now (a key still open elsewhere can hold it a moment); later calls do nothing.
    WriteResult Unload();

  private:
    HivePrivileges privileges_;
    std::wstring name_;
    WriteResult failure_;
    bool loaded_ = false;
};

// The registry port over a loaded SOFTWARE hive: "SOFTWARE\..." is reached below its key, and
// no other key is there (reads fail, writes are refused).
class HiveRegistry : public RegistryPort, public RegistryKeys {
  public:
    explicit HiveRegistry(std::wstring hiveKey) : hiveKey_(std::move(hiveKey)) {}
    WriteResult SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                 const AnyValue& value, int valueType, int flag) override;
    AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                              const AnyValue& defaultValue) override;
    std::optional<RawValue> ReadValue(const std::wstring& keyName,
                                      const std::wstring& valueName) override;
    WriteResult WriteValue(const std::wstring& keyName, const std::wstring& valueName,
                           const RawValue& value) override;
    WriteResult CreateKey(const std::wstring& key) override;
    WriteResult DeleteKeyTree(const std::wstring& key) override;

  private:
    // The key below HKEY_LOCAL_MACHINE; nothing outside the hive.
    std::optional<std::wstring> Mapped(const std::wstring& key) const;
    std::wstring hiveKey_;
};

// One use of another Windows (`folder`, a full path ChooseTarget accepted): its hive loaded for
// as long as this lives, and its own places behind the ports.
struct OfflineWindows {
    explicit OfflineWindows(const std::wstring& windowsFolder);
    // Why its hive cannot be loaded, the message naming the file; empty when it is loaded.
    std::wstring Refusal() const;
    // The running system's ports for an action, but for its registry and the steps that reach
    // this Windows instead of the commands.
    ApplyPorts ApplyPortsWith(const ApplyPorts& running);
    // The hive unloaded now: empty when it is, otherwise the line that says it is not.
    std::wstring Unload();

    std::wstring folder;
    LoadedHive hive;
    HiveRegistry registry{kTargetHiveKey};
    SystemOemLogoFiles oem;
    SystemRestorePoints points;
    SystemClock clock;
    RestorePorts restore{registry, oem, points, clock};
    SystemPresetFiles files;
    TargetSteps steps{oem, registry, files};
};

// What /target or the window names, opened for one use: `opened` stays empty for the running
// Windows' own folder (acted on as if none were named). The message why it cannot be reached;
// empty when it can.
std::wstring OpenTarget(const std::wstring& given, std::optional<OfflineWindows>& opened);

// Its OEM information as the current OEM information window shows it, the logo file where that
// Windows will look for it once it runs.
class OfflineCurrentOem : public CurrentOemSource {
  public:
    explicit OfflineCurrentOem(OfflineWindows& target) : target_(target) {}
    CurrentOem Read() override;

  private:
    OfflineWindows& target_;
};

// The Windows an action, a window or the command line acts on for one use: the running one
// (`target` empty, or its own folder), or another whose hive is loaded for as long as this lives.
class ActedOnWindows {
  public:
    explicit ActedOnWindows(const std::wstring& target);
    // Why the other Windows cannot be reached, before any change; empty when it can.
    const std::wstring& refusal() const { return refusal_; }
    ApplyPorts Apply() { return other_ ? other_->ApplyPortsWith(running_.ports) : running_.ports; }
    RegistryPort& Registry() { return Restore().registry; }
    RestorePorts& Restore() { return other_ ? other_->restore : restore_.ports; }
    CurrentOemSource& Current() { return otherOem_ ? static_cast<CurrentOemSource&>(*otherOem_) : runningOem_; }
    // The other Windows' hive unloaded now: empty when it is (or there is none), otherwise the
    // line that says it is not.
    std::wstring Unload() { return other_ ? other_->Unload() : std::wstring(); }

  private:
    SystemApplyPorts running_;
    SystemRestorePorts restore_;
    RegistryCurrentOem runningOem_;
    std::optional<OfflineWindows> other_;
    std::optional<OfflineCurrentOem> otherOem_;
    std::wstring refusal_;
};

// Where the restore points of the Windows acted on lie (`target` empty: the running one's),
// to be listed without loading a hive.
SystemRestorePoints RestorePointsOf(const std::wstring& target);
// Its OEM folder and logo, likewise.
SystemOemLogoFiles OemLogoOf(const std::wstring& target);

// An installed Windows on another drive, as 选择目标系统... lists it.
struct InstalledWindows {
    std::wstring folder;       // D:\Windows
    std::wstring productName;  // from its hive; empty when it cannot be read
};

// The folders at the top of each drive but the running Windows' own that hold
// System32\config\SOFTWARE, in drive order, each with the product name its hive holds.
std::vector<InstalledWindows> FindInstalledWindows();

}  // namespace vx
