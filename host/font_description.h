#pragma once
// The attributes of a control's font that painting rebuilds a font from.
#include "host/text.h"

namespace host {

struct FontDescription {
  String name;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  bool operator==(const FontDescription&) const = default;
};

}  // namespace host
