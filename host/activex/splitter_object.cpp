#include "host/activex/splitter_object.h"

#include <olectl.h>

#include <utility>

#include "host/activex/panes_object.h"
#include "host/activex/platform_picture.h"
#include "host/activex/safe_array.h"
#include "host/activex/variant_bridge.h"
#include "host/com/query_interface.h"
#include "host/com/unique_handle.h"
#include "host/win32/display_screen.h"

namespace activex {

HRESULT SplitterObject::Create(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  SplitterObject* object = nullptr;
  HRESULT hr = activex::ComBoundary(IID__OvSplitter, [&] { object = new SplitterObject(); });
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
      control_(host::ControlSite{surface_, site_, site_, containedControls_, propertyChanges_, raiser_, deferred_,
                                 deferred_, screen_, windows_, gdi_}) {
  control_.Initialize();
}

SplitterObject::~SplitterObject() {
  events_.DisconnectAll();
  propertyChanges_.Sinks().DisconnectAll();
  control_.Terminate();
}

HRESULT SplitterObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<SplitterObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &IID__OvSplitter}, As<_OvSplitter>},
      {{&IID_IOleObject}, OleInterface<IOleObject>},
      {{&IID_IOleWindow, &IID_IOleInPlaceObject}, OleInterface<IOleInPlaceObject>},
      {{&IID_IOleInPlaceActiveObject}, OleInterface<IOleInPlaceActiveObject>},
      {{&IID_IOleControl}, OleInterface<IOleControl>},
      {{&IID_IViewObject, &IID_IViewObject2}, OleInterface<IViewObject2>},
      {{&IID_IQuickActivate}, OleInterface<IQuickActivate>},
      {{&IID_IPersist, &IID_IPersistPropertyBag}, As<IPersistPropertyBag>},
      {{&IID_IPersistStreamInit}, As<IPersistStreamInit>},
      {{&IID_IConnectionPointContainer}, As<IConnectionPointContainer>},
      {{&IID_IProvideClassInfo, &IID_IProvideClassInfo2}, As<IProvideClassInfo2>},
      {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT SplitterObject::get_hWnd(LONG* result) {
  // A window handle fits 32 bits on both builds, as the type library's Long requires.
  return Get(result, [&] { return static_cast<LONG>(control_.Hwnd()); });
}

HRESULT SplitterObject::get_Panes(_OvPanes** result) {
  return Get(result, [&] { return PanesObject::Wrap(control_.Panes()); });
}

HRESULT SplitterObject::get_BackColor(OLE_COLOR* result) {
  return Get(result, [&] { return control_.BackColor(); });
}
HRESULT SplitterObject::put_BackColor(OLE_COLOR value) {
  return ComBoundary([&] { control_.SetBackColor(value); });
}

HRESULT SplitterObject::get_Enabled(VARIANT_BOOL* result) {
  return Get(result, [&] { return control_.Enabled() ? VARIANT_TRUE : VARIANT_FALSE; });
}
HRESULT SplitterObject::put_Enabled(VARIANT_BOOL value) {
  return ComBoundary([&] { control_.SetEnabled(value != VARIANT_FALSE); });
}

HRESULT SplitterObject::get_MouseIcon(IPictureDisp** result) {
  return Get(result, [&] { return PlatformPicture::ToDispatch(control_.MouseIcon()); });
}
HRESULT SplitterObject::putref_MouseIcon(IPictureDisp* value) {
  return ComBoundary([&] { control_.SetMouseIcon(PlatformPicture::From(value)); });
}

HRESULT SplitterObject::get_MousePointer(LONG* result) {
  return Get(result, [&] { return control_.MousePointer(); });
}
HRESULT SplitterObject::put_MousePointer(LONG value) {
  return ComBoundary([&] { control_.SetMousePointer(value); });
}

HRESULT SplitterObject::OLEDrag() {
  return ComBoundary([&] { control_.OLEDrag(); });
}

HRESULT SplitterObject::get_OLEDropMode(OvOLEDropConstants* result) {
  return Get(result, [&] { return static_cast<OvOLEDropConstants>(control_.OLEDropMode()); });
}
HRESULT SplitterObject::put_OLEDropMode(OvOLEDropConstants value) {
  return ComBoundary([&] { control_.SetOLEDropMode(value); });
}

HRESULT SplitterObject::get_Appearance(OvAppearanceConstants* result) {
  return Get(result, [&] { return static_cast<OvAppearanceConstants>(control_.Appearance()); });
}
HRESULT SplitterObject::put_Appearance(OvAppearanceConstants value) {
  return ComBoundary([&] { control_.SetAppearance(value); });
}

HRESULT SplitterObject::get_BorderStyle(OvBorderStyleConstants* result) {
  return Get(result, [&] { return static_cast<OvBorderStyleConstants>(control_.BorderStyle()); });
}
HRESULT SplitterObject::put_BorderStyle(OvBorderStyleConstants value) {
  return ComBoundary([&] { control_.SetBorderStyle(value); });
}

HRESULT SplitterObject::get_SplitterMouseIcon(IPictureDisp** result) {
  return Get(result, [&] { return PlatformPicture::ToDispatch(control_.SplitterMouseIcon()); });
}
HRESULT SplitterObject::putref_SplitterMouseIcon(IPictureDisp* value) {
  return ComBoundary([&] { control_.SetSplitterMouseIcon(PlatformPicture::From(value)); });
}

HRESULT SplitterObject::get_SplitterStyle(OvSplitterStyleConstants* result) {
  return Get(result, [&] { return static_cast<OvSplitterStyleConstants>(control_.SplitterStyle()); });
}
HRESULT SplitterObject::put_SplitterStyle(OvSplitterStyleConstants value) {
  return ComBoundary([&] { control_.SetSplitterStyle(value); });
}

HRESULT SplitterObject::get_SplitterSize(LONG* result) {
  return Get(result, [&] { return control_.SplitterSize(); });
}
HRESULT SplitterObject::put_SplitterSize(LONG value) {
  return ComBoundary([&] { control_.SetSplitterSize(value); });
}

HRESULT SplitterObject::get_Orientation(OvOrientationConstants* result) {
  return Get(result, [&] { return static_cast<OvOrientationConstants>(control_.Orientation()); });
}
HRESULT SplitterObject::put_Orientation(OvOrientationConstants value) {
  return ComBoundary([&] { control_.SetOrientation(value); });
}

HRESULT SplitterObject::get_WhatsThisHelpID(VARIANT* result) {
  return Get(result, [&] { return host::Variant(control_.WhatsThisHelpID()); });
}
HRESULT SplitterObject::put_WhatsThisHelpID(VARIANT value) {
  return ComBoundary([&] { control_.SetWhatsThisHelpID(FromVariant(value)); });
}

HRESULT SplitterObject::GetContainedControls(VARIANT* result) {
  if (!result) return E_POINTER;
  VariantInit(result);
  return ComBoundary([&] {
    auto names = control_.GetContainedControls();
    if (!names) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = VARIANT_FALSE;
      return;
    }
    // Bounds 0 to N: the names, then one empty element.
    ToStringArray(*names, result, 1);
  });
}

// Not yet: the About box comes with its own window.
HRESULT SplitterObject::AboutBox() { return E_NOTIMPL; }
HRESULT SplitterObject::ShowAboutBox() { return E_NOTIMPL; }

// The OLE control's notifications. Errors inside them stay inside: the window system or
// the container that sent them cannot take them.
void SplitterObject::OnClientSiteChanged(IOleClientSite* site) { site_.Attach(site); }

void SplitterObject::OnSizeChanged() {
  // Before InitNew there are no properties to lay out; InitProperties takes the size.
  if (initialized_) ComBoundary([&] { control_.Resize(); });
}

void SplitterObject::OnShow() {
  if (initialized_) ComBoundary([&] { control_.Show(); });
}

void SplitterObject::OnPaint(HDC) {
  ComBoundary([&] { control_.Redraw(); });
}

void SplitterObject::OnDraw(HDC dc, const RECT& bounds) {
  // The picture is drawn from the control's top-left corner, placed at the bounds.
  win32::SavedDcState keep(dc);
  OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
  ComBoundary([&] { control_.RedrawInto(reinterpret_cast<host::GdiHandle>(dc)); });
}

void SplitterObject::OnAmbientPropertyChange(DISPID id) {
  ComBoundary([&] {
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
      if (std::exchange(leftPressed_, false)) ComBoundary([&] { control_.Click(); });
      break;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      ComBoundary([&] { control_.DblClick(); });
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
  HRESULT hr = ComBoundary([&] { control_.InitProperties(); });
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
