#pragma once
// Fakes of the system for the actions' tests.
#include <gtest/gtest.h>

#include <optional>

#include "core/oem/apply_actions.h"
#include "core/command/command_run.h"
#include "core/preset/preset_save.h"
#include "core/texts.h"

namespace vx::fakes {

using namespace text;
using S = std::wstring;

// Commands succeed and have their effect, except the one named `failing`, which gives
// `failure`; a value write of that name is refused. The preset's script sets nothing, no
// reg.* lies beside it, and every question is answered No.
struct FakeSystem : CommandRunner, OemFilesProbe, CurrentFolder, RegistryPort, LogoPreparer,
                    PresetFiles, Questioner, CurrentOemSource, FirmwarePort {
    std::wstring failing;
    CommandResult failure;
    bool folder = true, logo = true;  // the oem folder and its logo are there
    int steps = 0;
    std::optional<std::string> script = "REGEDIT4\r\n";
    bool planted = false;
    std::wstring asked, temporary;  // what a picture becomes: nothing, it is the logo
    ApplyPorts ports{*this, *this, *this, *this, *this};
    PresetPorts preset{*this, *this};

    CommandResult Run(const std::wstring& line) override {
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
    bool Enter(const std::wstring& f) override { return f.ends_with(L"\\oemdata\\B"); }
    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& name, const AnyValue&,
                                 int, int) override {
        ++steps;
        return name == failing ? WriteResult{5, L"拒绝访问。"} : WriteResult{};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring&,
                              const AnyValue& d) override {
        return d;
    }
    std::optional<RawValue> ReadValue(const S&, const S&) override { return RawValue{}; }
    WriteResult WriteValue(const S&, const S&, const RawValue&) override { return {}; }
    PreparedLogo Prepare(const std::wstring& p) override {
        return p == L"bad" ? PreparedLogo{{}, false, kWhyNotAPicture}
                           : PreparedLogo{temporary + p, !temporary.empty(), {}};
    }
    void Discard(const std::wstring& p) override { EXPECT_EQ(p, temporary + L"C:\\a b.bmp"); }
    std::optional<std::string> ReadFile(const std::wstring&) override { return script; }
    std::wstring FindFile(const std::wstring& p) override { return planted ? p : L""; }
    std::wstring DecodeAnsi(std::string_view b) override { return {b.begin(), b.end()}; }
    bool AskYesNo(const std::wstring& q) override { return asked = q, false; }
    CurrentOem Read() override { return {{}, L"L"}; }
    std::string SmbiosTable() override { return {}; }  // the BIOS key names Acme, no model
    S BiosValue(const wchar_t* n) override { return n == S(L"SystemManufacturer") ? L"Acme" : L""; }
};

// Program folder P, preset N, logo file L; `log` lists the steps by file name.
struct FakeFiles : PresetFilesPort {
    S existing, failing, log;
    std::string list;  // the list file; none when empty
    bool yes = false;
    Questioner* asker = nullptr;  // when set, answers instead of `yes`
    bool FileExists(const S& p) override { return p != L"P\\oemlist.ini" || !list.empty(); }
    bool FolderExists(const S& p) override { return p == existing; }
    bool ReadFile(const S& p, std::string* b) override { return p == L"L" || (*b = list, p != L"gone"); }
    WriteResult Do(const wchar_t* op, const S& p) {
        log += op + p.substr(p.rfind(L'\\') + 1) + L";";
        return p == failing ? WriteResult{5, L"denied"} : WriteResult{};
    }
    WriteResult MakeFolder(const S& p) override { return Do(L"md ", p); }
    WriteResult WriteFile(const S& p, const std::string&) override { return Do(L"write ", p); }
    WriteResult RemoveFile(const S& p) override { return Do(L"del ", p); }
    void RemoveTree(const S& p) override { Do(L"rd ", p); }
    bool AskYesNo(const S& q) override { return log += L"ask;", asker ? asker->AskYesNo(q) : yes; }
    std::optional<std::string> ToAnsi(const S&) override { return "N"; }
    S FromAnsi(const std::string& b) override { return {b.begin(), b.end()}; }
};

}  // namespace vx::fakes
