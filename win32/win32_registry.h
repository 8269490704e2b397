#pragma once
// The real registry, opened for reading only: lookups then work for users without
// administrator rights, where a request for write access to HKEY_LOCAL_MACHINE fails.
#include "host/site/registry.h"

namespace win32 {

class Win32Registry final : public host::Registry {
 public:
  bool KeyExists(host::RegistryRoot root, host::StringView keyName) const override;
  std::optional<host::RegistryValue> ReadValue(host::RegistryRoot root, host::StringView keyName,
                                               host::StringView valueName, std::size_t capacityBytes) const override;
};

}  // namespace win32
