#include "activex/splitter_object.h"

#include <olectl.h>

#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "activex/panes_object.h"
#include "activex/platform_picture.h"
#include "activex/property_pages.h"
#include "activex/safe_array.h"
#include "activex/variant_bridge.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"
#include "win32/display_screen.h"
#include "win32/win32_window_subclassing.h"
#include "win32/window_dpi.h"

namespace activex {

// A property whose value the control takes and gives as the interface's type holds it.
#define SPLITTER_PROPERTY(Name, Type)                                       \
  HRESULT SplitterObject::get_##Name(Type* result) {                        \
    return Get(result, [&] { return static_cast<Type>(control_.Name()); }); \
  }                                                                         \
  HRESULT SplitterObject::put_##Name(Type value) {                          \
    return ComBoundary([&] { control_.Set##Name(value); });                 \
  }
// A Boolean property: True is VARIANT_TRUE, and any value but VARIANT_FALSE sets it.
#define SPLITTER_BOOLEAN_PROPERTY(Name)                                                 \
  HRESULT SplitterObject::get_##Name(VARIANT_BOOL* result) {                            \
    return Get(result, [&] { return control_.Name() ? VARIANT_TRUE : VARIANT_FALSE; }); \
  }                                                                                     \
  HRESULT SplitterObject::put_##Name(VARIANT_BOOL value) {                              \
    return ComBoundary([&] { control_.Set##Name(value != VARIANT_FALSE); });            \
  }
// A picture property, set by reference.
#define SPLITTER_PICTURE_PROPERTY(Name)                                               \
  HRESULT SplitterObject::get_##Name(IPictureDisp** result) {                         \
    return Get(result, [&] { return PlatformPicture::ToDispatch(control_.Name()); }); \
  }                                                                                   \
  HRESULT SplitterObject::putref_##Name(IPictureDisp* value) {                        \
    return ComBoundary([&] { control_.Set##Name(PlatformPicture::From(value)); });    \
  }

HRESULT SplitterObject::Create(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  ComPtr<SplitterObject> object;
  HRESULT hr =
      activex::ComBoundary(IID__OvSplitter, [&] { object = ComPtr<SplitterObject>::Adopt(new SplitterObject()); });
  return FAILED(hr) ? hr : object->QueryInterface(iid, out);
}

SplitterObject::SplitterObject()
    : DualDispatch(IID__OvSplitter2, IID__OvSplitter),
      screen_(win32::DisplayScreen()),
      ole_(*static_cast<_OvSplitter2*>(this), *this, screen_, CLSID_OvSplitter, kMiscStatus),
      surface_(ole_, screen_, dragDrop_),
      raiser_({&events_, &firstEvents_}),
      dragDrop_(raiser_),
      control_(host::ControlSite{.surface = surface_,
                                 .extender = site_,
                                 .ambient = site_,
                                 .containedControls = containedControls_,
                                 .propertyChanges = propertyChanges_,
                                 .events = raiser_,
                                 .resources = resources_,
                                 .dialogs = dialogs_,
                                 .screen = screen_,
                                 .windows = windows_,
                                 .gdi = gdi_,
                                 .pointer = pointer_,
                                 .subclassing = win32::Win32WindowSubclassing::Instance(),
                                 .accessibility = accessibility_}) {
  control_.Initialize();
}

SplitterObject::~SplitterObject() {
  events_.DisconnectAll();
  firstEvents_.DisconnectAll();
  propertyChanges_.Sinks().DisconnectAll();
  control_.Terminate();
}

HRESULT SplitterObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<SplitterObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &IID__OvSplitter2, &IID__OvSplitter}, As<_OvSplitter2>},
      {{&IID_IOleObject}, OleInterface<IOleObject>},
      {{&IID_IOleWindow, &IID_IOleInPlaceObject}, OleInterface<IOleInPlaceObject>},
      {{&IID_IOleInPlaceActiveObject}, OleInterface<IOleInPlaceActiveObject>},
      {{&IID_IOleControl}, OleInterface<IOleControl>},
      {{&IID_IViewObject, &IID_IViewObject2}, OleInterface<IViewObject2>},
      {{&IID_IQuickActivate}, OleInterface<IQuickActivate>},
      {{&IID_IPersist, &IID_IPersistPropertyBag}, PersistInterface<IPersistPropertyBag>},
      {{&IID_IPersistStreamInit}, PersistInterface<IPersistStreamInit>},
      {{&IID_IPersistStorage}, PersistInterface<IPersistStorage>},
      {{&IID_IConnectionPointContainer}, As<IConnectionPointContainer>},
      {{&IID_IProvideClassInfo, &IID_IProvideClassInfo2}, As<IProvideClassInfo2>},
      {{&IID_ISpecifyPropertyPages}, As<ISpecifyPropertyPages>},
      {{&IID_IPerPropertyBrowsing}, BrowsingInterface},
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

SPLITTER_PROPERTY(BackColor, OLE_COLOR)

SPLITTER_BOOLEAN_PROPERTY(Enabled)

SPLITTER_PICTURE_PROPERTY(MouseIcon)

SPLITTER_PROPERTY(MousePointer, LONG)

HRESULT SplitterObject::OLEDrag() {
  return ComBoundary([&] { control_.OLEDrag(); });
}

SPLITTER_PROPERTY(OLEDropMode, OvOLEDropConstants)

SPLITTER_PROPERTY(Appearance, OvAppearanceConstants)

SPLITTER_PROPERTY(BorderStyle, OvBorderStyleConstants)

SPLITTER_PICTURE_PROPERTY(SplitterMouseIcon)

SPLITTER_PROPERTY(SplitterStyle, OvSplitterStyleConstants)

SPLITTER_PROPERTY(SplitterSize, LONG)

SPLITTER_PROPERTY(Orientation, OvOrientationConstants)

HRESULT SplitterObject::get_WhatsThisHelpID(VARIANT* result) {
  return Get(result, [&] { return host::Variant(control_.WhatsThisHelpID()); });
}
HRESULT SplitterObject::put_WhatsThisHelpID(VARIANT value) {
  return ComBoundary([&] { control_.SetWhatsThisHelpID(FromVariant(value)); });
}

SPLITTER_BOOLEAN_PROPERTY(SplitterKeyboard)

SPLITTER_BOOLEAN_PROPERTY(LiveDrag)

SPLITTER_PROPERTY(SplitterIncrement, LONG)

SPLITTER_PROPERTY(SplitterGrabSize, LONG)
SPLITTER_PROPERTY(ResizeMode, OvResizeModeConstants)

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

HRESULT SplitterObject::AboutBox() {
  return ComBoundary([&] { activex::ShowAboutBox(dialogs_); });
}

// The standard About member stays hidden and does nothing; AboutBox shows the box.
HRESULT SplitterObject::ShowAboutBox() { return S_OK; }

void SplitterObject::FollowWindowResolution() {
  // 0 where the system cannot tell the window's own resolution: the screen's stays.
  const int dpi = win32::WindowDpi(ole_.Window());
  const int previous = screen_.PixelsPerInch();
  if (dpi <= 0 || dpi == previous) return;
  screen_ = host::Screen(dpi, dpi);
  ComBoundary([&] { control_.ResolutionChanged(previous); });
}

HWND SplitterObject::DialogOwner() const {
  HWND active = GetActiveWindow();
  return active ? active : GetAncestor(ole_.Window(), GA_ROOT);
}

// The OLE control's notifications. Errors inside them stay inside: the window system or
// the container that sent them cannot take them.
void SplitterObject::OnClientSiteChanged(IOleClientSite* site) { site_.Attach(site); }

void SplitterObject::OnSizeChanged() {
  // Before InitNew there are no properties to lay out; InitProperties takes the size.
  if (!persistence_.IsInitialized()) return;
  // Placed in place with a new size: this is the first display's resize.
  if (ole_.IsInPlace()) persistence_.TakeFirstDisplay();
  ComBoundary([&] { control_.Resize(); });
}

// A form's control hears Resize when it is first shown after its properties were set up,
// whatever its size: a loaded control then fits its last pane to the extent it has.
void SplitterObject::OnShow() {
  if (!persistence_.IsInitialized()) return;
  // Placed on its monitor at last: the resolution there may not be the system's.
  FollowWindowResolution();
  if (persistence_.TakeFirstDisplay()) ComBoundary([&] { control_.Resize(); });
  ComBoundary([&] { control_.Show(); });
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

bool SplitterObject::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return OnMouseButton(message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return OnDoubleClick();
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(reinterpret_cast<HWND>(lParam));
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_SETFOCUS:
      ComBoundary([&] { control_.FocusIn(); });
      return false;
    case WM_KILLFOCUS:
      ComBoundary([&] { control_.FocusOut(); });
      return false;
    case WM_DPICHANGED:
    case win32::kDpiChangedAfterParent:
      FollowWindowResolution();
      return false;
    case WM_SETCURSOR:
      return surface_.ShowPointer();
    default:
      return false;
  }
}

// Assistive tools ask for the client object; every other one is the window's own.
LRESULT SplitterObject::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  ComPtr<IAccessible> accessible = AccessibleObject::Create(ole_.Window(), accessibleSource_);
  return accessible ? LresultFromObject(AccessibleObject::kInterfaceId, wParam, accessible.Get()) : 0;
}

namespace {

// The mouse arguments as form languages give them: Button 1 left, 2 right, 4 middle; Shift
// 1 Shift, 2 Ctrl, 4 Alt; X and Y in pixels of the client area, negative left of or above
// it while the control holds the capture.
struct MouseArguments {
  int16_t button;
  int16_t shift;
  float x;
  float y;
};

int16_t ButtonsHeld(WPARAM keys) {
  return static_cast<int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                              ((keys & MK_MBUTTON) ? 4 : 0));
}

int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 2;
    default:
      return 4;
  }
}

MouseArguments MouseFrom(int16_t button, WPARAM keys, LPARAM position) {
  // The message carries Shift and Ctrl; Alt is read as the message is handled, as the
  // hook's road reads it.
  int16_t shift = static_cast<int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
                                       ((GetAsyncKeyState(VK_MENU) & 0x8000) ? 4 : 0));
  return {button, shift, static_cast<float>(GET_X_LPARAM(position)), static_cast<float>(GET_Y_LPARAM(position))};
}

}  // namespace

bool SplitterObject::OnMouseMove(WPARAM keys, LPARAM position) {
  MouseArguments mouse = MouseFrom(ButtonsHeld(keys), keys, position);
  ComBoundary([&] { control_.MouseMove(mouse.button, mouse.shift, mouse.x, mouse.y); });
  return true;
}

// A click is a left press and release on the control, raised after the MouseUp.
bool SplitterObject::OnMouseButton(UINT message, WPARAM keys, LPARAM position) {
  MouseArguments mouse = MouseFrom(ButtonOf(message), keys, position);
  bool left = mouse.button == 1;
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
    if (left) leftPressed_ = true;
    ComBoundary([&] { control_.MouseDown(mouse.button, mouse.shift, mouse.x, mouse.y); });
    // As a clicked control does, after the press may have brought its form forward: Esc
    // during a drag then comes to this window.
    if (left && GetFocus() != ole_.Window()) SetFocus(ole_.Window());
    return true;
  }
  ComBoundary([&] { control_.MouseUp(mouse.button, mouse.shift, mouse.x, mouse.y); });
  if (left && std::exchange(leftPressed_, false)) ComBoundary([&] { control_.Click(); });
  return true;
}

// A double click replaces the second click.
bool SplitterObject::OnDoubleClick() {
  leftPressed_ = false;
  ComBoundary([&] { control_.DblClick(); });
  return true;
}

// Another window took the mouse capture (a click elsewhere, a switch of windows, a
// message box): a drag under way ends without resizing anything.
bool SplitterObject::OnCaptureChanged(HWND gaining) {
  if (gaining != ole_.Window()) ComBoundary([&] { control_.CancelDrag(); });
  return true;
}

namespace {
bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The tab stops met so far, the control's own window among them wherever it stands.
struct TabStopWalk {
  HWND self;
  std::vector<HWND> stops;
};

// A named function: only it carries the callback's calling convention in the 32-bit build.
BOOL CALLBACK CollectTabStop(HWND child, LPARAM context) {
  auto& walk = *reinterpret_cast<TabStopWalk*>(context);
  if (child == walk.self ||
      ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child)))
    walk.stops.push_back(child);
  return TRUE;
}
// IOleControlSite::TranslateAccelerator's KEYMOD_SHIFT, which mingw's headers lack.
constexpr DWORD kShiftModifier = 1;
}  // namespace

bool SplitterObject::OnKeyDown(WPARAM key) {
  splitter::BarKey result = splitter::BarKey::Ignored;
  ComBoundary([&] { result = control_.KeyDown(static_cast<int32_t>(key), ShiftHeld()); });
  if (result == splitter::BarKey::LeaveForward || result == splitter::BarKey::LeaveBackward)
    GiveUpFocus(result == splitter::BarKey::LeaveBackward);
  return result != splitter::BarKey::Ignored;
}

void SplitterObject::GiveUpFocus(bool backward) {
  const HWND window = ole_.Window();
  // A container with its own Tab order moves the focus itself.
  if (IOleClientSite* site = ole_.ClientSite()) {
    ComPtr<IOleControlSite> controlSite = ComPtr<IOleClientSite>::Share(site).As<IOleControlSite>(IID_IOleControlSite);
    MSG tab{window, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    if (controlSite && controlSite->TranslateAccelerator(&tab, backward ? kShiftModifier : 0) == S_OK &&
        GetFocus() != window)
      return;
  }
  // Otherwise the Tab order of the window tree: the visible, enabled tab stops under the
  // top-level window, depth first, so the controls inside the splitter come right after it.
  TabStopWalk walk{window, {}};
  EnumChildWindows(GetAncestor(window, GA_ROOT), CollectTabStop, reinterpret_cast<LPARAM>(&walk));
  auto self = std::find(walk.stops.begin(), walk.stops.end(), window);
  if (self == walk.stops.end() || walk.stops.size() < 2) return;
  const size_t at = static_cast<size_t>(self - walk.stops.begin()), count = walk.stops.size();
  SetFocus(walk.stops[(at + (backward ? count - 1 : 1)) % count]);
}

LRESULT SplitterObject::OnDialogCode(const MSG* message) {
  LRESULT code = 0;
  ComBoundary([&] {
    if (!control_.FocusedBar()) return;
    code = DLGC_WANTARROWS;
    if (control_.WantsTab(ShiftHeld())) code |= DLGC_WANTTAB;
    // Enter and Esc during a move, and Enter that collapses a pane, are the bar's, not the
    // dialog's buttons'.
    if (message && message->message == WM_KEYDOWN &&
        (control_.KeyboardMoving() || (message->wParam == VK_RETURN && control_.WantsEnter())))
      code |= DLGC_WANTMESSAGE;
  });
  return code;
}

HRESULT SplitterObject::OnAccelerator(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.hwnd != ole_.Window()) return S_FALSE;
  // A Tab that leaves the bars is the container's to act on.
  if (message.wParam == VK_TAB && !control_.WantsTab(ShiftHeld())) return S_FALSE;
  return OnKeyDown(message.wParam) ? S_OK : S_FALSE;
}

void SplitterObject::BeforeLateBoundCall() {
  // A container sets its site before it initialises the control and may read members in
  // between; only a control that no container holds initialises itself. A failure leaves
  // it uninitialised, and the member then reports its own error.
  if (!persistence_.IsInitialized() && !ole_.ClientSite()) persistence_.InitNew();
}

HRESULT SplitterObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point || iid != IID_IPropertyNotifySink) return EventSource::FindConnectionPoint(iid, point);
  *point = &propertyChanges_.Sinks();
  (*point)->AddRef();
  return S_OK;
}

HRESULT SplitterObject::GetPages(CAUUID* pages) { return ControlPropertyPages(pages); }

}  // namespace activex
