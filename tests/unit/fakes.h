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
// did nothing); a write of a value or file of that name is refused. The registry keeps the
// texts written by value name. The preset library keeps its files' bytes by path: program
// folder C:\V lists and holds preset B, whose script sets nothing. Every question is answered `yes`.
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
    S temporary;  // what a picture becomes: nothing, it is the logo
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
    WriteResult SetRegistryValue(const S&, const S& name, const AnyValue& v, int, int) override {
        ++steps;
        if (name == failing) return {5, L"拒绝访问。"};
        values[name] = v.ToText();
        return {};
    }
    AnyValue GetRegistryValue(const S&, const S& name, const AnyValue& d) override {
        return values.contains(name) ? AnyValue::FromText(values[name]) : d;
    }
    PreparedLogo Prepare(const S& p) override {
        if (p == L"bad") return {{}, false, kWhyNotAPicture};
        return {temporary + p, !temporary.empty(), {}};
    }
    void Discard(const S& p) override { EXPECT_EQ(p, temporary + L"C:\\a b.bmp"); }

    bool FileExists(const S& p) override { return files.contains(p); }
    bool FolderExists(const S& p) override { return folders.contains(p); }
    std::optional<std::string> ReadFile(const S& p) override {
        if (!files.contains(p)) return std::nullopt;
        return files[p];
    }
    S FindFile(const S& pattern) override {  // "...\reg.*" finds "...\reg." and anything after
        const S prefix = pattern.substr(0, pattern.size() - 1);
        const auto found = files.lower_bound(prefix);
        return found != files.end() && found->first.starts_with(prefix) ? found->first : L"";
    }
    WriteResult Written(const S& path) {
        return path == failing ? WriteResult{5, L"denied"} : WriteResult{};
    }
    WriteResult MakeFolder(const S& p) override {
        if (Written(p).ok()) folders.insert(p);
        return Written(p);
    }
    WriteResult WriteFile(const S& p, const std::string& bytes) override {
        if (Written(p).ok()) files[p] = bytes;
        return Written(p);
    }
    WriteResult RemoveFile(const S& p) override {
        if (Written(p).ok()) files.erase(p);
        return Written(p);
    }
    void RemoveTree(const S& p) override {
        std::erase_if(files, [&](const auto& f) { return f.first.starts_with(p + L"\\"); });
        folders.erase(p);
    }
    // Latin-1 stands for the system's code page.
    S DecodeAnsi(std::string_view b) override { return {b.begin(), b.end()}; }
    std::optional<std::string> EncodeAnsi(const S& t) override {
        for (wchar_t c : t)
            if (c > 0xFF) return std::nullopt;
        return std::string(t.begin(), t.end());
    }
    bool AskYesNo(const S&) override { return yes; }
    CurrentOem Read() override { return {{}, L"L"}; }
    std::string SmbiosTable() override { return {}; }  // the BIOS key names `maker`, no model
    S maker = L"Acme";
    S BiosValue(const wchar_t* n) override { return n == S(L"SystemManufacturer") ? maker : L""; }
};

}  // namespace vx::fakes
