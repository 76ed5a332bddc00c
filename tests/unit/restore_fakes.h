#pragma once
// A machine held in memory behind the exact registry, the OEM logo, the restore points and the
// clock: everything written is kept, so a table can read back what an action left.
#include <map>
#include <optional>

#include "core/ports.h"
#include "core/preset/reg_codec.h"

namespace vx::fakes {

// A write whose value name (or "logo", or a restore point's name) is `refused` fails, and so
// does every read of `unreadable`.
struct FakeMachine : RegistryPort, OemLogoFiles, RestorePointStore, Clock {
    std::map<std::pair<std::wstring, std::wstring>, RawValue> values;
    std::optional<std::string> logo;
    std::map<std::wstring, std::vector<StoredFile>> points;
    LocalTime now{2026, 12, 7, 15, 30, 0};
    std::wstring refused, unreadable;
    int writes = 0;  // of values, the logo and restore points
    RestorePorts ports{*this, *this, *this, *this};

    WriteResult Check(const std::wstring& name) {
        ++writes;
        return name == refused ? WriteResult{5, L"拒绝访问。"} : WriteResult{};
    }
    // Texts as the actions write them: expandable, with their terminator.
    WriteResult SetRegistryValue(const std::wstring& key, const std::wstring& name,
                                 const AnyValue& v, int, int) override {
        return WriteValue(key, name, {true, reg::kExpandSz, reg::Utf16LeBytes(v.ToText() + L'\0')});
    }
    AnyValue GetRegistryValue(const std::wstring& key, const std::wstring& name,
                              const AnyValue& d) override {
        const RawValue v = values[{key, name}];
        const std::wstring text = reg::FromUtf16LeBytes(v.bytes);
        return v.exists ? AnyValue::FromText(text.substr(0, text.find(L'\0'))) : d;
    }
    std::optional<RawValue> ReadValue(const std::wstring& key, const std::wstring& name) override {
        if (name == unreadable) return std::nullopt;
        const auto at = values.find({key, name});
        return at == values.end() ? RawValue{} : at->second;
    }
    WriteResult WriteValue(const std::wstring& key, const std::wstring& name,
                           const RawValue& v) override {
        const WriteResult r = Check(name);
        if (r.ok()) v.exists ? void(values[{key, name}] = v) : void(values.erase({key, name}));
        return r;
    }
    LogoReading ReadLogo() override {
        if (unreadable == L"logo") return {std::nullopt, {5, L"拒绝访问。"}};
        return {logo, {}};
    }
    WriteResult WriteLogo(const std::string& bytes) override {
        const WriteResult r = Check(L"logo");
        if (r.ok()) logo = bytes;
        return r;
    }
    WriteResult RemoveLogo() override {
        const WriteResult r = Check(L"logo");
        if (r.ok()) logo.reset();
        return r;
    }
    std::wstring LogoPath() override { return L"C:\\Windows\\System32\\oem\\oemlogo.bmp"; }
    std::wstring Folder() override { return L"C:\\ProgramData\\Vendrix\\RestorePoints"; }
    std::vector<std::wstring> Names() override {
        std::vector<std::wstring> names;
        for (const auto& [name, files] : points) names.push_back(name);
        return names;
    }
    std::optional<std::vector<StoredFile>> Read(const std::wstring& name) override {
        const auto at = points.find(name);
        if (at == points.end() || name == unreadable) return std::nullopt;
        return at->second;
    }
    WriteResult Write(const std::wstring& name, const std::vector<StoredFile>& files) override {
        if (points.contains(name)) return {183, L"文件已存在。"};
        const WriteResult r = Check(name);
        if (r.ok()) points[name] = files;
        return r;
    }
    WriteResult Remove(const std::wstring& name) override {
        return points.erase(name) ? WriteResult{} : WriteResult{2, L"找不到文件。"};
    }
    LocalTime Now() override { return now; }
};

}  // namespace vx::fakes
