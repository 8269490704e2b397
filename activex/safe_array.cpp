#include "activex/safe_array.h"

#include <cstring>
#include <new>

#include "activex/variant_bridge.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {
namespace {

// The elements of a new vector, accessed for writing; throws std::bad_alloc.
win32::UniqueSafeArray NewVector(VARTYPE type, size_t length) {
  win32::UniqueSafeArray array(SafeArrayCreateVector(type, 0, static_cast<ULONG>(length)));
  if (!array) throw std::bad_alloc();
  return array;
}

void Hand(win32::UniqueSafeArray array, VARTYPE type, VARIANT* out) {
  VariantInit(out);
  V_VT(out) = VT_ARRAY | type;
  V_ARRAY(out) = array.release();
}

// Bounds of the first dimension as a count, 0 when the array is empty.
size_t LengthOf(SAFEARRAY* array, LONG* lower) {
  LONG upper = -1;
  *lower = 0;
  SafeArrayGetLBound(array, 1, lower);
  SafeArrayGetUBound(array, 1, &upper);
  return upper < *lower ? 0 : static_cast<size_t>(upper - *lower + 1);
}

}  // namespace

void ToStringArray(std::span<const host::String> strings, VARIANT* out, size_t trailingEmpty) {
  win32::UniqueSafeArray array = NewVector(VT_VARIANT, strings.size() + trailingEmpty);
  {
    win32::AccessedArray access(array.get());
    auto* elements = static_cast<VARIANT*>(access.data());
    if (!elements && !strings.empty()) throw std::bad_alloc();
    for (size_t i = 0; i < strings.size(); ++i) {
      V_VT(&elements[i]) = VT_BSTR;
      V_BSTR(&elements[i]) = AllocBstr(strings[i]);
    }
  }
  Hand(std::move(array), VT_VARIANT, out);
}

void ToByteArray(const std::vector<uint8_t>& bytes, VARIANT* out) {
  win32::UniqueSafeArray array = NewVector(VT_UI1, bytes.size());
  if (!bytes.empty()) {
    win32::AccessedArray access(array.get());
    if (access.data()) std::memcpy(access.data(), bytes.data(), bytes.size());
  }
  Hand(std::move(array), VT_UI1, out);
}

std::vector<host::String> StringsOf(const VARIANT& value) {
  if (!(V_VT(&value) & VT_ARRAY)) return {FromVariant(value).ToString()};
  SAFEARRAY* array = V_ARRAY(&value);
  if (!array || SafeArrayGetDim(array) != 1) throw host::Error::Runtime(host::err::kTypeMismatch);
  VARTYPE type = V_VT(&value) & VT_TYPEMASK;
  if (type != VT_VARIANT && type != VT_BSTR) throw host::Error::Runtime(host::err::kTypeMismatch);
  LONG lower = 0;
  size_t length = LengthOf(array, &lower);
  std::vector<host::String> strings;
  for (LONG i = lower; i < lower + static_cast<LONG>(length); ++i) {
    win32::UniqueVariant element;
    if (type == VT_VARIANT) {
      SafeArrayGetElement(array, &i, element.put());
    } else {
      VARIANT* slot = element.put();
      V_VT(slot) = VT_BSTR;
      V_BSTR(slot) = nullptr;
      SafeArrayGetElement(array, &i, &V_BSTR(slot));
    }
    strings.push_back(FromVariant(element.get()).ToString());
  }
  return strings;
}

std::vector<uint8_t> BytesOf(SAFEARRAY* array) {
  LONG lower = 0;
  std::vector<uint8_t> bytes(LengthOf(array, &lower));
  if (!bytes.empty()) {
    win32::AccessedArray access(array);
    if (access.data()) std::memcpy(bytes.data(), access.data(), bytes.size());
  }
  return bytes;
}

}  // namespace activex
