#include "core/web_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

struct PathCase {
    std::wstring programFiles;
    std::wstring browser;  // empty: no browser is tried
};

TEST(BrowserPath, BelowAnAbsoluteProgramFilesOnly) {
    const PathCase cases[] = {
        {L"C:\\Program Files", L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"},
        {L"D:\\Apps", L"D:\\Apps\\Internet Explorer\\IEXPLORE.EXE"},
        {L"c:/Program Files", L"c:/Program Files\\Internet Explorer\\IEXPLORE.EXE"},
        {L"C:\\Program Files\\", L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"},
        {L"C:\\", L"C:\\Internet Explorer\\IEXPLORE.EXE"},
        {L"\\\\server\\apps", L"\\\\server\\apps\\Internet Explorer\\IEXPLORE.EXE"},
        // A quoted value is still the same folder; no quote can reach the command line.
        {L"\"C:\\Program Files\"", L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"},
        // Unset or empty would mean "\Internet Explorer\..." on the current drive, a relative
        // value a folder below the current one: places the program does not control.
        {L"", L""},
        {L"Program Files", L""},
        {L"\\Program Files", L""},
        {L"C:Program Files", L""},
        {L"\\\\\\x", L""},
        {L"\"\"", L""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(BrowserPath(c.programFiles), c.browser) << "case " << (&c - cases);
    }
}

TEST(WebPages, BothOnTheMakersSite) {
    const std::wstring site = L"" VX_MAKER_SITE;
    const std::wstring download = kDownloadPage, home = kMakerHomePage;
    EXPECT_EQ(download.rfind(site, 0), 0u);
    EXPECT_EQ(home.rfind(site, 0), 0u);
    EXPECT_NE(download, home);
    // The address follows the quoted path after one space: it must hold none itself.
    EXPECT_EQ(download.find_first_of(L" \t\""), std::wstring::npos);
    EXPECT_EQ(home.find_first_of(L" \t\""), std::wstring::npos);
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

}  // namespace
}  // namespace vx
