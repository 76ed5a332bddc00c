#include "core/preset_save.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/texts.h"

namespace vx {
namespace {

using namespace text;
TEST(RegScript, EachTypeWithItsBytesAndEachAbsenceDeletes) {
    const struct {
        RawValue value;
        std::wstring data;
    } cases[] = {
        {{true, 1, {'a', 0, '\\', 0, '"', 0, 'b', 0, 0, 0}}, L"\"a\\\\\\\"b\""},
        {{true, 1, {'a', 0}}, L"hex(1):61,00"},  // no terminator: only hex keeps the bytes
        {{true, 1, {'a', 0, '\n', 0, 0, 0}}, L"hex(1):61,00,0a,00,00,00"},
        {{true, 2, {'%', 0, 0, 0}}, L"hex(2):25,00,00,00"},
        {{true, 3, {0x01, 0xFF}}, L"hex:01,ff"},
        {{true, 4, {1, 0, 0, 0}}, L"hex(4):01,00,00,00"},
        {{true, 11, {}}, L"hex(b):"},
    };
    for (const auto& c : cases) EXPECT_EQ(RegDataText(c.value), c.data);
    const NamedValue two[] = {{L"Model", {true, 1, {'M', 0, 0, 0}}}, {L"Logo", {}}};
    EXPECT_EQ(RegScriptText(two),
              L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\" +
                  std::wstring(kOemKey) + L"]\r\n\"Model\"=\"M\"\r\n\"Logo\"=-\r\n\r\n");
}

TEST(PresetList, OldBytesKeptLineAddedOnce) {
    EXPECT_EQ(ListWithLine("", "N"), "N\r\n");
    EXPECT_EQ(ListWithLine("A\r\n", "N"), "A\r\nN\r\n");
    EXPECT_EQ(ListWithLine("A", "N"), "A\r\nN\r\n");
    EXPECT_EQ(ListWithLine("A\r", "N"), "A\rN\r\n");
    EXPECT_EQ(ListWithLine("A\nN", "N"), std::nullopt);
    EXPECT_EQ(DefaultPresetName(L"", {2026, 12, 6, 23, 5}), L"备份20261206-2305");
    EXPECT_EQ(DefaultPresetName(L"Maker", {2026, 12, 6, 23, 5}), L"Maker");
}

// Paths kept short: program folder P, preset N, logo file L.
struct FakeFiles : PresetFilesPort {
    std::map<std::wstring, std::string> files{{L"L", "BM"}, {L"P\\oemlist.ini", "A"}};
    std::set<std::wstring> folders;
    std::wstring failing, log;
    bool yes = false;
    bool FileExists(const std::wstring& p) override { return files.count(p) > 0; }
    bool FolderExists(const std::wstring& p) override { return folders.count(p) > 0; }
    bool ReadFile(const std::wstring& p, std::string* b) override {
        return files.count(p) && (*b = files[p], true);
    }
    WriteResult Do(const wchar_t* op, const std::wstring& p) {
        log += op + p.substr(p.find_last_of(L'\\') + 1) + L";";
        return p == failing ? WriteResult{5, L"denied"} : WriteResult{};
    }
    WriteResult MakeFolder(const std::wstring& p) override { return Do(L"md ", p); }
    WriteResult WriteFile(const std::wstring& p, const std::string& b) override {
        return files[p] = b, Do(L"write ", p);
    }
    WriteResult RemoveFile(const std::wstring& p) override { return Do(L"del ", p); }
    void RemoveTree(const std::wstring& p) override { Do(L"rd ", p); }
    bool AskYesNo(const std::wstring&) override { return log += L"ask;", yes; }
    std::optional<std::string> ToAnsi(const std::wstring& t) override {
        if (t.find(L'ø') != std::wstring::npos) return {};
        return std::string(t.begin(), t.end());
    }
};

TEST(SavePreset, RefusalsReplacementsAndFailuresLeaveNothingHalfDone) {
    const std::wstring saved = kMsgPresetSavedPrefix + std::wstring(L"N") + kMsgPresetSavedSuffix;
    const std::wstring noFolder = L"P\\oemdata\\N";
    const struct {
        std::wstring name, folder, failing, logo;
        bool yes;
        std::wstring log, message;
    } cases[] = {
        {L"", L"", L"", L"L", 0, L"", kMsgNameEmpty},
        {L"a<b", L"", L"", L"L", 0, L"", kMsgNameBadChar},
        {L"a?\x01", L"", L"", L"L", 0, L"", kMsgNameBadChar},
        {L"自定义...", L"", L"", L"L", 0, L"", kMsgNameFixedEntry},
        {L"N ", L"", L"", L"L", 0, L"", kMsgNameBadEnd},
        {L"N.", L"", L"", L"L", 0, L"", kMsgNameBadEnd},
        {L"Nø", L"", L"", L"L", 0, L"", kMsgNameNotAnsi},
        {L"N", L"", L"", L"L", 0, L"md N;write oemlogo.bmp;write oem.reg;write oemlist.ini;",
         saved},
        {L"N", L"", L"", L"gone", 0, L"md N;write oem.reg;write oemlist.ini;",
         saved + kMsgPresetNoLogo},
        {L"N", L"", L"P\\oemlist.ini", L"L", 0,
         L"md N;write oemlogo.bmp;write oem.reg;write oemlist.ini;rd N;",
         kMsgPresetNotSaved + std::wstring(L"P\\oemlist.ini\ndenied")},
        {L"N", L"", noFolder, L"L", 0, L"md N;", kMsgPresetNotSaved + noFolder + L"\ndenied"},
        {L"N", noFolder, L"", L"L", 0, L"ask;", L""},
        {L"N", noFolder, L"P\\oemdata\\N\\oem.reg", L"", 1, L"ask;del oemlogo.bmp;write oem.reg;",
         kMsgPresetNotSaved + std::wstring(L"P\\oemdata\\N\\oem.reg\ndenied")},
        {L"A", L"P\\oemdata\\A", L"", L"L", 1, L"ask;write oemlogo.bmp;write oem.reg;",
         kMsgPresetSavedPrefix + std::wstring(L"A") + kMsgPresetSavedSuffix},
    };
    for (const auto& c : cases) {
        FakeFiles f;
        f.folders = {c.folder}, f.failing = c.failing, f.yes = c.yes;
        f.files[L"P\\oemdata\\N\\oemlogo.bmp"] = "old";
        const SaveOutcome out = SavePreset({L"P", c.name, {}, c.logo}, f);
        EXPECT_EQ(f.log, c.log) << c.message;
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.saved, c.message.starts_with(kMsgPresetSavedPrefix));
    }
}

}  // namespace
}  // namespace vx
