#pragma once
// The OLE control side of a control object: embedding (IOleObject), in-place activation
// (IOleInPlaceObject, IOleInPlaceActiveObject, IOleWindow), IOleControl, drawing into a
// container's DC (IViewObject2) and IQuickActivate. It lives inside the control's COM
// object, shares its identity and reference count, and owns the control's window.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include "com/com_ptr.h"
#include "activex/ole_control_owner.h"
#include "host/screen.h"
#include "win32/control_window.h"

namespace activex {

class OleControl final : public IOleObject,
                         public IOleInPlaceObject,
                         public IOleInPlaceActiveObject,
                         public IOleControl,
                         public IViewObject2,
                         public IQuickActivate,
                         private win32::ControlWindow::Owner {
 public:
  // outer: the COM object this one lives in; clsid and miscStatus as the control is registered.
  OleControl(IUnknown& outer, OleControlOwner& owner, const host::Screen& screen, REFCLSID clsid, DWORD miscStatus);
  ~OleControl();

  // The control's window, valid from construction to destruction.
  HWND Window() const { return window_.Handle(); }
  IOleClientSite* ClientSite() const { return clientSite_.Get(); }
  int ClientWidthPixels() const { return window_.ClientSize().cx; }
  int ClientHeightPixels() const { return window_.ClientSize().cy; }
  bool IsInPlace() const { return inPlace_; }
  bool IsUIActive() const { return uiActive_; }
  bool EventsFrozen() const { return freezeCount_ > 0; }
  // Tells the view's advise sink that the picture changed (after a repaint that a
  // container drawing the control itself should see).
  void NotifyViewChanged();

  // IUnknown, the outer object's
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return outer_.QueryInterface(iid, out); }
  ULONG STDMETHODCALLTYPE AddRef() override { return outer_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return outer_.Release(); }

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG message, IOleClientSite* activeSite, LONG index, HWND parent,
                                   LPCRECT position) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow, IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return INPLACE_E_NOTUNDOABLE; }

  // IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override {
    return message ? owner_.OnAccelerator(*message) : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

  // IViewObject, IViewObject2
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc,
                                 HDC drawDc, LPCRECTL bounds, LPCRECTL metafileBounds,
                                 BOOL(STDMETHODCALLTYPE* keepGoing)(ULONG_PTR), ULONG_PTR keepGoingArgument) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

  // IQuickActivate
  HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container, QACONTROL* control) override;
  HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
  HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;

 private:
  // win32::ControlWindow::Owner
  void OnWindowPaint(HDC dc) override;
  void OnWindowSized(int width, int height) override;
  bool OnWindowInput(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDialogCode(const MSG* message) override { return owner_.OnDialogCode(message); }
  LRESULT OnWindowGetObject(WPARAM wParam, LPARAM lParam) override;
  ISimpleFrameSite* FrameSite() override { return frameSite_.Get(); }

  HRESULT InPlaceActivate(IOleClientSite* activeSite, const RECT* position, bool uiActivate);
  HRESULT UIActivate();
  // The window got or lost the keyboard focus: the container hears it.
  void NotifyFocus(bool gained);
  void ShowWindow(bool visible);
  SIZE PixelsOf(const SIZEL& himetric) const;
  SIZEL HimetricOf(const SIZE& pixels) const;
  // Connects sink to the outer object's connection point for events; the cookie, 0 when it could not.
  DWORD Connect(REFIID events, IUnknown* sink);

  IUnknown& outer_;
  OleControlOwner& owner_;
  const host::Screen& screen_;
  CLSID clsid_;
  DWORD miscStatus_;

  SIZEL extent_;
  SIZE notifiedSize_;
  ComPtr<IOleClientSite> clientSite_;
  ComPtr<ISimpleFrameSite> frameSite_;
  ComPtr<IOleInPlaceSite> inPlaceSite_;
  ComPtr<IOleInPlaceFrame> frame_;
  ComPtr<IOleInPlaceUIWindow> document_;
  ComPtr<IOleAdviseHolder> adviseHolder_;
  ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewFlags_ = 0;
  bool inPlace_ = false;
  bool uiActive_ = false;
  bool visible_ = false;
  int freezeCount_ = 0;
  // Last: the window's owner is this object, complete by then.
  win32::ControlWindow window_;
};

}  // namespace activex
