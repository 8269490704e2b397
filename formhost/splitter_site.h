#pragma once
// The form's site for one splitter control: everything a container gives an ActiveX
// control (client site, in-place site, control site with the extender, ambient
// properties, simple-frame message filters) and the control's lifecycle from
// creation by ProgID to the last release.

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/dispatch_client.h"
#include "formhost/extender.h"
#include "formhost/form_container.h"
#include "formhost/form_control.h"
#include "com/com_ptr.h"
#include "automation/property_get_dispatch.h"
#include "com/ref_counted.h"

// The persistence interfaces a container may initialise a control through.
enum class PersistRoad { PropertyBag, Stream, Storage };

struct SplitterSiteOptions {
  std::wstring name = L"OvSplitter1";
  RECT pixels{8, 8, 328, 248};  // in its parent window's client area
  // The extender of the splitter it is placed in (borrowed; that one outlives this one);
  // null for a splitter on the form.
  IDispatch* container = nullptr;
  bool userMode = true;
  std::wstring scaleUnits = L"Twip";
  bool frameSite = true;       // offer ISimpleFrameSite
  bool quickActivate = false;  // start through IQuickActivate
  // A saved control: its properties in a bag (IPersistPropertyBag::Load), else its record
  // in a stream (IPersistStreamInit::Load) or in a storage (IPersistStorage::Load). With
  // none of them a new one, initialised through newThrough's InitNew.
  IPropertyBag* saved = nullptr;
  IStream* savedStream = nullptr;
  IStorage* savedStorage = nullptr;
  PersistRoad newThrough = PersistRoad::Stream;
  // False leaves the control parked until Activate, so that the controls bound to its
  // panes can be placed inside it first and its Show finds them.
  bool activate = true;
  // Told the member's dispatch id whenever the control reports a property change
  // (IPropertyNotifySink::OnChanged): "Panes" for any change of its panes at design time.
  std::function<void(DISPID member)> changed = nullptr;
};

class SplitterSite final : public IOleClientSite,
                           public IOleInPlaceSiteEx,
                           public IOleControlSite,
                           public PropertyGetDispatch,
                           public ISimpleFrameSite,
                           public IPropertyNotifySink,
                           public FormControl,
                           private com::RefCounted {
 public:
  static constexpr const wchar_t* kProgId = L"OrvaneSplitter.OvSplitter";

  // Creates the control by ProgID, sites it, gives it its extent, initialises it as a
  // new instance or loads it from its saved properties, and activates it in place in
  // parent (the form's window, or the window of the splitter it is placed in). Throws
  // DispatchError when a step fails, with the control's own error description.
  static activex::ComPtr<SplitterSite> Create(FormContainer& container, HWND parent,
                                              const SplitterSiteOptions& options);
  void Activate();
  // The control's properties written into bag (IPersistPropertyBag::Save, clearing its
  // dirty state); throws DispatchError.
  void SaveProperties(IPropertyBag& bag);

  const DispatchClient& Control() const { return control_; }
  IDispatch* ExtenderObject() const { return extender_.Get(); }
  const RECT& Rect() const { return rect_; }
  // New position in the form's client area, handed to the control by SetObjectRects.
  void SetRect(const RECT& pixels);
  void SetUserMode(bool userMode);
  bool IsInPlaceActive() const { return inPlaceActive_; }
  bool IsNested() const { return containerObject_ != nullptr; }
  ULONG SiteReferences() const { return References(); }
  int FilteredMessages() const { return filteredMessages_; }

  // Deactivates, closes and unsites the control and lets go of it; what the last
  // Release of the control returned (0 when nothing else holds it).
  ULONG Close();

  // FormControl
  const std::wstring& Name() const override { return name_; }
  void Bounds(double* left, double* top, double* width, double* height) const override;
  void Move(double left, double top, double width, double height) override;
  HWND Window() const override;
  void Refresh() override;
  IDispatch* ContainerObject() const override { return containerObject_ ? containerObject_ : container_->FormObject(); }
  IDispatch* ParentObject() const override { return container_->FormObject(); }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, IOleInPlaceSite, IOleInPlaceSiteEx
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;
  STDMETHODIMP OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) override;
  STDMETHODIMP OnInPlaceDeactivateEx(BOOL) override { return OnInPlaceDeactivate(); }
  STDMETHODIMP RequestUIActivate() override { return S_OK; }

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** extender) override;
  STDMETHODIMP TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // ISimpleFrameSite
  STDMETHODIMP PreMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD* cookie) override;
  STDMETHODIMP PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD) override;

  // IPropertyNotifySink
  STDMETHODIMP OnChanged(DISPID member) override;
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  // The control's property pages (ISpecifyPropertyPages), in its order; throws
  // DispatchError when it has none.
  std::vector<CLSID> PropertyPages() const;
  IUnknown* Object() const { return object_.Get(); }

 private:
  SplitterSite(FormContainer& container, HWND parent, const SplitterSiteOptions& options);
  ~SplitterSite() override;
  // PropertyGetDispatch: the ambient properties, by their DISPIDs only.
  HRESULT GetProperty(DISPID id, VARIANT* result) override;
  void Start(const SplitterSiteOptions& options);
  void Initialise(const SplitterSiteOptions& options);
  double TwipsPerPixelX() const;
  double TwipsPerPixelY() const;

  activex::ComPtr<FormContainer> container_;
  // The window it is in place in: the form's, or an outer splitter's.
  HWND form_;
  IDispatch* containerObject_;
  std::wstring name_;
  RECT rect_;
  bool userMode_;
  std::wstring scaleUnits_;
  bool frameSite_;
  activex::ComPtr<Extender> extender_;
  activex::ComPtr<IOleObject> object_;
  activex::ComPtr<IOleInPlaceObject> inPlaceObject_;
  // The storage a new control was given through IPersistStorage::InitNew.
  activex::ComPtr<IStorage> storage_;
  std::function<void(DISPID)> changed_;
  activex::ComPtr<IConnectionPoint> changes_;
  DWORD changesCookie_ = 0;
  DispatchClient control_;
  bool inPlaceActive_ = false;
  int filteredMessages_ = 0;
};
