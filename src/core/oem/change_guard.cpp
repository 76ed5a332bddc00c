#include "core/oem/change_guard.h"

#include "core/oem/oem_values.h"
#include "core/plain_text.h"
#include "core/preset/reg_codec.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

std::wstring Reason(const std::wstring& why) { return text::kReasonOpen + why + text::kReasonClose; }

// The owner key of the 32-bit view, as the native view reaches it.
std::wstring OwnerKey32() { return L"SOFTWARE\\WOW6432Node" + std::wstring(text::kOwnerKey + 8); }

}  // namespace

RawValue ExpandableText(std::wstring_view text) {
    std::vector<std::uint8_t> bytes = reg::Utf16LeBytes(text);
    bytes.insert(bytes.end(), {0, 0});
    return {true, reg::kExpandSz, std::move(bytes)};
}

std::optional<ActionOutcome> ChangeGuard::Check(const Plan& plan) {
    std::wstring unreadable;
    const std::optional<Snapshot> now = ReadSnapshot(plan, ports_, &unreadable);
    if (!now) return Refusal(text::kMsgCurrentUnreadable, unreadable);
    comparison_ = Compare(*now, plan);
    const bool changes = comparison_.Changes() || plan.alwaysRuns;
    if (whatIf_) {
        std::wstring lines;
        for (const std::wstring& line : WhatIfLines(comparison_)) lines += line + L"\n";
        if (plan.alwaysRuns) lines += std::wstring(text::kWhatIfBeyondOem) + L"\n";
        return ActionOutcome{OutcomeKind::Done, changes ? lines : lines + text::kMsgUnchanged};
    }
    if (!changes) return ActionOutcome{OutcomeKind::Done, text::kMsgUnchanged};

    std::vector<std::wstring> names = ports_.store.Names();
    const std::wstring name = NewRestorePointName(ports_.clock.Now(), names);
    const WriteResult written = ports_.store.Write(name, RestorePointFiles(*now, origin_));
    if (!written.ok())
        return Refusal(text::kMsgRestorePointUnwritable,
                       ports_.store.Folder() + L"\\" + name + Reason(written.reason));
    made_ = name;
    names.push_back(name);
    // An old point that stays costs nothing but room: the action goes on regardless.
    for (const std::wstring& old : ToPrune(names)) ports_.store.Remove(old);
    return std::nullopt;
}

Plan BrandPlan(const std::vector<ScriptChange>& changes, std::optional<std::string> logo) {
    Plan plan{{}, LogoPlan::Set, std::move(logo), !OutsideOemInformation(changes).empty()};
    const std::wstring oemKey = text::kMachineRoot + std::wstring(text::kOemKey);
    for (const ScriptChange& c : changes)
        if (c.value && SameName(c.key, oemKey)) plan.values.push_back({text::kOemKey, *c.value, c.data});
    return plan;
}

Plan ClearPlan() {
    Plan plan{{}, LogoPlan::Remove, std::nullopt, false};
    for (const OemValue& v : kOemValues) plan.values.push_back({text::kOemKey, v.name, ExpandableText(L"")});
    return plan;
}

Plan CustomPlan(const CustomValues& values, std::optional<std::string> logo) {
    const bool withLogo = !values.logoPath.ToText().empty();
    Plan plan{{}, withLogo ? LogoPlan::Set : LogoPlan::Untouched, std::move(logo), false};
    // As the action writes them: a value not given stays, Logo is the fixed path with a picture.
    for (const OemValue& v : kOemValues) {
        const AnyValue value = v.custom ? values.*v.custom
                               : withLogo ? AnyValue::FromText(text::kOemLogoValue)
                                          : AnyValue();
        if (!value.IsEmpty()) plan.values.push_back({text::kOemKey, v.name, ExpandableText(value.ToText())});
    }
    return plan;
}

Plan OwnerPlan(const OwnerValues& values, RegistryPort& registry) {
    Plan plan;
    const std::wstring key32 = OwnerKey32();
    bool hasView32 = false;
    for (const OwnerField& f : OwnerFields()) {
        const std::optional<RawValue> v = registry.ReadValue(key32, f.valueName);
        hasView32 = hasView32 || !v || v->exists;
    }
    for (const std::wstring& key : {std::wstring(text::kOwnerKey), key32}) {
        if (key == key32 && !hasView32) break;
        for (int i = 0; i < kOwnerFieldCount; ++i)
            if (!values[i].IsEmpty())
                plan.values.push_back({key, OwnerFields()[i].valueName, ExpandableText(values[i].ToText())});
    }
    return plan;
}

BeforeChange GuardBrand(ChangeGuard& guard, const std::wstring& presetFolder, PresetFiles& files) {
    return [&guard, presetFolder, &files](const std::wstring& logoSource) -> std::optional<ActionOutcome> {
        // Read again as the checks read it: they have found it readable.
        const std::optional<std::string> script = files.ReadFile(presetFolder + text::kPresetScriptSuffix);
        const ScriptReading reading = ReadPresetScript(script.value_or(""), files);
        Plan plan = BrandPlan(reading.changes, files.ReadFile(logoSource));
        plan.alwaysRuns = plan.alwaysRuns || !reading.ok();
        return guard.Check(plan);
    };
}

BeforeChange GuardClear(ChangeGuard& guard) {
    return [&guard](const std::wstring&) { return guard.Check(ClearPlan()); };
}

BeforeChange GuardCustom(ChangeGuard& guard, const CustomValues& values, PresetFiles& files) {
    return [&guard, &values, &files](const std::wstring& logoSource) {
        return guard.Check(CustomPlan(values, logoSource.empty() ? std::nullopt : files.ReadFile(logoSource)));
    };
}

std::vector<RestorePoint> ListRestorePoints(RestorePointStore& store) {
    std::vector<RestorePoint> points;
    for (const std::wstring& name : NewestFirst(store.Names())) {
        const std::optional<std::vector<StoredFile>> files = store.Read(name);
        std::optional<RestorePoint> point = files ? ReadRestorePoint(name, *files) : std::nullopt;
        points.push_back(point ? std::move(*point) : RestorePoint{name, {}, {}});
    }
    return points;
}

ActionOutcome RunRestoreAction(const std::wstring& wanted, ChangeGuard& guard) {
    RestorePorts& ports = guard.ports();
    const std::vector<std::wstring> names = NewestFirst(ports.store.Names());
    if (names.empty()) return {OutcomeKind::Refused, text::kMsgNoRestorePoint};
    std::wstring name = wanted.empty() ? names.front() : L"";
    for (const std::wstring& n : names)
        if (name.empty() && SameName(n, wanted)) name = n;
    if (name.empty()) return {OutcomeKind::Refused, text::kMsgRestorePointUnknown + wanted};
    const std::optional<std::vector<StoredFile>> files = ports.store.Read(name);
    const std::optional<RestorePoint> point = files ? ReadRestorePoint(name, *files) : std::nullopt;
    if (!point) return Refusal(text::kMsgRestorePointUnreadable, ports.store.Folder() + L"\\" + name);

    const Plan plan = RestorePlan(point->state);
    if (std::optional<ActionOutcome> stop = guard.Check(plan)) return *stop;
    // One line for each step that did not do what it was for.
    std::wstring failed;
    const auto note = [&](const wchar_t* step, const std::wstring& subject, const WriteResult& r) {
        if (!r.ok()) failed += L"\n" + (text::kStepBullet + (step + subject)) + Reason(r.reason);
    };
    for (const KeyedValue& v : plan.values)
        note(text::kStepWriteValue, v.name, ports.registry.WriteValue(v.key, v.name, v.value));
    if (plan.logo == LogoPlan::Set) note(text::kStepWriteFile, ports.oem.LogoPath(), ports.oem.WriteLogo(*plan.logoBytes));
    if (plan.logo == LogoPlan::Remove) note(text::kStepDeleteFile, ports.oem.LogoPath(), ports.oem.RemoveLogo());
    if (failed.empty()) return {OutcomeKind::Done, text::kMsgRestoreDone + RestorePointTime(name)};
    return {OutcomeKind::Failed, text::kMsgRestoreFailed + failed};
}

}  // namespace vx
