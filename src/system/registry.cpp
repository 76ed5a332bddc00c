#include "system/registry.h"

#include <algorithm>
#include <vector>

#include "core/preset/reg_codec.h"
#include "system/native_view.h"

namespace vx {

namespace {

// Query, set, create subkey, enumerate, notify, create link; no standard rights.
constexpr REGSAM kWriteAccess = 0x3F;
constexpr DWORD kFirstQuerySize = 1024;

// Owns one key opened through `calls` and closes it there.
class OpenedKey {
  public:
    OpenedKey(RegistryCalls& calls, HKEY key) : calls_(calls), key_(key) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() { calls_.CloseKey(key_); }

    HKEY get() const { return key_; }

  private:
    RegistryCalls& calls_;
    HKEY key_;
};

}  // namespace

LSTATUS RegistryCalls::CreateKey(HKEY root, const wchar_t* subKey, REGSAM access,
                                 SECURITY_ATTRIBUTES* security, HKEY* key) {
    return ::RegCreateKeyExW(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, security,
                             key, nullptr);
}

LSTATUS RegistryCalls::OpenKey(HKEY root, const wchar_t* subKey, REGSAM access, HKEY* key) {
    return ::RegOpenKeyExW(root, subKey, 0, access, key);
}

LSTATUS RegistryCalls::QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data,
                                  DWORD* size) {
    return ::RegQueryValueExW(key, name, nullptr, type, data, size);
}

LSTATUS RegistryCalls::SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data,
                                DWORD size) {
    return ::RegSetValueExW(key, name, 0, type, data, size);
}

LSTATUS RegistryCalls::CloseKey(HKEY key) { return ::RegCloseKey(key); }

RegistryCalls& SystemRegistryCalls() {
    static RegistryCalls calls;
    return calls;
}

std::wstring ExpandEnvironmentText(const std::wstring& text) {
    const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring out(needed, L'\0');
    const DWORD written = ::ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
    // The environment may have grown between the two calls: show the text as stored.
    if (written == 0 || written > needed) return text;
    out.resize(written - 1);
    return out;
}

LSTATUS WriteRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                           const std::wstring& ValueName, const AnyValue& Value, int /*valueType*/,
                           int Flag) {
    // Not inheritable: a started command must never hold our key.
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.bInheritHandle = FALSE;
    HKEY raw = nullptr;
    const LSTATUS created =
        calls.CreateKey(hKey, KeyName.c_str(), kWriteAccess | kRegistryView, &security, &raw);
    if (created != ERROR_SUCCESS) return created;
    OpenedKey key(calls, raw);

    const reg::Encoded encoded = reg::EncodeValue(Value, Flag);
    switch (encoded.action) {
        case reg::Encoded::Action::Skip:
            return ERROR_SUCCESS;
        case reg::Encoded::Action::Refuse:
            return ERROR_INVALID_PARAMETER;
        case reg::Encoded::Action::Write:
            break;
    }
    return calls.SetValue(key.get(), ValueName.c_str(), encoded.type, encoded.bytes.data(),
                          static_cast<DWORD>(encoded.bytes.size()));
}

bool ReadRawRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                          const std::wstring& ValueName, DWORD* type,
                          std::vector<std::uint8_t>* bytes) {
    HKEY raw = nullptr;
    if (calls.OpenKey(hKey, KeyName.c_str(), KEY_READ | kRegistryView, &raw) != ERROR_SUCCESS)
        return false;
    OpenedKey key(calls, raw);

    std::vector<BYTE> buffer(kFirstQuerySize, 0);
    *type = REG_NONE;
    DWORD size = kFirstQuerySize;
    LSTATUS status = calls.QueryValue(key.get(), ValueName.c_str(), type, buffer.data(), &size);
    if (status == ERROR_MORE_DATA) {
        buffer.assign(size, 0);
        *type = REG_NONE;
        status = calls.QueryValue(key.get(), ValueName.c_str(), type, buffer.data(), &size);
    }
    // Missing, unreadable, or grown again since the size was reported.
    if (status != ERROR_SUCCESS) return false;
    bytes->assign(buffer.begin(), buffer.begin() + std::min<std::size_t>(size, buffer.size()));
    return true;
}

AnyValue GetRegistryValue(RegistryCalls& calls, HKEY hKey, const std::wstring& KeyName,
                          const std::wstring& ValueName, const AnyValue& DefaultValue) {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
    if (!ReadRawRegistryValue(calls, hKey, KeyName, ValueName, &type, &bytes)) return DefaultValue;
    return reg::DecodeValue(type, bytes, ExpandEnvironmentText);
}

AnyValue GetRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                          const AnyValue& DefaultValue) {
    return GetRegistryValue(SystemRegistryCalls(), hKey, KeyName, ValueName, DefaultValue);
}

bool ReadRawRegistryValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                          DWORD* type, std::vector<std::uint8_t>* bytes) {
    return ReadRawRegistryValue(SystemRegistryCalls(), hKey, KeyName, ValueName, type, bytes);
}

std::optional<RawValue> ReadExactValue(HKEY hKey, const std::wstring& KeyName,
                                       const std::wstring& ValueName) {
    RegistryCalls& calls = SystemRegistryCalls();
    HKEY raw = nullptr;
    const LSTATUS open = calls.OpenKey(hKey, KeyName.c_str(), KEY_QUERY_VALUE | kRegistryView, &raw);
    if (open == ERROR_FILE_NOT_FOUND) return RawValue{};
    if (open != ERROR_SUCCESS) return std::nullopt;
    OpenedKey key(calls, raw);
    // The value may grow between asking its size and reading it: asked again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = REG_NONE, size = 0;
        LSTATUS status = calls.QueryValue(key.get(), ValueName.c_str(), &type, nullptr, &size);
        if (status == ERROR_FILE_NOT_FOUND) return RawValue{};
        if (status != ERROR_SUCCESS) return std::nullopt;
        RawValue value{true, type, std::vector<std::uint8_t>(size)};
        status = calls.QueryValue(key.get(), ValueName.c_str(), &type, value.bytes.data(), &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status == ERROR_FILE_NOT_FOUND) return RawValue{};
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.type = type;
        value.bytes.resize(size);
        return value;
    }
    return std::nullopt;
}

LSTATUS WriteExactValue(HKEY hKey, const std::wstring& KeyName, const std::wstring& ValueName,
                        const RawValue& value) {
    RegistryCalls& calls = SystemRegistryCalls();
    HKEY raw = nullptr;
    if (!value.exists) {
        const LSTATUS open = calls.OpenKey(hKey, KeyName.c_str(), kWriteAccess | kRegistryView, &raw);
        if (open == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
        if (open != ERROR_SUCCESS) return open;
        OpenedKey key(calls, raw);
        const LSTATUS deleted = ::RegDeleteValueW(key.get(), ValueName.c_str());
        return deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : deleted;
    }
    // Not inheritable: a started command must never hold our key.
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, FALSE};
    const LSTATUS created =
        calls.CreateKey(hKey, KeyName.c_str(), kWriteAccess | kRegistryView, &security, &raw);
    if (created != ERROR_SUCCESS) return created;
    OpenedKey key(calls, raw);
    return calls.SetValue(key.get(), ValueName.c_str(), value.type, value.bytes.data(),
                          static_cast<DWORD>(value.bytes.size()));
}

}  // namespace vx
