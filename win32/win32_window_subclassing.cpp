#include "win32/win32_window_subclassing.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace win32 {

static_assert(sizeof(host::WindowProcedure) == sizeof(LONG_PTR) && sizeof(host::WindowHandle) == sizeof(HWND));
static_assert(sizeof(host::WParam) == sizeof(WPARAM) && sizeof(host::LParam) == sizeof(LPARAM) &&
              sizeof(host::MessageResult) == sizeof(LRESULT));

namespace {

// Set before the trampoline is first installed and never cleared: a window may still carry
// the trampoline when its message arrives on a thread that knows nothing of it.
std::atomic<host::SharedWindowProcedure> gShared{nullptr};

HWND Hwnd(host::WindowHandle window) { return reinterpret_cast<HWND>(window); }

// Property names are ASCII; user32 wants them terminated.
std::wstring WideName(host::StringView name) { return std::wstring(name.begin(), name.end()); }

LRESULT CALLBACK SharedProcedureTrampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  host::SharedWindowProcedure shared = gShared.load(std::memory_order_acquire);
  if (!shared) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return shared(Win32WindowSubclassing::Instance(), reinterpret_cast<host::WindowHandle>(hwnd), message, wParam,
                  lParam);
  } catch (...) {
    // An exception from a CallBack handler must not unwind through user32's frames, which
    // cannot pass it on; the message then answers 0, as a swallowed message does.
    return 0;
  }
}

}  // namespace

Win32WindowSubclassing& Win32WindowSubclassing::Instance() {
  static Win32WindowSubclassing instance;
  return instance;
}

host::WindowProcedure Win32WindowSubclassing::InstallSharedProcedure(host::WindowHandle window,
                                                                     host::SharedWindowProcedure shared) {
  gShared.store(shared, std::memory_order_release);
  return static_cast<host::WindowProcedure>(
      ::SetWindowLongPtrW(Hwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SharedProcedureTrampoline)));
}

void Win32WindowSubclassing::PutBackProcedure(host::WindowHandle window, host::WindowProcedure procedure) {
  ::SetWindowLongPtrW(Hwnd(window), GWLP_WNDPROC, static_cast<LONG_PTR>(procedure));
}

host::MessageResult Win32WindowSubclassing::CallProcedure(host::WindowProcedure procedure, host::WindowHandle window,
                                                          uint32_t message, host::WParam wParam, host::LParam lParam) {
  if (procedure == 0) return 0;
  // The number may be a procedure or the handle user32 gives for an ANSI one;
  // CallWindowProcW takes either.
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), Hwnd(window), message, wParam, lParam);
}

void Win32WindowSubclassing::SetProperty(host::WindowHandle window, host::StringView name, std::uintptr_t value) {
  ::SetPropW(Hwnd(window), WideName(name).c_str(), reinterpret_cast<HANDLE>(value));
}

std::uintptr_t Win32WindowSubclassing::GetProperty(host::WindowHandle window, host::StringView name) {
  return reinterpret_cast<std::uintptr_t>(::GetPropW(Hwnd(window), WideName(name).c_str()));
}

void Win32WindowSubclassing::RemoveProperty(host::WindowHandle window, host::StringView name) {
  ::RemovePropW(Hwnd(window), WideName(name).c_str());
}

}  // namespace win32
