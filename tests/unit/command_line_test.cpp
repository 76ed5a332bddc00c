// The silent command line: split as Windows splits argv, read into one request or refused with
// the usage, and run through the windows' own actions with each outcome's exit code.
#include "core/command_line.h"

#include "core/command_run.h"
#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;
using W = std::vector<S>;

TEST(CommandLine, SplitsAsTheCRuntimeDoes) {
    const std::pair<S, W> cases[] = {
        {L"\"C:\\a b\\V.exe\"/x", {L"C:\\a b\\V.exe/x"}},
        {L"V.exe  /apply\t\"青松 电脑\" ", {L"V.exe", L"/apply", L"青松 电脑"}},
        {L"V a\\\\\\b d\"e f\"g h", {L"V", L"a\\\\\\b", L"de fg", L"h"}},
        {L"V a\\\\\\\"b \"ab\\\"c\" \"\\\\\" a\\\\\\\\\"b c\" d", {L"V", L"a\\\"b", L"ab\"c", L"\\", L"a\\\\b c", L"d"}},
        {L"V a\"b\"\" c \"\" \"unclosed x", {L"V", L"ab\"", L"c", L"", L"unclosed x"}},
    };
    for (const auto& [line, words] : cases) EXPECT_EQ(SplitCommandLine(line), words) << line;
}

TEST(CommandLine, ReadsOneActionWithItsValuesOrSaysWhatIsWrong) {
    const std::pair<W, S> wrong[] = {
        {{}, kCliNoAction}, {{L"/yes"}, kCliNoAction}, {{L"/bogus"}, kCliUnknown + S(L"/bogus")},
        {{L"/clear", L"-CLEAR"}, kCliTwice + S(L"-CLEAR")},
        {{L"/set", L"Model=a", L"model=b"}, kCliTwice + S(L"model=b")},
        {{L"/clear", L"/show"}, kCliTwoActions + S(L"/show")},
        {{L"/apply"}, kCliNoValue + S(L"/apply")}, {{L"/apply", L"/yes"}, kCliNoValue + S(L"/apply")},
        {{L"/owner", L"Model=a"}, kCliUnknown + S(L"Model=a")},
        {{L"/clear", L"/logo", L"a"}, kCliUnknown + S(L"/logo")},
        {{L"/set", L"Model=a\r\nb"}, kCliLineBreak + S(L"Model=a")},
    };
    for (const auto& [words, error] : wrong) EXPECT_EQ(ReadCommandLine(words).error, error);
    const CommandReading set =
        ReadCommandLine({L"-Set", L"MODEL=", L"Manufacturer=青松", L"/LOGO", L"a b.png", L"/log", L"l"});
    EXPECT_EQ(set.error, L"");
    EXPECT_EQ(set.request.custom.model, AnyValue::FromText(L"")) << "an empty value is given";
    EXPECT_EQ(set.request.custom.manufacturer, AnyValue::FromText(L"青松"));
    EXPECT_EQ(set.request.custom.logoPath, AnyValue::FromText(L"a b.png"));
    EXPECT_TRUE(set.request.custom.supportUrl.IsEmpty()) << "not named: not given";
    EXPECT_EQ(set.request.log, L"l");
    const CommandRequest owner = ReadCommandLine({L"/owner", L"ProductName=P"}).request;
    EXPECT_EQ(owner.owner[2], AnyValue::FromText(L"P"));
    EXPECT_TRUE(owner.owner[0].IsEmpty());
}

struct FakeCurrent : CurrentOemSource {
    CurrentOem Read() override { return {{RawValue{true, 1, {'Q', 0, 0, 0}}}, L"L"}; }
};

// Exit codes: 0 done, 2 refused before any change (a question answered No is printed with how
// to say Yes), 3 done with a step that failed.
TEST(CommandRun, EachOutcomeHasItsExitCodeAndTheWindowsMessageAsLines) {
    const struct {
        W words;
        S failing, existing;
        int exit;
        int steps;
        S last;
    } cases[] = {
        {{L"/apply", L"B"}, L"", L"", 0, 3, kMsgBrandDone},
        {{L"/apply", L"B", L"/presets", L"Q"}, L"", L"", 2, 0, L"Q"},
        {{L"/apply", L"Ghost"}, L"", L"", 2, 0, L"P\\oemdata\\Ghost"},
        {{L"/apply", L"B"}, L"", L"+", 2, 0, kCliNeedYes},
        {{L"/apply", L"B", L"/yes"}, L"", L"+", 0, 3, kMsgBrandDone},
        {{L"/clear"}, L"Logo", L"", 3, 8, L"· 写入注册表值 Logo（拒绝访问。）"},
        {{L"/set", L"Model=M"}, L"", L"", 0, 1, kMsgCustomDone},
        {{L"/set", L"Model=M", L"/logo", L"bad"}, L"", L"", 2, 0, L"bad（不是可以载入的图片文件）"},
        {{L"/owner", L"RegisteredOwner=O"}, L"", L"", 0, 1, kMsgOwnerSaved},
        {{L"/owner", L"RegisteredOwner=O"}, L"RegisteredOwner", L"", 3, 1, L"以下个人信息未能保存：注册用户名"},
        {{L"/save", L"N"}, L"", L"", 0, 0, L"存为品牌预设“N”。"},
        {{L"/save", L"N"}, L"", L"P\\oemdata\\N", 2, 0, kCliNeedReplace},
        {{L"/save", L"N", L"/replace"}, L"P\\oemdata\\N\\oem.reg", L"P\\oemdata\\N", 3, 0, L"denied"},
        {{L"/save", L"a:b"}, L"", L"", 2, 0, kMsgNameBadChar},
        {{L"/show"}, L"", L"", 0, 0, L"ProductName="},
        {{L"/?"}, L"", L"", 0, 0, L"3 有步骤失败"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.words[0] << " " << c.last);
        FakeSystem sys;
        FakeFiles files;
        FakeCurrent current;
        AnsweredQuestions questions;
        sys.failing = files.failing = c.failing;
        files.existing = c.existing;
        files.asker = &questions;
        if (c.existing == L"+") sys.script = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Run]\n";
        CommandPorts ports{sys.ports, sys, files, questions, current};
        const CommandOutcome out = RunCommand(ReadCommandLine(c.words).request, L"P", ports);
        EXPECT_EQ(out.exitCode, c.exit);
        EXPECT_EQ(sys.steps, c.steps);
        ASSERT_FALSE(out.lines.empty());
        EXPECT_TRUE(out.lines.back().ends_with(c.last)) << out.lines.back();
    }
}

}  // namespace
}  // namespace vx
