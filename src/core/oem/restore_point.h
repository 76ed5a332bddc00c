#pragma once
// Restore points: what an action will change, read before it runs and compared with what it
// will set; kept as a folder of files before its first change; put back by an undo.
//
// A restore point's folder holds restore.reg (the values as a registry script that opens in
// regedit: UTF-16 with a byte-order mark, an absent value as "Name"=-), oemlogo.bmp when there
// was a logo, and 来源.txt (UTF-16): what made it, then whether the logo was there.
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vx {

inline constexpr size_t kRestorePointsKept = 20;

// One value under HKEY_LOCAL_MACHINE.
struct KeyedValue {
    std::wstring key, name;
    RawValue value;
    friend bool operator==(const KeyedValue&, const KeyedValue&) = default;
};

enum class LogoPlan { Untouched, Set, Remove };

// What an action will leave: each value it sets or deletes, and what becomes of the logo.
struct Plan {
    std::vector<KeyedValue> values;
    LogoPlan logo = LogoPlan::Untouched;
    // The new logo's bytes; nothing when they cannot be read, which counts as a change.
    std::optional<std::string> logoBytes;
    // It also changes what no restore point keeps (a script's other keys): it always runs.
    bool alwaysRuns = false;
};

// What is there now of what a plan concerns: the values, and the logo when the plan touches it.
struct Snapshot {
    std::vector<KeyedValue> values;
    bool logoKept = false;
    std::optional<std::string> logo;  // nothing when there was no logo file
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

struct RestorePoint {
    std::wstring name, origin;
    Snapshot state;
};

// The values and logo a plan concerns as they are now; a value or logo that is there but cannot
// be read gives nothing, with `failure` naming it and why.
std::optional<Snapshot> ReadSnapshot(const Plan& plan, RestorePorts& ports, std::wstring* failure);

// A snapshot as the plan that puts it back.
Plan RestorePlan(const Snapshot& state);

enum class LogoChange { Untouched, Replace, Remove, Same };

struct ValueChange {
    std::wstring name;  // as shown: the value's name, WOW6432Node\ before one of the 32-bit view
    RawValue from, to;
};

struct Comparison {
    std::vector<ValueChange> changes;  // only the values that differ, in the plan's order
    LogoChange logo = LogoChange::Untouched;
    bool Changes() const { return !changes.empty() || logo == LogoChange::Replace || logo == LogoChange::Remove; }
};

Comparison Compare(const Snapshot& now, const Plan& plan);

// The dry run's lines: "Manufacturer: 旧值 -> 新值" ((无) for absent), "oemlogo.bmp: 替换".
std::vector<std::wstring> WhatIfLines(const Comparison& c);
// A value as the lines show it.
std::wstring ShownValue(const RawValue& v);
// The logo's word in the lines: 替换, 删除 or 不变; empty when untouched.
const wchar_t* LogoWord(LogoChange c);

// The name for a point made at `now`: 20261207-153000, then -2, -3... while taken.
std::wstring NewRestorePointName(const LocalTime& now, const std::vector<std::wstring>& taken);
// Restore point names only, newest first (by time, then by suffix).
std::vector<std::wstring> NewestFirst(const std::vector<std::wstring>& names);
// The ones beyond the newest kRestorePointsKept.
std::vector<std::wstring> ToPrune(const std::vector<std::wstring>& names);
// "2026-12-07 15:30:00" for 20261207-153000 (and its -2...).
std::wstring RestorePointTime(const std::wstring& name);

std::vector<StoredFile> RestorePointFiles(const Snapshot& state, const std::wstring& origin);
// Nothing when the files are not a restore point's.
std::optional<RestorePoint> ReadRestorePoint(const std::wstring& name,
                                             const std::vector<StoredFile>& files);

}  // namespace vx
