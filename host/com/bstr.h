#pragma once
// BSTR conversions and an owning BSTR.
#include <oleauto.h>

#include <utility>

#include "host/text.h"

namespace activex {

inline BSTR AllocBstr(host::StringView text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

inline host::String FromBstr(BSTR text) {
  if (!text) return host::String();
  return host::String(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

inline host::String FromWide(const wchar_t* text) {
  return host::String(reinterpret_cast<const char16_t*>(text));
}

inline const wchar_t* Wide(const host::String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(host::StringView text) : text_(AllocBstr(text)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }
  BSTR Get() const { return text_; }
  BSTR Detach() { return std::exchange(text_, nullptr); }

 private:
  BSTR text_ = nullptr;
};

}  // namespace activex
