#pragma once
// Windows with procedures and properties, for the message hook's tests: a test creates a
// window with its own procedure, sends it messages, and reads which procedure it has and
// which properties it carries. The shared procedure that the hook installs is entered with
// this platform, as the real one enters it from its trampoline.
//
// Handles and procedure numbers are unique across every instance in the process, so a
// window of one test never answers to another's. Not thread-safe: a test that sends from
// another thread waits for it.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "sim/sim_traced.h"
#include "host/site/window_subclassing.h"

namespace host::sim {

class SimWindowSubclassing : public WindowSubclassing, public SimTraced {
 public:
  using Procedure = std::function<MessageResult(WindowHandle, uint32_t, WParam, LParam)>;

  explicit SimWindowSubclassing(SimTrace* sharedTrace = nullptr) : SimTraced(sharedTrace) {}

  // A window whose own procedure is `procedure`; OwnProcedure names it.
  WindowHandle CreateWindow(Procedure procedure);
  WindowProcedure OwnProcedure(WindowHandle window) const;
  // The procedure installed now; 0 for a handle that is not a window.
  WindowProcedure CurrentProcedure(WindowHandle window) const;
  bool HasSharedProcedure(WindowHandle window) const;
  // Delivers a message to the window's current procedure, as the platform's SendMessage.
  MessageResult SendMessage(WindowHandle window, uint32_t message, WParam wParam = 0, LParam lParam = 0);
  // The window's properties by name, as UTF-8; empty when it carries none.
  std::map<std::string, std::uintptr_t> Properties(WindowHandle window) const;

  // WindowSubclassing; changes are logged as "Install <window> <previous>",
  // "PutBack <window> <procedure>", "SetProp <window> <name> <value>" and
  // "RemoveProp <window> <name>".
  WindowProcedure InstallSharedProcedure(WindowHandle window, SharedWindowProcedure shared) override;
  void PutBackProcedure(WindowHandle window, WindowProcedure procedure) override;
  MessageResult CallProcedure(WindowProcedure procedure, WindowHandle window, uint32_t message, WParam wParam,
                              LParam lParam) override;
  void SetProperty(WindowHandle window, StringView name, std::uintptr_t value) override;
  std::uintptr_t GetProperty(WindowHandle window, StringView name) override;
  void RemoveProperty(WindowHandle window, StringView name) override;

 private:
  struct Window {
    WindowProcedure own;
    WindowProcedure current;
    std::map<String, std::uintptr_t, std::less<>> properties;
  };
  Window* Find(WindowHandle window);
  const Window* Find(WindowHandle window) const;

  std::map<WindowHandle, Window> windows_;
  std::map<WindowProcedure, Procedure> procedures_;
  // The number that stands for the shared procedure on this platform's windows.
  WindowProcedure sharedNumber_ = 0;
  SharedWindowProcedure shared_ = nullptr;
};

}  // namespace host::sim
