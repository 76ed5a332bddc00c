#pragma once
// The few COM and automation calls the program makes, looked up in ole32 and oleaut32 when
// first used: imported, those DLLs (and the RPC runtime with them) would load at every start,
// though only a web page or a chosen picture needs them.
#include <objbase.h>
#include <oleauto.h>

namespace vx::com {

HRESULT CreateInstance(REFCLSID cls, DWORD context, REFIID iid, void** object);
HRESULT AllowSetForegroundWindow(IUnknown* object);
BSTR AllocString(const wchar_t* text);
void FreeString(BSTR text);
HRESULT ClearVariant(VARIANT* variant);

// COM on the calling thread while it lives.
class Apartment {
  public:
    Apartment();
    ~Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

  private:
    HRESULT result_;
};

}  // namespace vx::com
