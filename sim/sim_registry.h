#pragma once
// A registry held in memory: keys by root and name (compared without regard to case, as the
// registry does), each with its values.
#include <map>

#include "host/site/registry.h"

namespace host::sim {

class SimRegistry : public Registry {
 public:
  void AddKey(RegistryRoot root, StringView keyName);
  // Adds the key too. Text is stored with its terminating character, as the registry does.
  void SetText(RegistryRoot root, StringView keyName, StringView valueName, StringView text);
  void SetNumber(RegistryRoot root, StringView keyName, StringView valueName, uint32_t number);
  void SetValue(RegistryRoot root, StringView keyName, StringView valueName, RegistryValue value);

  bool KeyExists(RegistryRoot root, StringView keyName) const override;
  std::optional<RegistryValue> ReadValue(RegistryRoot root, StringView keyName, StringView valueName,
                                         std::size_t capacityBytes) const override;

 private:
  using Values = std::map<String, RegistryValue>;
  using KeyId = std::pair<RegistryRoot, String>;
  std::map<KeyId, Values> keys_;
};

}  // namespace host::sim
