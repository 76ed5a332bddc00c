#include "system/com_calls.h"

#include "system/system_dll.h"

namespace vx::com {

namespace {

template <typename Fn>
Fn Ole(const char* name) {
    return SystemFunction<Fn>(L"ole32.dll", name);
}

template <typename Fn>
Fn Automation(const char* name) {
    return SystemFunction<Fn>(L"oleaut32.dll", name);
}

}  // namespace

HRESULT CreateInstance(REFCLSID cls, DWORD context, REFIID iid, void** object) {
    *object = nullptr;
    static const auto fn =
        Ole<HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**)>("CoCreateInstance");
    return fn ? fn(cls, nullptr, context, iid, object) : E_NOTIMPL;
}

HRESULT AllowSetForegroundWindow(IUnknown* object) {
    static const auto fn = Ole<HRESULT(WINAPI*)(IUnknown*, void*)>("CoAllowSetForegroundWindow");
    return fn ? fn(object, nullptr) : E_NOTIMPL;
}

BSTR AllocString(const wchar_t* text) {
    static const auto fn = Automation<BSTR(WINAPI*)(const OLECHAR*)>("SysAllocString");
    return fn ? fn(text) : nullptr;
}

void FreeString(BSTR text) {
    static const auto fn = Automation<void(WINAPI*)(BSTR)>("SysFreeString");
    if (fn) fn(text);
}

HRESULT ClearVariant(VARIANT* variant) {
    static const auto fn = Automation<HRESULT(WINAPI*)(VARIANTARG*)>("VariantClear");
    return fn ? fn(variant) : E_NOTIMPL;
}

Apartment::Apartment() {
    static const auto fn = Ole<HRESULT(WINAPI*)(void*, DWORD)>("CoInitializeEx");
    result_ = fn ? fn(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) : E_NOTIMPL;
}

Apartment::~Apartment() {
    static const auto fn = Ole<void(WINAPI*)()>("CoUninitialize");
    if (SUCCEEDED(result_) && fn) fn();
}

}  // namespace vx::com
