#pragma once
// The control's properties whose values have names, with the names the type library's
// enumerations give them (MousePointer: the form languages' pointer constants), for a
// host's property browser.
#include <cstdint>
#include <span>

#include "host/text.h"

namespace splitter {

struct NamedValue {
  int32_t value;
  const char16_t* name;
};

struct EnumeratedProperty {
  const char16_t* property;
  std::span<const NamedValue> values;

  const NamedValue* Find(int32_t value) const;
};

std::span<const EnumeratedProperty> EnumeratedProperties();
// The property of that name (exact), or null.
const EnumeratedProperty* FindEnumeratedProperty(host::StringView property);

// What a property browser lists for a value: "1 - Ov3D".
host::String DisplayText(const NamedValue& named);

}  // namespace splitter
