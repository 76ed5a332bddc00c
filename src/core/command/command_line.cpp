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
// fills (null when it takes none) and whether that is a path, the flag it sets, and the action
// it belongs to.
struct Switch {
    const wchar_t* name;
    Action action = Action::None;
    std::wstring CommandRequest::*value = nullptr;
    bool path = false;
    bool CommandRequest::*flag = nullptr;
    Action only = Action::None;
};
const Switch kSwitches[] = {
    {.name = L"apply", .action = Action::Apply, .value = &CommandRequest::name},
    {.name = L"clear", .action = Action::Clear},
    {.name = L"set", .action = Action::Set},
    {.name = L"owner", .action = Action::Owner},
    {.name = L"save", .action = Action::Save, .value = &CommandRequest::name},
    {.name = L"show", .action = Action::Show},
    {.name = L"restore", .action = Action::Restore, .value = &CommandRequest::name},
    {.name = L"restorepoints", .action = Action::RestorePoints},
    {.name = L"?", .action = Action::Usage},
    {.name = L"logo", .value = &CommandRequest::logo, .path = true, .only = Action::Set},
    {.name = L"presets", .value = &CommandRequest::presets, .path = true},
    {.name = L"log", .value = &CommandRequest::log, .path = true},
    {.name = L"target", .value = &CommandRequest::target, .path = true},
    {.name = L"yes", .flag = &CommandRequest::yes},
    {.name = L"replace", .flag = &CommandRequest::replace},
    {.name = L"machine", .flag = &CommandRequest::machine, .only = Action::Set},
    {.name = L"whatif", .flag = &CommandRequest::whatIf},
    {.name = L"json", .flag = &CommandRequest::json},
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
    std::wstring why;
    const std::wstring* word = nullptr;
};

// What a switch that belongs to an action says when it comes before it or with another.
std::wstring OnlyAfter(Action action) {
    for (const Switch& s : kSwitches)
        if (s.action == action)
            return text::kCliOnlyAfterPrefix + (L"/" + std::wstring(s.name)) +
                   text::kCliOnlyAfterSuffix;
    return text::kCliUnknown;
}

// Whether /set or /owner names anything to write.
bool WritesSomething(const CommandRequest& r) {
    const auto given = [](const AnyValue& v) { return !v.IsEmpty(); };
    switch (r.action) {
        case Action::Owner:
            return std::ranges::any_of(r.owner, given);
        case Action::Set:
            return r.machine || !r.logo.empty() ||
                   std::ranges::any_of(kOemValues, [&](const OemValue& v) {
                       return v.custom && given(r.custom.*v.custom);
                   });
        default:
            return true;
    }
}

Fault Read(const std::vector<std::wstring>& words, CommandRequest& r) {
    for (const std::wstring& word : words)
        if (word.find_first_of(L"\r\n") != std::wstring::npos) return {text::kCliLineBreak, &word};
    bool seen[std::size(kSwitches)] = {};
    const std::wstring* actionWord = nullptr;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::wstring& word = words[i];
        if (const Switch* s = FindSwitch(word)) {
            bool& once = seen[s - kSwitches];
            if (once) return {text::kCliTwice, &word};
            once = true;
            if (s->only != Action::None && s->only != r.action) return {OnlyAfter(s->only), &word};
            if (s->action != Action::None) {
                if (r.action != Action::None) return {text::kCliTwoActions, &word};
                r.action = s->action;
                actionWord = &word;
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
    // A run that would write nothing would report success for nothing.
    if (!WritesSomething(r)) return {text::kCliNothingToWrite, actionWord};
    const auto among = [&](std::initializer_list<Action> actions) {
        return std::find(actions.begin(), actions.end(), r.action) != actions.end();
    };
    if (r.whatIf && !among({Action::Apply, Action::Clear, Action::Set, Action::Owner, Action::Restore}))
        return {text::kCliWhatIfHere};
    if (r.json && !r.whatIf && !among({Action::Show, Action::RestorePoints})) return {text::kCliJsonHere};
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
    if (!fault.why.empty())
        reading.error =
            fault.why +
            (fault.word ? fault.word->substr(0, fault.word->find_first_of(L"\r\n")) : L"");
    return reading;
}

std::wstring LogPathOf(const std::vector<std::wstring>& words) {
    for (size_t i = 1; i + 1 < words.size(); ++i) {
        const Switch* s = FindSwitch(words[i]);
        if (s && s->value == &CommandRequest::log && !FindSwitch(words[i + 1]))
            return words[i + 1];
    }
    return {};
}

void MakePathsFull(CommandRequest& request,
                   const std::function<std::wstring(const std::wstring&)>& fullPath) {
    for (const Switch& s : kSwitches)
        if (s.path && !(request.*s.value).empty()) request.*s.value = fullPath(request.*s.value);
}

}  // namespace vx
