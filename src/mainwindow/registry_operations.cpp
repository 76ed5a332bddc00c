#include "mainwindow/main_window.h"
#include "registry/registry.h"

namespace vx {

bool MainWindow::SetRegistryValue(HKEY hKey, const std::wstring& KeyName,
                                  const std::wstring& ValueName, AnyValue Value, int valueType,
                                  int Flag) const {
    return vx::SetRegistryValue(hKey, KeyName, ValueName, std::move(Value), valueType, Flag);
}

AnyValue MainWindow::GetRegistryValue(HKEY hKey, const std::wstring& KeyName,
                                      const std::wstring& ValueName,
                                      const AnyValue& DefaultValue) const {
    return vx::GetRegistryValue(hKey, KeyName, ValueName, DefaultValue);
}

bool MainWindow::DeleteRegistryValueOrKey(HKEY hKey, const std::wstring& RegKeyName,
                                          const std::wstring& ValueName) const {
    return vx::DeleteRegistryValueOrKey(hKey, RegKeyName, ValueName);
}

}  // namespace vx
