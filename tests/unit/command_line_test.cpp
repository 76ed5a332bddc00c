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
    const std::pair<S, W> cases[] = {
        {L"\"C:\\a b\\V.exe\"/x", {L"C:\\a b\\V.exe/x"}},
        {L"V  /apply\t\"青松 电脑\" a\\\\\\b d\"e f\"g", {L"V", L"/apply", L"青松 电脑", L"a\\\\\\b", L"de fg"}},
        {L"V a\\\\\\\"b \"\\\\\" a\\\\\\\\\"b c\" d", {L"V", L"a\\\"b", L"\\", L"a\\\\b c", L"d"}},
        {L"V a\"b\"\" c \"\" \"unclosed x", {L"V", L"ab\"", L"c", L"", L"unclosed x"}},
    };
    for (const auto& [line, words] : cases) EXPECT_EQ(SplitCommandLine(line), words) << line;
}

TEST(CommandLine, ReadsOneActionWithItsValuesOrSaysWhatIsWrong) {
    const std::pair<W, S> wrong[] = {
        {{L"V", L"/yes"}, kCliNoAction}, {{L"V", L"/bogus"}, kCliUnknown + S(L"/bogus")},
        {{L"V", L"/clear", L"-CLEAR"}, kCliTwice + S(L"-CLEAR")},
        {{L"V", L"/set", L"Model=a", L"model=b"}, kCliTwice + S(L"model=b")},
        {{L"V", L"/clear", L"/show"}, kCliTwoActions + S(L"/show")},
        {{L"V", L"/apply"}, kCliNoValue + S(L"/apply")}, {{L"V", L"/apply", L"/yes"}, kCliNoValue + S(L"/apply")},
        {{L"V", L"/owner", L"Model=a"}, kCliUnknown + S(L"Model=a")},
        {{L"V", L"/clear", L"/logo", L"a"}, kCliUnknown + S(L"/logo")},
        {{L"V", L"/set", L"Model=a\r\nb"}, kCliLineBreak + S(L"Model=a")},
        {{L"V", L"/show", L"/whatif"}, kCliWhatIfHere}, {{L"V", L"/json", L"/clear"}, kCliJsonHere},
        {{L"V", L"/restore", L"/restore"}, kCliTwice + S(L"/restore")},
    };
    for (const auto& [words, error] : wrong) EXPECT_EQ(ReadCommandLine(words).error, error);
    const CustomValues set = ReadCommandLine({L"V", L"-Set", L"MODEL=", L"/LOGO", L"a b.png"}).request.custom;
    EXPECT_EQ(set.model, AnyValue::FromText(L"")) << "an empty value is given";
    EXPECT_EQ(set.logoPath, AnyValue::FromText(L"a b.png"));
    EXPECT_TRUE(set.supportUrl.IsEmpty()) << "not named: not given";
    const CommandRequest undo = ReadCommandLine({L"V", L"/whatif", L"/restore", L"/json"}).request;
    EXPECT_TRUE(undo.action == CommandAction::Restore && undo.name.empty() && undo.whatIf && undo.json);
    EXPECT_EQ(undo.origin, L"命令行：/whatif /restore /json");
}

// Exit codes: 0 done, 2 refused before any change (a question answered No is printed with how
// to say Yes), 3 done with a step that failed.
TEST(CommandRun, EachOutcomeHasItsExitCodeAndTheWindowsMessageAsLines) {
    const struct {
        W words;
        S failing, existing;
        int exit, steps;
        S last;
    } cases[] = {
        {{L"V", L"/apply", L"B"}, L"", L"", 0, 3, kMsgBrandDone},
        {{L"V", L"/apply", L"B", L"/presets", L"Q"}, L"", L"", 2, 0, L"Q"},
        {{L"V", L"/apply", L"B"}, L"", L"+", 2, 0, kCliNeedYes},
        {{L"V", L"/apply", L"B", L"/yes"}, L"", L"+", 0, 3, kMsgBrandDone},
        {{L"V", L"/clear"}, L"Logo", L"", 3, 8, L"· 写入注册表值 Logo（拒绝访问。）"},
        {{L"V", L"/set", L"Model=M"}, L"", L"", 0, 1, kMsgCustomDone},
        {{L"V", L"/owner", L"RegisteredOwner=O"}, L"RegisteredOwner", L"", 3, 1, L"以下个人信息未能保存：注册用户名"},
        {{L"V", L"/save", L"N"}, L"", L"P\\oemdata\\N", 2, 0, kCliNeedReplace},
        {{L"V", L"/save", L"N", L"/replace"}, L"P\\oemdata\\N\\oem.reg", L"P\\oemdata\\N", 3, 0, L"denied"},
        {{L"V", L"/save", L"a:b"}, L"", L"", 2, 0, kMsgNameBadChar},
        {{L"V", L"/show"}, L"", L"", 0, 0, L"FirmwareModel="},
        {{L"V", L"/set", L"Model=M", L"/machine"}, L"", L"", 0, 2, kMsgCustomDone},
        {{L"V", L"/apply", L"AUTO"}, L"", L"", 4, 0, L"“Acme”，没有与之相符的品牌预设。"},
        {{L"V", L"/show", L"/log", L"L"}, L"log", L"", 2, 0, L"L"},
        {{L"V", L"/show", L"/?"}, L"", L"", 1, 0, L"4 没有与本机相符的预设"},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        FakeFiles files;
        AnsweredQuestions questions;
        sys.failing = files.failing = c.failing;
        files.existing = c.existing;
        files.asker = &questions;
        if (c.existing == L"+") sys.script = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Run]\n";
        FakeMachine machine;
        CommandPorts ports{sys.ports, sys, files, questions, sys, sys, machine.ports};
        const CommandOutcome out = RunCommand(ReadCommandLine(c.words), c.failing != L"log", L"P", ports);
        EXPECT_EQ(out.exitCode, c.exit) << c.last;
        EXPECT_EQ(sys.steps, c.steps) << c.last;
        EXPECT_TRUE(!out.lines.empty() && out.lines.back().ends_with(c.last)) << c.last;
    }
}

}  // namespace
}  // namespace vx
