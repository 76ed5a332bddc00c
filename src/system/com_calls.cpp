#include "system/com_calls.h"

#include "system/system_dll.h"

namespace vx::com {

namespace {

// Looked up at every call, not kept in a static: a page opens on a thread of its own while a
// picture may be decoded on the window's, and the statics are not guarded.
template <typename Fn, typename Fail, typename... Args>
auto Call(const wchar_t* dll, const char* name, Fail fail, Args... args) {
    const Fn fn = SystemFunction<Fn>(dll, name);
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
    const auto fn = SystemFunction<void(WINAPI*)(BSTR)>(L"oleaut32.dll", "SysFreeString");
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
    const auto fn = SystemFunction<void(WINAPI*)()>(L"ole32.dll", "CoUninitialize");
    if (SUCCEEDED(result_) && fn) fn();
}

}  // namespace vx::com
