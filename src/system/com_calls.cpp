#include "system/com_calls.h"

namespace vx::com {

namespace {

// Both are known DLLs: the system folder is where they always load from.
template <typename Fn>
Fn Lookup(const wchar_t* dll, const char* name) {
    HMODULE module = ::GetModuleHandleW(dll);
    if (!module) module = ::LoadLibraryW(dll);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

// Looked up at every call, not kept: a page opens on a thread of its own while a picture may
// be decoded on the window's.
template <typename Fn, typename Fail, typename... Args>
auto Call(const wchar_t* dll, const char* name, Fail fail, Args... args) {
    const Fn fn = Lookup<Fn>(dll, name);
    return fn ? fn(args...) : fail;
}

}  // namespace

HRESULT CreateInstance(REFCLSID cls, DWORD context, REFIID iid, void** object) {
    *object = nullptr;
    return Call<HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**)>(
        L"ole32.dll", "CoCreateInstance", E_NOTIMPL, cls, nullptr, context, iid, object);
}

HRESULT AllowSetForegroundWindow(IUnknown* object) {
    return Call<HRESULT(WINAPI*)(IUnknown*, void*)>(L"ole32.dll", "CoAllowSetForegroundWindow",
                                                    E_NOTIMPL, object, nullptr);
}

BSTR AllocString(const wchar_t* text) {
    return Call<BSTR(WINAPI*)(const OLECHAR*)>(L"oleaut32.dll", "SysAllocString", BSTR{}, text);
}

void FreeString(BSTR text) {
    const auto fn = Lookup<void(WINAPI*)(BSTR)>(L"oleaut32.dll", "SysFreeString");
    if (fn) fn(text);
}

HRESULT ClearVariant(VARIANT* variant) {
    return Call<HRESULT(WINAPI*)(VARIANTARG*)>(L"oleaut32.dll", "VariantClear", E_NOTIMPL, variant);
}

Apartment::Apartment()
    : result_(Call<HRESULT(WINAPI*)(void*, DWORD)>(
          L"ole32.dll", "CoInitializeEx", E_NOTIMPL, nullptr,
          DWORD{COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE})) {}

Apartment::~Apartment() {
    const auto fn = Lookup<void(WINAPI*)()>(L"ole32.dll", "CoUninitialize");
    if (SUCCEEDED(result_) && fn) fn();
}

}  // namespace vx::com
