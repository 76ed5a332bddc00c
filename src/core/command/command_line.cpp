#include "core/command/command_line.h"

#include <algorithm>

#include "core/oem/action_origin.h"
#include "core/plain_text.h"
#include "core/texts.h"

namespace vx {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

using Action = CommandAction;

// Each switch: the action it is (None for an option), the request's text the word after it
// fills (null when it takes none), the flag it sets, and the action it belongs to.
struct Switch {
    const wchar_t* name;
    Action action;
    std::wstring CommandRequest::*value = nullptr;
    bool CommandRequest::*flag = nullptr;
    Action only = Action::None;
};
const Switch kSwitches[] = {
    {L"apply", Action::Apply, &CommandRequest::name},
    {L"clear", Action::Clear},
    {L"set", Action::Set},
    {L"owner", Action::Owner},
    {L"save", Action::Save, &CommandRequest::name},
    {L"show", Action::Show},
    {L"restore", Action::Restore, &CommandRequest::name},
    {L"restorepoints", Action::RestorePoints},
    {L"?", Action::Usage},
    {L"logo", Action::None, &CommandRequest::logo, nullptr, Action::Set},
    {L"presets", Action::None, &CommandRequest::presets},
    {L"log", Action::None, &CommandRequest::log},
    {L"target", Action::None, &CommandRequest::target},
    {L"yes", Action::None, nullptr, &CommandRequest::yes},
    {L"replace", Action::None, nullptr, &CommandRequest::replace},
    {L"machine", Action::None, nullptr, &CommandRequest::machine, Action::Set},
    {L"whatif", Action::None, nullptr, &CommandRequest::whatIf},
    {L"json", Action::None, nullptr, &CommandRequest::json},
};

const Switch* FindSwitch(std::wstring_view word) {
    if (word.size() < 2 || (word[0] != L'/' && word[0] != L'-')) return nullptr;
    for (const Switch& s : kSwitches)
        if (SameName(word.substr(1), s.name)) return &s;
    return nullptr;
}

// The value a Name=value word names for the action; null when the action has no such value.
AnyValue* NamedValue(CommandRequest& r, std::wstring_view name) {
    // Logo is named by /logo, which takes a picture rather than the value.
    if (r.action == Action::Set)
        for (const OemValue& v : kOemValues)
            if (v.custom && SameName(name, v.name)) return &(r.custom.*v.custom);
    if (r.action == Action::Owner)
        for (int i = 0; i < kOwnerFieldCount; ++i)
            if (SameName(name, OwnerFields()[i].valueName)) return &r.owner[i];
    return nullptr;
}

// Why the words do not read: the reason and the word it is about.
struct Fault {
    const wchar_t* why = nullptr;
    const std::wstring* word = nullptr;
};

Fault Read(const std::vector<std::wstring>& words, CommandRequest& r) {
    for (const std::wstring& word : words)
        if (word.find_first_of(L"\r\n") != std::wstring::npos) return {text::kCliLineBreak, &word};
    bool seen[std::size(kSwitches)] = {};
    for (size_t i = 1; i < words.size(); ++i) {
        const std::wstring& word = words[i];
        if (const Switch* s = FindSwitch(word)) {
            bool& once = seen[s - kSwitches];
            if (once) return {text::kCliTwice, &word};
            once = true;
            if (s->only != Action::None && s->only != r.action) return {text::kCliUnknown, &word};
            if (s->action != Action::None) {
                if (r.action != Action::None) return {text::kCliTwoActions, &word};
                r.action = s->action;
            }
            if (s->flag) r.*(s->flag) = true;
            if (!s->value) continue;
            // /restore alone means the newest point.
            if (s->action == Action::Restore && (i + 1 == words.size() || FindSwitch(words[i + 1])))
                continue;
            // A switch where its value should be means the value is missing.
            if (i + 1 == words.size() || words[i + 1].empty() || FindSwitch(words[i + 1]))
                return {text::kCliNoValue, &word};
            r.*(s->value) = words[++i];
            continue;
        }
        const size_t equals = word.find(L'=');
        AnyValue* named =
            equals == std::wstring::npos ? nullptr : NamedValue(r, word.substr(0, equals));
        if (!named) return {text::kCliUnknown, &word};
        if (!named->IsEmpty()) return {text::kCliTwice, &word};
        *named = AnyValue::FromText(word.substr(equals + 1));
    }
    if (r.action == Action::None) return {text::kCliNoAction};
    const auto among = [&](std::initializer_list<Action> actions) {
        return std::find(actions.begin(), actions.end(), r.action) != actions.end();
    };
    if (r.whatIf && !among({Action::Apply, Action::Clear, Action::Set, Action::Owner, Action::Restore}))
        return {text::kCliWhatIfHere};
    if (r.json && !r.whatIf && !among({Action::Show, Action::RestorePoints})) return {text::kCliJsonHere};
    if (!r.logo.empty()) r.custom.logoPath = AnyValue::FromText(r.logo);
    return {};
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
    std::vector<std::wstring> words(1);
    size_t i = 0;
    for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
        if (line[i] == L'"')
            quoted = !quoted;
        else
            words[0] += line[i];
    }
    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size()) return words;
        words.push_back({});
        std::wstring& word = words.back();
        for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i]));) {
            size_t slashes = 0;
            for (; i < line.size() && line[i] == L'\\'; ++i) ++slashes;
            if (i >= line.size() || line[i] != L'"') {
                word.append(slashes, L'\\');
                if (slashes == 0) word += line[i++];
                continue;
            }
            word.append(slashes / 2, L'\\');
            if (slashes % 2) {
                word += L'"';
            } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                word += L'"';
                quoted = false;
                ++i;
            } else {
                quoted = !quoted;
            }
            ++i;
        }
    }
}

CommandReading ReadCommandLine(const std::vector<std::wstring>& words) {
    CommandReading reading;
    const Fault fault = Read(words, reading.request);
    reading.request.origin = CommandLineOrigin(words);
    // A word is named up to a line break it holds: the message stays one line.
    if (fault.why)
        reading.error = fault.why + (fault.word ? fault.word->substr(0, fault.word->find_first_of(L"\r\n")) : L"");
    return reading;
}

}  // namespace vx
