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

}  // namespace vx
