#include "core/web_page.h"

namespace vx {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAbsolute(std::wstring_view path) {
    const bool drive =
        path.size() >= 3 &&
        ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
        path[1] == L':' && IsSeparator(path[2]);
    const bool unc =
        path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    return drive || unc;
}

}  // namespace

std::wstring BrowserPath(std::wstring_view programFiles) {
    // No file name holds a double quote; one in the value would only break the quoting.
    std::wstring folder;
    for (wchar_t c : programFiles)
        if (c != L'"') folder.push_back(c);
    if (!IsAbsolute(folder)) return {};
    while (IsSeparator(folder.back())) folder.pop_back();
    return folder + L"\\Internet Explorer\\IEXPLORE.EXE";
}

std::wstring BrowserCommandLine(std::wstring_view browserPath, std::wstring_view address) {
    std::wstring line = L"\"";
    line += browserPath;
    line += L"\" ";
    line += address;
    return line;
}

void OpenWebPageWith(std::wstring_view programFiles, const std::wstring& address,
                     WebPageOpener& opener) {
    std::wstring browser = BrowserPath(programFiles);
    if (!browser.empty() && !opener.ProgramExists(browser)) browser.clear();
    if (browser.empty() ? opener.TryDesktopShell(address, L"")
                        : opener.TryDesktopShell(browser, address))
        return;
    if (!browser.empty() &&
        opener.TryInternetExplorer(browser, BrowserCommandLine(browser, address)))
        return;
    if (opener.TryDefaultBrowser(address)) return;
    opener.ShowAddress(address);
}

}  // namespace vx
