#pragma once
// The system registry, read only: where the About box finds the system-information program
// and the web browser.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/interface.h"
#include "host/text.h"

namespace host {

enum class RegistryRoot { kCurrentUser, kLocalMachine };

// Value types by the registry's numbers.
inline constexpr uint32_t kRegistryText = 1;
inline constexpr uint32_t kRegistryNumber = 4;

// A value as the registry stores it: text is UTF-16 (little-endian), a number 32 bits
// little-endian.
struct RegistryValue {
  uint32_t type = 0;
  std::vector<uint8_t> bytes;
};

class Registry : public Interface {
 public:
  // Whether the key under root opens.
  virtual bool KeyExists(RegistryRoot root, StringView keyName) const = 0;
  // The named value of the key (an empty name: the key's default value); none when the key
  // does not open, the value is absent or it does not fit capacityBytes.
  virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, StringView keyName, StringView valueName,
                                                 std::size_t capacityBytes) const = 0;
};

}  // namespace host
