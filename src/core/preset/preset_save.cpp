#include "core/preset/preset_save.h"

#include <algorithm>
#include <optional>

#include "core/preset/brand_list.h"
#include "core/decimal.h"
#include "core/preset/reg_codec.h"
#include "core/texts.h"

namespace vx {

namespace {

bool ForbiddenInFolderName(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

ActionOutcome NotSaved(const std::wstring& path, const std::wstring& reason) {
    std::wstring message = text::kMsgPresetNotSaved + path;
    if (!reason.empty()) message += L"\n" + reason;
    return {OutcomeKind::Failed, message};
}

std::string AsString(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The Logo value once the preset carries the logo: where applying the preset puts it.
RawValue PresetLogoValue() {
    RawValue v{true, reg::kExpandSz, reg::Utf16LeBytes(text::kOemLogoValue)};
    v.bytes.insert(v.bytes.end(), {0, 0});
    return v;
}

}  // namespace

std::wstring ShownText(const RawValue& value) {
    if (!value.exists) return {};
    if (value.type != reg::kSz && value.type != reg::kExpandSz) return RegDataText(value);
    const std::wstring text = reg::FromUtf16LeBytes(value.bytes);
    return text.substr(0, text.find(L'\0'));
}

std::wstring PresetNameProblem(const std::wstring& name, PresetFiles& files) {
    if (name.empty()) return text::kMsgNameEmpty;
    if (std::any_of(name.begin(), name.end(), ForbiddenInFolderName)) return text::kMsgNameBadChar;
    // Before the ending rule, which the fixed entries' dots would meet first.
    if (name == text::kCustomEntry || name == text::kClearEntry) return text::kMsgNameFixedEntry;
    if (name.back() == L' ' || name.back() == L'.') return text::kMsgNameBadEnd;
    if (!files.EncodeAnsi(name)) return text::kMsgNameNotAnsi;
    return {};
}

std::wstring DefaultPresetName(const std::wstring& manufacturer, const LocalMinute& now) {
    if (!manufacturer.empty()) return manufacturer;
    return text::kBackupPrefix + DecimalText(now.year, 4) + DecimalText(now.month, 2) +
           DecimalText(now.day, 2) + L"-" + DecimalText(now.hour, 2) + DecimalText(now.minute, 2);
}

bool ListHasName(std::wstring_view list, std::wstring_view name) {
    const std::vector<std::wstring_view> lines = SplitLines(list);
    return std::any_of(lines.begin(), lines.end(),
                       [&](std::wstring_view line) { return SameName(line, name); });
}

std::string ListWithLine(const std::string& old, const std::string& line) {
    std::string out = old;
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    return out + line + "\r\n";
}

ActionOutcome SavePreset(const SaveRequest& request, PresetPorts& preset) {
    PresetFiles& files = preset.files;
    const std::wstring problem = PresetNameProblem(request.name, files);
    if (!problem.empty()) return {OutcomeKind::Refused, problem};
    const std::wstring folder = PresetFolder(request.programFolder, request.name);
    const bool replacing = files.FolderExists(folder);
    const std::wstring question =
        text::kMsgPresetExistsPrefix + request.name + text::kMsgPresetExistsSuffix;
    if (replacing && !preset.questioner.AskYesNo(question)) return {OutcomeKind::Declined, question};

    // Everything is read before the first write.
    const std::wstring listPath = ListFilePath(request.programFolder);
    std::string list;
    if (files.FileExists(listPath)) {
        const std::optional<std::string> read = files.ReadFile(listPath);
        if (!read) return {OutcomeKind::Refused, text::kMsgPresetNotRead + listPath};
        list = *read;
    }
    const std::optional<std::string> logo =
        request.logoFile.empty() ? std::nullopt : files.ReadFile(request.logoFile);
    const bool hasLogo = logo.has_value();
    OemRawValues values = request.values;
    if (hasLogo) values[kLogoValueIndex] = PresetLogoValue();
    std::vector<NamedValue> script;
    for (size_t i = 0; i < values.size(); ++i) script.push_back({kOemValues[i].name, values[i]});

    if (!replacing) {
        const WriteResult made = files.MakeFolder(folder);
        if (!made.ok()) return NotSaved(folder, made.reason);
    }
    // A folder this save made goes again with any failure; a replaced one keeps what was
    // written, each file whole.
    auto fail = [&](const std::wstring& path, const WriteResult& w) {
        if (!replacing) files.RemoveTree(folder);
        return NotSaved(path, w.reason);
    };
    const std::wstring logoPath = PresetLogoPath(request.programFolder, request.name);
    WriteResult w;
    if (hasLogo) {
        w = files.WriteFile(logoPath, *logo);
    } else if (replacing && files.FileExists(logoPath)) {
        w = files.RemoveFile(logoPath);
    }
    if (!w.ok()) return fail(logoPath, w);
    const std::wstring scriptPath = folder + text::kPresetScriptSuffix;
    w = files.WriteFile(scriptPath, AsString(RegScriptFile(script)));
    if (!w.ok()) return fail(scriptPath, w);
    // The folder check above follows the file system, which ignores case: so does the list's.
    if (!ListHasName(files.DecodeAnsi(list), request.name)) {
        w = files.WriteFile(listPath, ListWithLine(list, *files.EncodeAnsi(request.name)));
        if (!w.ok()) return fail(listPath, w);
    }
    std::wstring message = text::kMsgPresetSavedPrefix + request.name + text::kMsgPresetSavedSuffix;
    if (!hasLogo) message += text::kMsgPresetNoLogo;
    return {OutcomeKind::Done, message};
}

}  // namespace vx
