#pragma once
// Script engines pass a variable as a reference to its Variant (VT_BYREF | VT_VARIANT); a
// parameter declared by reference with a fixed type (long*, BSTR*, VARIANT_BOOL*...) is not
// converted by the type library's Invoke and fails with a type mismatch. This gives such an
// argument to the member as a temporary of the declared type, converted as a by-value
// argument would be, and writes the temporary back into the caller's Variant when the member
// changed it.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "com/unique_handle.h"

namespace activex {

class ByRefArguments {
 public:
  // The arguments of one call of `member` with `flags`; `params` stays the caller's.
  ByRefArguments(ITypeInfo* info, DISPID member, WORD flags, DISPPARAMS* params);
  ByRefArguments(const ByRefArguments&) = delete;
  ByRefArguments& operator=(const ByRefArguments&) = delete;

  // S_OK, or the conversion's error with the argument's position in `argumentError`.
  HRESULT result() const { return result_; }
  UINT failedArgument() const { return failedArgument_; }
  // What to hand the type library: the caller's own arguments when nothing needed converting.
  DISPPARAMS* Params() { return converted_.empty() ? caller_ : &params_; }
  // After the call: a temporary that the member changed goes back to the caller's Variant.
  void WriteBack();

 private:
  struct Converted {
    VARIANT* callerVariant;         // what the engine's reference points to
    win32::UniqueVariant value;     // the temporary of the declared type
    win32::UniqueVariant original;  // its value before the call
  };
  DISPPARAMS* caller_;
  DISPPARAMS params_{};
  std::vector<VARIANT> arguments_;
  std::vector<Converted> converted_;
  HRESULT result_ = S_OK;
  UINT failedArgument_ = 0;
};

}  // namespace activex
