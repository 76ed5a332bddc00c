#include "core/web_page.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace vx
