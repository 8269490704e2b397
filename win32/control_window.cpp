#include "win32/control_window.h"

#include "win32/window_dpi.h"

#include <mutex>
#include <system_error>

namespace win32 {
namespace {

constexpr wchar_t kClassName[] = L"OvSplitterControlWindow";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// The class lives while any window of it does: a DLL that is unloaded and loaded again
// must not find its old class pointing at a procedure that is gone.
class ClassRegistration {
 public:
  static void Acquire(WNDPROC procedure) {
    std::lock_guard lock(mutex_);
    if (users_++ > 0) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_OWNDC;  // one DC for the control's life: its hDC
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) {
      --users_;
      ThrowLastError("RegisterClassExW");
    }
  }
  static void Release() {
    std::lock_guard lock(mutex_);
    if (--users_ == 0) UnregisterClassW(kClassName, ThisModule());
  }

 private:
  static inline std::mutex mutex_;
  static inline int users_ = 0;
};

}  // namespace

ControlWindow::ControlWindow(Owner& owner, int width, int height) : owner_(owner) {
  ClassRegistration::Acquire(&Procedure);
  try {
    HINSTANCE module = ThisModule();
    parking_.reset(
        CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, nullptr));
    if (!parking_) ThrowLastError("CreateWindowExW (parking)");
    window_.reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, width, height,
                                  parking_.get(), nullptr, module, nullptr));
    if (!window_) ThrowLastError("CreateWindowExW");
  } catch (...) {
    window_.reset();
    parking_.reset();
    ClassRegistration::Release();
    throw;
  }
  // Only now: the owner is not ready for messages sent while the window is being created.
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ControlWindow::~ControlWindow() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  window_.reset();
  parking_.reset();
  ClassRegistration::Release();
}

bool ControlWindow::IsParked() const { return GetParent(window_.get()) == parking_.get(); }

void ControlWindow::PlaceIn(HWND parent, const RECT& position) {
  SetParent(window_.get(), parent);
  SetWindowPos(window_.get(), HWND_TOP, position.left, position.top, position.right - position.left,
               position.bottom - position.top, SWP_NOACTIVATE);
}

void ControlWindow::Park() {
  ShowWindow(window_.get(), SW_HIDE);
  SetParent(window_.get(), parking_.get());
}

void ControlWindow::Show(bool visible) { ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE); }

void ControlWindow::SetPosition(const RECT& position) {
  SIZE size = ClientSize();
  int width = position.right - position.left;
  int height = position.bottom - position.top;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (width == size.cx && height == size.cy) flags |= SWP_NOSIZE;
  SetWindowPos(window_.get(), nullptr, position.left, position.top, width, height, flags);
}

void ControlWindow::SetClip(const RECT& position, const RECT* clip) {
  RECT visible{};
  if (!clip || !IntersectRect(&visible, &position, clip) || EqualRect(&visible, &position)) {
    SetWindowRgn(window_.get(), nullptr, TRUE);
    return;
  }
  OffsetRect(&visible, -position.left, -position.top);
  // The window takes the region over.
  SetWindowRgn(window_.get(), CreateRectRgnIndirect(&visible), TRUE);
}

void ControlWindow::SetSize(int width, int height) {
  SetWindowPos(window_.get(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ControlWindow::ClientSize() const {
  RECT client{};
  GetClientRect(window_.get(), &client);
  return {client.right - client.left, client.bottom - client.top};
}

LRESULT CALLBACK ControlWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  ISimpleFrameSite* frame = self->owner_.FrameSite();
  LRESULT result = 0;
  DWORD cookie = 0;
  if (frame && frame->PreMessageFilter(window, message, wParam, lParam, &result, &cookie) == S_FALSE) return result;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // An exception must not unwind through the window system; the message counts as unhandled.
    result = DefWindowProcW(window, message, wParam, lParam);
  }
  // The owner may have let go of the site while handling the message.
  frame = self->owner_.FrameSite();
  if (frame) frame->PostMessageFilter(window, message, wParam, lParam, &result, cookie);
  return result;
}

LRESULT ControlWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_SIZE:
      return OnSize();
    case WM_SETCURSOR:
      return OnSetCursor(wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole client area in one transfer: no erase first
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_DPICHANGED:
    case kDpiChangedAfterParent:
      return OnInput(message, wParam, lParam);
    case WM_GETDLGCODE:
      return owner_.OnDialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_GETOBJECT:
      return OnGetObject(wParam, lParam);
    default:
      return DefWindowProcW(window_.get(), message, wParam, lParam);
  }
}

LRESULT ControlWindow::OnPaint() {
  PaintDc paint(window_.get());
  owner_.OnWindowPaint(paint.get());
  return 0;
}

// The client rectangle rather than WM_SIZE's 16-bit halves.
LRESULT ControlWindow::OnSize() {
  SIZE size = ClientSize();
  owner_.OnWindowSized(size.cx, size.cy);
  return 0;
}

LRESULT ControlWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  // Over the client area the control's mouse pointer decides.
  if (LOWORD(lParam) == HTCLIENT && owner_.OnWindowInput(WM_SETCURSOR, wParam, lParam)) return TRUE;
  return DefWindowProcW(window_.get(), WM_SETCURSOR, wParam, lParam);
}

LRESULT ControlWindow::OnInput(UINT message, WPARAM wParam, LPARAM lParam) {
  if (owner_.OnWindowInput(message, wParam, lParam)) return 0;
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT ControlWindow::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (LRESULT answer = owner_.OnWindowGetObject(wParam, lParam)) return answer;
  return DefWindowProcW(window_.get(), WM_GETOBJECT, wParam, lParam);
}

}  // namespace win32
