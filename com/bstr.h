#pragma once
// BSTR and wide-string conversions of the component's UTF-16 text. An owning BSTR is
// win32::UniqueBstr (host/com/unique_handle.h).
#include <oleauto.h>

#include "host/text.h"

namespace activex {

inline BSTR AllocBstr(host::StringView text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

inline host::String FromBstr(BSTR text) {
  if (!text) return host::String();
  return host::String(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

inline host::String FromWide(const wchar_t* text) { return host::String(reinterpret_cast<const char16_t*>(text)); }

inline const wchar_t* Wide(const host::String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace activex
