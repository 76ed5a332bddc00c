#include "core/preset/preset_save.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;
using namespace std::string_literals;

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

// The files of preset N after a save, by name, and the list file's bytes; a saved script is
// UTF-16 with its byte-order mark.
std::string Library(FakeSystem& f) {
    std::string out;
    for (const auto& [path, bytes] : f.files) {
        if (!path.starts_with(L"C:\\V\\oemdata\\N\\")) continue;
        const bool script = path.ends_with(L"oem.reg");
        out += std::string(path.begin() + 15, path.end()) + (script ? " " : "=" + bytes + " ");
        if (script) EXPECT_TRUE(bytes.starts_with("\xFF\xFEW\0i\0"s));
    }
    return out + "| " + f.files[L"C:\\V\\oemlist.ini"];
}

// Preset N replaced holds an old script and logo; the current logo is file L.
TEST(SavePreset, RefusedNamesWriteNothingAndAFailedSaveTakesBackItsFolder) {
    EXPECT_EQ(DefaultPresetName(L"", {2026, 12, 6, 23, 5}), L"备份20261206-2305");
    const S saved = kMsgPresetSavedPrefix + S(L"N") + kMsgPresetSavedSuffix;
    const S n = L"C:\\V\\oemdata\\N", reg = n + L"\\oem.reg";
    const struct Row {
        S name = L"N";
        bool replacing = false;
        bool yes = true;  // to replacing it
        S failing, logoFile = L"L";
        std::string list = "B\r\n";  // before
        OutcomeKind kind = OutcomeKind::Refused;
        S message;
        std::string after = "| B\r\n";
    } rows[] = {
        {.name = L"", .message = kMsgNameEmpty},
        {.name = L"a\x1f", .message = kMsgNameBadChar},
        {.name = L"自定义...", .message = kMsgNameFixedEntry},
        {.name = L"N.", .message = kMsgNameBadEnd},
        {.name = L"联想", .message = kMsgNameNotAnsi},
        {.logoFile = L"gone", .list = "B", .kind = OutcomeKind::Done, .message = saved + kMsgPresetNoLogo,
         .after = "oem.reg | B\r\nN\r\n"},
        {.kind = OutcomeKind::Done, .message = saved, .after = "oem.reg oemlogo.bmp=logo | B\r\nN\r\n"},
        {.failing = reg, .kind = OutcomeKind::Failed, .message = kMsgPresetNotSaved + reg + L"\ndenied"},
        {.replacing = true, .yes = false, .kind = OutcomeKind::Declined,
         .message = kMsgPresetExistsPrefix + S(L"N") + kMsgPresetExistsSuffix,
         .after = "oem.reg oemlogo.bmp=old | B\r\n"},
        {.replacing = true, .failing = reg, .logoFile = L"gone", .kind = OutcomeKind::Failed,
         .message = kMsgPresetNotSaved + reg + L"\ndenied", .after = "oem.reg | B\r\n"},
        {.replacing = true, .logoFile = L"gone", .list = "Dell\r\nn", .kind = OutcomeKind::Done,
         .message = saved + kMsgPresetNoLogo,
         .after = "oem.reg | Dell\r\nn"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        FakeSystem f;
        f.files = {{L"L", "logo"}, {L"C:\\V\\oemlist.ini", row.list}};
        if (row.replacing) {
            f.folders.insert(n);
            f.files[reg] = "\xFF\xFEW\0i\0old"s;
            f.files[n + L"\\oemlogo.bmp"] = "old";
        }
        f.failing = row.failing;
        f.yes = row.yes;
        const ActionOutcome out = SavePreset({L"C:\\V", row.name, {}, row.logoFile}, f.preset);
        EXPECT_EQ(out.kind, row.kind);
        EXPECT_EQ(out.message, row.message);
        EXPECT_EQ(Library(f), row.after);
    }
}

}  // namespace
}  // namespace vx
