#include "core/oem/offline_target.h"

#include "core/plain_text.h"
#include "core/texts.h"

namespace vx {

namespace {

std::wstring_view WithoutTrailingSeparator(std::wstring_view path) {
    while (path.size() > 1 && path.back() == L'\\') path.remove_suffix(1);
    return path;
}

bool StartsWithName(std::wstring_view text, std::wstring_view name) {
    return text.size() >= name.size() && SameName(text.substr(0, name.size()), name);
}

}  // namespace

std::wstring DriveOf(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':') return std::wstring(path.substr(0, 2));
    if (!path.starts_with(L"\\\\")) return {};
    // \\server\share: up to the separator after the share's name.
    const size_t share = path.find(L'\\', 2);
    if (share == std::wstring_view::npos || share == 2) return {};
    return std::wstring(path.substr(0, path.find(L'\\', share + 1)));
}

TargetChoice ChooseTarget(std::wstring_view folder, std::wstring_view running, bool hasHive) {
    folder = WithoutTrailingSeparator(folder);
    if (SameName(folder, WithoutTrailingSeparator(running))) return {};
    const std::wstring drive = DriveOf(folder);
    const auto refused = [&](const wchar_t* why) {
        return TargetChoice{TargetKind::Refused, why + std::wstring(folder)};
    };
    if (!drive.empty() && SameName(drive, DriveOf(running))) return refused(text::kMsgTargetOwnDrive);
    if (drive.empty() || !hasHive) return refused(text::kMsgTargetNoHive);
    return {TargetKind::Other, {}};
}

std::wstring TargetHiveFile(std::wstring_view folder) {
    return std::wstring(WithoutTrailingSeparator(folder)) + L"\\System32\\config\\SOFTWARE";
}

std::wstring TargetOemFolder(std::wstring_view folder) {
    return std::wstring(WithoutTrailingSeparator(folder)) + L"\\System32\\oem";
}

std::wstring TargetRestoreFolder(std::wstring_view folder) {
    return DriveOf(folder) + L"\\ProgramData\\Vendrix\\RestorePoints";
}

std::wstring TargetFilePath(std::wstring_view stored, std::wstring_view folder) {
    folder = WithoutTrailingSeparator(folder);
    for (std::wstring_view name : {L"%windir%", L"%SystemRoot%"})
        if (StartsWithName(stored, name)) return std::wstring(folder) + std::wstring(stored.substr(name.size()));
    if (constexpr std::wstring_view drive = L"%SystemDrive%"; StartsWithName(stored, drive))
        return DriveOf(folder) + std::wstring(stored.substr(drive.size()));
    return std::wstring(stored);
}

std::wstring TargetCaption(std::wstring_view caption, std::wstring_view folder) {
    return std::wstring(caption) + text::kCaptionTarget + std::wstring(WithoutTrailingSeparator(folder));
}

}  // namespace vx
