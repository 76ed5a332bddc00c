#pragma once
// Typed access to single registry values: each call opens and closes its own key.
//
// Every key is opened in the native (64-bit) view, texts travel in UTF-16 and are stored whole
// with their terminator.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/any_value.h"
#include "core/raw_value.h"

namespace vx {

// The Win32 calls the procedures make, the real ones by default. Tests derive from it to
// watch the access masks asked for.
class RegistryCalls {
  public:
    virtual ~RegistryCalls() = default;
    virtual LSTATUS CreateKey(HKEY root, const wchar_t* subKey, REGSAM access,
                              SECURITY_ATTRIBUTES* security, HKEY* key);
    virtual LSTATUS OpenKey(HKEY root, const wchar_t* subKey, REGSAM access, HKEY* key);
    virtual LSTATUS QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size);
    virtual LSTATUS SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data,
                             DWORD size);
    virtual LSTATUS CloseKey(HKEY key);
};

// The system's own calls.
RegistryCalls& SystemRegistryCalls();

// The value, stored as its kind and `Flag` ask (reg::EncodeValue); the key is created as needed.
// Returns ERROR_SUCCESS, the failed call's status, or ERROR_INVALID_PARAMETER for a byte array
// without elements, which is refused: the key is created or opened and closed again, and nothing
// is written.
LSTATUS WriteRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                           const std::wstring& ValueName, const AnyValue& Value, int valueType,
                           int Flag);

// The value as its type reads (reg::DecodeValue), expandable texts expanded; `DefaultValue` when
// the key or the value is missing or cannot be read.
AnyValue GetRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                          const AnyValue& DefaultValue = AnyValue());
AnyValue GetRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                          const std::wstring& ValueName, const AnyValue& DefaultValue = AnyValue());

// A value's type and stored bytes, unconverted; false when the key or the value is missing or
// cannot be read.
bool ReadRawRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                          const std::wstring& ValueName, DWORD* type,
                          std::vector<std::uint8_t>* bytes);
bool ReadRawRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                          DWORD* type, std::vector<std::uint8_t>* bytes);

// Exact access, for restore points: the value's type and bytes, absent when the key or the
// value is missing; nothing when it is there but cannot be read.
std::optional<RawValue> ReadExactValue(HKEY hKey, const std::wstring& KeyName,
                                       const std::wstring& ValueName);
// Written with exactly its type and bytes (the key created as needed), or deleted when absent;
// deleting what is already gone succeeds.
LSTATUS WriteExactValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                        const RawValue& value);

// Environment references (%NAME%) replaced from this process's environment; a text that
// cannot be expanded is returned as it is.
std::wstring ExpandEnvironmentText(const std::wstring& text);

}  // namespace vx
