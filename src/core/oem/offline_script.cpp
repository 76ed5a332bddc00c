#include "core/oem/offline_script.h"

#include "core/plain_text.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

constexpr std::wstring_view kSoftware = L"SOFTWARE";

// The key as the registry port names it ("SOFTWARE\..."); nothing outside the hive.
std::optional<std::wstring> PortKey(const ScriptChange& c) {
    const std::wstring_view root = text::kMachineRoot;
    const std::wstring_view key = c.key;
    if (key.size() < root.size() || !SameName(key.substr(0, root.size()), root)) return std::nullopt;
    const std::optional<std::wstring_view> below = BelowSoftware(key.substr(root.size()));
    // The hive's own root cannot be deleted: it is the hive.
    if (!below || (below->empty() && !c.value && c.deletes)) return std::nullopt;
    return std::wstring(kSoftware) + std::wstring(*below);
}

}  // namespace

std::optional<std::wstring_view> BelowSoftware(std::wstring_view machineKey) {
    if (machineKey.size() < kSoftware.size() || !SameName(machineKey.substr(0, kSoftware.size()), kSoftware))
        return std::nullopt;
    machineKey.remove_prefix(kSoftware.size());
    if (!machineKey.empty() && machineKey[0] != L'\\') return std::nullopt;
    return machineKey;
}

const ScriptChange* FirstUnmapped(const std::vector<ScriptChange>& changes) {
    for (const ScriptChange& c : changes)
        if (!PortKey(c)) return &c;
    return nullptr;
}

std::vector<ScriptFailure> ApplyScript(const std::vector<ScriptChange>& changes,
                                       RegistryPort& registry, RegistryKeys& keys) {
    std::vector<ScriptFailure> failures;
    for (const ScriptChange& c : changes) {
        const std::wstring key = PortKey(c).value_or(L"");
        WriteResult r;
        if (!c.value)
            r = c.deletes ? keys.DeleteKeyTree(key) : keys.CreateKey(key);
        else
            r = registry.WriteValue(key, *c.value, c.deletes ? RawValue{} : c.data);
        if (r.ok()) continue;
        std::wstring subject = c.key;
        if (c.value) subject += L"\\" + (c.value->empty() ? std::wstring(text::kDefaultValueShown) : *c.value);
        failures.push_back({std::move(subject), r.reason});
    }
    return failures;
}

OfflineScript ReadOfflineScript(const std::wstring& presetFolder, PresetFiles& files) {
    const std::wstring script = presetFolder + text::kPresetScriptSuffix;
    const std::optional<std::string> bytes = files.ReadFile(script);
    if (!bytes) return {};
    OfflineScript offline{ReadPresetScript(*bytes, files).changes, std::nullopt};
    if (const ScriptChange* outside = FirstUnmapped(offline.changes))
        offline.refusal = Refusal(text::kMsgScriptOutsideSoftware, script + L"\n" + outside->key);
    return offline;
}

}  // namespace vx
