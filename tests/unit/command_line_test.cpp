// The silent command line: split as Windows splits argv, read into one request or refused with
// the usage, and run through the windows' own actions with each outcome's exit code.
#include "core/command/command_line.h"

#include "core/command/command_run.h"
#include "fakes.h"
#include "restore_fakes.h"

namespace vx {
namespace {

using namespace fakes;
using W = std::vector<S>;

TEST(CommandLine, SplitsAsTheCRuntimeDoes) {
    const struct Row {
        S line;
        W words;
    } rows[] = {
        {.line = L"\"C:\\a b\\V.exe\"/x", .words = {L"C:\\a b\\V.exe/x"}},
        {.line = L"V  /apply\t\"青松 电脑\" a\\\\\\b d\"e f\"g",
         .words = {L"V", L"/apply", L"青松 电脑", L"a\\\\\\b", L"de fg"}},
        {.line = L"V a\\\\\\\"b \"\\\\\" a\\\\\\\\\"b c\" d", .words = {L"V", L"a\\\"b", L"\\", L"a\\\\b c", L"d"}},
        {.line = L"V a\"b\"\" c \"\" \"unclosed x", .words = {L"V", L"ab\"", L"c", L"", L"unclosed x"}},
    };
    for (const Row& row : rows) EXPECT_EQ(SplitCommandLine(row.line), row.words) << row.line;
}

TEST(CommandLine, ReadsOneActionWithItsValuesOrSaysWhatIsWrong) {
    const struct Row {
        S line, error;
    } rows[] = {
        {.line = L"V /yes", .error = kCliNoAction}, {.line = L"V /bogus", .error = kCliUnknown + S(L"/bogus")},
        {.line = L"V /clear -CLEAR", .error = kCliTwice + S(L"-CLEAR")},
        {.line = L"V /set Model=a model=b", .error = kCliTwice + S(L"model=b")},
        {.line = L"V /clear /show", .error = kCliTwoActions + S(L"/show")},
        {.line = L"V /apply", .error = kCliNoValue + S(L"/apply")},
        {.line = L"V /apply /yes", .error = kCliNoValue + S(L"/apply")},
        {.line = L"V /owner Model=a", .error = kCliUnknown + S(L"Model=a")},
        {.line = L"V /set Logo=a", .error = kCliUnknown + S(L"Logo=a")},  // /logo names it
        {.line = L"V /clear /logo a", .error = kCliUnknown + S(L"/logo")},
        {.line = L"V /set Model=a\r\nb", .error = kCliLineBreak + S(L"Model=a")},
        {.line = L"V /show /whatif", .error = kCliWhatIfHere}, {.line = L"V /json /clear", .error = kCliJsonHere},
        {.line = L"V /restore /restore", .error = kCliTwice + S(L"/restore")},
    };
    for (const Row& row : rows) EXPECT_EQ(ReadCommandLine(SplitCommandLine(row.line)).error, row.error);
    const CustomValues set = ReadCommandLine({L"V", L"-Set", L"MODEL=", L"/LOGO", L"a b.png"}).request.custom;
    EXPECT_EQ(set.model, AnyValue::FromText(L"")) << "an empty value is given";
    EXPECT_EQ(set.logoPath, AnyValue::FromText(L"a b.png"));
    EXPECT_TRUE(set.supportUrl.IsEmpty()) << "not named: not given";
    const CommandRequest undo = ReadCommandLine({L"V", L"/whatif", L"/restore", L"/json"}).request;
    EXPECT_TRUE(undo.action == CommandAction::Restore && undo.name.empty() && undo.whatIf && undo.json);
    EXPECT_EQ(undo.origin, L"命令行：/whatif /restore /json");
}

// Exit codes: 0 done, 2 refused before any change (a question answered No is printed with how
// to say Yes), 3 done with a step that failed, 4 no preset for this machine. Preset library
// C:\V; preset N saved from the current information.
TEST(CommandRun, EachOutcomeHasItsExitCodeAndTheWindowsMessageAsLines) {
    const std::string runKey = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Run]\n";
    const struct Row {
        S line;
        std::string script = "REGEDIT4\r\n";  // preset B's
        bool savedBefore = false;              // preset N is there already
        S failing;                             // the command, value or file that fails
        bool logOpened = true;
        int exit = 0, steps = 0;
        S last;  // the last line printed ends so
    } rows[] = {
        {.line = L"V /apply B", .steps = 3, .last = kMsgBrandDone},
        {.line = L"V /apply B", .script = runKey, .exit = 2, .last = kCliNeedYes},
        {.line = L"V /apply B /yes", .script = runKey, .steps = 3, .last = kMsgBrandDone},
        {.line = L"V /clear", .failing = L"Logo", .exit = 3, .steps = 8, .last = L"· 写入注册表值 Logo（拒绝访问。）"},
        {.line = L"V /set Model=M", .steps = 1, .last = kMsgCustomDone},
        {.line = L"V /set Model=M /machine", .steps = 2, .last = kMsgCustomDone},
        {.line = L"V /owner RegisteredOwner=O", .failing = L"RegisteredOwner", .exit = 3, .steps = 1,
         .last = L"以下个人信息未能保存：注册用户名"},
        {.line = L"V /owner RegisteredOwner=O", .steps = 1, .last = kMsgOwnerSaved},
        {.line = L"V /save N", .last = S(kMsgPresetNoLogo).substr(1)},
        {.line = L"V /save N", .savedBefore = true, .exit = 2, .last = kCliNeedReplace},
        {.line = L"V /save N /replace", .savedBefore = true, .failing = L"C:\\V\\oemdata\\N\\oem.reg",
         .exit = 3, .last = L"拒绝访问。"},
        {.line = L"V /apply AUTO", .exit = 4, .last = L"“Acme”，没有与之相符的品牌预设。"},
        {.line = L"V /show /log L", .logOpened = false, .exit = 2, .last = L"L"},
        {.line = L"V /show /?", .exit = 1, .last = S(kCliUsage).substr(S(kCliUsage).rfind(L'\n') + 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        FakeSystem sys;
        sys.files[L"C:\\V\\oemdata\\B\\oem.reg"] = row.script;
        if (row.savedBefore) sys.folders.insert(L"C:\\V\\oemdata\\N");
        sys.failing = row.failing;
        FakeMachine machine;
        CommandPorts ports{sys.ports, sys, sys, sys, machine.ports};
        const CommandOutcome out =
            RunCommand(ReadCommandLine(SplitCommandLine(row.line)), row.logOpened, L"C:\\V", ports);
        EXPECT_EQ(out.exitCode, row.exit);
        EXPECT_EQ(sys.steps, row.steps);
        ASSERT_FALSE(out.lines.empty());
        EXPECT_TRUE(out.lines.back().ends_with(row.last)) << out.lines.back();
    }
    // /show: Name=value lines a script can read, the six OEM values as the information window
    // shows them, the owner's, then the firmware's.
    FakeSystem sys;
    sys.current.values[kManufacturerIndex] = {true, 1, {'Q', 0, 0, 0}};
    sys.current.values[3] = {true, 4, {0x2A, 0, 0, 0}};
    sys.values[kRegisteredOrganization] = L"青松";
    FakeMachine machine;
    CommandPorts ports{sys.ports, sys, sys, sys, machine.ports};
    EXPECT_EQ(RunCommand(ReadCommandLine({L"V", L"/show"}), true, L"C:\\V", ports).lines,
              (W{L"Manufacturer=Q", L"Model=", L"SupportURL=", L"SupportPhone=hex(4):2a,00,00,00",
                 L"SupportHours=", L"Logo=", L"RegisteredOwner=", L"RegisteredOrganization=青松",
                 L"ProductName=", L"FirmwareManufacturer=Acme", L"FirmwareModel="}));
}

}  // namespace
}  // namespace vx
