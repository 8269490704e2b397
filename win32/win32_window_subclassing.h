#pragma once
// The real subclassing of windows with the Unicode, pointer-sized user32 calls
// (SetWindowLongPtrW with GWLP_WNDPROC, CallWindowProcW, SetPropW, GetPropW, RemovePropW),
// so that procedures, handles and property values keep their full width on Win64.
//
// The procedure installed on a subclassed window is one static trampoline. It enters the
// portable shared procedure that the last InstallSharedProcedure named, passing Instance()
// as the platform.
#include "host/site/window_subclassing.h"

namespace win32 {

class Win32WindowSubclassing final : public host::WindowSubclassing {
 public:
  // The one platform of the process: it holds no state, the windows hold it all.
  static Win32WindowSubclassing& Instance();

  host::WindowProcedure InstallSharedProcedure(host::WindowHandle window, host::SharedWindowProcedure shared) override;
  void PutBackProcedure(host::WindowHandle window, host::WindowProcedure procedure) override;
  host::MessageResult CallProcedure(host::WindowProcedure procedure, host::WindowHandle window, uint32_t message,
                                    host::WParam wParam, host::LParam lParam) override;
  void SetProperty(host::WindowHandle window, host::StringView name, std::uintptr_t value) override;
  std::uintptr_t GetProperty(host::WindowHandle window, host::StringView name) override;
  void RemoveProperty(host::WindowHandle window, host::StringView name) override;

 private:
  Win32WindowSubclassing() = default;
};

}  // namespace win32
