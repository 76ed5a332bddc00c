// The apply button's actions against a fake system that behaves as the command interpreter
// does (md of an existing folder exits 1, copy of a missing file exits 1, rd keeps a folder
// that still holds files, del and rd of missing things exit 0).
#include <gtest/gtest.h>

#include <functional>
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
const std::wstring kStartFolder = L"C:\\Tools\\Vendrix";
const std::wstring kAurora = L"C:\\Tools\\Vendrix\\oemdata\\Aurora PC";
const std::wstring kQingsong = L"C:\\Tools\\Vendrix\\oemdata\\青松电脑";
const std::wstring kCustomLogo = L"C:\\My Pictures\\shop logo.bmp";

class FakeSystem : public CommandRunner,
                   public OemFilesProbe,
                   public CurrentFolder,
                   public RegistryPort,
                   public CustomFieldsReader {
  public:
    // Everything the action asked of the system, in order.
    std::vector<std::wstring> log;

    std::wstring cwd = kStartFolder;
    std::set<std::wstring> folders;
    std::set<std::wstring> files;
    std::set<std::wstring> badScripts;
    bool oemFolder = false;
    bool oemLogo = false;
    bool oemOtherFile = false;

    // Faults.
    bool interpreterMissing = false;
    std::wstring hangingCommand;
    bool copyReportsSuccessWithoutFile = false;
    bool logoLocked = false;
    std::set<std::wstring> refusedValues;

    std::map<int, AnyValue> diy;
    std::map<std::wstring, AnyValue> stored;

    ApplyPorts ports{*this, *this, *this, *this};

    void AddPreset(const std::wstring& folder, bool logo = true, bool script = true) {
        folders.insert(folder);
        if (logo) files.insert(folder + L"\\oemlogo.bmp");
        if (script) files.insert(folder + L"\\oem.reg");
    }

    CommandResult Run(const std::wstring& commandLine) override {
        log.push_back(L"run " + commandLine);
        if (interpreterMissing) return {};
        if (commandLine == hangingCommand) return {true, false, 0};
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

    bool SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                          const AnyValue& value, int valueType, int flag) override {
        log.push_back(L"write " + valueName + L"=" +
                      (value.IsEmpty() ? L"(empty)" : L"'" + value.ToText() + L"'"));
        EXPECT_EQ(keyName, text::kOemKey);
        EXPECT_EQ(valueType, 8);
        EXPECT_EQ(flag, 1);
        if (refusedValues.count(valueName)) return false;
        // As the registry procedures do: the empty value writes nothing and succeeds.
        if (!value.IsEmpty()) stored[valueName] = value;
        return true;
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring&,
                              const AnyValue& defaultValue) override {
        return defaultValue;
    }

    AnyValue Diy(int number) override {
        log.push_back(L"read Diy" + std::to_wstring(number));
        return diy[number];
    }

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
            const size_t close = commandLine.find(L'"', open + 1);
            return Copy(commandLine.substr(open + 1, close - open - 1));
        }
        if (commandLine == text::kCmdRegImport) {
            const std::wstring script = cwd + L"\\oem.reg";
            return files.count(script) && !badScripts.count(script) ? 0 : 1;
        }
        if (commandLine == text::kCmdDelLogo) {
            if (!logoLocked) oemLogo = false;
            return 0;
        }
        if (commandLine == text::kCmdRdOem) {
            if (oemFolder && !oemLogo && !oemOtherFile) oemFolder = false;
            return 0;
        }
        ADD_FAILURE() << "unexpected command";
        return 9009;
    }

    unsigned long Copy(const std::wstring& source) {
        if (copyReportsSuccessWithoutFile) return 0;
        if (!files.count(source) || !oemFolder) return 1;
        oemLogo = true;
        return 0;
    }
};

std::wstring Ran(const std::wstring& command) { return L"run " + command; }
std::wstring Write(const std::wstring& name, const std::wstring& text) {
    return L"write " + name + L"='" + text + L"'";
}
std::wstring WriteEmptyValue(const std::wstring& name) { return L"write " + name + L"=(empty)"; }

using Failed = std::vector<std::pair<ApplyStep, std::wstring>>;

Failed FailedSteps(const ActionOutcome& outcome) {
    Failed out;
    for (const StepFailure& f : outcome.failures) out.emplace_back(f.step, f.subject);
    return out;
}

// A failure message names each failed step's subject and reason on a line of its own,
// under the action's heading, and nothing else.
void ExpectFailureMessage(const ActionOutcome& outcome, const wchar_t* heading) {
    ASSERT_FALSE(outcome.failures.empty());
    EXPECT_TRUE(outcome.message.starts_with(heading)) << "heading missing";
    size_t lines = 0;
    for (wchar_t c : outcome.message) lines += c == L'\n';
    EXPECT_EQ(lines, outcome.failures.size());
    for (const StepFailure& f : outcome.failures) {
        EXPECT_NE(outcome.message.find(f.subject), std::wstring::npos);
        EXPECT_FALSE(f.reason.empty());
        EXPECT_NE(outcome.message.find(f.reason), std::wstring::npos);
    }
}

// ---- choosing the action ----

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

TEST(ApplyCommands, CustomCopyQuotesThePathAsOneArgument) {
    EXPECT_EQ(CustomCopyCommand(L"C:\\My Pictures\\a b.bmp"),
              L"cmd /c copy /y \"C:\\My Pictures\\a b.bmp\" %windir%\\system32\\oem\\oemlogo.bmp");
    EXPECT_EQ(CustomCopyCommand(L""), L"cmd /c copy /y \"\" %windir%\\system32\\oem\\oemlogo.bmp");
}

// ---- brand action ----

TEST(BrandAction, EntersThePresetFolderThenRunsMdCopyImportInOrder) {
    FakeSystem sys;
    sys.AddPreset(kAurora);
    const ActionOutcome outcome = RunBrandAction(kProgram, L"Aurora PC", sys.ports);
    const std::vector<std::wstring> expected = {
        L"cd " + kAurora,
        Ran(L"cmd /c md %windir%\\system32\\oem\\"),
        Ran(L"cmd /c copy /y oemlogo.bmp %windir%\\system32\\oem\\"),
        Ran(L"cmd /c reg import oem.reg"),
    };
    EXPECT_EQ(sys.log, expected);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(outcome.message, L"修改OEM信息完成！");
    EXPECT_EQ(sys.cwd, kAurora);
    EXPECT_TRUE(sys.oemLogo);
}

TEST(BrandAction, ASecondBrandMovesTheCurrentDirectory) {
    FakeSystem sys;
    sys.AddPreset(kAurora);
    sys.AddPreset(kQingsong);
    RunBrandAction(kProgram, L"Aurora PC", sys.ports);
    RunBrandAction(kProgram, L"青松电脑", sys.ports);
    EXPECT_EQ(sys.cwd, kQingsong);
}

TEST(BrandAction, MissingPresetFolderRunsNothingAndNamesTheFolder) {
    FakeSystem sys;
    sys.AddPreset(kAurora);
    const ActionOutcome outcome = RunBrandAction(kProgram, L"Nowhere", sys.ports);
    const std::wstring folder = kProgram + L"\\oemdata\\Nowhere";
    EXPECT_EQ(sys.log, std::vector<std::wstring>{L"cd " + folder});
    EXPECT_EQ(sys.cwd, kStartFolder);
    EXPECT_TRUE(outcome.refused);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_TRUE(outcome.message.starts_with(text::kMsgPresetFolderMissing));
    EXPECT_NE(outcome.message.find(folder), std::wstring::npos);
    EXPECT_FALSE(sys.oemFolder);
}

struct OutcomeCase {
    const char* name;
    std::function<void(FakeSystem&)> setUp;
    Failed expected;
};

TEST(BrandAction, EachOutcomeGivesItsMessage) {
    const std::wstring logo = kAurora + L"\\oemlogo.bmp";
    const std::wstring script = kAurora + L"\\oem.reg";
    const std::wstring copyLine = L"cmd /c copy /y oemlogo.bmp %windir%\\system32\\oem\\";
    const OutcomeCase cases[] = {
        {"complete preset", [](FakeSystem&) {}, {}},
        {"oem folder and logo already there",
         [](FakeSystem& s) { s.oemFolder = s.oemLogo = true; },
         {}},
        {"preset without logo",
         [&](FakeSystem& s) { s.files.erase(logo); },
         {{ApplyStep::CopyLogo, logo}}},
        {"script that is not a registry script",
         [&](FakeSystem& s) { s.badScripts.insert(script); },
         {{ApplyStep::ImportScript, script}}},
        {"copy exits 0 but no file arrives",
         [](FakeSystem& s) { s.copyReportsSuccessWithoutFile = true; },
         {{ApplyStep::CopyLogo, logo}}},
        {"copy never finishes",
         [&](FakeSystem& s) { s.hangingCommand = copyLine; },
         {{ApplyStep::CopyLogo, logo}}},
        {"command interpreter cannot start",
         [](FakeSystem& s) { s.interpreterMissing = true; },
         {{ApplyStep::MakeOemFolder, L"%windir%\\system32\\oem\\"},
          {ApplyStep::CopyLogo, logo},
          {ApplyStep::ImportScript, script}}},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem sys;
        sys.AddPreset(kAurora);
        c.setUp(sys);
        const ActionOutcome outcome = RunBrandAction(kProgram, L"Aurora PC", sys.ports);
        EXPECT_EQ(FailedSteps(outcome), c.expected);
        EXPECT_EQ(sys.log.size(), 4u) << "every step runs";
        if (c.expected.empty())
            EXPECT_EQ(outcome.message, text::kMsgBrandDone);
        else
            ExpectFailureMessage(outcome, text::kMsgBrandFailed);
    }
}

TEST(BrandAction, AHangingCommandIsReportedAsNotFinished) {
    FakeSystem sys;
    sys.AddPreset(kAurora);
    sys.hangingCommand = text::kCmdRegImport;
    const ActionOutcome outcome = RunBrandAction(kProgram, L"Aurora PC", sys.ports);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_NE(outcome.failures[0].reason.find(std::to_wstring(kCommandTimeoutSeconds)),
              std::wstring::npos);
}

// ---- clear action ----

TEST(ClearAction, RunsDelRdThenWritesSixEmptyTextsInOrder) {
    FakeSystem sys;
    sys.oemFolder = sys.oemLogo = true;
    const ActionOutcome outcome = RunClearAction(sys.ports);
    const std::vector<std::wstring> expected = {
        Ran(L"cmd /c del %windir%\\system32\\oem\\oemlogo.bmp"),
        Ran(L"cmd /c rd %windir%\\system32\\oem\\"),
        Write(L"Model", L""),
        Write(L"Logo", L""),
        Write(L"Manufacturer", L""),
        Write(L"SupportURL", L""),
        Write(L"SupportPhone", L""),
        Write(L"SupportHours", L""),
    };
    EXPECT_EQ(sys.log, expected);
    EXPECT_EQ(outcome.message, L"清除OEM信息完成！");
    EXPECT_EQ(sys.cwd, kStartFolder);
    for (const auto& [name, value] : sys.stored) EXPECT_EQ(value, AnyValue::FromText(L"")) << name;
    EXPECT_EQ(sys.stored.size(), 6u);
}

TEST(ClearAction, EachOutcomeGivesItsMessage) {
    const std::wstring logo = L"%windir%\\system32\\oem\\oemlogo.bmp";
    const std::wstring folder = L"%windir%\\system32\\oem\\";
    const OutcomeCase cases[] = {
        {"oem data present", [](FakeSystem& s) { s.oemFolder = s.oemLogo = true; }, {}},
        {"no oem folder", [](FakeSystem&) {}, {}},
        {"folder holds another file",
         [](FakeSystem& s) { s.oemFolder = s.oemLogo = s.oemOtherFile = true; },
         {}},
        {"logo cannot be deleted",
         [](FakeSystem& s) { s.oemFolder = s.oemLogo = s.logoLocked = true; },
         {{ApplyStep::DeleteLogo, logo}, {ApplyStep::RemoveOemFolder, folder}}},
        {"a registry write refused",
         [](FakeSystem& s) { s.refusedValues = {L"SupportURL"}; },
         {{ApplyStep::WriteValue, L"SupportURL"}}},
        {"two registry writes refused",
         [](FakeSystem& s) {
             s.refusedValues = {L"Model", L"SupportHours"};
         },
         {{ApplyStep::WriteValue, L"Model"}, {ApplyStep::WriteValue, L"SupportHours"}}},
        {"del never finishes",
         [&](FakeSystem& s) { s.hangingCommand = text::kCmdDelLogo; },
         {{ApplyStep::DeleteLogo, logo}}},
        {"command interpreter cannot start, nothing to remove",
         [](FakeSystem& s) { s.interpreterMissing = true; },
         {{ApplyStep::DeleteLogo, logo}, {ApplyStep::RemoveOemFolder, folder}}},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem sys;
        c.setUp(sys);
        const ActionOutcome outcome = RunClearAction(sys.ports);
        EXPECT_EQ(FailedSteps(outcome), c.expected);
        EXPECT_EQ(sys.log.size(), 8u) << "every step runs, all six writes are attempted";
        if (c.expected.empty())
            EXPECT_EQ(outcome.message, text::kMsgClearDone);
        else
            ExpectFailureMessage(outcome, text::kMsgClearFailed);
    }
}

TEST(ClearAction, KeepsAFolderThatHoldsOtherFiles) {
    FakeSystem sys;
    sys.oemFolder = sys.oemLogo = sys.oemOtherFile = true;
    RunClearAction(sys.ports);
    EXPECT_FALSE(sys.oemLogo);
    EXPECT_TRUE(sys.oemFolder);
}

// ---- custom action ----

void Confirm(FakeSystem& sys, const std::vector<std::wstring>& texts) {
    for (int i = 0; i < 6; ++i) sys.diy[i + 1] = AnyValue::FromText(texts[i]);
}

TEST(CustomAction, ReadsEachFieldJustBeforeItsWrite) {
    FakeSystem sys;
    sys.files.insert(kCustomLogo);
    Confirm(sys, {L"联想", L"联想电脑", L"www.x.example", L"800-810-8888", kCustomLogo,
                  L"9：00-20：00"});
    const ActionOutcome outcome = RunCustomAction(sys, sys.ports);
    const std::vector<std::wstring> expected = {
        L"read Diy5",
        Ran(L"cmd /c md %windir%\\system32\\oem\\"),
        Ran(L"cmd /c copy /y \"" + kCustomLogo + L"\" %windir%\\system32\\oem\\oemlogo.bmp"),
        L"read Diy2",
        Write(L"Model", L"联想电脑"),
        Write(L"Logo", L"%windir%\\system32\\oem\\oemlogo.bmp"),
        L"read Diy1",
        Write(L"Manufacturer", L"联想"),
        L"read Diy3",
        Write(L"SupportURL", L"www.x.example"),
        L"read Diy4",
        Write(L"SupportPhone", L"800-810-8888"),
        L"read Diy6",
        Write(L"SupportHours", L"9：00-20：00"),
    };
    EXPECT_EQ(sys.log, expected);
    EXPECT_EQ(outcome.message, L"自定义OEM信息修改完成！");
    EXPECT_EQ(sys.cwd, kStartFolder);
}

TEST(CustomAction, EmptiedBoxesWriteEmptyStrings) {
    FakeSystem sys;
    sys.files.insert(kCustomLogo);
    Confirm(sys, {L"Maker", L"", L"", L"123", kCustomLogo, L""});
    const ActionOutcome outcome = RunCustomAction(sys, sys.ports);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(sys.stored.at(L"Model"), AnyValue::FromText(L""));
    EXPECT_EQ(sys.stored.at(L"SupportURL"), AnyValue::FromText(L""));
    EXPECT_EQ(sys.stored.at(L"SupportHours"), AnyValue::FromText(L""));
    EXPECT_EQ(sys.stored.at(L"Manufacturer"), AnyValue::FromText(L"Maker"));
}

TEST(CustomAction, NeverConfirmedCopiesNothingWritesOnlyLogoAndSaysSo) {
    FakeSystem sys;
    const ActionOutcome outcome = RunCustomAction(sys, sys.ports);
    const std::vector<std::wstring> commandsAndWrites = {
        Ran(L"cmd /c md %windir%\\system32\\oem\\"),
        Ran(L"cmd /c copy /y \"\" %windir%\\system32\\oem\\oemlogo.bmp"),
        WriteEmptyValue(L"Model"),
        Write(L"Logo", L"%windir%\\system32\\oem\\oemlogo.bmp"),
        WriteEmptyValue(L"Manufacturer"),
        WriteEmptyValue(L"SupportURL"),
        WriteEmptyValue(L"SupportPhone"),
        WriteEmptyValue(L"SupportHours"),
    };
    std::vector<std::wstring> seen;
    for (const std::wstring& e : sys.log)
        if (!e.starts_with(L"read ")) seen.push_back(e);
    EXPECT_EQ(seen, commandsAndWrites);
    EXPECT_EQ(sys.stored.size(), 1u);
    EXPECT_EQ(FailedSteps(outcome), (Failed{{ApplyStep::CopyLogo, L"\"\""}}));
    ExpectFailureMessage(outcome, text::kMsgCustomFailed);
}

TEST(CustomAction, ALogoPathWithADoubleQuoteIsRefusedBeforeAnyStep) {
    const std::wstring paths[] = {L"C:\\a\"b.bmp", L"\"", L"C:\\x.bmp\" & del C:\\y"};
    for (const std::wstring& path : paths) {
        FakeSystem sys;
        sys.diy[5] = AnyValue::FromText(path);
        sys.diy[1] = AnyValue::FromText(L"Maker");
        const ActionOutcome outcome = RunCustomAction(sys, sys.ports);
        EXPECT_EQ(sys.log, std::vector<std::wstring>{L"read Diy5"});
        EXPECT_TRUE(sys.stored.empty());
        EXPECT_FALSE(sys.oemFolder);
        EXPECT_TRUE(outcome.refused);
        EXPECT_TRUE(outcome.message.starts_with(text::kMsgLogoPathHasQuote));
        EXPECT_NE(outcome.message.find(path), std::wstring::npos);
    }
}

TEST(CustomAction, EachOutcomeGivesItsMessage) {
    const std::wstring quoted = L"\"" + kCustomLogo + L"\"";
    const OutcomeCase cases[] = {
        {"all fine", [](FakeSystem&) {}, {}},
        {"logo file missing",
         [](FakeSystem& s) { s.files.clear(); },
         {{ApplyStep::CopyLogo, quoted}}},
        {"Model refused, the rest still written",
         [](FakeSystem& s) { s.refusedValues = {L"Model"}; },
         {{ApplyStep::WriteValue, L"Model"}}},
        {"Logo refused",
         [](FakeSystem& s) { s.refusedValues = {L"Logo"}; },
         {{ApplyStep::WriteValue, L"Logo"}}},
        {"md never finishes, so the copy has no folder",
         [](FakeSystem& s) { s.hangingCommand = text::kCmdMdOem; },
         {{ApplyStep::MakeOemFolder, L"%windir%\\system32\\oem\\"}, {ApplyStep::CopyLogo, quoted}}},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem sys;
        sys.files.insert(kCustomLogo);
        Confirm(sys, {L"M", L"N", L"U", L"P", kCustomLogo, L"H"});
        c.setUp(sys);
        const ActionOutcome outcome = RunCustomAction(sys, sys.ports);
        EXPECT_EQ(FailedSteps(outcome), c.expected);
        if (c.expected.empty())
            EXPECT_EQ(outcome.message, text::kMsgCustomDone);
        else
            ExpectFailureMessage(outcome, text::kMsgCustomFailed);
        // All six writes are attempted whatever failed.
        int writes = 0;
        for (const std::wstring& e : sys.log) writes += e.starts_with(L"write ");
        EXPECT_EQ(writes, 6);
    }
}

}  // namespace
}  // namespace vx
