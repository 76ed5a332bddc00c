#pragma once
// The preset library's files, and the whole-file helpers behind them.
#include <windows.h>

#include <string>

#include "core/ports.h"

namespace vx {

// The whole file in one read, opened and closed here; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Text in the system's ANSI code page, decoded as a whole: no line end byte can be part of a
// double-byte character there, so its lines are the lines of the bytes.
std::wstring DecodeAnsiText(std::string_view bytes);

// The preset library on the real file system.
class SystemPresetFiles : public PresetFiles {
  public:
    bool FileExists(const std::wstring& path) override;
    bool FolderExists(const std::wstring& path) override;
    std::optional<std::string> ReadFile(const std::wstring& path) override;
    std::wstring FindFile(const std::wstring& pattern) override;
    WriteResult MakeFolder(const std::wstring& path) override;
    // Written whole to a temporary file beside the target, which then replaces the target.
    WriteResult WriteFile(const std::wstring& path, const std::string& bytes) override;
    WriteResult RemoveFile(const std::wstring& path) override;
    void RemoveTree(const std::wstring& path) override;
    // Through MultiByteToWideChar(CP_ACP), as reg import reads a script without a byte-order mark.
    std::wstring DecodeAnsi(std::string_view bytes) override { return DecodeAnsiText(bytes); }
    // Refused when the code page would put a stand-in for any character.
    std::optional<std::string> EncodeAnsi(const std::wstring& text) override;
};

}  // namespace vx
