// The current OEM information saved as a preset: the script's exact bytes, the names refused,
// and the files a save leaves behind, whole or taken back.
#include "core/preset/preset_save.h"

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;

// The end-to-end journey saves and restores texts with quotes, numbers and absent values.
TEST(RegScript, EachTypeWithItsBytes) {
    const struct Row {
        RawValue value;
        S data;
    } rows[] = {
        {.value = {true, 1, {'a', 0}}, .data = L"hex(1):61,00"},  // no terminator: only hex keeps it
        {.value = {true, 1, {'\n', 0, 0, 0}}, .data = L"hex(1):0a,00,00,00"},
        {.value = {true, 2, {'%', 0, 0, 0}}, .data = L"hex(2):25,00,00,00"},
        {.value = {true, 3, {0x01, 0xFF}}, .data = L"hex:01,ff"},
    };
    for (const Row& row : rows) EXPECT_EQ(RegDataText(row.value), row.data);
}

// Preset N, when replaced, holds an old script and logo; the current logo is file L. What is
// left: N's files (its script UTF-16 with a byte-order mark), then the list file's bytes.
TEST(SavePreset, RefusedNamesWriteNothingAndAFailedSaveTakesBackItsFolder) {
    EXPECT_EQ(DefaultPresetName(L"", {2026, 12, 6, 23, 5}), L"备份20261206-2305");
    const S n = L"C:\\V\\oemdata\\N", reg = n + L"\\oem.reg", saved = kMsgPresetSavedPrefix + S(L"N") +
            kMsgPresetSavedSuffix, denied = kMsgPresetNotSaved + reg + L"\n拒绝访问。";
    using enum OutcomeKind;
    const struct Row {
        S name = L"N";
        bool replacing = false, yes = true;  // to replacing it
        S failing, logoFile = L"L";
        std::string list = "B\r\n";  // before
        OutcomeKind kind = Refused;
        S message;
        std::string left = "| B\r\n";
    } rows[] = {
        {.name = L"", .message = kMsgNameEmpty},
        {.name = L"a\x1f", .message = kMsgNameBadChar},
        {.name = L"自定义...", .message = kMsgNameFixedEntry},
        {.name = L"N.", .message = kMsgNameBadEnd},
        {.name = L"联想", .message = kMsgNameNotAnsi},
        {.logoFile = L"gone", .list = "B", .kind = Done, .message = saved + kMsgPresetNoLogo,
         .left = "oem.reg | B\r\nN\r\n"},
        {.kind = Done, .message = saved, .left = "oem.reg oemlogo.bmp=logo | B\r\nN\r\n"},
        {.failing = reg, .kind = Failed, .message = denied},
        {.replacing = true, .yes = false, .kind = Declined,
         .message = kMsgPresetExistsPrefix + S(L"N") + kMsgPresetExistsSuffix,
         .left = "oem.reg oemlogo.bmp=old | B\r\n"},
        {.replacing = true, .failing = reg, .logoFile = L"gone", .kind = Failed, .message = denied,
         .left = "oem.reg | B\r\n"},
        {.replacing = true, .logoFile = L"gone", .list = "Dell\r\nn", .kind = Done,
         .message = saved + kMsgPresetNoLogo, .left = "oem.reg | Dell\r\nn"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        FakeSystem f;
        f.files = {{L"L", "logo"}, {L"C:\\V\\oemlist.ini", row.list}};
        if (row.replacing) {
            f.folders.insert(n);
            f.files[reg] = "\xFF\xFEold";
            f.files[n + L"\\oemlogo.bmp"] = "old";
        }
        f.failing = row.failing;
        f.yes = row.yes;
        const ActionOutcome out = SavePreset({L"C:\\V", row.name, {}, row.logoFile}, f.preset);
        EXPECT_EQ(out.kind, row.kind);
        EXPECT_EQ(out.message, row.message);
        std::string left;
        for (const auto& [path, bytes] : f.files) {
            if (!path.starts_with(n + L"\\")) continue;
            const bool script = path == reg;
            left += std::string(path.begin() + n.size() + 1, path.end()) + (script ? " " : "=" + bytes + " ");
            if (script) EXPECT_TRUE(bytes.starts_with("\xFF\xFE")) << "no byte-order mark";
        }
        EXPECT_EQ(left + "| " + f.files[L"C:\\V\\oemlist.ini"], row.left);
    }
}

}  // namespace
}  // namespace vx
