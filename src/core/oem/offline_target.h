#pragma once
// A Windows that is not running (installed on another drive, branded from a WinPE boot disk
// before its first start): whether a named folder is one, and where its own hive, OEM folder
// and restore points lie. The Win32 side (system/offline_windows.h) supplies the facts.
#include <string>
#include <string_view>

namespace vx {

enum class TargetKind {
    Running,  // the running Windows' own folder: acted on as if no target were named
    Other,    // another Windows, to be reached through its hive and folders
    Refused,  // nothing may be done to it
};

struct TargetChoice {
    TargetKind kind = TargetKind::Running;
    std::wstring message;  // why it is refused, naming the folder; empty otherwise
};

// `folder` and `running` as full paths (a trailing separator ignored, compared without regard
// to case as the file system compares them); `hasHive`: whether folder\System32\config\SOFTWARE
// is a file. The running Windows' own drive is refused for any other folder: from a boot disk
// that drive is the boot disk's, and in a running Windows a second Windows there is not one
// this program brands.
TargetChoice ChooseTarget(std::wstring_view folder, std::wstring_view running, bool hasHive);

// "D:" of D:\Windows, "\\server\share" of a network path; empty when the path names neither.
std::wstring DriveOf(std::wstring_view path);

// folder\System32\config\SOFTWARE, folder\System32\oem, and the restore points' folder on the
// target's own drive: <drive>\ProgramData\Vendrix\RestorePoints (those of a boot disk are gone
// at its next start).
std::wstring TargetHiveFile(std::wstring_view folder);
std::wstring TargetOemFolder(std::wstring_view folder);
std::wstring TargetRestoreFolder(std::wstring_view folder);

// A path the target's registry holds as it reads once that Windows runs: a leading %windir% or
// %SystemRoot% becomes its folder, %SystemDrive% its drive; anything else stays as it is.
std::wstring TargetFilePath(std::wstring_view stored, std::wstring_view folder);

// The main window's caption while another Windows is the target: "... — 目标：D:\Windows".
std::wstring TargetCaption(std::wstring_view caption, std::wstring_view folder);

}  // namespace vx
