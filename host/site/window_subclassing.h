#pragma once
// What the message hook needs of the window system to subclass windows: replace a window's
// procedure with the one shared procedure and put the old one back, run a procedure, and
// keep named properties on a window. Handles, procedures, parameters and property values
// are pointer-sized, as they are on the platform, so the same code is right on 32 and 64
// bits. No call reports failure: on a handle that is not a window a read answers 0 and a
// change does nothing.
#include <cstdint>

#include "host/interface.h"
#include "host/text.h"
#include "host/window_handle.h"

namespace host {

// A window procedure as the platform knows it, an opaque number; 0 for none.
using WindowProcedure = std::uintptr_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

class WindowSubclassing;

// The portable procedure that every subclassed window shares. The platform enters it for
// each message of such a window, on the thread that receives the message, passing itself so
// that the procedure can reach the window's previous procedure and properties.
using SharedWindowProcedure = MessageResult (*)(WindowSubclassing& platform, WindowHandle window, uint32_t message,
                                                WParam wParam, LParam lParam);

class WindowSubclassing : public Interface {
 public:
  // Makes `shared` the window's procedure and returns the procedure it replaces (0 when
  // `window` is not a window, which then stays as it is). There is one shared procedure per
  // process: every call passes the same one.
  virtual WindowProcedure InstallSharedProcedure(WindowHandle window, SharedWindowProcedure shared) = 0;
  // Makes `procedure` the window's procedure again.
  virtual void PutBackProcedure(WindowHandle window, WindowProcedure procedure) = 0;
  // Runs `procedure` for one message and returns its result; 0 for procedure 0.
  virtual MessageResult CallProcedure(WindowProcedure procedure, WindowHandle window, uint32_t message, WParam wParam,
                                      LParam lParam) = 0;

  // Window properties by name; a missing property reads 0.
  virtual void SetProperty(WindowHandle window, StringView name, std::uintptr_t value) = 0;
  virtual std::uintptr_t GetProperty(WindowHandle window, StringView name) = 0;
  virtual void RemoveProperty(WindowHandle window, StringView name) = 0;
};

}  // namespace host
