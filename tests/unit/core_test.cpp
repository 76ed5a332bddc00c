// The list file's line ends, the owner panel's guard, the browser's command line and the
// firmware's tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "core/any_value.h"
#include "core/preset/brand_list.h"
#include "core/machine/firmware.h"
#include "core/oem/owner_panel.h"
#include "core/texts.h"
#include "core/web_page.h"

namespace vx {
namespace {

// No folder name holds CR or LF, so each ends a line on its own; nothing else is touched.
TEST(SplitListLines, CrLfALoneCrAndALoneLfEachEndOneLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"A\n\rB\r\r\n", {"A", "", "B", ""}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(SplitListLines(bytes), lines) << bytes;
}

TEST(SameName, LettersMatchInEitherCaseAsFolderNamesDoAndNothingElse) {
    EXPECT_TRUE(SameName(L"Lenovo ÄÖÿ ＡＢ ΣΣ ЖЁ ŁŹ 联想", L"LENOVO äöŸ ａｂ σς жё łź 联想"));
    EXPECT_FALSE(SameName(L"a", L"a ") || SameName(L"ß", L"SS") || SameName(L"@[÷ı", L"`{×İ"));
}

// Holds the texts written; refuses the value named `refused`.
struct FakeRegistry : RegistryPort {
    std::map<std::wstring, std::wstring> values;
    std::wstring refused;

    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& name,
                                 const AnyValue& value, int, int) override {
        if (name == refused) return {5, L"拒绝访问。"};
        values[name] = value.ToText();
        return {};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring& name,
                              const AnyValue&) override {
        return AnyValue::FromText(values[name]);
    }
    std::optional<RawValue> ReadValue(const std::wstring&, const std::wstring&) override { return RawValue{}; }
    WriteResult WriteValue(const std::wstring&, const std::wstring&, const RawValue&) override { return {}; }
};

// Until loaded the boxes hold only their placeholder, which must never replace the user's data.
TEST(OwnerPanel, SaveWritesNothingUntilLoadedThenNamesAFieldNotSaved) {
    FakeRegistry registry;
    registry.values[text::kRegisteredOwner] = L"Owner";
    OwnerPanel panel;
    EXPECT_EQ(panel.Save(registry, {L"Text1", L"Text1", L"Text1"}), text::kMsgOwnerNotLoaded);
    EXPECT_EQ(registry.values.size(), 1u);
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"Owner", L"", L""}));
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), text::kMsgOwnerSaved);
    registry.refused = text::kRegisteredOrganization;
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), L"以下个人信息未能保存：使用单位");
}

// Unquoted, a path with spaces would start C:\Program.exe first if such a file exists; a
// "programfiles" that is not absolute would lead to wherever the current folder is.
TEST(WebPage, TheBrowserIsNamedByItsQuotedPathBelowAnAbsoluteFolderOnly) {
    EXPECT_EQ(BrowserCommandLine(BrowserPath(L"C:\\Program Files\\"), L"https://x.example/"),
              L"\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" https://x.example/");
    for (const wchar_t* relative : {L"", L"Program Files", L"\\Program Files", L"C:Program Files"})
        EXPECT_EQ(BrowserPath(relative), L"") << relative;
}

// Records each try and says yes to those named: the desktop shell first (so the browser does
// not run elevated), then Internet Explorer, then the default browser, then the address shown.
const std::wstring kIe = L"C:\\PF\\Internet Explorer\\IEXPLORE.EXE";
struct FakeOpener : WebPageOpener {
    using S = const std::wstring&;
    std::wstring yes;  // e: IE is there; s, i, d: the shell, IE, the default browser start
    std::vector<std::wstring> tries;
    bool Try(wchar_t k, S what) { return tries.push_back(what), yes.find(k) != yes.npos; }
    bool ProgramExists(S p) override { return p == kIe && yes.find(L'e') != yes.npos; }
    bool TryDesktopShell(S f, S a) override { return Try(L's', L"shell " + f + L"|" + a); }
    bool TryInternetExplorer(S p, S l) override { return Try(L'i', L"ie " + p + L"|" + l); }
    bool TryDefaultBrowser(S a) override { return Try(L'd', L"default " + a); }
    void ShowAddress(S a) override { Try(L'-', L"show " + a); }
};

TEST(OpenWebPageWith, TriesTheDesktopShellThenTodaysOrder) {
    const std::wstring a = L"https://x.example/", def = L"default " + a, show = L"show " + a;
    const std::wstring shellIe = L"shell " + kIe + L"|" + a, shellA = L"shell " + a + L"|";
    const std::wstring ie = L"ie " + kIe + L"|\"" + kIe + L"\" " + a;
    const struct {
        const wchar_t *programFiles, *yes;
        std::vector<std::wstring> tries;
    } cases[] = {
        {L"C:\\PF", L"esid", {shellIe}},    {L"C:\\PF", L"sid", {shellA}},
        {L"C:\\PF", L"eid", {shellIe, ie}}, {L"C:\\PF", L"e", {shellIe, ie, def, show}},
        {L"", L"ei", {shellA, def, show}},
    };
    for (const auto& c : cases) {
        FakeOpener opener;
        opener.yes = c.yes;
        OpenWebPageWith(c.programFiles, a, opener);
        EXPECT_EQ(opener.tries, c.tries) << "case " << (&c - cases);
    }
}

// Numbers become text as printf's "%.15g" writes them, though the exe links no printf.
TEST(AnyValue, ANumberReadsAsPrintfWritesIt) {
    for (double x : {0.5, -2.25, 1234567.0, 1e15, 1e-5, 0.0001, 3.14159265358979, 1.0 / 3, 2e300,
                     -7e-300, 123456789012345678.0, 0.0}) {
        char c[64];
        std::snprintf(c, sizeof c, "%.15g", x);
        EXPECT_EQ(AnyValue::FromDouble(x).ToText(), std::wstring(c, c + std::strlen(c))) << c;
    }
}

using namespace std::string_literals;

// SMBIOS tables of real machines and of broken ones, and the BIOS key where they name no maker.
// A structure: type, length, handle, the string numbers from offset 4, the string set. Type 1
// numbers maker, product, version, serial, then SKU and family at 0x19; type 2 maker, product.
std::string Structure(char type, const std::string& numbers, const std::string& strings) {
    return std::string{type, char(4 + numbers.size()), 0, 0} + numbers + strings + '\0';
}
std::string System(const std::string& s) {
    return Structure(1, "\1\2\3\4"s + std::string(17, 0) + "\5\6", s);
}
std::string Board(const std::string& s) { return Structure(2, "\1\2", s); }
std::string Raw(const std::string& body, size_t n = 0) {  // the header, with the body's length
    return "\0\3\2\0"s + char(n ? n : body.size()) + "\0\0\0"s + body;
}
const std::string kBios = Structure(0, "\1", "N23ET59W\0"s), kEnd = Structure(127, "", "\0"s);
const std::string kLenovo = Raw(kBios + System("LENOVO\00020KHCTO1WW\0ThinkPad X1 Carbon 6th\0PF\0"
                                               "LENOVO_MT_20KH\0ThinkPad X1 Carbon 6th\0"s) +
                                Board("LENOVO\0SDK0J40697\0"s) + kEnd);

// The tables given; the BIOS key names a LENOVO T14.
struct FakeFirmware : FirmwarePort {
    std::string table;
    std::string SmbiosTable() override { return table; }
    std::wstring BiosValue(const wchar_t* n) override {
        return n == L"SystemManufacturer"s ? L" LENOVO " : n == L"SystemVersion"s ? L"T14" : L"";
    }
};

TEST(Smbios, ReadsRealTablesNothingOfBrokenOnesAndTheBiosKeyInstead) {
    const std::wstring bios = L"LENOVO / T14";
    const std::pair<std::string, std::wstring> cases[] = {
        {kLenovo, L"LENOVO / ThinkPad X1 Carbon 6th"},
        {Raw(System("  HP \0HP EliteBook 840 G5\0 \0CND\0\xE9\0"s)), L"HP / HP EliteBook 840 G5"},
        {Raw(System("Dell Inc.\0Latitude 7490\0Not Specified\0"s) + kEnd + System("HP\0"s)),
         L"Dell Inc. / Latitude 7490"},
        {Raw(System("System manufacturer\0"s) + Board("ASUSTeK COMPUTER INC.\0PRIME B450M-A\0"s)),
         L"ASUSTeK COMPUTER INC. / PRIME B450M-A"},
        {Raw(System("To Be Filled By O.E.M.\0x.x\0"s) + Board("Default string\0OEM\0"s)), bios},
        {kLenovo.substr(0, kBios.size() + 8 + 27 + 12), bios},  // cut short in a string set
        {Raw(kBios + System("Dell\0"s), kBios.size() + 30), bios},  // and by the header's length
        {Raw("\1\xF0\0\0Dell\0\0"s), bios},  // a length past the end
        {"\0\3\2\0\xFF\xFF"s, bios}};
    FakeFirmware f;
    for (const auto& [raw, expected] : cases) {
        f.table = raw;
        const MachineIdentity id = ReadMachineIdentity(f);
        EXPECT_EQ(id.manufacturer + L" / " + id.model, expected) << raw.size();
    }
    const SmbiosStrings s = ParseSmbios(kLenovo), hp = ParseSmbios(cases[1].first);
    EXPECT_EQ(s.product + L'|' + s.sku + L'|' + s.family + L'|' + s.boardProduct + L'|' + hp.sku,
              L"20KHCTO1WW|LENOVO_MT_20KH|ThinkPad X1 Carbon 6th|SDK0J40697|?");
}

}  // namespace
}  // namespace vx
