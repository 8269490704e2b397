#pragma once
// The COM object of the splitter control: its dispatch interface, the OLE object and
// persistence interfaces a container starts it through, and its event source.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>

#include "OvSplitr_h.h"
#include "activex/client_site.h"
#include "activex/com_object.h"
#include "activex/connection_event_raiser.h"
#include "activex/control_persistence.h"
#include "activex/event_source.h"
#include "activex/about_box.h"
#include "activex/accessible_object.h"
#include "activex/module.h"
#include "activex/module_resources.h"
#include "activex/dual_dispatch.h"
#include "activex/window_surface.h"
#include "activex/ole_control.h"
#include "activex/ole_drag_drop.h"
#include "activex/property_browsing.h"
#include "activex/property_notifier.h"
#include "activex/site_contained_controls.h"
#include "activex/ole_control_owner.h"
#include "host/screen.h"
#include "win32/win32_accessibility_events.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_gdi.h"
#include "win32/win32_pointer_services.h"
#include "win32/win32_window_system.h"
#include "splitter/ov_splitter.h"

namespace activex {

// The members of a property of _OvSplitter: a value passed by value, or a picture set by
// reference.
#define SPLITTER_PROPERTY_MEMBERS(Name, Type)                  \
  HRESULT STDMETHODCALLTYPE get_##Name(Type* result) override; \
  HRESULT STDMETHODCALLTYPE put_##Name(Type value) override;
#define SPLITTER_PICTURE_PROPERTY_MEMBERS(Name)                         \
  HRESULT STDMETHODCALLTYPE get_##Name(IPictureDisp** result) override; \
  HRESULT STDMETHODCALLTYPE putref_##Name(IPictureDisp* value) override;

class SplitterObject final : public ComObject,
                             public DualDispatch<_OvSplitter2>,
                             public ISpecifyPropertyPages,
                             public EventSource<&CLSID_OvSplitter, &DIID___OvSplitter2, &DIID___OvSplitter>,
                             private OleControlOwner {
 public:
  static HRESULT Create(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // _OvSplitter
  HRESULT STDMETHODCALLTYPE get_hWnd(LONG* result) override;
  HRESULT STDMETHODCALLTYPE get_Panes(_OvPanes** result) override;
  SPLITTER_PROPERTY_MEMBERS(BackColor, OLE_COLOR)
  SPLITTER_PROPERTY_MEMBERS(Enabled, VARIANT_BOOL)
  SPLITTER_PICTURE_PROPERTY_MEMBERS(MouseIcon)
  SPLITTER_PROPERTY_MEMBERS(MousePointer, LONG)
  HRESULT STDMETHODCALLTYPE OLEDrag() override;
  SPLITTER_PROPERTY_MEMBERS(OLEDropMode, OvOLEDropConstants)
  SPLITTER_PROPERTY_MEMBERS(Appearance, OvAppearanceConstants)
  SPLITTER_PROPERTY_MEMBERS(BorderStyle, OvBorderStyleConstants)
  SPLITTER_PICTURE_PROPERTY_MEMBERS(SplitterMouseIcon)
  SPLITTER_PROPERTY_MEMBERS(SplitterStyle, OvSplitterStyleConstants)
  SPLITTER_PROPERTY_MEMBERS(SplitterSize, LONG)
  SPLITTER_PROPERTY_MEMBERS(Orientation, OvOrientationConstants)
  SPLITTER_PROPERTY_MEMBERS(WhatsThisHelpID, VARIANT)
  // _OvSplitter2
  SPLITTER_PROPERTY_MEMBERS(SplitterKeyboard, VARIANT_BOOL)
  SPLITTER_PROPERTY_MEMBERS(SplitterIncrement, LONG)
  SPLITTER_PROPERTY_MEMBERS(SplitterGrabSize, LONG)
  SPLITTER_PROPERTY_MEMBERS(LiveDrag, VARIANT_BOOL)
  SPLITTER_PROPERTY_MEMBERS(ResizeMode, OvResizeModeConstants)
  HRESULT STDMETHODCALLTYPE ShowAboutBox() override;
  HRESULT STDMETHODCALLTYPE GetContainedControls(VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE AboutBox() override;

  // A script that creates the control with no container never has it initialised: its first
  // late-bound call initialises it as InitNew would (320 x 240 pixels, one pane), and a later
  // InitNew or Load is then a second initialisation.
  void BeforeLateBoundCall() override;

  // ISpecifyPropertyPages
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

  // The event interface's connection point, and the one for IPropertyNotifySink.
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  // The OLE status bits of the control, as registered and as GetMiscStatus reports them.
  static constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
                                       OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE |
                                       OLEMISC_SIMPLEFRAME;

 private:
  SplitterObject();
  ~SplitterObject() override;

  // The OLE control's interfaces, which share this object's identity.
  template <typename Interface>
  static void* OleInterface(SplitterObject* self) {
    return static_cast<Interface*>(&self->ole_);
  }
  template <typename Interface>
  static void* PersistInterface(SplitterObject* self) {
    return static_cast<Interface*>(&self->persistence_);
  }
  static void* BrowsingInterface(SplitterObject* self) { return static_cast<IPerPropertyBrowsing*>(&self->browsing_); }

  // OleControlOwner
  void OnClientSiteChanged(IOleClientSite* site) override;
  void OnSizeChanged() override;
  void OnShow() override;
  void OnPaint(HDC dc) override;
  void OnDraw(HDC dc, const RECT& bounds) override;
  void OnAmbientPropertyChange(DISPID id) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDialogCode(const MSG* message) override;
  HRESULT OnAccelerator(const MSG& message) override;
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam) override;

  // The control window's input, as form hosts report it to the control.
  bool OnMouseMove(WPARAM keys, LPARAM position);
  bool OnMouseButton(UINT message, WPARAM keys, LPARAM position);
  bool OnDoubleClick();
  bool OnCaptureChanged(HWND gaining);
  bool OnKeyDown(WPARAM key);
  // Tab left the last bar (or Shift+Tab the first): the container's next control.
  void GiveUpFocus(bool backward);

  HWND DialogOwner() const;
  // The monitor's pixels per inch where the window is, when the system tells them.
  void FollowWindowResolution();

  host::Screen screen_;
  // Before the surface and the control: the control window exists from the start.
  OleControl ole_;
  WindowSurface surface_;
  ClientSite site_;
  // Owned by the active window or else the form that holds the control.
  win32::Win32Dialogs dialogs_{ModuleHandle(), [this] { return DialogOwner(); }, ComponentWindows()};
  ModuleResources resources_;
  SiteContainedControls containedControls_{site_};
  PropertyNotifier propertyChanges_{*this, IID__OvSplitter2};
  ConnectionEventRaiser raiser_;
  // After the window: it revokes its drop target before the window goes.
  OleDragDrop dragDrop_;
  win32::Win32WindowSystem windows_;
  win32::Win32Gdi gdi_;
  win32::Win32PointerServices pointer_;
  win32::Win32AccessibilityEvents accessibility_{ole_.Window()};
  splitter::OvSplitter control_;
  // Lent weakly to the accessible objects handed out: gone with the control.
  std::shared_ptr<const AccessibleSource> accessibleSource_ =
      std::make_shared<const AccessibleSource>([this] { return control_.Accessible(); });
  ControlPersistence persistence_{*static_cast<_OvSplitter2*>(this), CLSID_OvSplitter, control_, propertyChanges_};
  PropertyBrowsing browsing_{*static_cast<_OvSplitter2*>(this), IID__OvSplitter2};
  bool leftPressed_ = false;
};

#undef SPLITTER_PROPERTY_MEMBERS
#undef SPLITTER_PICTURE_PROPERTY_MEMBERS

}  // namespace activex
