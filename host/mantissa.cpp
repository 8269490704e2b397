#include "host/mantissa.h"

namespace host {

bool Mantissa::TimesTenPlus(unsigned digit) {
  uint64_t carry = digit;
  for (uint32_t& word : words) {
    uint64_t product = uint64_t(word) * 10 + carry;
    word = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  return carry == 0;
}

uint32_t Mantissa::DivideBy10() {
  uint64_t remainder = 0;
  for (int i = 2; i >= 0; --i) {
    uint64_t current = (remainder << 32) | words[i];
    words[i] = static_cast<uint32_t>(current / 10);
    remainder = current % 10;
  }
  return static_cast<uint32_t>(remainder);
}

}  // namespace host
