#include "system/browser.h"

#include <objbase.h>
#include <shellapi.h>

#include "core/texts.h"
#include "core/web_page.h"
#include "system/handles.h"
#include "system/ui.h"

namespace vx {

namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD got = ::GetEnvironmentVariableW(name, value.data(), size);
    value.resize(got < size ? got : 0);
    return value;
}

bool StartInternetExplorer(const std::wstring& address) {
    const std::wstring browser = BrowserPath(EnvironmentValue(L"programfiles"));
    if (browser.empty()) return false;
    std::wstring commandLine = BrowserCommandLine(browser, address);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    // The program file is named outright, so no part of the line is ever searched for.
    if (!::CreateProcessW(browser.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &started))
        return false;
    // Never awaited: the handles are only closed.
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    return true;
}

bool StartDefaultBrowser(const std::wstring& address) {
    // The shell may hand the address to a COM-based handler. COM is looked up only here: an
    // import would load it, and the RPC runtime with it, at every start. ole32 is a known DLL,
    // always loaded from the system folder, and stays loaded for the shell.
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    using CoUninitializeFn = void(WINAPI*)();
    HMODULE ole = ::LoadLibraryW(L"ole32.dll");
    auto proc = [ole](const char* name) {
        return ole ? reinterpret_cast<void*>(::GetProcAddress(ole, name)) : nullptr;
    };
    const auto coInitializeEx = reinterpret_cast<CoInitializeExFn>(proc("CoInitializeEx"));
    const auto coUninitialize = reinterpret_cast<CoUninitializeFn>(proc("CoUninitialize"));
    const HRESULT com =
        coInitializeEx && coUninitialize
            ? coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
            : E_FAIL;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The failure is reported by our own box, which shows the address.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = ::ShellExecuteExW(&info) != FALSE;
    if (SUCCEEDED(com)) coUninitialize();
    return opened;
}

}  // namespace

void OpenWebPage(const std::wstring& address, HWND owner) {
    if (StartInternetExplorer(address)) return;
    if (StartDefaultBrowser(address)) return;
    ShowMessage(owner, text::kMsgPageNotOpened + address);
}

}  // namespace vx
