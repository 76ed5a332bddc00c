#pragma once
// Typed access to single registry values: each call opens and closes its own key.
#include <windows.h>

#include <string>

#include "core/any_value.h"
#include "core/ports.h"

namespace vx {

bool SetRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                      AnyValue Value, int valueType, int Flag = 0);
AnyValue GetRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                          const AnyValue& DefaultValue = AnyValue());
bool DeleteRegistryValueOrKey(HKEY hKey, const std::wstring& RegKeyName,
                              const std::wstring& ValueName);

// The procedures above under HKEY_LOCAL_MACHINE, as the actions use them.
class MachineRegistry : public RegistryPort {
  public:
    bool SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                          const AnyValue& value, int valueType, int flag) override;
    AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                              const AnyValue& defaultValue) override;
};

}  // namespace vx
