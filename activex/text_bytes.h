#pragma once
// The component's UTF-16 text as the bytes of the clipboard's text formats and back:
// CF_UNICODETEXT (UTF-16) and CF_TEXT (the ANSI code page), each with its terminator.
#include <cstdint>
#include <vector>

#include "host/text.h"

namespace activex {

std::vector<uint8_t> BytesOfUtf16(host::StringView text);
std::vector<uint8_t> BytesOfAnsi(host::StringView text);

// Text up to its terminator; memory from another program need not have one.
host::String TextOfUtf16(const std::vector<uint8_t>& bytes);
host::String TextOfAnsi(const std::vector<uint8_t>& bytes);

}  // namespace activex
