#include "formhost/splitter_site.h"

#include <cmath>

#include "automation/dispatch_error.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"

namespace {

void Check(HRESULT hr, const wchar_t* step) {
  if (FAILED(hr)) throw DispatchError(hr, step);
}

// A failed call to an interface that reports its errors through IErrorInfo.
void CheckWithErrorInfo(HRESULT hr, const wchar_t* step) {
  if (SUCCEEDED(hr)) return;
  activex::ComPtr<IErrorInfo> info;
  win32::UniqueBstr description, source;
  if (GetErrorInfo(0, info.Out()) == S_OK) {
    info->GetDescription(description.put());
    info->GetSource(source.put());
  }
  throw DispatchError(hr, step, description ? description.get() : L"", source ? source.get() : L"");
}

// One of the control's interfaces, which it must have.
template <typename Interface>
activex::ComPtr<Interface> Required(const activex::ComPtr<IOleObject>& object, REFIID iid, const wchar_t* name) {
  auto found = object.As<Interface>(iid);
  if (!found) throw DispatchError(E_NOINTERFACE, name);
  return found;
}

int LogicalPixels(int axis) {
  win32::WindowDc screen(nullptr);
  int perInch = GetDeviceCaps(screen.get(), axis);
  return perInch > 0 ? perInch : 96;
}

}  // namespace

activex::ComPtr<SplitterSite> SplitterSite::Create(FormContainer& container, HWND parent,
                                                   const SplitterSiteOptions& options) {
  auto site = activex::ComPtr<SplitterSite>::Adopt(new SplitterSite(container, parent, options));
  try {
    site->Start(options);
    if (options.activate) site->Activate();
  } catch (...) {
    site->Close();
    throw;
  }
  return site;
}

SplitterSite::SplitterSite(FormContainer& container, HWND parent, const SplitterSiteOptions& options)
    : container_(activex::ComPtr<FormContainer>::Share(&container)),
      form_(parent),
      containerObject_(options.container),
      name_(options.name),
      rect_(options.pixels),
      userMode_(options.userMode),
      scaleUnits_(options.scaleUnits),
      frameSite_(options.frameSite),
      extender_(activex::ComPtr<Extender>::Adopt(Extender::Create(*this))),
      changed_(options.changed) {
  container_->AddEmbedding(extender_.Get());
}

SplitterSite::~SplitterSite() { extender_->Detach(); }

void SplitterSite::Start(const SplitterSiteOptions& options) {
  CLSID clsid;
  Check(CLSIDFromProgID(kProgId, &clsid), L"CLSIDFromProgID");
  Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(object_.Out())),
        L"CoCreateInstance");
  control_ = DispatchClient(object_.As<IDispatch>(IID_IDispatch).Get());
  // Before the control initialises, so that nothing it reports is missed.
  if (auto points = object_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
      points && SUCCEEDED(points->FindConnectionPoint(IID_IPropertyNotifySink, changes_.Out())))
    Check(changes_->Advise(static_cast<IPropertyNotifySink*>(this), &changesCookie_), L"IConnectionPoint::Advise");
  SIZEL extent{MulDiv(rect_.right - rect_.left, 2540, LogicalPixels(LOGPIXELSX)),
               MulDiv(rect_.bottom - rect_.top, 2540, LogicalPixels(LOGPIXELSY))};
  auto quick = object_.As<IQuickActivate>(IID_IQuickActivate);
  if (options.quickActivate && quick) {
    QACONTAINER offered{};
    offered.cbSize = sizeof offered;
    offered.pClientSite = this;
    offered.dwAmbientFlags = userMode_ ? QACONTAINER_USERMODE : 0;
    QACONTROL answer{};
    answer.cbSize = sizeof answer;
    Check(quick->QuickActivate(&offered, &answer), L"IQuickActivate::QuickActivate");
    Check(quick->SetContentExtent(&extent), L"IQuickActivate::SetContentExtent");
  } else {
    DWORD status = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &status);
    if (status & OLEMISC_SETCLIENTSITEFIRST) Check(object_->SetClientSite(this), L"IOleObject::SetClientSite");
    Check(object_->SetExtent(DVASPECT_CONTENT, &extent), L"IOleObject::SetExtent");
    if (!(status & OLEMISC_SETCLIENTSITEFIRST)) Check(object_->SetClientSite(this), L"IOleObject::SetClientSite");
  }
  Initialise(options);
  inPlaceObject_ = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
}

void SplitterSite::Initialise(const SplitterSiteOptions& options) {
  if (options.saved) {
    CheckWithErrorInfo(Required<IPersistPropertyBag>(object_, IID_IPersistPropertyBag, L"IPersistPropertyBag")
                           ->Load(options.saved, nullptr),
                       L"IPersistPropertyBag::Load");
  } else if (options.savedStream) {
    CheckWithErrorInfo(
        Required<IPersistStreamInit>(object_, IID_IPersistStreamInit, L"IPersistStreamInit")->Load(options.savedStream),
        L"IPersistStreamInit::Load");
  } else if (options.savedStorage) {
    CheckWithErrorInfo(
        Required<IPersistStorage>(object_, IID_IPersistStorage, L"IPersistStorage")->Load(options.savedStorage),
        L"IPersistStorage::Load");
  } else if (options.newThrough == PersistRoad::PropertyBag) {
    Check(Required<IPersistPropertyBag>(object_, IID_IPersistPropertyBag, L"IPersistPropertyBag")->InitNew(),
          L"IPersistPropertyBag::InitNew");
  } else if (options.newThrough == PersistRoad::Storage) {
    // A storage of its own in memory, as a compound-document container gives each object.
    activex::ComPtr<ILockBytes> bytes;
    Check(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Out()), L"CreateILockBytesOnHGlobal");
    Check(StgCreateDocfileOnILockBytes(bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                       storage_.Out()),
          L"StgCreateDocfileOnILockBytes");
    Check(Required<IPersistStorage>(object_, IID_IPersistStorage, L"IPersistStorage")->InitNew(storage_.Get()),
          L"IPersistStorage::InitNew");
  } else {
    Check(Required<IPersistStreamInit>(object_, IID_IPersistStreamInit, L"IPersistStreamInit")->InitNew(),
          L"IPersistStreamInit::InitNew");
  }
}

void SplitterSite::Activate() {
  Check(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, form_, &rect_),
        L"IOleObject::DoVerb(OLEIVERB_INPLACEACTIVATE)");
}

void SplitterSite::SaveProperties(IPropertyBag& bag) {
  auto persist = object_.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
  if (!persist) throw DispatchError(E_NOINTERFACE, L"IPersistPropertyBag");
  CheckWithErrorInfo(persist->Save(&bag, TRUE, TRUE), L"IPersistPropertyBag::Save");
}

ULONG SplitterSite::Close() {
  control_.Reset();
  if (changes_) {
    changes_->Unadvise(changesCookie_);
    changes_.Reset();
  }
  if (inPlaceObject_) {
    inPlaceObject_->InPlaceDeactivate();
    inPlaceObject_.Reset();
  }
  ULONG left = 0;
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    left = object_.ResetCounting();
  }
  container_->RemoveEmbedding(extender_.Get());
  return left;
}

void SplitterSite::SetRect(const RECT& pixels) {
  rect_ = pixels;
  if (!inPlaceObject_) return;
  RECT clip{};
  GetClientRect(form_, &clip);
  inPlaceObject_->SetObjectRects(&rect_, &clip);
}

void SplitterSite::SetUserMode(bool userMode) {
  userMode_ = userMode;
  if (auto control = object_.As<IOleControl>(IID_IOleControl))
    control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
}

double SplitterSite::TwipsPerPixelX() const { return 1440.0 / LogicalPixels(LOGPIXELSX); }
double SplitterSite::TwipsPerPixelY() const { return 1440.0 / LogicalPixels(LOGPIXELSY); }

void SplitterSite::Bounds(double* left, double* top, double* width, double* height) const {
  *left = rect_.left * TwipsPerPixelX();
  *top = rect_.top * TwipsPerPixelY();
  *width = (rect_.right - rect_.left) * TwipsPerPixelX();
  *height = (rect_.bottom - rect_.top) * TwipsPerPixelY();
}

void SplitterSite::Move(double left, double top, double width, double height) {
  RECT pixels;
  pixels.left = std::lround(left / TwipsPerPixelX());
  pixels.top = std::lround(top / TwipsPerPixelY());
  pixels.right = pixels.left + std::lround(width / TwipsPerPixelX());
  pixels.bottom = pixels.top + std::lround(height / TwipsPerPixelY());
  SetRect(pixels);
}

HWND SplitterSite::Window() const {
  HWND window = nullptr;
  if (auto ole = object_.As<IOleWindow>(IID_IOleWindow)) ole->GetWindow(&window);
  return window;
}

void SplitterSite::Refresh() {
  if (HWND window = Window()) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
}

STDMETHODIMP SplitterSite::QueryInterface(REFIID iid, void** object) {
  using activex::As;
  static constexpr activex::InterfaceEntry<SplitterSite> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IOleClientSite}, As<IOleClientSite>},
      {{&IID_IOleWindow, &IID_IOleInPlaceSite, &IID_IOleInPlaceSiteEx}, As<IOleInPlaceSiteEx>},
      {{&IID_IOleControlSite}, As<IOleControlSite>},
      {{&IID_IDispatch}, As<IDispatch>},
      {{&IID_IPropertyNotifySink}, As<IPropertyNotifySink>},
      // Offered only when the form says so, to see the control without one.
      {{&IID_ISimpleFrameSite},
       [](SplitterSite* site) -> void* { return site->frameSite_ ? static_cast<ISimpleFrameSite*>(site) : nullptr; }},
  };
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP SplitterSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP SplitterSite::GetContainer(IOleContainer** container) {
  if (!container) return E_POINTER;
  *container = static_cast<IOleContainer*>(container_.Get());
  (*container)->AddRef();
  return S_OK;
}

STDMETHODIMP SplitterSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = form_;
  return S_OK;
}

STDMETHODIMP SplitterSite::OnInPlaceActivate() {
  inPlaceActive_ = true;
  return S_OK;
}

STDMETHODIMP SplitterSite::OnInPlaceActivateEx(BOOL* noRedraw, DWORD) {
  if (noRedraw) *noRedraw = FALSE;
  return OnInPlaceActivate();
}

STDMETHODIMP SplitterSite::OnInPlaceDeactivate() {
  inPlaceActive_ = false;
  return S_OK;
}

STDMETHODIMP SplitterSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip || !info) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(container_.Get());
  (*frame)->AddRef();
  *document = nullptr;
  *position = rect_;
  GetClientRect(form_, clip);
  info->fMDIApp = FALSE;
  info->hwndFrame = GetAncestor(form_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP SplitterSite::OnPosRectChange(LPCRECT position) {
  if (!position) return E_POINTER;
  SetRect(*position);
  return S_OK;
}

STDMETHODIMP SplitterSite::GetExtendedControl(IDispatch** extender) {
  if (!extender) return E_POINTER;
  *extender = extender_.Get();
  extender_->AddRef();
  return S_OK;
}

// The form's own unit is the twip.
STDMETHODIMP SplitterSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
  if (!himetric || !container) return E_POINTER;
  constexpr double kTwipsPerHimetric = 1440.0 / 2540.0;
  if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
    container->x = static_cast<float>(himetric->x * kTwipsPerHimetric);
    container->y = static_cast<float>(himetric->y * kTwipsPerHimetric);
  } else if (flags & XFORMCOORDS_CONTAINERTOHIMETRIC) {
    himetric->x = std::lround(container->x / kTwipsPerHimetric);
    himetric->y = std::lround(container->y / kTwipsPerHimetric);
  } else {
    return E_INVALIDARG;
  }
  return S_OK;
}

HRESULT SplitterSite::GetProperty(DISPID id, VARIANT* result) {
  switch (id) {
    case DISPID_AMBIENT_USERMODE:
      return ReturnBool(result, userMode_);
    case DISPID_AMBIENT_SCALEUNITS:
      return ReturnString(result, scaleUnits_.c_str());
    case DISPID_AMBIENT_DISPLAYNAME:
      return ReturnString(result, name_.c_str());
    case DISPID_AMBIENT_LOCALEID:
      return ReturnLong(result, 0x409);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

STDMETHODIMP SplitterSite::PreMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD* cookie) {
  if (cookie) *cookie = static_cast<DWORD>(++filteredMessages_);
  return S_OK;
}

STDMETHODIMP SplitterSite::PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD) { return S_OK; }

STDMETHODIMP SplitterSite::OnChanged(DISPID member) {
  if (changed_) changed_(member);
  return S_OK;
}

std::vector<CLSID> SplitterSite::PropertyPages() const {
  auto specify = object_.As<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages);
  if (!specify) throw DispatchError(E_NOINTERFACE, L"ISpecifyPropertyPages");
  CAUUID pages{};
  Check(specify->GetPages(&pages), L"ISpecifyPropertyPages::GetPages");
  win32::UniqueTaskMemory owned(pages.pElems);
  return std::vector<CLSID>(pages.pElems, pages.pElems + pages.cElems);
}
