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
const S kOem = L"%windir%\\system32\\oem\\", kCopy = L"\n· 复制LOGO图片 \"C:\\a b.bmp\" 到 " + kOem;

// The brand and custom actions start where there is no oem folder yet, the clear action where
// the folder holds the logo; the custom action is given the logo alone.
TEST(ApplyActions, EveryStepRunsAndTheMessageNamesEachOneThatFailed) {
    const struct Row {
        Kind kind;
        S failing;                // the command or value that fails
        CommandResult failure{};  // what that command gives
        S message;
    } rows[] = {
        {.kind = Brand, .message = kMsgBrandDone},
        {.kind = Brand, .failing = kCmdRegImport, .failure = kExit1, .message = kMsgBrandFailed +
         S(L"\n· 导入注册表文件 C:\\V\\oemdata\\B\\oem.reg（命令返回错误代码 1）")},
        {.kind = Clear, .message = kMsgClearDone},
        {.kind = Clear, .failing = L"SupportURL",
         .message = kMsgClearFailed + S(L"\n· 写入注册表值 SupportURL（拒绝访问。）")},
        {.kind = Clear, .failing = kCmdDelLogo, .failure = kDidNothing, .message = kMsgClearFailed +
         (L"\n· 删除文件 " + kOem + L"oemlogo.bmp（文件仍然存在）\n· 删除文件夹 " + kOem + L"（文件仍然存在）")},
        {.kind = Custom, .message = kMsgCustomDone},
        {.kind = Custom, .failing = CustomCopyCommand(L"C:\\a b.bmp"), .failure = kExit1,
         .message = kMsgCustomFailed + kCopy + L"oemlogo.bmp（命令返回错误代码 1）"},
        {.kind = Custom, .failing = kCmdMdOem, .failure = kDidNothing, .message = kMsgCustomFailed +
         (L"\n· 创建文件夹 " + kOem + L"（文件夹不存在）") + kCopy + L"oemlogo.bmp（目标文件不存在）"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << ", failing " << row.failing);
        FakeSystem sys;
        sys.folder = sys.logo = row.kind == Clear;
        sys.failing = row.failing;
        sys.failure = row.failure;
        const ActionOutcome outcome =
            row.kind == Brand   ? RunBrandAction(L"C:\\V", L"B", sys.ports, sys.preset)
            : row.kind == Clear ? RunClearAction(sys.ports)
                                : RunCustomAction({.logoPath = AnyValue::FromText(L"C:\\a b.bmp")}, sys.ports);
        EXPECT_EQ(outcome.kind, row.failing.empty() ? OutcomeKind::Done : OutcomeKind::Failed);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_EQ(sys.steps, row.kind == Clear ? 8 : 3) << "custom: md, copy, Logo; values not given stay";
    }
}

// Refused before the first step: the commands would name files relative to another folder, a
// quote would end the path's argument early and hand the rest to the interpreter, and the copy
// would expand %NAME% in the temporary folder's path (the journeys show a % in the chosen path
// and a picture that cannot be the logo refused alike).
TEST(ApplyActions, NoPresetFolderOrAQuoteOrPercentInTheLogoPathRunsNothing) {
    const struct Row {
        S logoPath;   // the custom action's; none: the brand action of a preset not there
        S temporary;  // where a picture is fitted into a bitmap
        S message;
    } rows[] = {
        {.message = kMsgPresetFolderMissing + S(L"\nC:\\V\\oemdata\\Ghost")},
        {.logoPath = L"C:\\a\" & del x", .message = kMsgLogoPathHasQuote + S(L"\nC:\\a\" & del x")},
        {.logoPath = L"C:\\a b.bmp", .temporary = L"C:\\%T%\\",
         .message = kMsgLogoUnusable + (L"\nC:\\a b.bmp（" + S(kWhyTempPathHasPercent)) + L"）"},
    };
    for (const Row& row : rows) {
        FakeSystem sys;
        sys.temporary = row.temporary;
        const ActionOutcome outcome =
            row.logoPath.empty() ? RunBrandAction(L"C:\\V", L"Ghost", sys.ports, sys.preset)
                                 : RunCustomAction({.logoPath = AnyValue::FromText(row.logoPath)}, sys.ports);
        EXPECT_EQ(outcome.kind, OutcomeKind::Refused);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_EQ(sys.steps, 0);
    }
}

}  // namespace
}  // namespace vx
