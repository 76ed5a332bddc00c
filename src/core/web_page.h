#pragma once
// Web pages the program opens, and the browser command line that opens one.
#include <string>
#include <string_view>

#include "resource_ids.h"

namespace vx {

// The product's download page and the maker's home page, both on the maker's site.
inline constexpr const wchar_t* kDownloadPage = L"" VX_MAKER_SITE "/download/";
inline constexpr const wchar_t* kMakerHomePage = L"" VX_MAKER_SITE "/";

// The browser below the folder that "programfiles" names. Empty when that value is not an
// absolute path (unset, empty or relative): the file would then be looked up relative to the
// current drive or folder, where anyone may have planted one.
std::wstring BrowserPath(std::wstring_view programFiles);

// The browser's path in double quotes, one space, the address. Unquoted, a path with spaces
// would start C:\Program.exe first if such a file exists.
std::wstring BrowserCommandLine(std::wstring_view browserPath, std::wstring_view address);

// The ways a web page can be opened, in the order OpenWebPageWith tries them.
class WebPageOpener {
  public:
    virtual ~WebPageOpener() = default;
    // Asked before the shell is handed a program: for a missing one it would show its own error.
    virtual bool ProgramExists(const std::wstring& path) = 0;
    // Started by the signed-in user's desktop shell: `file` (a program, or the address for its
    // default handler) then runs as that user, not with this program's elevation. False when
    // no desktop shell answers (Explorer not running).
    virtual bool TryDesktopShell(const std::wstring& file, const std::wstring& arguments) = 0;
    virtual bool TryInternetExplorer(const std::wstring& browserPath,
                                     const std::wstring& commandLine) = 0;
    virtual bool TryDefaultBrowser(const std::wstring& address) = 0;
    // The last resort: the address shown, for the user to copy.
    virtual void ShowAddress(const std::wstring& address) = 0;
};

// Internet Explorer below `programFiles` on the address, else the default browser, each
// through the desktop shell first; else the address is shown.
void OpenWebPageWith(std::wstring_view programFiles, const std::wstring& address,
                     WebPageOpener& opener);

}  // namespace vx
