#include "core/oem/restore_point.h"

#include <algorithm>

#include "core/decimal.h"
#include "core/oem/oem_values.h"
#include "core/plain_text.h"
#include "core/preset/preset_save.h"
#include "core/preset/reg_codec.h"
#include "core/preset/reg_script.h"
#include "core/preset/reg_script_writer.h"
#include "core/texts.h"

namespace vx {

namespace {

constexpr wchar_t kScriptFile[] = L"restore.reg", kLogoFile[] = L"oemlogo.bmp",
                  kOriginFile[] = L"来源.txt";
// The 32-bit view's keys as the native view reaches them.
constexpr std::wstring_view kWow64Root = L"SOFTWARE\\WOW6432Node\\";

bool SameValue(const KeyedValue& a, const std::wstring& key, const std::wstring& name) {
    return SameName(a.key, key) && SameName(a.name, name);
}

// The plan's values, each once, the six OEM values first when the plan touches that key.
std::vector<KeyedValue> Concerned(const Plan& plan) {
    std::vector<KeyedValue> out;
    const auto add = [&](const std::wstring& key, const std::wstring& name) {
        for (const KeyedValue& v : out)
            if (SameValue(v, key, name)) return;
        out.push_back({key, name, {}});
    };
    for (const KeyedValue& v : plan.values)
        if (SameName(v.key, text::kOemKey))
            for (const OemValue& oem : kOemValues) add(text::kOemKey, oem.name);
    for (const KeyedValue& v : plan.values) add(v.key, v.name);
    return out;
}

std::string Utf16File(const std::wstring& text) {
    const std::vector<std::uint8_t> body = reg::Utf16LeBytes(text);
    return "\xFF\xFE" + std::string(body.begin(), body.end());
}

// The name's time and its suffix (1 for none); nothing when it is no restore point's name.
struct NameParts {
    std::wstring time;
    long long suffix = 1;
};
std::optional<NameParts> PartsOf(const std::wstring& name) {
    const auto digits = [&](size_t from, size_t to) {
        return to <= name.size() && from < to &&
               std::all_of(name.begin() + from, name.begin() + to,
                           [](wchar_t c) { return c >= L'0' && c <= L'9'; });
    };
    if (!digits(0, 8) || name.size() < 15 || name[8] != L'-' || !digits(9, 15)) return std::nullopt;
    NameParts parts{name.substr(0, 15)};
    if (name.size() == 15) return parts;
    if (name[15] != L'-' || name.size() > 20 || !digits(16, name.size()) || name[16] == L'0')
        return std::nullopt;
    parts.suffix = 0;
    for (size_t i = 16; i < name.size(); ++i) parts.suffix = parts.suffix * 10 + (name[i] - L'0');
    if (parts.suffix < 2) return std::nullopt;
    return parts;
}

}  // namespace

std::optional<Snapshot> ReadSnapshot(const Plan& plan, RestorePorts& ports, std::wstring* failure) {
    Snapshot now;
    for (KeyedValue& v : now.values = Concerned(plan)) {
        const std::optional<RawValue> read = ports.registry.ReadValue(v.key, v.name);
        if (!read) {
            *failure = text::kMachineRoot + v.key + L"\\" + v.name;
            return std::nullopt;
        }
        v.value = *read;
    }
    if (plan.logo == LogoPlan::Untouched) return now;
    LogoReading logo = ports.oem.ReadLogo();
    if (!logo.failure.ok()) {
        *failure = ports.oem.LogoPath() + text::kReasonOpen + logo.failure.reason + text::kReasonClose;
        return std::nullopt;
    }
    now.logoKept = true;
    now.logo = std::move(logo.bytes);
    return now;
}

Plan RestorePlan(const Snapshot& state) {
    return {state.values,
            !state.logoKept ? LogoPlan::Untouched : state.logo ? LogoPlan::Set : LogoPlan::Remove,
            state.logo, false};
}

Comparison Compare(const Snapshot& now, const Plan& plan) {
    Comparison c;
    for (size_t i = 0; i < plan.values.size(); ++i) {
        const KeyedValue& to = plan.values[i];
        // A value set twice ends as the later one says.
        if (std::any_of(plan.values.begin() + i + 1, plan.values.end(),
                        [&](const KeyedValue& later) { return SameValue(later, to.key, to.name); }))
            continue;
        RawValue from;
        for (const KeyedValue& v : now.values)
            if (SameValue(v, to.key, to.name)) from = v.value;
        if (from == to.value) continue;
        const bool wow64 = SameName(to.key.substr(0, kWow64Root.size()), kWow64Root);
        c.changes.push_back({(wow64 ? L"WOW6432Node\\" : L"") + to.name, from, to.value});
    }
    switch (plan.logo) {
        case LogoPlan::Untouched:
            break;
        case LogoPlan::Set:
            c.logo = plan.logoBytes && now.logo == plan.logoBytes ? LogoChange::Same : LogoChange::Replace;
            break;
        case LogoPlan::Remove:
            c.logo = now.logo ? LogoChange::Remove : LogoChange::Same;
            break;
    }
    return c;
}

std::wstring ShownValue(const RawValue& v) { return v.exists ? ShownText(v) : text::kAbsentShown; }

const wchar_t* LogoWord(LogoChange c) {
    switch (c) {
        case LogoChange::Replace: return text::kLogoReplaced;
        case LogoChange::Remove: return text::kLogoRemoved;
        case LogoChange::Same: return text::kLogoSame;
        case LogoChange::Untouched: break;
    }
    return L"";
}

std::vector<std::wstring> WhatIfLines(const Comparison& c) {
    std::vector<std::wstring> lines;
    for (const ValueChange& v : c.changes)
        lines.push_back(v.name + L": " + ShownValue(v.from) + L" -> " + ShownValue(v.to));
    if (c.logo != LogoChange::Untouched) lines.push_back(std::wstring(kLogoFile) + L": " + LogoWord(c.logo));
    return lines;
}

std::wstring NewRestorePointName(const LocalTime& t, const std::vector<std::wstring>& taken) {
    const std::wstring base = DecimalText(t.year, 4) + DecimalText(t.month, 2) +
                              DecimalText(t.day, 2) + L"-" + DecimalText(t.hour, 2) +
                              DecimalText(t.minute, 2) + DecimalText(t.second, 2);
    std::wstring name = base;
    for (int n = 2; std::any_of(taken.begin(), taken.end(),
                                [&](const std::wstring& t) { return SameName(t, name); });
         ++n)
        name = base + L"-" + DecimalText(n);
    return name;
}

std::vector<std::wstring> NewestFirst(const std::vector<std::wstring>& names) {
    std::vector<std::pair<NameParts, std::wstring>> points;
    for (const std::wstring& name : names)
        if (const std::optional<NameParts> parts = PartsOf(name)) points.push_back({*parts, name});
    std::sort(points.begin(), points.end(), [](const auto& a, const auto& b) {
        return a.first.time != b.first.time ? a.first.time > b.first.time
                                             : a.first.suffix > b.first.suffix;
    });
    std::vector<std::wstring> out;
    for (auto& point : points) out.push_back(std::move(point.second));
    return out;
}

std::vector<std::wstring> ToPrune(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> sorted = NewestFirst(names);
    if (sorted.size() <= kRestorePointsKept) return {};
    return {sorted.begin() + kRestorePointsKept, sorted.end()};
}

std::wstring RestorePointTime(const std::wstring& name) {
    if (!PartsOf(name)) return name;
    return name.substr(0, 4) + L"-" + name.substr(4, 2) + L"-" + name.substr(6, 2) + L" " +
           name.substr(9, 2) + L":" + name.substr(11, 2) + L":" + name.substr(13, 2);
}

std::vector<StoredFile> RestorePointFiles(const Snapshot& state, const std::wstring& origin) {
    std::wstring script = L"Windows Registry Editor Version 5.00\r\n";
    for (size_t i = 0; i < state.values.size(); ++i) {
        const KeyedValue& v = state.values[i];
        if (i == 0 || !SameName(v.key, state.values[i - 1].key))
            script += L"\r\n[" + (text::kMachineRoot + v.key) + L"]\r\n";
        script += RegValueLine(v.name, v.value);
    }
    std::wstring about = origin + L"\r\n";
    if (state.logoKept) about += (state.logo ? text::kLogoKeptLine : text::kLogoAbsentLine) + std::wstring(L"\r\n");
    std::vector<StoredFile> files{{kScriptFile, Utf16File(script + L"\r\n")}, {kOriginFile, Utf16File(about)}};
    if (state.logo) files.push_back({kLogoFile, *state.logo});
    return files;
}

std::optional<RestorePoint> ReadRestorePoint(const std::wstring& name,
                                             const std::vector<StoredFile>& files) {
    const auto file = [&](const wchar_t* wanted) -> const std::string* {
        for (const StoredFile& f : files)
            if (SameName(f.name, wanted)) return &f.bytes;
        return nullptr;
    };
    const std::string *script = file(kScriptFile), *about = file(kOriginFile);
    if (!script || !about || !about->starts_with("\xFF\xFE")) return std::nullopt;
    // Written as UTF-16: an ANSI script is none of ours.
    const ScriptReading reading = ReadRegScript(*script, [](std::string_view) { return std::wstring(); });
    if (!reading.ok()) return std::nullopt;
    RestorePoint point{name, {}, {}};
    const std::wstring root = text::kMachineRoot;
    for (const ScriptChange& c : reading.changes) {
        if (!c.value) continue;
        if (!SameName(c.key.substr(0, root.size()), root)) return std::nullopt;
        point.state.values.push_back({c.key.substr(root.size()), *c.value, c.data});
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(about->data());
    const std::wstring lines = reg::FromUtf16LeBytes({data + 2, (about->size() - 2) / 2 * 2});
    const size_t end = lines.find(L"\r\n");
    point.origin = lines.substr(0, end);
    const std::wstring logoLine =
        end == std::wstring::npos ? L"" : lines.substr(end + 2, lines.find(L"\r\n", end + 2) - end - 2);
    point.state.logoKept = logoLine == text::kLogoKeptLine || logoLine == text::kLogoAbsentLine;
    if (logoLine == text::kLogoKeptLine) {
        const std::string* logo = file(kLogoFile);
        if (!logo) return std::nullopt;
        point.state.logo = *logo;
    }
    return point;
}

}  // namespace vx
