// The apply button's actions against a fake system: every step runs even after one failed, the
// completion message comes only when all did, and what is refused runs nothing.
#include "core/apply_actions.h"

#include <gtest/gtest.h>

#include "core/texts.h"

namespace vx {
namespace {

using namespace text;

// Commands succeed and have their effect, except the one named `failing`, which gives
// `failure`; a value write of that name is refused.
struct FakeSystem : CommandRunner, OemFilesProbe, CurrentFolder, RegistryPort {
    std::wstring failing;
    CommandResult failure;
    bool folder = true, logo = true;  // the oem folder and its logo are there
    int steps = 0;
    ApplyPorts ports{*this, *this, *this, *this};

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
    bool Enter(const std::wstring& f) override { return f == L"C:\\V\\oemdata\\B"; }
    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& name, const AnyValue&,
                                 int, int) override {
        ++steps;
        return name == failing ? WriteResult{5, L"拒绝访问。"} : WriteResult{};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring&,
                              const AnyValue& d) override {
        return d;
    }
};

enum Kind { Brand, Clear, Custom };

TEST(ApplyActions, EveryStepRunsAndTheMessageNamesEachOneThatFailed) {
    const CommandResult exit1{true, true, 1};
    const CustomValues custom{.logoPath = AnyValue::FromText(L"C:\\a b.bmp")};
    const struct Case {
        Kind kind;
        std::wstring failing;
        CommandResult failure;
        std::wstring failed;  // the lines under the heading; none: the completion message
    } cases[] = {
        {Brand, L"", {}, L""},
        {Brand, kCmdRegImport, exit1,
         L"\n· 导入注册表文件 C:\\V\\oemdata\\B\\oem.reg（命令返回错误代码 1）"},
        {Clear, L"", {}, L""},
        {Clear, L"SupportURL", {}, L"\n· 写入注册表值 SupportURL（拒绝访问。）"},
        {Custom, L"", {}, L""},
        {Custom, CustomCopyCommand(L"C:\\a b.bmp"), exit1,
         L"\n· 复制LOGO图片 \"C:\\a b.bmp\" 到 "
         L"%windir%\\system32\\oem\\oemlogo.bmp（命令返回错误代码 1）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", failing " << c.failing);
        FakeSystem system;
        system.failing = c.failing;
        system.failure = c.failure;
        const ActionOutcome outcome = c.kind == Brand ? RunBrandAction(L"C:\\V", L"B", system.ports)
                                      : c.kind == Clear ? RunClearAction(system.ports)
                                                        : RunCustomAction(custom, system.ports);
        const wchar_t* done[] = {kMsgBrandDone, kMsgClearDone, kMsgCustomDone};
        const wchar_t* heading[] = {kMsgBrandFailed, kMsgClearFailed, kMsgCustomFailed};
        EXPECT_EQ(outcome.message, c.failed.empty() ? done[c.kind] : heading[c.kind] + c.failed);
        EXPECT_EQ(system.steps, c.kind == Brand ? 3 : 8);
    }
}

// Refused before the first step: the commands would name files relative to another folder, or
// the quote would end the path's argument early and hand the rest to the interpreter.
TEST(ApplyActions, NoPresetFolderOrAQuoteInTheLogoPathRunsNothing) {
    FakeSystem system;
    EXPECT_EQ(RunBrandAction(L"C:\\V", L"Ghost", system.ports).message,
              kMsgPresetFolderMissing + std::wstring(L"\nC:\\V\\oemdata\\Ghost"));
    const std::wstring quoted = L"C:\\a\" & del x";
    EXPECT_EQ(RunCustomAction({.logoPath = AnyValue::FromText(quoted)}, system.ports).message,
              kMsgLogoPathHasQuote + (L"\n" + quoted));
    EXPECT_EQ(system.steps, 0);
}

}  // namespace
}  // namespace vx
