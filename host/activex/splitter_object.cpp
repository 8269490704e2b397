#include "host/activex/splitter_object.h"

#include <olectl.h>

#include <utility>

#include "host/activex/bstr.h"
#include "host/activex/panes_object.h"
#include "host/activex/platform_picture.h"
#include "host/activex/variant_bridge.h"
#include "host/win32/display_screen.h"

namespace activex {

HRESULT SplitterObject::Create(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  SplitterObject* object = nullptr;
  HRESULT hr = Guarded(IID__OvSplitter, [&] { object = new SplitterObject(); });
  if (FAILED(hr)) return hr;
  hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

SplitterObject::SplitterObject()
    : DualDispatch(IID__OvSplitter),
      screen_(win32::DisplayScreen()),
      ole_(*static_cast<_OvSplitter*>(this), *this, screen_, CLSID_OvSplitter, kMiscStatus),
      surface_(ole_, screen_, dragDrop_),
      raiser_(events_),
      dragDrop_(raiser_),
      control_(host::ControlSite{surface_, site_, site_, containedControls_, propertyChanges_, raiser_, deferred_, deferred_, screen_, windows_, gdi_}) {
  control_.Initialize();
}

SplitterObject::~SplitterObject() {
  events_.DisconnectAll();
  propertyChanges_.Sinks().DisconnectAll();
  control_.Terminate();
}

HRESULT SplitterObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__OvSplitter) {
    *out = static_cast<_OvSplitter*>(this);
  } else if (ole_.Provides(iid, out)) {
    return S_OK;
  } else if (iid == IID_IPersist || iid == IID_IPersistPropertyBag) {
    *out = static_cast<IPersistPropertyBag*>(this);
  } else if (iid == IID_IPersistStreamInit) {
    *out = static_cast<IPersistStreamInit*>(this);
  } else if (iid == IID_IConnectionPointContainer) {
    *out = static_cast<IConnectionPointContainer*>(this);
  } else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) {
    *out = static_cast<IProvideClassInfo2*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT SplitterObject::get_hWnd(LONG* result) {
  if (!result) return E_POINTER;
  // A window handle fits 32 bits on both builds, as the type library's Long requires.
  return Run([&] { *result = static_cast<LONG>(control_.Hwnd()); });
}

HRESULT SplitterObject::get_Panes(_OvPanes** result) {
  if (!result) return E_POINTER;
  *result = nullptr;
  return Run([&] {
    if (control_.Panes()) *result = PanesObject::Wrap(control_.Panes());
  });
}

HRESULT SplitterObject::get_BackColor(OLE_COLOR* result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = control_.BackColor(); });
}
HRESULT SplitterObject::put_BackColor(OLE_COLOR value) { return Run([&] { control_.SetBackColor(value); }); }

HRESULT SplitterObject::get_Enabled(VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = control_.Enabled() ? VARIANT_TRUE : VARIANT_FALSE; });
}
HRESULT SplitterObject::put_Enabled(VARIANT_BOOL value) {
  return Run([&] { control_.SetEnabled(value != VARIANT_FALSE); });
}

HRESULT SplitterObject::get_MouseIcon(IPictureDisp** result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = PlatformPicture::ToDispatch(control_.MouseIcon()); });
}
HRESULT SplitterObject::putref_MouseIcon(IPictureDisp* value) {
  return Run([&] { control_.SetMouseIcon(PlatformPicture::From(value)); });
}

HRESULT SplitterObject::get_MousePointer(LONG* result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = control_.MousePointer(); });
}
HRESULT SplitterObject::put_MousePointer(LONG value) { return Run([&] { control_.SetMousePointer(value); }); }

HRESULT SplitterObject::OLEDrag() { return Run([&] { control_.OLEDrag(); }); }

HRESULT SplitterObject::get_OLEDropMode(OvOLEDropConstants* result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = static_cast<OvOLEDropConstants>(control_.OLEDropMode()); });
}
HRESULT SplitterObject::put_OLEDropMode(OvOLEDropConstants value) {
  return Run([&] { control_.SetOLEDropMode(value); });
}

HRESULT SplitterObject::get_Appearance(OvAppearanceConstants* result) {
  if (!result) return E_POINTER;
  *result = static_cast<OvAppearanceConstants>(control_.Appearance());
  return S_OK;
}
HRESULT SplitterObject::put_Appearance(OvAppearanceConstants value) {
  return Run([&] { control_.SetAppearance(value); });
}

HRESULT SplitterObject::get_BorderStyle(OvBorderStyleConstants* result) {
  if (!result) return E_POINTER;
  *result = static_cast<OvBorderStyleConstants>(control_.BorderStyle());
  return S_OK;
}
HRESULT SplitterObject::put_BorderStyle(OvBorderStyleConstants value) {
  return Run([&] { control_.SetBorderStyle(value); });
}

HRESULT SplitterObject::get_SplitterMouseIcon(IPictureDisp** result) {
  if (!result) return E_POINTER;
  return Run([&] { *result = PlatformPicture::ToDispatch(control_.SplitterMouseIcon()); });
}
HRESULT SplitterObject::putref_SplitterMouseIcon(IPictureDisp* value) {
  return Run([&] { control_.SetSplitterMouseIcon(PlatformPicture::From(value)); });
}

HRESULT SplitterObject::get_SplitterStyle(OvSplitterStyleConstants* result) {
  if (!result) return E_POINTER;
  *result = static_cast<OvSplitterStyleConstants>(control_.SplitterStyle());
  return S_OK;
}
HRESULT SplitterObject::put_SplitterStyle(OvSplitterStyleConstants value) {
  return Run([&] { control_.SetSplitterStyle(value); });
}

HRESULT SplitterObject::get_SplitterSize(LONG* result) {
  if (!result) return E_POINTER;
  *result = control_.SplitterSize();
  return S_OK;
}
HRESULT SplitterObject::put_SplitterSize(LONG value) { return Run([&] { control_.SetSplitterSize(value); }); }

HRESULT SplitterObject::get_Orientation(OvOrientationConstants* result) {
  if (!result) return E_POINTER;
  *result = static_cast<OvOrientationConstants>(control_.Orientation());
  return S_OK;
}
HRESULT SplitterObject::put_Orientation(OvOrientationConstants value) {
  return Run([&] { control_.SetOrientation(value); });
}

HRESULT SplitterObject::get_WhatsThisHelpID(VARIANT* result) {
  if (!result) return E_POINTER;
  return Run([&] { ToVariant(host::Variant(control_.WhatsThisHelpID()), result); });
}
HRESULT SplitterObject::put_WhatsThisHelpID(VARIANT value) {
  return Run([&] { control_.SetWhatsThisHelpID(FromVariant(value)); });
}

HRESULT SplitterObject::GetContainedControls(VARIANT* result) {
  if (!result) return E_POINTER;
  VariantInit(result);
  return Run([&] {
    auto names = control_.GetContainedControls();
    if (!names) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = VARIANT_FALSE;
      return;
    }
    // Bounds 0 to N: the names, then one empty element.
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(names->size() + 1));
    if (!array) throw std::bad_alloc();
    VARIANT* elements = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&elements));
    for (size_t i = 0; i < names->size(); ++i) {
      V_VT(&elements[i]) = VT_BSTR;
      V_BSTR(&elements[i]) = AllocBstr((*names)[i]);
    }
    SafeArrayUnaccessData(array);
    V_VT(result) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(result) = array;
  });
}

// The About box comes with its own window.
HRESULT SplitterObject::AboutBox() { return E_NOTIMPL; }

HRESULT SplitterObject::ShowAboutBox() { return S_OK; }

// The OLE control's notifications. Errors inside them stay inside: the window system or
// the container that sent them cannot take them.
void SplitterObject::OnClientSiteChanged(IOleClientSite* site) { site_.Attach(site); }

void SplitterObject::OnSizeChanged() {
  // Before InitNew there are no properties to lay out; InitProperties takes the size.
  if (initialized_) Run([&] { control_.Resize(); });
}

void SplitterObject::OnShow() {
  if (initialized_) Run([&] { control_.Show(); });
}

void SplitterObject::OnPaint(HDC) {
  Run([&] { control_.Redraw(); });
}

void SplitterObject::OnDraw(HDC dc, const RECT& bounds) {
  // The picture is drawn from the control's top-left corner, placed at the bounds.
  int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
  Run([&] { control_.RedrawInto(reinterpret_cast<host::GdiHandle>(dc)); });
  RestoreDC(dc, saved);
}

void SplitterObject::OnAmbientPropertyChange(DISPID id) {
  Run([&] {
    if (id == DISPID_AMBIENT_SCALEUNITS || id == DISPID_UNKNOWN) control_.AmbientChanged(u"ScaleUnits");
    if (id == DISPID_AMBIENT_USERMODE || id == DISPID_UNKNOWN) control_.AmbientChanged(u"UserMode");
  });
}

// Mouse handling comes with its own component; until then the window's defaults apply.
bool SplitterObject::OnWindowMessage(UINT message, WPARAM, LPARAM) {
  // A click is a left press and release on the control; a double click replaces the
  // second click.
  switch (message) {
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      break;
    case WM_LBUTTONUP:
      if (std::exchange(leftPressed_, false)) Run([&] { control_.Click(); });
      break;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      Run([&] { control_.DblClick(); });
      break;
    case WM_SETCURSOR:
      return surface_.ShowPointer();
  }
  return false;
}

HRESULT SplitterObject::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_OvSplitter;
  return S_OK;
}

HRESULT SplitterObject::InitNew() {
  if (initialized_) return CO_E_ALREADYINITIALIZED;
  HRESULT hr = Run([&] { control_.InitProperties(); });
  if (SUCCEEDED(hr)) initialized_ = true;
  return hr;
}

HRESULT SplitterObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point || iid != IID_IPropertyNotifySink) return EventSource::FindConnectionPoint(iid, point);
  *point = &propertyChanges_.Sinks();
  (*point)->AddRef();
  return S_OK;
}

}  // namespace activex
