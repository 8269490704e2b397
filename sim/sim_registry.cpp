#include "sim/sim_registry.h"

namespace host::sim {

void SimRegistry::AddKey(RegistryRoot root, StringView keyName) { keys_[{root, FoldedCase(keyName)}]; }

void SimRegistry::SetText(RegistryRoot root, StringView keyName, StringView valueName, StringView text) {
  RegistryValue value{kRegistryText, {}};
  for (char16_t unit : String(text) + u'\0') {
    value.bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    value.bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  SetValue(root, keyName, valueName, std::move(value));
}

void SimRegistry::SetNumber(RegistryRoot root, StringView keyName, StringView valueName, uint32_t number) {
  RegistryValue value{kRegistryNumber, {}};
  for (int shift = 0; shift < 32; shift += 8) value.bytes.push_back(static_cast<uint8_t>(number >> shift));
  SetValue(root, keyName, valueName, std::move(value));
}

void SimRegistry::SetValue(RegistryRoot root, StringView keyName, StringView valueName, RegistryValue value) {
  keys_[{root, FoldedCase(keyName)}][FoldedCase(valueName)] = std::move(value);
}

bool SimRegistry::KeyExists(RegistryRoot root, StringView keyName) const {
  return keys_.count({root, FoldedCase(keyName)}) != 0;
}

std::optional<RegistryValue> SimRegistry::ReadValue(RegistryRoot root, StringView keyName, StringView valueName,
                                                    std::size_t capacityBytes) const {
  auto key = keys_.find({root, FoldedCase(keyName)});
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(FoldedCase(valueName));
  if (value == key->second.end() || value->second.bytes.size() > capacityBytes) return std::nullopt;
  return value->second;
}

}  // namespace host::sim
