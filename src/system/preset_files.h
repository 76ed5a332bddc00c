#pragma once
// The files a preset save writes, and the whole-file helpers behind them.
#include <windows.h>

#include <string>

#include "core/preset/preset_save.h"

namespace vx {

// The whole file in one read, opened and closed here; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Text in the system's ANSI code page, decoded as a whole: no line end byte can be part of a
// double-byte character there, so its lines are the lines of the bytes.
std::wstring DecodeAnsiText(std::string_view bytes);

// The OEM information as the current OEM information window shows and saves it.
CurrentOem ReadCurrentOem();

// The save's port on the real file system; its question is a message box owned by `owner`.
class SavedPresetFiles : public PresetFilesPort {
  public:
    explicit SavedPresetFiles(HWND owner) : owner_(owner) {}
    bool FileExists(const std::wstring& path) override;
    bool FolderExists(const std::wstring& path) override;
    bool ReadFile(const std::wstring& path, std::string* bytes) override;
    // The folder, and its parent when that is missing.
    WriteResult MakeFolder(const std::wstring& path) override;
    // Written whole to a temporary file beside the target, which then replaces the target.
    WriteResult WriteFile(const std::wstring& path, const std::string& bytes) override;
    WriteResult RemoveFile(const std::wstring& path) override;
    void RemoveTree(const std::wstring& path) override;
    bool AskYesNo(const std::wstring& question) override;
    // Refused when the code page would put a stand-in for any character.
    std::optional<std::string> ToAnsi(const std::wstring& text) override;
    std::wstring FromAnsi(const std::string& bytes) override { return DecodeAnsiText(bytes); }

  private:
    HWND owner_;
};

}  // namespace vx
