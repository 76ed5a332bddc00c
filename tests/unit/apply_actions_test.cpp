// The apply button's actions against a fake system: every step runs even after one failed, the
// completion message comes only when all did, and what is refused runs nothing.
#include "core/oem/apply_actions.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace vx {
namespace {

using namespace text;
using namespace fakes;

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
        const ActionOutcome outcome = c.kind == Brand ? RunBrandAction(L"C:\\V", L"B", system.ports, system.preset)
                                      : c.kind == Clear ? RunClearAction(system.ports)
                                                        : RunCustomAction(custom, system.ports);
        const wchar_t* done[] = {kMsgBrandDone, kMsgClearDone, kMsgCustomDone};
        const wchar_t* heading[] = {kMsgBrandFailed, kMsgClearFailed, kMsgCustomFailed};
        EXPECT_EQ(outcome.message, c.failed.empty() ? done[c.kind] : heading[c.kind] + c.failed);
        EXPECT_EQ(system.steps, c.kind == Clear ? 8 : 3) << "custom: md, copy, Logo; values not given stay";
    }
}

// Refused before the first step: the commands would name files relative to another folder, a
// quote would end the path's argument early and hand the rest to the interpreter, cmd
// expands %NAME% even inside quotes, and a picture that cannot be the logo would leave it half done.
TEST(ApplyActions, NoPresetFolderOrAQuoteOrPercentInTheLogoPathRunsNothing) {
    FakeSystem system;
    EXPECT_EQ(RunBrandAction(L"C:\\V", L"Ghost", system.ports, system.preset).message,
              kMsgPresetFolderMissing + std::wstring(L"\nC:\\V\\oemdata\\Ghost"));
    const std::wstring quoted = L"C:\\a\" & del x";
    EXPECT_EQ(RunCustomAction({.logoPath = AnyValue::FromText(quoted)}, system.ports).message,
              kMsgLogoPathHasQuote + (L"\n" + quoted));
    EXPECT_EQ(RunCustomAction({.logoPath = AnyValue::FromText(L"C:\\%x%.bmp")}, system.ports)
                  .message,
              kMsgLogoPathHasPercent + std::wstring(L"\nC:\\%x%.bmp"));
    EXPECT_EQ(RunCustomAction({.logoPath = AnyValue::FromText(L"bad")}, system.ports).message,
              kMsgLogoUnusable + std::wstring(L"\nbad（") + kWhyNotAPicture + L"）");
    system.temporary = L"C:\\%T%\\";  // the user's temporary folder: the copy would expand it
    EXPECT_EQ(RunCustomAction({.logoPath = AnyValue::FromText(L"C:\\a b.bmp")}, system.ports).message,
              kMsgLogoUnusable + std::wstring(L"\nC:\\a b.bmp（") + kWhyTempPathHasPercent + L"）");
    EXPECT_EQ(system.steps, 0);
}

// A script that changes more than the OEM information's values asks first (No runs nothing and
// says nothing more); one that is no registry script, or a reg.* that cmd would run instead of
// the system's reg, refuses the preset.
TEST(BrandAction, ChecksThePresetBeforeAnyStep) {
    std::string many =
        "REGEDIT4\n[-HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n";
    for (int i = 0; i < 12; ++i) many += "[HKLM\\Run]\n\"v" + std::to_string(i) + "\"=\"\"\n";
    const std::wstring script = L"C:\\V\\oemdata\\B\\oem.reg";
    const struct {
        std::optional<std::string> script;
        bool planted;
        std::wstring shown;
    } cases[] = {
        {many, false, L"：\n· 删除键 HKEY_LOCAL_MACHINE\\SOFTWARE\\"},
        {many, false, L"· 值 v8（HKEY_LOCAL_MACHINE\\Run）\n等 13 处\n\n是否仍要导入？"},
        {"plain", false, script + L"\n无法识别第 1 行：plain"},
        {std::nullopt, false, L"：\n" + script},
        {"REGEDIT4", true, L"：\nC:\\V\\oemdata\\B\\reg.*"},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        sys.script = c.script;
        sys.planted = c.planted;
        const ActionOutcome outcome = RunBrandAction(L"C:\\V", L"B", sys.ports, sys.preset);
        EXPECT_EQ(sys.steps, 0) << "no step runs";
        EXPECT_NE((sys.asked + outcome.message).find(c.shown), std::wstring::npos) << c.shown;
        EXPECT_EQ(outcome.message.empty(), !sys.asked.empty()) << "No is the last word";
    }
}

// The first listed brand named, aliased or scripted by the maker (every script here names ASUS
// as the OEM information's maker, and Dell elsewhere).
TEST(MachineBrand, TheFirstBrandNamedAliasedOrScriptedByTheMakerWins) {
    FakeSystem f;
    f.script = "REGEDIT4\n[HKLM\\SOFTWARE\\X]\n\"Manufacturer\"=\"Dell\"\n[HKLM\\SOFTWARE\\"
               "Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n\"Manufacturer\"=\"ASUS K\"\n";
    const std::vector<std::wstring> brands = {kCustomEntry, L"Kestrel", L"惠普", L"DELL",
                                              L"联想"};
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"LENOVO", L"联想"}, {L"Hewlett-Packard", L"惠普"}, {L"Dell Inc.", L"DELL"},
        {L"Asus", L"Kestrel"}, {L"", kMsgNoFirmwareMaker},
        {L"Acme", L"本机固件中的制造商为“Acme”，没有与之相符的品牌预设。"}};
    for (const auto& [maker, expected] : cases) {
        const MachineBrand b = FindMachineBrand(brands, maker, L"C:\\V", f);
        EXPECT_EQ(b.index < 0 ? b.message : brands[b.index], expected) << maker;
    }
}

}  // namespace
}  // namespace vx
