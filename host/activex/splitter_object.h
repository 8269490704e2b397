#pragma once
// The COM object of the splitter control: its dispatch interface, the OLE object and
// persistence interfaces a container starts it through, and its event source.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>

#include "OvSplitr_h.h"
#include "host/activex/client_site.h"
#include "host/activex/com_object.h"
#include "host/activex/connection_event_raiser.h"
#include "host/activex/event_source.h"
#include "host/activex/deferred_services.h"
#include "host/activex/dual_dispatch.h"
#include "host/activex/extent_surface.h"
#include "host/screen.h"
#include "host/win32/win32_window_system.h"
#include "splitter/ov_splitter.h"

namespace activex {

class SplitterObject final : public ComObject,
                             public DualDispatch<_OvSplitter>,
                             public IOleObject,
                             public IPersistPropertyBag,
                             public IPersistStreamInit,
                             public EventSource<&CLSID_OvSplitter, &DIID___OvSplitter>,
                             public ISupportErrorInfo {
 public:
  static HRESULT Create(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  OV_IUNKNOWN_BY_COMOBJECT

  // _OvSplitter
  HRESULT STDMETHODCALLTYPE get_hWnd(LONG* result) override;
  HRESULT STDMETHODCALLTYPE get_Panes(_OvPanes** result) override;
  HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* result) override;
  HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** result) override;
  HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* value) override;
  HRESULT STDMETHODCALLTYPE get_MousePointer(LONG* result) override;
  HRESULT STDMETHODCALLTYPE put_MousePointer(LONG value) override;
  HRESULT STDMETHODCALLTYPE OLEDrag() override;
  HRESULT STDMETHODCALLTYPE get_OLEDropMode(OvOLEDropConstants* result) override;
  HRESULT STDMETHODCALLTYPE put_OLEDropMode(OvOLEDropConstants value) override;
  HRESULT STDMETHODCALLTYPE get_Appearance(OvAppearanceConstants* result) override;
  HRESULT STDMETHODCALLTYPE put_Appearance(OvAppearanceConstants value) override;
  HRESULT STDMETHODCALLTYPE get_BorderStyle(OvBorderStyleConstants* result) override;
  HRESULT STDMETHODCALLTYPE put_BorderStyle(OvBorderStyleConstants value) override;
  HRESULT STDMETHODCALLTYPE get_SplitterMouseIcon(IPictureDisp** result) override;
  HRESULT STDMETHODCALLTYPE putref_SplitterMouseIcon(IPictureDisp* value) override;
  HRESULT STDMETHODCALLTYPE get_SplitterStyle(OvSplitterStyleConstants* result) override;
  HRESULT STDMETHODCALLTYPE put_SplitterStyle(OvSplitterStyleConstants value) override;
  HRESULT STDMETHODCALLTYPE get_SplitterSize(LONG* result) override;
  HRESULT STDMETHODCALLTYPE put_SplitterSize(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_Orientation(OvOrientationConstants* result) override;
  HRESULT STDMETHODCALLTYPE put_Orientation(OvOrientationConstants value) override;
  HRESULT STDMETHODCALLTYPE get_WhatsThisHelpID(VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE put_WhatsThisHelpID(VARIANT value) override;
  HRESULT STDMETHODCALLTYPE ShowAboutBox() override;
  HRESULT STDMETHODCALLTYPE GetContainedControls(VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE AboutBox() override;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IPersist, IPersistPropertyBag, IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag*, IErrorLog*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  // The OLE status bits of the control, as registered and as GetMiscStatus reports them.
  static constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
                                       OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE |
                                       OLEMISC_SIMPLEFRAME;

 private:
  SplitterObject();
  ~SplitterObject() override;

  template <typename Body>
  HRESULT Run(Body&& body) { return Guarded(IID__OvSplitter, body); }

  host::Screen screen_;
  ExtentSurface surface_;
  ClientSite site_;
  DeferredServices deferred_;
  ConnectionEventRaiser raiser_;
  win32::Win32WindowSystem windows_;
  splitter::OvSplitter control_;
  bool initialized_ = false;
};

}  // namespace activex
