#pragma once
// The loaded OCX, reached the way COM itself reaches it: by module name and export.

#include <windows.h>

inline constexpr const wchar_t* kServerModule = L"OvSplitr.ocx";

// E_UNEXPECTED when the server is not loaded in this process.
inline HRESULT ServerCanUnloadNow() {
  HMODULE server = GetModuleHandleW(kServerModule);
  if (!server) return E_UNEXPECTED;
  using CanUnload = HRESULT(STDAPICALLTYPE*)();
  auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
  return canUnload ? canUnload() : E_NOTIMPL;
}
