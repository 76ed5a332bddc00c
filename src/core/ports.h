#pragma once
// The narrow seams through which the program's actions reach the system, so that their
// order of steps and their outcomes can be tested natively with fakes.
#include <string>

#include "core/any_value.h"

namespace vx {

// The registry procedures, always under HKEY_LOCAL_MACHINE.
class RegistryPort {
  public:
    virtual ~RegistryPort() = default;
    virtual bool SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                  const AnyValue& value, int valueType, int flag) = 0;
    virtual AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                                      const AnyValue& defaultValue) = 0;
};

}  // namespace vx
