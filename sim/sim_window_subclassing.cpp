#include "sim/sim_window_subclassing.h"

#include <atomic>

namespace host::sim {

namespace {

// One counter for handles and procedures alike, so that neither can be taken for the other.
std::uintptr_t NextNumber() {
  static std::atomic<std::uintptr_t> next{0x10000};
  return next.fetch_add(0x10);
}

}  // namespace

WindowHandle SimWindowSubclassing::CreateWindow(Procedure procedure) {
  WindowProcedure own = NextNumber();
  procedures_.emplace(own, std::move(procedure));
  WindowHandle window = NextNumber();
  windows_.emplace(window, Window{own, own, {}});
  return window;
}

SimWindowSubclassing::Window* SimWindowSubclassing::Find(WindowHandle window) {
  auto at = windows_.find(window);
  return at == windows_.end() ? nullptr : &at->second;
}

const SimWindowSubclassing::Window* SimWindowSubclassing::Find(WindowHandle window) const {
  auto at = windows_.find(window);
  return at == windows_.end() ? nullptr : &at->second;
}

WindowProcedure SimWindowSubclassing::OwnProcedure(WindowHandle window) const {
  const Window* w = Find(window);
  return w ? w->own : 0;
}

WindowProcedure SimWindowSubclassing::CurrentProcedure(WindowHandle window) const {
  const Window* w = Find(window);
  return w ? w->current : 0;
}

bool SimWindowSubclassing::HasSharedProcedure(WindowHandle window) const {
  return sharedNumber_ != 0 && CurrentProcedure(window) == sharedNumber_;
}

MessageResult SimWindowSubclassing::SendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
  return CallProcedure(CurrentProcedure(window), window, message, wParam, lParam);
}

std::map<std::string, std::uintptr_t> SimWindowSubclassing::Properties(WindowHandle window) const {
  std::map<std::string, std::uintptr_t> named;
  if (const Window* w = Find(window))
    for (const auto& [name, value] : w->properties) named.emplace(ToUtf8(name), value);
  return named;
}

WindowProcedure SimWindowSubclassing::InstallSharedProcedure(WindowHandle window, SharedWindowProcedure shared) {
  Window* w = Find(window);
  if (!w) return 0;
  if (sharedNumber_ == 0) sharedNumber_ = NextNumber();
  shared_ = shared;
  WindowProcedure previous = w->current;
  w->current = sharedNumber_;
  Trace().Add("Install " + std::to_string(window) + " " + std::to_string(previous));
  return previous;
}

void SimWindowSubclassing::PutBackProcedure(WindowHandle window, WindowProcedure procedure) {
  Window* w = Find(window);
  if (!w) return;
  w->current = procedure;
  Trace().Add("PutBack " + std::to_string(window) + " " + std::to_string(procedure));
}

MessageResult SimWindowSubclassing::CallProcedure(WindowProcedure procedure, WindowHandle window, uint32_t message,
                                                  WParam wParam, LParam lParam) {
  if (procedure != 0 && procedure == sharedNumber_) return shared_(*this, window, message, wParam, lParam);
  auto at = procedures_.find(procedure);
  if (at == procedures_.end()) return 0;
  return at->second(window, message, wParam, lParam);
}

void SimWindowSubclassing::SetProperty(WindowHandle window, StringView name, std::uintptr_t value) {
  Window* w = Find(window);
  if (!w) return;
  w->properties[String(name)] = value;
  Trace().Add("SetProp " + std::to_string(window) + " " + ToUtf8(name) + " " + std::to_string(value));
}

std::uintptr_t SimWindowSubclassing::GetProperty(WindowHandle window, StringView name) {
  const Window* w = Find(window);
  if (!w) return 0;
  auto at = w->properties.find(name);
  return at == w->properties.end() ? 0 : at->second;
}

void SimWindowSubclassing::RemoveProperty(WindowHandle window, StringView name) {
  Window* w = Find(window);
  if (!w) return;
  if (auto at = w->properties.find(name); at != w->properties.end()) w->properties.erase(at);
  Trace().Add("RemoveProp " + std::to_string(window) + " " + ToUtf8(name));
}

}  // namespace host::sim
