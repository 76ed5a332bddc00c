// Names compared as the file system does, the browser's command line and the firmware's tables.
#include <gtest/gtest.h>

#include <map>
#include <vector>
#include <set>

#include "core/any_value.h"
#include "core/machine/firmware.h"
#include "core/plain_text.h"
#include "core/web_page.h"
#include "fakes.h"

namespace vx {
namespace {

TEST(SameName, LettersMatchInEitherCaseAsFolderNamesDoAndNothingElse) {
    EXPECT_TRUE(SameName(L"Lenovo ÄÖÿ ＡＢ ΣΣ ЖЁ ŁŹ 联想", L"LENOVO äöŸ ａｂ σς жё łź 联想"));
    EXPECT_FALSE(SameName(L"a", L"a ") || SameName(L"ß", L"SS") || SameName(L"@[÷ı", L"`{×İ"));
}

// Unquoted, a path with spaces would start C:\Program.exe first if such a file exists; a
// "programfiles" that is not absolute would lead to wherever the current folder is.
TEST(WebPage, TheBrowserIsNamedByItsQuotedPathBelowAnAbsoluteFolderOnly) {
    EXPECT_EQ(BrowserCommandLine(BrowserPath(L"C:\\Program Files\\"), L"https://x.example/"),
              L"\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" https://x.example/");
    for (const wchar_t* relative : {L"", L"Program Files", L"\\Program Files", L"C:Program Files"})
        EXPECT_EQ(BrowserPath(relative), L"") << relative;
}

// Records each try; the ways in `starting` start. The desktop shell comes first (so the
// browser does not run elevated), then Internet Explorer, then the default browser, then the
// address is shown.
const std::wstring kIe = L"C:\\PF\\Internet Explorer\\IEXPLORE.EXE";
enum Way { Shell, Ie, Default };
struct FakeOpener : WebPageOpener {
    using S = const std::wstring&;
    bool ieThere = false;
    std::set<Way> starting;
    std::vector<std::wstring> tries;
    bool Try(Way way, S what) {
        tries.push_back(what);
        return starting.contains(way);
    }
    bool ProgramExists(S p) override { return ieThere && p == kIe; }
    bool TryDesktopShell(S f, S a) override { return Try(Shell, L"shell " + f + L"|" + a); }
    bool TryInternetExplorer(S p, S l) override { return Try(Ie, L"ie " + p + L"|" + l); }
    bool TryDefaultBrowser(S a) override { return Try(Default, L"default " + a); }
    void ShowAddress(S a) override { tries.push_back(L"show " + a); }
};

TEST(OpenWebPageWith, TriesTheDesktopShellThenTodaysOrder) {
    const std::wstring a = L"https://x.example/", def = L"default " + a, show = L"show " + a;
    const std::wstring shellIe = L"shell " + kIe + L"|" + a, shellA = L"shell " + a + L"|";
    const std::wstring ie = L"ie " + kIe + L"|\"" + kIe + L"\" " + a;
    const struct Row {
        const wchar_t* programFiles = L"C:\\PF";
        bool ieThere = true;
        std::set<Way> starting;
        std::vector<std::wstring> tries;
    } rows[] = {
        {.starting = {Shell, Ie, Default}, .tries = {shellIe}},
        {.ieThere = false, .starting = {Shell, Ie, Default}, .tries = {shellA}},
        {.starting = {Ie, Default}, .tries = {shellIe, ie}},
        {.starting = {}, .tries = {shellIe, ie, def, show}},
        {.programFiles = L"", .starting = {Ie}, .tries = {shellA, def, show}},
    };
    for (const Row& row : rows) {
        FakeOpener opener;
        opener.ieThere = row.ieThere;
        opener.starting = row.starting;
        OpenWebPageWith(row.programFiles, a, opener);
        EXPECT_EQ(opener.tries, row.tries) << "row " << (&row - rows);
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

TEST(Smbios, ReadsRealTablesNothingOfBrokenOnesAndTheBiosKeyInstead) {
    const std::wstring bios = L"LENOVO / T14";  // where the tables name no maker
    const struct Row {
        std::string table;
        std::wstring read;  // maker / model
    } rows[] = {
        {.table = kLenovo, .read = L"LENOVO / ThinkPad X1 Carbon 6th"},
        {.table = Raw(System("  HP \0HP EliteBook 840 G5\xE9\0 \0CND\0"s)), .read = L"HP / HP EliteBook 840 G5?"},
        {.table = Raw(System("Dell Inc.\0Latitude 7490\0Not Specified\0"s) + kEnd + System("HP\0"s)),
         .read = L"Dell Inc. / Latitude 7490"},
        {.table = Raw(System("System manufacturer\0"s) + Board("ASUSTeK COMPUTER INC.\0PRIME B450M-A\0"s)),
         .read = L"ASUSTeK COMPUTER INC. / PRIME B450M-A"},
        {.table = Raw(System("To Be Filled By O.E.M.\0x.x\0"s) + Board("Default string\0OEM\0"s)), .read = bios},
        {.table = kLenovo.substr(0, kBios.size() + 8 + 27 + 12), .read = bios},  // cut in a string set
        {.table = Raw(kBios + System("Dell\0"s), kBios.size() + 30), .read = bios},  // by the header
        {.table = Raw("\1\xF0\0\0Dell\0\0"s), .read = bios},  // a length past the end
        {.table = "\0\3\2\0\xFF\xFF"s, .read = bios}};
    fakes::FakeSystem f;
    f.bios = {{L"SystemManufacturer", L" LENOVO "}, {L"SystemVersion", L"T14"}};
    for (const Row& row : rows) {
        f.smbios = row.table;
        const MachineIdentity id = ReadMachineIdentity(f);
        EXPECT_EQ(id.manufacturer + L" / " + id.model, row.read) << row.table.size();
    }
    const SmbiosStrings s = ParseSmbios(kLenovo);
    EXPECT_EQ(s.product + L'|' + s.boardProduct, L"20KHCTO1WW|SDK0J40697");
}

}  // namespace
}  // namespace vx
