#pragma once
// The control's own window. It exists from the control's construction to its destruction:
// parked inside a hidden window of its own while the control is not in place, a child of
// the container's window while it is. Painting, sizing and mouse input go to its owner;
// a simple-frame site sees every message first and last.
#include <windows.h>
#include <ocidl.h>

#include "com/unique_handle.h"

namespace win32 {

class ControlWindow {
 public:
  class Owner {
   public:
    virtual void OnWindowPaint(HDC dc) = 0;
    virtual void OnWindowSized(int width, int height) = 0;
    // Input: WM_MOUSEMOVE and the button messages, WM_SETCURSOR over the client area,
    // WM_CAPTURECHANGED, WM_KEYDOWN, WM_SETFOCUS, WM_KILLFOCUS and the DPI changes; true when the owner handled the
    // message.
    virtual bool OnWindowInput(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // WM_GETDLGCODE: the keys the control takes from a dialog's navigation (message: the
    // key's message, or null).
    virtual LRESULT OnDialogCode(const MSG* message) = 0;
    // WM_GETOBJECT: the object's LRESULT, or 0 for the window system's own answer.
    virtual LRESULT OnWindowGetObject(WPARAM wParam, LPARAM lParam) = 0;
    // The container's ISimpleFrameSite while the control is sited on one, else null;
    // borrowed, not owned.
    virtual ISimpleFrameSite* FrameSite() = 0;

   protected:
    ~Owner() = default;
  };

  // Creates the window parked, hidden, with the given client size in pixels. Throws
  // std::system_error when the window system refuses.
  ControlWindow(Owner& owner, int width, int height);
  ~ControlWindow();
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  HWND Handle() const { return window_.get(); }
  bool IsParked() const;

  // Makes the window a child of the container's window at the given rectangle (pixels of
  // the parent's client area); it stays hidden until Show.
  void PlaceIn(HWND parent, const RECT& position);
  // Hides the window and takes it back into the parking window.
  void Park();
  void Show(bool visible);
  // Size and position in the parent's client area; a position alone sends no WM_SIZE.
  void SetPosition(const RECT& position);
  // Clips the window to clip (same coordinates as position); null or a clip that holds the
  // whole window removes the clipping.
  void SetClip(const RECT& position, const RECT* clip);
  void SetSize(int width, int height);
  SIZE ClientSize() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint();
  LRESULT OnSize();
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnInput(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

  Owner& owner_;
  UniqueWindow parking_;
  UniqueWindow window_;
};

}  // namespace win32
