// A preset looked at before any step: a script that changes more than the OEM information's
// values asks first (No runs nothing and says nothing more); one that is no registry script, or
// a reg.* that cmd would run instead of the system's reg, refuses the preset.
#include "core/preset/script_review.h"

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;

TEST(CheckPreset, RefusesOrAsksBeforeAnyStep) {
    std::string many =
        "REGEDIT4\n[-HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n";
    for (int i = 0; i < 12; ++i) many += "[HKLM\\Run]\n\"v" + std::to_string(i) + "\"=\"\"\n";
    const S script = L"C:\\V\\oemdata\\B\\oem.reg";
    using enum OutcomeKind;
    const struct Row {
        std::optional<std::string> script;
        S planted;  // a file beside the script
        bool yes = false;
        OutcomeKind kind = Refused;
        S shown;  // in the message, a declined action's being the question
    } rows[] = {
        {.script = many, .kind = Declined, .shown = L"：\n· 删除键 HKEY_LOCAL_MACHINE\\SOFTWARE\\"},
        {.script = many, .kind = Declined, .shown = L"· 值 v8（HKEY_LOCAL_MACHINE\\Run）\n等 13 处\n\n是否仍要导入？"},
        {.script = many, .yes = true, .kind = Done, .shown = kMsgBrandDone},
        {.script = "plain", .shown = script + L"\n无法识别第 1 行：plain"},
        {.script = std::nullopt, .shown = kMsgScriptUnreadable + (L"\n" + script)},
        {.script = "REGEDIT4", .planted = L"C:\\V\\oemdata\\B\\reg.cmd", .shown = L"：\nC:\\V\\oemdata\\B\\reg.cmd"},
    };
    for (const Row& row : rows) {
        FakeSystem sys;
        sys.files.erase(script);
        if (row.script) sys.files[script] = *row.script;
        if (!row.planted.empty()) sys.files[row.planted] = "";
        sys.yes = row.yes;
        const ActionOutcome outcome = RunBrandAction(L"C:\\V", L"B", sys.ports, sys.preset);
        EXPECT_EQ(outcome.kind, row.kind) << row.shown;
        EXPECT_NE(outcome.message.find(row.shown), std::wstring::npos) << row.shown;
        EXPECT_EQ(sys.steps, row.kind == Done ? 3 : 0) << "no step runs";
    }
}

}  // namespace
}  // namespace vx
