#pragma once
// The system faked for the actions' tests.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "core/command/command_run.h"
#include "core/oem/apply_actions.h"
#include "core/texts.h"

namespace vx::fakes {

using namespace text;
using S = std::wstring;

// Commands have their effect on the oem folder and its logo, except the one named `failing`,
// which only gives `failure` (its default: not started; {true, true, 0}: says it succeeded and
// did nothing); a write of a value, file or folder of that name is refused. The registry keeps
// the texts written by value name. The preset library keeps its files' bytes by path: program
// folder C:\V lists and holds preset B, whose script sets nothing. Every question is answered
// `yes`; the firmware's BIOS key names Acme.
struct FakeSystem : CommandRunner, OemFilesProbe, CurrentFolder, RegistryPort, LogoPreparer,
                    PresetFiles, Questioner, CurrentOemSource, FirmwarePort {
    S failing;
    CommandResult failure;
    bool folder = true, logo = true;  // the oem folder and its logo are there
    int steps = 0;                    // commands run and values written
    std::map<S, S> values;
    std::map<S, std::string> files = {{L"C:\\V\\oemlist.ini", "B\r\n"},
                                      {L"C:\\V\\oemdata\\B\\oem.reg", "REGEDIT4\r\n"}};
    std::set<S> folders = {L"C:\\V\\oemdata\\B"};
    bool yes = false;
    S temporary;  // where a picture is fitted into a bitmap: nowhere, it is one
    CurrentOem current{{}, L"L"};
    std::string smbios;  // naming nobody, so the BIOS key counts
    std::map<S, S> bios = {{L"SystemManufacturer", L"Acme"}};
    ApplyPorts ports{*this, *this, *this, *this, *this};
    PresetPorts preset{*this, *this};

    CommandResult Run(const S& line) override {
        ++steps;
        if (line == failing) return failure;
        if (line == kCmdMdOem) folder = true;
        if (line.starts_with(kCmdCustomCopyPrefix)) logo = folder;
        if (line == kCmdDelLogo) logo = false;
        if (line == kCmdRdOem) folder = logo;
        return {true, true, 0};
    }
    bool OemFolderExists() override { return folder; }
    bool OemLogoExists() override { return logo; }
    bool Enter(const S& f) override { return folders.contains(f); }
    template <typename Done>
    WriteResult Write(const S& name, Done done) {  // refused for `failing`, else done
        if (name != failing) done();
        return name == failing ? WriteResult{5, L"拒绝访问。"} : WriteResult{};
    }
    WriteResult SetRegistryValue(const S&, const S& name, const AnyValue& v, int, int) override {
        ++steps;
        return Write(name, [&] { values[name] = v.ToText(); });
    }
    std::optional<RawValue> ReadValue(const S&, const S&) override { return RawValue{}; }
    WriteResult WriteValue(const S&, const S&, const RawValue&) override { return {}; }
    AnyValue GetRegistryValue(const S&, const S& name, const AnyValue& d) override {
        return values.contains(name) ? AnyValue::FromText(values[name]) : d;
    }
    PreparedLogo Prepare(const S& p) override { return {temporary + p, !temporary.empty(), {}}; }
    void Discard(const S& p) override { EXPECT_EQ(p, temporary + L"C:\\a b.bmp"); }
    bool FileExists(const S& p) override { return files.contains(p); }
    bool FolderExists(const S& p) override { return folders.contains(p); }
    std::optional<std::string> ReadFile(const S& p) override {
        return files.contains(p) ? std::optional(files[p]) : std::nullopt;
    }
    S FindFile(const S& pattern) override {  // "...\reg.*" finds "...\reg." and anything after
        const S prefix = pattern.substr(0, pattern.size() - 1);
        const auto found = files.lower_bound(prefix);
        return found != files.end() && found->first.starts_with(prefix) ? found->first : L"";
    }
    WriteResult MakeFolder(const S& p) override { return Write(p, [&] { folders.insert(p); }); }
    WriteResult WriteFile(const S& p, const std::string& b) override { return Write(p, [&] { files[p] = b; }); }
    WriteResult RemoveFile(const S& p) override { return Write(p, [&] { files.erase(p); }); }
    void RemoveTree(const S& p) override {
        std::erase_if(files, [&](const auto& f) { return f.first.starts_with(p + L"\\"); });
        folders.erase(p);
    }
    // ASCII stands for the system's code page: nothing else has a form there.
    S DecodeAnsi(std::string_view b) override { return {b.begin(), b.end()}; }
    std::optional<std::string> EncodeAnsi(const S& t) override {
        if (std::any_of(t.begin(), t.end(), [](wchar_t c) { return c > 0x7F; })) return std::nullopt;
        return std::string(t.begin(), t.end());
    }
    bool AskYesNo(const S&) override { return yes; }
    CurrentOem Read() override { return current; }
    std::string SmbiosTable() override { return smbios; }
    S BiosValue(const wchar_t* name) override { return bios[name]; }
};

}  // namespace vx::fakes
