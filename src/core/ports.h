#pragma once
// The narrow seams through which the program's actions reach the system, so that their
// order of steps and their outcomes can be tested natively with fakes. The Windows adapters
// behind them live in system/system_ports.h.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/any_value.h"
#include "core/raw_value.h"

namespace vx {

// What one write came to: the system's status (0 for success) and, when it failed, the
// reason as the system words it.
struct WriteResult {
    long status = 0;
    std::wstring reason;
    bool ok() const { return status == 0; }
};

// The registry procedures, always under HKEY_LOCAL_MACHINE.
class RegistryPort {
  public:
    virtual ~RegistryPort() = default;
    virtual WriteResult SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                         const AnyValue& value, int valueType, int flag) = 0;
    virtual AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                      const AnyValue& defaultValue) = 0;
    // Exact access, for restore points and the comparisons before an action. The value's type
    // and bytes, or its absence (a missing key too); nothing when it is there but cannot be
    // read, which must never pass for absent.
    virtual std::optional<RawValue> ReadValue(const std::wstring& keyName,
                                              const std::wstring& valueName) = 0;
    // The value with exactly its type and bytes, the key created as needed; an absent value is
    // deleted, and one already absent (or under a missing key) counts as done.
    virtual WriteResult WriteValue(const std::wstring& keyName, const std::wstring& valueName,
                                   const RawValue& value) = 0;
    // Whether the owner values are kept twice, a copy under SOFTWARE\WOW6432Node for 32-bit
    // programs beside them, as on 64-bit Windows: the owner save then writes both.
    virtual bool KeepsOwnerCopy() { return false; }
};

// What running one command line came to.
struct CommandResult {
    bool started = false;   // the process was created
    bool finished = false;  // and ended within the time allowed
    unsigned long exitCode = 0;
};

// Runs one command line, hidden, in the process's current directory, and waits for it.
class CommandRunner {
  public:
    virtual ~CommandRunner() = default;
    virtual CommandResult Run(const std::wstring& commandLine) = 0;
};

// The system OEM folder and its logo file, looked at after a step to judge its effect.
class OemFilesProbe {
  public:
    virtual ~OemFilesProbe() = default;
    virtual bool OemFolderExists() = 0;
    virtual bool OemLogoExists() = 0;
};

// The process's current directory.
class CurrentFolder {
  public:
    virtual ~CurrentFolder() = default;
    // False (and the current directory unchanged) when the folder cannot be entered.
    virtual bool Enter(const std::wstring& folder) = 0;
};

// The custom logo made ready for the copy command: the chosen file itself when it already is
// a 120 x 120 bitmap, otherwise a temporary bitmap of the fitted picture.
struct PreparedLogo {
    std::wstring path;       // the file to copy
    bool temporary = false;  // to be discarded once copied
    std::wstring failure;    // why there is nothing to copy; empty when there is
};

class LogoPreparer {
  public:
    virtual ~LogoPreparer() = default;
    virtual PreparedLogo Prepare(const std::wstring& chosenPath) = 0;
    virtual void Discard(const std::wstring& temporaryPath) = 0;
};

// What a registry script's [key] and [-key] lines do, beyond its values.
class RegistryKeys {
  public:
    virtual ~RegistryKeys() = default;
    // Created with its parents; one that exists counts as done.
    virtual WriteResult CreateKey(const std::wstring& key) = 0;
    // The key and everything below it; a missing one counts as done.
    virtual WriteResult DeleteKeyTree(const std::wstring& key) = 0;
};

class OemLogoFiles;
class PresetFiles;

// Another Windows than the running one (core/oem/offline_target.h): no command reaches it, so an
// action writes its logo and a preset's parsed script through these, and its values through
// ApplyPorts::registry, which is then that Windows' hive.
struct TargetSteps {
    OemLogoFiles& oem;
    RegistryKeys& keys;
    PresetFiles& files;  // reads the picture that becomes the logo
};

struct ApplyPorts {
    CommandRunner& commands;
    OemFilesProbe& oemFiles;
    CurrentFolder& currentFolder;
    RegistryPort& registry;
    LogoPreparer& logo;
    TargetSteps* target = nullptr;  // null: the running Windows, reached by commands
};

// The preset library's files: a brand's preset read before anything of it is applied, and the
// files a save writes. Writes go through a temporary file and a replace, so a failed one leaves
// the old file whole.
class PresetFiles {
  public:
    virtual ~PresetFiles() = default;
    virtual bool FileExists(const std::wstring& path) = 0;
    virtual bool FolderExists(const std::wstring& path) = 0;
    // The file's bytes; nothing when it cannot be opened and read, or is far larger than any
    // real list, script or logo (64 MB): refused before it is read.
    virtual std::optional<std::string> ReadFile(const std::wstring& path) = 0;
    // The path of the first file matching the pattern (wildcards as the system takes them);
    // empty when none does.
    virtual std::wstring FindFile(const std::wstring& pattern) = 0;
    // The folder, and its parent when that is missing.
    virtual WriteResult MakeFolder(const std::wstring& path) = 0;
    virtual WriteResult WriteFile(const std::wstring& path, const std::string& bytes) = 0;
    virtual WriteResult RemoveFile(const std::wstring& path) = 0;
    virtual void RemoveTree(const std::wstring& path) = 0;
    // Text in the system's ANSI code page, as the list file and a script without a byte-order
    // mark are stored; nothing when a character has no exact form there.
    virtual std::wstring DecodeAnsi(std::string_view bytes) = 0;
    virtual std::optional<std::string> EncodeAnsi(const std::wstring& text) = 0;
};

// A question the user answers with Yes or No, No being the default.
class Questioner {
  public:
    virtual ~Questioner() = default;
    virtual bool AskYesNo(const std::wstring& question) = 0;
};

// A preset applied or saved: its files, and the user's answer to whatever it asks.
struct PresetPorts {
    PresetFiles& files;
    Questioner& questioner;
};

// The OEM folder (System32\oem) of the Windows acted on and its logo, reached directly: what a
// restore point keeps of it and what an undo puts back.
struct LogoReading {
    std::optional<std::string> bytes;  // nothing when there is no logo file
    WriteResult failure;               // the file is there but cannot be read
};
class OemLogoFiles {
  public:
    virtual ~OemLogoFiles() = default;
    virtual LogoReading ReadLogo() = 0;
    // Written whole or not at all (through a temporary file beside it), the folder made first.
    virtual WriteResult WriteLogo(const std::string& bytes) = 0;
    // The logo, then the folder when nothing else is left in it; no logo counts as done.
    virtual WriteResult RemoveLogo() = 0;
    // The logo file's path, to name it in messages.
    virtual std::wstring LogoPath() = 0;
};

// One file of a restore point.
struct StoredFile {
    std::wstring name;  // a plain file name, no folder
    std::string bytes;
    friend bool operator==(const StoredFile&, const StoredFile&) = default;
};

// Where restore points live: one folder of files each, named by the local time it was made
// (core/oem/restore_point.h gives the names and the files' form).
class RestorePointStore {
  public:
    virtual ~RestorePointStore() = default;
    // The folder that holds them, to name it in messages.
    virtual std::wstring Folder() = 0;
    // The names of the folders there, in no particular order; partly written ones never show.
    virtual std::vector<std::wstring> Names() = 0;
    // Its files; nothing when the folder or a file in it cannot be read.
    virtual std::optional<std::vector<StoredFile>> Read(const std::wstring& name) = 0;
    // All the files under the new name or nothing: written into a folder beside, which is then
    // renamed. Refused when the name is taken.
    virtual WriteResult Write(const std::wstring& name, const std::vector<StoredFile>& files) = 0;
    virtual WriteResult Remove(const std::wstring& name) = 0;
};

struct LocalTime {
    int year, month, day, hour, minute, second;
};
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

// What an action needs beyond its own steps: the registry and the logo read and written
// exactly, and the restore points.
struct RestorePorts {
    RegistryPort& registry;
    OemLogoFiles& oem;
    RestorePointStore& store;
    Clock& clock;
};

}  // namespace vx
