#include "win32/win32_registry.h"

#include "com/unique_handle.h"
#include "com/bstr.h"

namespace win32 {
namespace {

UniqueRegistryKey OpenKey(host::RegistryRoot root, host::StringView keyName) {
  HKEY rootKey = root == host::RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(rootKey, activex::Wide(host::String(keyName)), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  return UniqueRegistryKey(opened);
}

}  // namespace

bool Win32Registry::KeyExists(host::RegistryRoot root, host::StringView keyName) const {
  return static_cast<bool>(OpenKey(root, keyName));
}

std::optional<host::RegistryValue> Win32Registry::ReadValue(host::RegistryRoot root, host::StringView keyName,
                                                            host::StringView valueName,
                                                            std::size_t capacityBytes) const {
  UniqueRegistryKey key = OpenKey(root, keyName);
  if (!key) return std::nullopt;
  host::RegistryValue value;
  value.bytes.resize(capacityBytes);
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacityBytes);
  if (RegQueryValueExW(key.get(), activex::Wide(host::String(valueName)), nullptr, &type, value.bytes.data(), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.type = type;
  value.bytes.resize(size);
  return value;
}

}  // namespace win32
