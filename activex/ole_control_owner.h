#pragma once
// What the OLE control machinery (in-place activation, the control's window, drawing into
// a container's DC) asks of the control object that owns it.
#include <windows.h>
#include <ole2.h>

namespace activex {

class OleControlOwner {
 public:
  // The container handed a new client site (or none); ambients and extender come from it.
  virtual void OnClientSiteChanged(IOleClientSite* site) = 0;
  // The control's client size changed (SetExtent before activation, SetObjectRects after).
  virtual void OnSizeChanged() = 0;
  // The control became visible in its container.
  virtual void OnShow() = 0;
  // Repaint the whole control into its own window's DC.
  virtual void OnPaint(HDC dc) = 0;
  // IViewObject::Draw: paint the control into a container's DC within bounds.
  virtual void OnDraw(HDC dc, const RECT& bounds) = 0;
  // IOleControl::OnAmbientPropertyChange.
  virtual void OnAmbientPropertyChange(DISPID id) = 0;
  // Mouse and other input messages of the control's window, after ISimpleFrameSite's
  // PreMessageFilter let them through; returns true when it handled the message.
  virtual bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // WM_GETDLGCODE of the control's window.
  virtual LRESULT OnDialogCode(const MSG* message) = 0;
  // A key the container offers the active control before it dispatches it: S_OK when the
  // control took it, S_FALSE to let the container go on.
  virtual HRESULT OnAccelerator(const MSG& message) = 0;
  // WM_GETOBJECT: the LRESULT of the object asked for, or 0 for the window's own.
  virtual LRESULT OnGetObject(WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~OleControlOwner() = default;
};

}  // namespace activex
