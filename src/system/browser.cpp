#include "system/browser.h"

#include <exdisp.h>
#include <objbase.h>
#include <oleauto.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include "core/texts.h"
#include "core/web_page.h"
#include "system/com_calls.h"
#include "system/handles.h"
#include "system/system_dll.h"
#include "system/ui.h"

namespace vx {

namespace {

using Microsoft::WRL::ComPtr;

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD got = ::GetEnvironmentVariableW(name, value.data(), size);
    value.resize(got < size ? got : 0);
    return value;
}

// A text argument for an automation call; cleared (its string freed) when it goes.
class TextVariant {
  public:
    explicit TextVariant(const std::wstring& text) {
        value_.vt = VT_BSTR;
        value_.bstrVal = com::AllocString(text.c_str());
    }
    ~TextVariant() { com::ClearVariant(&value_); }
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    const VARIANT& get() const { return value_; }
    bool ok() const { return value_.bstrVal != nullptr; }

  private:
    VARIANT value_{};
};

// The shell automation object of the desktop's own folder view, in Explorer's process.
ComPtr<IShellDispatch2> DesktopShell() {
    ComPtr<IShellWindows> windows;
    if (FAILED(
            com::CreateInstance(CLSID_ShellWindows, CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(&windows))))
        return nullptr;
    VARIANT none{};
    long window = 0;
    ComPtr<IDispatch> desktop;
    if (windows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktop) !=
            S_OK ||
        !desktop)
        return nullptr;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> background;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    ComPtr<IShellDispatch2> shell;
    if (FAILED(desktop.As(&services)) ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser))) ||
        FAILED(browser->QueryActiveShellView(&view)) || !view ||
        FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&background))) ||
        FAILED(background.As(&folderView)) || FAILED(folderView->get_Application(&application)) ||
        !application || FAILED(application.As(&shell)))
        return nullptr;
    return shell;
}

// The one opening under way, filled in by the window's thread before it starts the opening's.
struct {
    const wchar_t* address;
    HWND owner;
} pending;
volatile LONG opening = 0;
DWORD heldUpMilliseconds = 0;

class SystemWebPageOpener : public WebPageOpener {
  public:
    bool ProgramExists(const std::wstring& path) override {
        const DWORD a = ::GetFileAttributesW(path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool TryDesktopShell(const std::wstring& file, const std::wstring& arguments) override {
        const ComPtr<IShellDispatch2> shell = DesktopShell();
        if (!shell) return false;
        // The window it opens may come to the front.
        com::AllowSetForegroundWindow(shell.Get());
        const BSTR name = com::AllocString(file.c_str());
        // Started by Explorer, it would otherwise run in Explorer's folder, not in ours as
        // a program we start ourselves does.
        std::wstring current(MAX_PATH, L'\0');
        current.resize(::GetCurrentDirectoryW(MAX_PATH, current.data()));
        const TextVariant args(arguments), folder(current), verb(L"open");
        VARIANT show{};
        show.vt = VT_I4;
        show.lVal = SW_SHOWNORMAL;
        // S_FALSE: the shell could not start it.
        const bool opened =
            name && args.ok() && folder.ok() && verb.ok() &&
            shell->ShellExecute(name, args.get(), folder.get(), verb.get(), show) == S_OK;
        com::FreeString(name);
        return opened;
    }

    bool TryInternetExplorer(const std::wstring& browserPath,
                             const std::wstring& commandLine) override {
        std::wstring line = commandLine;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION started{};
        // The program file is named outright, so no part of the line is ever searched for.
        if (!::CreateProcessW(browserPath.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &started))
            return false;
        // Never awaited: the handles are only closed.
        UniqueHandle process(started.hProcess);
        UniqueHandle thread(started.hThread);
        return true;
    }

    bool TryDefaultBrowser(const std::wstring& address) override {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        // The failure is reported by our own box, which shows the address; the thread ends
        // right after, so the shell must have done its part by the time this returns.
        info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = L"open";
        info.lpFile = address.c_str();
        info.nShow = SW_SHOWNORMAL;
        static const auto execute =
            SystemFunction<BOOL(WINAPI*)(SHELLEXECUTEINFOW*)>(L"shell32.dll", "ShellExecuteExW");
        return execute && execute(&info);
    }

    void ShowAddress(const std::wstring&) override {
        // Gone by now when the window has closed: then there is no one to tell.
        ::PostMessageW(pending.owner, kWebPageNotOpened, 0,
                       reinterpret_cast<LPARAM>(pending.address));
    }
};

DWORD WINAPI OpenPending(void*) {
    {
        // The desktop shell is reached through COM, and the shell may hand the address to a
        // COM-based handler: the thread has an apartment of its own.
        const com::Apartment apartment;
        if (heldUpMilliseconds) ::Sleep(heldUpMilliseconds);
        SystemWebPageOpener opener;
        OpenWebPageWith(EnvironmentValue(L"programfiles"), pending.address, opener);
    }
    ::InterlockedExchange(&opening, 0);
    return 0;
}

}  // namespace

void ShowPageNotOpened(HWND owner, LPARAM address) {
    ShowMessage(owner,
                text::kMsgPageNotOpened + std::wstring(reinterpret_cast<const wchar_t*>(address)));
}

void HoldPageOpenings(DWORD milliseconds) { heldUpMilliseconds = milliseconds; }

void OpenWebPage(const wchar_t* address, HWND owner) {
    if (::InterlockedCompareExchange(&opening, 1, 0) != 0) return;
    pending = {address, owner};
    // The program may end while the thread runs: it uses nothing the exit takes away.
    const HANDLE thread = ::CreateThread(nullptr, 0, OpenPending, nullptr, 0, nullptr);
    if (thread) {
        ::CloseHandle(thread);
    } else {
        OpenPending(nullptr);
    }
}

}  // namespace vx
