#include "core/preset/preset_save.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/texts.h"
#include "fakes.h"

namespace vx {
namespace {

using namespace text;
using S = std::wstring;
using fakes::FakeFiles;

TEST(RegScript, EachTypeWithItsBytesAndEachAbsenceDeletes) {
    const std::pair<RawValue, std::wstring> cases[] = {
        {{true, 1, {'a', 0, '\\', 0, '"', 0, 0, 0}}, L"\"a\\\\\\\"\""},
        {{true, 1, {'a', 0}}, L"hex(1):61,00"},  // no terminator: only hex keeps the bytes
        {{true, 1, {'\n', 0, 0, 0}}, L"hex(1):0a,00,00,00"},
        {{true, 2, {'%', 0, 0, 0}}, L"hex(2):25,00,00,00"},
        {{true, 3, {0x01, 0xFF}}, L"hex:01,ff"},
    };
    for (const auto& [value, data] : cases) EXPECT_EQ(RegDataText(value), data);
    const NamedValue two[] = {{L"Model", {true, 1, {'M', 0, 0, 0}}}, {L"Logo", {}}};
    EXPECT_EQ(RegScriptText(two),
              L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\" + S(kOemKey) +
                  L"]\r\n\"Model\"=\"M\"\r\n\"Logo\"=-\r\n\r\n");
}

TEST(SavePreset, RefusedNamesWriteNothingAndAFailedSaveTakesBackItsFolder) {
    EXPECT_EQ(DefaultPresetName(L"", {2026, 12, 6, 23, 5}), L"备份20261206-2305");
    const S saved = kMsgPresetSavedPrefix + S(L"N") + kMsgPresetSavedSuffix + kMsgPresetNoLogo;
    const S n = L"P\\oemdata\\N", reg = n + L"\\oem.reg",
            failed = kMsgPresetNotSaved + reg + L"\ndenied";
    const std::tuple<S, S, S, S, bool, S, S, std::string> cases[] = {
        {L"", L"", L"", L"L", 0, L"", kMsgNameEmpty, ""},
        {L"a\x1f", L"", L"", L"L", 0, L"", kMsgNameBadChar, ""},
        {L"自定义...", L"", L"", L"L", 0, L"", kMsgNameFixedEntry, ""},
        {L"N.", L"", L"", L"L", 0, L"", kMsgNameBadEnd, ""},
        {L"N", L"", L"", L"gone", 0, L"md N;write oem.reg;write oemlist.ini;", saved, ""},
        {L"N", L"", reg, L"L", 0, L"md N;write oemlogo.bmp;write oem.reg;rd N;", failed, ""},
        {L"N", n, reg, L"", 1, L"ask;del oemlogo.bmp;write oem.reg;", failed, ""},
        {L"N", n, L"", L"", 1, L"ask;del oemlogo.bmp;write oem.reg;", saved, "Dell\r\nn"},
    };
    for (const auto& [name, existing, failing, logo, yes, log, message, list] : cases) {
        FakeFiles f;
        f.existing = existing, f.failing = failing, f.yes = yes, f.list = list;
        const SaveOutcome out = SavePreset({L"P", name, {}, logo}, f);
        EXPECT_EQ(f.log, log) << message;
        EXPECT_EQ(out.message, message);
        EXPECT_EQ(out.saved, message.starts_with(kMsgPresetSavedPrefix));
    }
}

}  // namespace
}  // namespace vx
