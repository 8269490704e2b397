#pragma once
// One-dimensional SAFEARRAYs as clients pass and receive them: arrays of strings
// (VARIANT elements, as the form languages' arrays are) and byte arrays.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <span>
#include <vector>

#include "host/text.h"

namespace activex {

// Writes a new VT_ARRAY | VT_VARIANT into out, bounds 0 to N - 1 + trailingEmpty: the
// strings, then trailingEmpty Empty elements. Throws std::bad_alloc.
void ToStringArray(std::span<const host::String> strings, VARIANT* out, size_t trailingEmpty = 0);
// Writes a new VT_ARRAY | VT_UI1 into out, bounds 0 to N - 1. Throws std::bad_alloc.
void ToByteArray(const std::vector<uint8_t>& bytes, VARIANT* out);

// The strings of a single value (its text) or of a one-dimensional array of VARIANTs or
// BSTRs; any other array is a type mismatch (host::Error).
std::vector<host::String> StringsOf(const VARIANT& value);
// The bytes of a one-dimensional array, whatever its lower bound.
std::vector<uint8_t> BytesOf(SAFEARRAY* array);

}  // namespace activex
