// The apply button's actions against a fake system that behaves as the command interpreter
// does (md of an existing folder exits 1, copy of a missing file exits 1, del and rd of missing
// things exit 0). The outcomes the end-to-end tests show on the real system are not repeated
// here; these are the step order and the faults Wine cannot produce (a refused registry write,
// a command that hangs or never starts, a copy that lies).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/apply_actions.h"
#include "core/texts.h"

namespace vx {
namespace {

const std::wstring kProgram = L"C:\\Tools\\Vendrix";
const std::wstring kAurora = L"C:\\Tools\\Vendrix\\oemdata\\Aurora PC";
const std::wstring kCustomLogo = L"C:\\My Pictures\\shop logo.bmp";
const std::wstring kOemFolder = L"%windir%\\system32\\oem\\";
const std::wstring kOemLogo = L"%windir%\\system32\\oem\\oemlogo.bmp";

// What goes wrong on the system.
struct Faults {
    bool oemThere = false;  // the oem folder and its logo are already there
    bool interpreterMissing = false;
    std::wstring hanging;   // the command that never finishes
    bool copyLies = false;  // copy exits 0 but no file arrives
    bool logoLocked = false;
    std::set<std::wstring> refused;  // registry values whose write is refused
};

class FakeSystem : public CommandRunner,
                   public OemFilesProbe,
                   public CurrentFolder,
                   public RegistryPort,
                   public PresetFiles,
                   public Questioner,
                   public LogoPreparer {
  public:
    // Everything the action asked of the system, in order.
    std::vector<std::wstring> log;

    std::wstring cwd = kProgram;
    std::set<std::wstring> folders;
    std::set<std::wstring> files;
    bool oemFolder = false;
    bool oemLogo = false;

    Faults faults;

    CustomValues custom;
    std::map<std::wstring, AnyValue> stored;

    ApplyPorts ports{*this, *this, *this, *this, *this};
    PresetPorts preset{*this, *this};

    // The preset's script and a file planted beside it; every question is answered No.
    std::optional<std::string> script = "REGEDIT4\r\n";
    bool planted = false;  // found: the pattern looked for
    std::optional<std::string> ReadFile(const std::wstring&) override { return script; }
    std::wstring FindFile(const std::wstring& p) override { return planted ? p : L""; }
    std::wstring DecodeAnsi(std::string_view b) override { return {b.begin(), b.end()}; }
    bool AskYesNo(const std::wstring& q) override { return log.push_back(L"ask " + q), false; }

    CommandResult Run(const std::wstring& commandLine) override {
        log.push_back(L"run " + commandLine);
        if (faults.interpreterMissing) return {};
        if (commandLine == faults.hanging) return {true, false, 0};
        return {true, true, Execute(commandLine)};
    }

    bool OemFolderExists() override { return oemFolder; }
    bool OemLogoExists() override { return oemLogo; }

    bool Enter(const std::wstring& folder) override {
        log.push_back(L"cd " + folder);
        if (!folders.count(folder)) return false;
        cwd = folder;
        return true;
    }

    WriteResult SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                 const AnyValue& value, int valueType, int flag) override {
        log.push_back(L"write " + valueName + L"='" + value.ToText() + L"'");
        EXPECT_EQ(keyName, text::kOemKey);
        EXPECT_EQ(valueType, 8);
        EXPECT_EQ(flag, 1);
        if (faults.refused.count(valueName)) return {5, L"拒绝访问。"};
        stored[valueName] = value;
        return {};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring&,
                              const AnyValue& defaultValue) override {
        return defaultValue;
    }
    PreparedLogo Prepare(const std::wstring& path) override { return {path, false, {}}; }
    void Discard(const std::wstring&) override { ADD_FAILURE() << "nothing to discard"; }

  private:
    unsigned long Execute(const std::wstring& commandLine) {
        if (commandLine == text::kCmdMdOem) {
            if (oemFolder) return 1;
            oemFolder = true;
            return 0;
        }
        if (commandLine == text::kCmdCopyBrandLogo) return Copy(cwd + L"\\oemlogo.bmp");
        if (commandLine.starts_with(text::kCmdCustomCopyPrefix)) {
            const size_t open = commandLine.find(L'"');
            return Copy(commandLine.substr(open + 1, commandLine.find(L'"', open + 1) - open - 1));
        }
        if (commandLine == text::kCmdRegImport) return files.count(cwd + L"\\oem.reg") ? 0 : 1;
        if (commandLine == text::kCmdDelLogo) {
            if (!faults.logoLocked) oemLogo = false;
            return 0;
        }
        if (commandLine == text::kCmdRdOem) {
            if (!oemLogo) oemFolder = false;
            return 0;
        }
        ADD_FAILURE() << "unexpected command";
        return 9009;
    }

    unsigned long Copy(const std::wstring& source) {
        if (faults.copyLies) return 0;
        if (!files.count(source) || !oemFolder) return 1;
        oemLogo = true;
        return 0;
    }
};

std::wstring Ran(const std::wstring& command) { return L"run " + command; }
std::wstring Write(const std::wstring& name, const std::wstring& text) {
    return L"write " + name + L"='" + text + L"'";
}

TEST(ApplyChoice, ByExactTextOfTheSelection) {
    const struct {
        std::wstring text;
        ApplyChoice expected;
    } cases[] = {
        {L"", ApplyChoice::NothingSelected},
        {L"自定义...", ApplyChoice::Custom},
        {L"清除OEM信息...", ApplyChoice::Clear},
        {L"Aurora PC", ApplyChoice::Brand},
        {L" ", ApplyChoice::Brand},
        {L"自定义... ", ApplyChoice::Brand},
        {L"清除oem信息...", ApplyChoice::Brand},
        {L"自定义…", ApplyChoice::Brand},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseApplyAction(c.text), c.expected) << "text: [" << c.text.size() << "]";
}

// ---- the steps of each action, in order ----

enum class Kind { Brand, Clear, Custom };

// A system where the action can fully succeed: the brand preset is complete, the custom fields
// were confirmed with a logo that exists.
ActionOutcome RunAction(Kind kind, FakeSystem& sys, const Faults& faults = {}) {
    sys.folders.insert(kAurora);
    sys.files = {kAurora + L"\\oemlogo.bmp", kAurora + L"\\oem.reg", kCustomLogo};
    const std::wstring fields[] = {L"联想",         L"联想电脑", L"www.x.example",
                                   L"800-810-8888", kCustomLogo, L"9：00-20：00"};
    const auto f = [&](int i) { return AnyValue::FromText(fields[i]); };
    sys.custom = {f(0), f(1), f(2), f(3), f(4), f(5)};
    sys.faults = faults;
    sys.oemFolder = sys.oemLogo = faults.oemThere;
    if (kind == Kind::Brand) return RunBrandAction(kProgram, L"Aurora PC", sys.ports, sys.preset);
    if (kind == Kind::Clear) return RunClearAction(sys.ports);
    return RunCustomAction(sys.custom, sys.ports);
}

TEST(BrandAction, EntersThePresetFolderThenRunsMdCopyImport) {
    FakeSystem sys;
    const ActionOutcome outcome = RunAction(Kind::Brand, sys);
    EXPECT_EQ(sys.log, (std::vector<std::wstring>{
                           L"cd " + kAurora, Ran(L"cmd /c md %windir%\\system32\\oem\\"),
                           Ran(L"cmd /c copy /y oemlogo.bmp %windir%\\system32\\oem\\"),
                           Ran(L"cmd /c reg import oem.reg")}));
    EXPECT_EQ(outcome.message, text::kMsgBrandDone);
    EXPECT_EQ(sys.cwd, kAurora);
}

TEST(ClearAction, RunsDelRdThenWritesSixEmptyTexts) {
    FakeSystem sys;
    const ActionOutcome outcome = RunAction(Kind::Clear, sys, {.oemThere = true});
    EXPECT_EQ(sys.log, (std::vector<std::wstring>{
                           Ran(L"cmd /c del " + kOemLogo), Ran(L"cmd /c rd " + kOemFolder),
                           Write(L"Model", L""), Write(L"Logo", L""), Write(L"Manufacturer", L""),
                           Write(L"SupportURL", L""), Write(L"SupportPhone", L""),
                           Write(L"SupportHours", L"")}));
    EXPECT_EQ(outcome.message, text::kMsgClearDone);
    EXPECT_EQ(sys.cwd, kProgram);
    for (const auto& [name, value] : sys.stored) EXPECT_EQ(value, AnyValue::FromText(L"")) << name;
}

TEST(CustomAction, ReadsEachFieldJustBeforeItsWrite) {
    FakeSystem sys;
    const ActionOutcome outcome = RunAction(Kind::Custom, sys);
    EXPECT_EQ(sys.log, (std::vector<std::wstring>{
                           Ran(L"cmd /c md " + kOemFolder),
                           Ran(L"cmd /c copy /y \"" + kCustomLogo + L"\" " + kOemLogo),
                           Write(L"Model", L"联想电脑"),
                           Write(L"Logo", kOemLogo),
                           Write(L"Manufacturer", L"联想"),
                           Write(L"SupportURL", L"www.x.example"),
                           Write(L"SupportPhone", L"800-810-8888"),
                           Write(L"SupportHours", L"9：00-20：00"),
                       }));
    EXPECT_EQ(outcome.message, text::kMsgCustomDone);
    EXPECT_EQ(sys.cwd, kProgram);
}

// Refused or declined before any step; the message or the question says why.
TEST(BrandAction, ChecksThePresetBeforeAnyStep) {
    std::string many =
        "REGEDIT4\n[-HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n";
    for (int i = 0; i < 12; ++i) many += "[HKLM\\Run]\n\"v" + std::to_string(i) + "\"=\"\"\n";
    const struct {
        std::optional<std::string> script;
        bool planted;
        std::wstring shown;
    } cases[] = {
        {many, false, L"：\n· 删除键 HKEY_LOCAL_MACHINE\\SOFTWARE\\"},
        {many, false, L"· 值 v8（HKEY_LOCAL_MACHINE\\Run）\n等 13 处\n\n是否仍要导入？"},
        {"plain", false, kAurora + L"\\oem.reg\n无法识别第 1 行：plain"},
        {std::nullopt, false, L"：\n" + kAurora + L"\\oem.reg"},
        {"REGEDIT4", true, L"：\n" + kAurora + L"\\reg.*"},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        sys.script = c.script;
        sys.planted = c.planted;
        const ActionOutcome outcome = RunAction(Kind::Brand, sys);
        const bool asked = sys.log.back().starts_with(L"ask ");
        EXPECT_EQ(sys.log.size(), asked ? 2u : 1u) << "no step runs";
        EXPECT_NE((sys.log.back() + outcome.message).find(c.shown), std::wstring::npos) << c.shown;
        EXPECT_EQ(outcome.message.empty(), asked) << "the answer No is the last word";
    }
}

// ---- what each fault gives: every step still runs, the message names each failed step ----

using Failed = std::vector<std::pair<ApplyStep, std::wstring>>;

struct FaultCase {
    const char* name;
    Kind kind;
    Faults faults;
    Failed expected;
};

TEST(ApplyActions, EachFaultIsReportedStepByStepAndTheOtherStepsStillRun) {
    const std::wstring logo = kAurora + L"\\oemlogo.bmp";
    const std::wstring quoted = L"\"" + kCustomLogo + L"\"";
    const FaultCase cases[] = {
        {"brand: oem folder and logo already there", Kind::Brand, {.oemThere = true}, {}},
        {"brand: copy lies", Kind::Brand, {.copyLies = true}, {{ApplyStep::CopyLogo, logo}}},
        {"brand: copy never finishes",
         Kind::Brand,
         {.hanging = text::kCmdCopyBrandLogo},
         {{ApplyStep::CopyLogo, logo}}},
        {"brand: command interpreter cannot start",
         Kind::Brand,
         {.interpreterMissing = true},
         {{ApplyStep::MakeOemFolder, kOemFolder},
          {ApplyStep::CopyLogo, logo},
          {ApplyStep::ImportScript, kAurora + L"\\oem.reg"}}},
        {"clear: logo cannot be deleted",
         Kind::Clear,
         {.oemThere = true, .logoLocked = true},
         {{ApplyStep::DeleteLogo, kOemLogo}, {ApplyStep::RemoveOemFolder, kOemFolder}}},
        {"clear: a registry write refused",
         Kind::Clear,
         {.refused = {L"SupportURL"}},
         {{ApplyStep::WriteValue, L"SupportURL"}}},
        {"clear: two registry writes refused",
         Kind::Clear,
         {.refused = {L"Model", L"SupportHours"}},
         {{ApplyStep::WriteValue, L"Model"}, {ApplyStep::WriteValue, L"SupportHours"}}},
        {"clear: del never finishes",
         Kind::Clear,
         {.hanging = text::kCmdDelLogo},
         {{ApplyStep::DeleteLogo, kOemLogo}}},
        {"clear: command interpreter cannot start",
         Kind::Clear,
         {.interpreterMissing = true},
         {{ApplyStep::DeleteLogo, kOemLogo}, {ApplyStep::RemoveOemFolder, kOemFolder}}},
        {"custom: Model refused",
         Kind::Custom,
         {.refused = {L"Model"}},
         {{ApplyStep::WriteValue, L"Model"}}},
        {"custom: Logo refused",
         Kind::Custom,
         {.refused = {L"Logo"}},
         {{ApplyStep::WriteValue, L"Logo"}}},
        {"custom: md never finishes, so the copy has no folder",
         Kind::Custom,
         {.hanging = text::kCmdMdOem},
         {{ApplyStep::MakeOemFolder, kOemFolder}, {ApplyStep::CopyLogo, quoted}}},
    };
    const std::map<Kind, std::pair<const wchar_t*, const wchar_t*>> messages = {
        {Kind::Brand, {text::kMsgBrandDone, text::kMsgBrandFailed}},
        {Kind::Clear, {text::kMsgClearDone, text::kMsgClearFailed}},
        {Kind::Custom, {text::kMsgCustomDone, text::kMsgCustomFailed}}};
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem sys;
        const ActionOutcome outcome = RunAction(c.kind, sys, c.faults);
        Failed failed;
        for (const StepFailure& f : outcome.failures) failed.emplace_back(f.step, f.subject);
        EXPECT_EQ(failed, c.expected);
        size_t steps = 0;
        for (const std::wstring& e : sys.log)
            steps += e.starts_with(L"run ") || e.starts_with(L"write ");
        EXPECT_EQ(steps, c.kind == Kind::Brand ? 3u : 8u) << "every step runs";
        const auto& [done, failedHeading] = messages.at(c.kind);
        if (c.expected.empty()) {
            EXPECT_EQ(outcome.message, done);
            continue;
        }
        // Under the heading, one line per failed step naming its subject and reason.
        EXPECT_TRUE(outcome.message.starts_with(failedHeading)) << "heading missing";
        EXPECT_EQ(std::count(outcome.message.begin(), outcome.message.end(), L'\n'),
                  static_cast<std::ptrdiff_t>(outcome.failures.size()));
        for (const StepFailure& f : outcome.failures) {
            EXPECT_NE(outcome.message.find(f.subject), std::wstring::npos);
            EXPECT_FALSE(f.reason.empty());
            EXPECT_NE(outcome.message.find(f.reason), std::wstring::npos);
        }
        if (c.faults.hanging.empty()) continue;
        EXPECT_NE(outcome.failures.front().reason.find(std::to_wstring(kCommandTimeoutSeconds)),
                  std::wstring::npos)
            << "a command past its time limit is reported as not finished";
    }
}

}  // namespace
}  // namespace vx
