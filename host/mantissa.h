#pragma once
#include <cstdint>

namespace host {

// The unsigned 96-bit mantissa of a Decimal (a currency amount's fits too), in 32-bit words
// from the lowest.
struct Mantissa {
  uint32_t words[3] = {};

  static Mantissa Of(uint64_t low, uint32_t high) {
    return {{static_cast<uint32_t>(low), static_cast<uint32_t>(low >> 32), high}};
  }
  uint64_t Low64() const { return (static_cast<uint64_t>(words[1]) << 32) | words[0]; }
  uint32_t High32() const { return words[2]; }
  bool IsZero() const { return (words[0] | words[1] | words[2]) == 0; }

  // Multiplies by 10 and adds the digit in place; false when the result does not fit.
  bool TimesTenPlus(unsigned digit);
  // Divides by 10 in place and returns the remainder.
  uint32_t DivideBy10();
};

}  // namespace host
