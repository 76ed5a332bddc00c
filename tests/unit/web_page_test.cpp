#include "core/web_page.h"

#include <gtest/gtest.h>

// Unquoted, a path with spaces would start C:\Program.exe first if such a file exists; a
// "programfiles" that is not absolute would lead to wherever the current folder is.
TEST(WebPage, TheBrowserIsNamedByItsQuotedPathBelowAnAbsoluteFolderOnly) {
    EXPECT_EQ(
        vx::BrowserCommandLine(vx::BrowserPath(L"C:\\Program Files\\"), L"https://x.example/"),
        L"\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" https://x.example/");
    for (const wchar_t* relative : {L"", L"Program Files", L"\\Program Files", L"C:Program Files"})
        EXPECT_EQ(vx::BrowserPath(relative), L"") << relative;
}
