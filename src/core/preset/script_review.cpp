#include "core/preset/script_review.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "core/decimal.h"
#include "core/plain_text.h"
#include "core/texts.h"

namespace vx {

namespace {

std::wstring DescribeChange(const ScriptChange& c) {
    if (!c.value) return (c.deletes ? text::kChangeDeleteKey : text::kChangeKey) + c.key;
    const std::wstring name = c.value->empty() ? text::kDefaultValueShown : *c.value;
    return (c.deletes ? text::kChangeDeleteValue : text::kChangeValue) + name + text::kReasonOpen +
           c.key + text::kReasonClose;
}

constexpr size_t kChangesListed = 10;

std::wstring ScriptQuestion(const std::vector<ScriptChange>& outside) {
    std::wstring question = text::kAskScriptPrefix;
    for (size_t i = 0; i < outside.size() && i < kChangesListed; ++i)
        question += L"\n" + (text::kStepBullet + DescribeChange(outside[i]));
    if (outside.size() > kChangesListed)
        question += text::kAskScriptMorePrefix + DecimalText(outside.size()) +
                    text::kAskScriptMoreSuffix;
    return question + text::kAskScriptSuffix;
}

}  // namespace

ScriptReading ReadPresetScript(const std::string& bytes, PresetFiles& files) {
    return ReadRegScript(bytes, [&](std::string_view b) { return files.DecodeAnsi(b); });
}

bool IsOemKey(std::wstring_view key) {
    const std::wstring_view root = text::kMachineRoot;
    return key.size() > root.size() && SameName(key.substr(0, root.size()), root) &&
           SameName(key.substr(root.size()), text::kOemKey);
}

std::vector<ScriptChange> OutsideOemInformation(std::vector<ScriptChange> changes) {
    std::vector<const ScriptChange*> order;
    for (const ScriptChange& c : changes)
        if (!IsOemKey(c.key) || (!c.value && c.deletes)) order.push_back(&c);
    // Sorted, not compared pairwise (a preset may hold tens of thousands of values): equal
    // changes lie together with the script's first one first, and a key's own entries just
    // before its values. A section's values share one long key: the runs of one key are marked
    // first, and the sort compares keys across runs only.
    std::vector<size_t> run(changes.size());
    for (size_t i = 1; i < changes.size(); ++i)
        run[i] = changes[i].key == changes[i - 1].key ? run[i - 1] : i;
    std::sort(order.begin(), order.end(), [&](const ScriptChange* a, const ScriptChange* b) {
        const bool oneRun = run[a - changes.data()] == run[b - changes.data()];
        if (const int key = oneRun ? 0 : a->key.compare(b->key)) return key < 0;
        if (a->value != b->value) return a->value < b->value;
        return std::tie(a->deletes, a) < std::tie(b->deletes, b);
    });
    std::vector<bool> shown(changes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const ScriptChange& c = *order[i];
        if (i > 0 && c == *order[i - 1]) continue;
        size_t next = i + 1;
        while (next < order.size() && order[next]->key == c.key && !order[next]->value) ++next;
        const bool hasValues = next < order.size() && order[next]->key == c.key;
        if (c.value || c.deletes || !hasValues) shown[order[i] - changes.data()] = true;
    }
    std::vector<ScriptChange> outside;
    for (size_t i = 0; i < changes.size(); ++i)
        if (shown[i]) outside.push_back(std::move(changes[i]));
    return outside;
}

ActionOutcome CheckPreset(const std::wstring& folder, PresetPorts& preset) {
    // The command interpreter looks for reg in the current directory first, under each
    // extension PATHEXT names; any reg.* is refused rather than guessing which would run.
    const std::wstring lookalike = preset.files.FindFile(folder + text::kRegLookalikePattern);
    if (!lookalike.empty()) return Refusal(text::kMsgPresetHasRegCommand, lookalike);

    const std::wstring script = folder + text::kPresetScriptSuffix;
    const std::optional<std::string> bytes = preset.files.ReadFile(script);
    if (!bytes) return Refusal(text::kMsgScriptUnreadable, script);
    ScriptReading reading = ReadPresetScript(*bytes, preset.files);
    if (!reading.ok())
        return Refusal(text::kMsgScriptUnreadable,
                       script + text::kScriptBadLinePrefix + DecimalText(reading.badLine) +
                           text::kScriptBadLineSuffix + reading.badText);

    const std::vector<ScriptChange> outside = OutsideOemInformation(std::move(reading.changes));
    if (outside.empty()) return {};
    const std::wstring question = ScriptQuestion(outside);
    if (!preset.questioner.AskYesNo(question)) return {OutcomeKind::Declined, question};
    return {};
}

}  // namespace vx
