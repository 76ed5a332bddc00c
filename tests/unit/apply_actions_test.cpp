// The apply button's actions against a fake system: every step runs even after one failed, a
// step is judged by its effect rather than by what its command says, the completion message
// comes only when all did, and what is refused runs nothing.
#include "core/oem/apply_actions.h"

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;

enum Kind { Brand, Clear, Custom };
const CommandResult kExit1{true, true, 1}, kDidNothing{true, true, 0};
const S kLogoFailed = L"\n· 复制LOGO图片 \"C:\\a b.bmp\" 到 %windir%\\system32\\oem\\oemlogo.bmp";

ActionOutcome RunAction(Kind kind, FakeSystem& sys) {
    if (kind == Brand) return RunBrandAction(L"C:\\V", L"B", sys.ports, sys.preset);
    if (kind == Clear) return RunClearAction(sys.ports);
    return RunCustomAction({.logoPath = AnyValue::FromText(L"C:\\a b.bmp")}, sys.ports);
}

// The brand and custom actions start where there is no oem folder yet, the clear action where
// the folder holds the logo.
TEST(ApplyActions, EveryStepRunsAndTheMessageNamesEachOneThatFailed) {
    const struct Row {
        Kind kind;
        S failing;                // the command or value that fails
        CommandResult failure{};  // what that command gives
        S failed;                 // the lines under the heading; none: the completion message
    } rows[] = {
        {.kind = Brand},
        {.kind = Brand, .failing = kCmdRegImport, .failure = kExit1,
         .failed = L"\n· 导入注册表文件 C:\\V\\oemdata\\B\\oem.reg（命令返回错误代码 1）"},
        {.kind = Clear},
        {.kind = Clear, .failing = L"SupportURL", .failed = L"\n· 写入注册表值 SupportURL（拒绝访问。）"},
        {.kind = Clear, .failing = kCmdDelLogo, .failure = kDidNothing,
         .failed = L"\n· 删除文件 %windir%\\system32\\oem\\oemlogo.bmp（文件仍然存在）"
                   L"\n· 删除文件夹 %windir%\\system32\\oem\\（文件仍然存在）"},
        {.kind = Custom},
        {.kind = Custom, .failing = CustomCopyCommand(L"C:\\a b.bmp"), .failure = kExit1,
         .failed = kLogoFailed + L"（命令返回错误代码 1）"},
        {.kind = Custom, .failing = kCmdMdOem, .failure = kDidNothing,
         .failed = L"\n· 创建文件夹 %windir%\\system32\\oem\\（文件夹不存在）" + kLogoFailed +
                   L"（目标文件不存在）"},
    };
    const wchar_t* done[] = {kMsgBrandDone, kMsgClearDone, kMsgCustomDone};
    const wchar_t* heading[] = {kMsgBrandFailed, kMsgClearFailed, kMsgCustomFailed};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << ", failing " << row.failing);
        FakeSystem sys;
        sys.folder = sys.logo = row.kind == Clear;
        sys.failing = row.failing;
        sys.failure = row.failure;
        const ActionOutcome outcome = RunAction(row.kind, sys);
        EXPECT_EQ(outcome.kind, row.failed.empty() ? OutcomeKind::Done : OutcomeKind::Failed);
        EXPECT_EQ(outcome.message, row.failed.empty() ? done[row.kind] : heading[row.kind] + row.failed);
        EXPECT_EQ(sys.steps, row.kind == Clear ? 8 : 3) << "custom: md, copy, Logo; values not given stay";
    }
}

// Refused before the first step: the commands would name files relative to another folder, a
// quote would end the path's argument early and hand the rest to the interpreter, cmd expands
// %NAME% even inside quotes, and a picture that cannot be the logo would leave it half done.
TEST(ApplyActions, NoPresetFolderOrAQuoteOrPercentInTheLogoPathRunsNothing) {
    const struct Row {
        S logoPath;   // the custom action's; none: the brand action of a preset not there
        S temporary;  // where a picture is fitted into a bitmap
        S message;
    } rows[] = {
        {.message = kMsgPresetFolderMissing + S(L"\nC:\\V\\oemdata\\Ghost")},
        {.logoPath = L"C:\\a\" & del x", .message = kMsgLogoPathHasQuote + S(L"\nC:\\a\" & del x")},
        {.logoPath = L"C:\\%x%.bmp", .message = kMsgLogoPathHasPercent + S(L"\nC:\\%x%.bmp")},
        {.logoPath = L"bad", .message = kMsgLogoUnusable + (L"\nbad（" + S(kWhyNotAPicture)) + L"）"},
        {.logoPath = L"C:\\a b.bmp", .temporary = L"C:\\%T%\\",
         .message = kMsgLogoUnusable + (L"\nC:\\a b.bmp（" + S(kWhyTempPathHasPercent)) + L"）"},
    };
    for (const Row& row : rows) {
        FakeSystem sys;
        sys.temporary = row.temporary;
        const ActionOutcome outcome =
            row.logoPath.empty()
                ? RunBrandAction(L"C:\\V", L"Ghost", sys.ports, sys.preset)
                : RunCustomAction({.logoPath = AnyValue::FromText(row.logoPath)}, sys.ports);
        EXPECT_EQ(outcome.kind, OutcomeKind::Refused);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_EQ(sys.steps, 0);
    }
}

}  // namespace
}  // namespace vx
