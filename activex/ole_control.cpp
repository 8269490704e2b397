#include "activex/ole_control.h"

#include <cstddef>

#include "host/variant.h"

namespace activex {
namespace {

constexpr double kHimetricPerInch = 2540;
constexpr double kTwipsPerInch = 1440;
constexpr SIZE kDefaultPixels = {320, 240};

RECT FromRectl(const RECTL& r) { return {r.left, r.top, r.right, r.bottom}; }

template <typename T>
bool Clear(T** out) {
  if (!out) return false;
  *out = nullptr;
  return true;
}

}  // namespace

OleControl::OleControl(IUnknown& outer, OleControlOwner& owner, const host::Screen& screen, REFCLSID clsid,
                       DWORD miscStatus)
    : outer_(outer),
      owner_(owner),
      screen_(screen),
      clsid_(clsid),
      miscStatus_(miscStatus),
      extent_(HimetricOf(kDefaultPixels)),
      notifiedSize_(kDefaultPixels),
      window_(*this, kDefaultPixels.cx, kDefaultPixels.cy) {}

OleControl::~OleControl() = default;

SIZE OleControl::PixelsOf(const SIZEL& himetric) const {
  auto pixels = [](long value, double twipsPerPixel) {
    return static_cast<LONG>(host::RoundHalfEven(value * kTwipsPerInch / kHimetricPerInch / twipsPerPixel));
  };
  return {pixels(himetric.cx, screen_.TwipsPerPixelX()), pixels(himetric.cy, screen_.TwipsPerPixelY())};
}

SIZEL OleControl::HimetricOf(const SIZE& pixels) const {
  auto himetric = [](long value, double twipsPerPixel) {
    return static_cast<LONG>(host::RoundHalfEven(value * twipsPerPixel * kHimetricPerInch / kTwipsPerInch));
  };
  return {himetric(pixels.cx, screen_.TwipsPerPixelX()), himetric(pixels.cy, screen_.TwipsPerPixelY())};
}

void OleControl::NotifyViewChanged() {
  if (!viewSink_ || !(viewAspects_ & DVASPECT_CONTENT)) return;
  ComPtr<IAdviseSink> sink = viewSink_;
  if (viewFlags_ & ADVF_ONLYONCE) viewSink_.Reset();
  sink->OnViewChange(DVASPECT_CONTENT, -1);
}

// --- IOleObject ---

HRESULT OleControl::SetClientSite(IOleClientSite* site) {
  if (!site && inPlace_) InPlaceDeactivate();
  clientSite_ = ComPtr<IOleClientSite>::Share(site);
  frameSite_ = clientSite_.As<ISimpleFrameSite>(IID_ISimpleFrameSite);
  owner_.OnClientSiteChanged(site);
  return S_OK;
}

HRESULT OleControl::GetClientSite(IOleClientSite** site) {
  if (!Clear(site)) return E_POINTER;
  *site = ComPtr<IOleClientSite>(clientSite_).Detach();
  return S_OK;
}

HRESULT OleControl::Close(DWORD) {
  // Saving on close comes with persistence; the container saves a control before closing it.
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

HRESULT OleControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  Clear(moniker);
  return E_NOTIMPL;
}

HRESULT OleControl::GetClipboardData(DWORD, IDataObject** data) {
  Clear(data);
  return E_NOTIMPL;
}

HRESULT OleControl::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND, LPCRECT position) {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
      return InPlaceActivate(activeSite, position, false);
    case OLEIVERB_UIACTIVATE:
      return InPlaceActivate(activeSite, position, true);
    case OLEIVERB_HIDE:
      UIDeactivate();
      ShowWindow(false);
      return S_OK;
    default:
      break;
  }
  if (verb < 0) return E_NOTIMPL;
  // An unknown verb of the container's own: the primary one, and it hears so.
  HRESULT hr = InPlaceActivate(activeSite, position, false);
  return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
}

HRESULT OleControl::InPlaceActivate(IOleClientSite* activeSite, const RECT* position, bool uiActivate) {
  if (!inPlace_) {
    IOleClientSite* site = clientSite_ ? clientSite_.Get() : activeSite;
    if (!site) return E_UNEXPECTED;
    ComPtr<IOleInPlaceSite> inPlaceSite = ComPtr<IOleClientSite>::Share(site).As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    if (!inPlaceSite) return E_NOINTERFACE;
    if (inPlaceSite->CanInPlaceActivate() != S_OK) return E_FAIL;
    ComPtr<IOleInPlaceSiteEx> siteEx = inPlaceSite.As<IOleInPlaceSiteEx>(IID_IOleInPlaceSiteEx);
    BOOL noRedraw = FALSE;
    HRESULT hr = siteEx ? siteEx->OnInPlaceActivateEx(&noRedraw, 0) : inPlaceSite->OnInPlaceActivate();
    if (FAILED(hr)) return hr;

    HWND parent = nullptr;
    RECT placed{}, clip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof frameInfo;
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    hr = inPlaceSite->GetWindow(&parent);
    if (SUCCEEDED(hr)) hr = inPlaceSite->GetWindowContext(frame.Out(), document.Out(), &placed, &clip, &frameInfo);
    if (FAILED(hr) || !parent) {
      inPlaceSite->OnInPlaceDeactivate();
      return FAILED(hr) ? hr : E_FAIL;
    }
    if (IsRectEmpty(&placed) && position) placed = *position;
    inPlaceSite_ = inPlaceSite;
    frame_ = frame;
    document_ = document;
    inPlace_ = true;
    window_.PlaceIn(parent, placed);
    window_.SetClip(placed, &clip);
  }
  ShowWindow(true);
  if (clientSite_) clientSite_->ShowObject();
  return uiActivate ? UIActivate() : S_OK;
}

HRESULT OleControl::UIActivate() {
  if (uiActive_) return S_OK;
  HRESULT hr = inPlaceSite_->OnUIActivate();
  if (FAILED(hr)) return hr;
  uiActive_ = true;
  auto* active = static_cast<IOleInPlaceActiveObject*>(this);
  if (frame_) {
    frame_->SetActiveObject(active, nullptr);
    frame_->SetBorderSpace(nullptr);
  }
  if (document_) {
    document_->SetActiveObject(active, nullptr);
    document_->SetBorderSpace(nullptr);
  }
  HWND focus = GetFocus();
  if (focus != Window() && !IsChild(Window(), focus)) SetFocus(Window());
  return S_OK;
}

void OleControl::ShowWindow(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  window_.Show(visible);
  if (visible) owner_.OnShow();
}

HRESULT OleControl::EnumVerbs(IEnumOLEVERB** verbs) {
  if (!Clear(verbs)) return E_POINTER;
  return OleRegEnumVerbs(clsid_, verbs);
}

HRESULT OleControl::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = clsid_;
  return S_OK;
}

HRESULT OleControl::GetUserType(DWORD form, LPOLESTR* name) {
  if (!Clear(name)) return E_POINTER;
  return OleRegGetUserType(clsid_, form, name);
}

HRESULT OleControl::SetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (size->cx < 0 || size->cy < 0) return E_INVALIDARG;
  extent_ = *size;
  // The window's WM_SIZE tells the owner, parked or in place alike.
  SIZE pixels = PixelsOf(extent_);
  window_.SetSize(pixels.cx, pixels.cy);
  return S_OK;
}

HRESULT OleControl::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

HRESULT OleControl::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!adviseHolder_) {
    HRESULT hr = CreateOleAdviseHolder(adviseHolder_.Out());
    if (FAILED(hr)) return hr;
  }
  return adviseHolder_->Advise(sink, cookie);
}

HRESULT OleControl::Unadvise(DWORD cookie) {
  return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

HRESULT OleControl::EnumAdvise(IEnumSTATDATA** advises) {
  if (!Clear(advises)) return E_POINTER;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : S_OK;
}

HRESULT OleControl::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = miscStatus_;
  return S_OK;
}

// --- IOleWindow, IOleInPlaceObject ---

HRESULT OleControl::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = Window();
  return S_OK;
}

HRESULT OleControl::InPlaceDeactivate() {
  if (!inPlace_) return S_OK;
  UIDeactivate();
  // A parked window must not keep the mouse: the capture's loss ends a drag under way
  // while its feedback is still on the screen to be erased.
  if (GetCapture() == Window()) ReleaseCapture();
  inPlace_ = false;
  visible_ = false;
  window_.Park();
  ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
  frame_.Reset();
  document_.Reset();
  if (ComPtr<IOleInPlaceSiteEx> siteEx = site.As<IOleInPlaceSiteEx>(IID_IOleInPlaceSiteEx))
    siteEx->OnInPlaceDeactivateEx(TRUE);
  else
    site->OnInPlaceDeactivate();
  return S_OK;
}

HRESULT OleControl::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (document_) document_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT OleControl::SetObjectRects(LPCRECT position, LPCRECT clip) {
  if (!position) return E_POINTER;
  if (position->right < position->left || position->bottom < position->top) return E_INVALIDARG;
  // A change of size reaches the owner through WM_SIZE; a move alone sends none.
  window_.SetPosition(*position);
  window_.SetClip(*position, clip);
  return S_OK;
}

// --- IOleControl ---

HRESULT OleControl::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  if (info->cb < sizeof(CONTROLINFO)) return E_INVALIDARG;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT OleControl::OnAmbientPropertyChange(DISPID id) {
  owner_.OnAmbientPropertyChange(id);
  return S_OK;
}

HRESULT OleControl::FreezeEvents(BOOL freeze) {
  if (freeze)
    ++freezeCount_;
  else if (freezeCount_ > 0)
    --freezeCount_;
  return S_OK;
}

// --- IViewObject, IViewObject2 ---

HRESULT OleControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc, LPCRECTL bounds, LPCRECTL,
                         BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!drawDc || !bounds) return E_INVALIDARG;
  owner_.OnDraw(drawDc, FromRectl(*bounds));
  return S_OK;
}

HRESULT OleControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  if (!Clear(colors)) return E_POINTER;
  return S_FALSE;
}

HRESULT OleControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  viewSink_ = ComPtr<IAdviseSink>::Share(sink);
  viewAspects_ = aspects;
  viewFlags_ = flags;
  if (sink && (flags & ADVF_PRIMEFIRST)) NotifyViewChanged();
  return S_OK;
}

HRESULT OleControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (sink) *sink = ComPtr<IAdviseSink>(viewSink_).Detach();
  return S_OK;
}

HRESULT OleControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) { return GetExtent(aspect, size); }

// --- IQuickActivate ---

DWORD OleControl::Connect(REFIID events, IUnknown* sink) {
  if (!sink) return 0;
  ComPtr<IConnectionPointContainer> points;
  ComPtr<IConnectionPoint> point;
  DWORD cookie = 0;
  if (SUCCEEDED(outer_.QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.Out()))) &&
      SUCCEEDED(points->FindConnectionPoint(events, point.Out())) && FAILED(point->Advise(sink, &cookie)))
    cookie = 0;
  return cookie;
}

HRESULT OleControl::QuickActivate(QACONTAINER* container, QACONTROL* control) {
  if (!container || !control) return E_POINTER;
  // Older containers pass a shorter QACONTAINER; the four interfaces used here are in every version.
  if (container->cbSize < offsetof(QACONTAINER, pUnkEventSink) + sizeof(IUnknown*) ||
      control->cbSize < sizeof(QACONTROL))
    return E_INVALIDARG;
  SetClientSite(container->pClientSite);
  if (container->pAdviseSink) SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);

  IID events = IID_NULL;
  ComPtr<IProvideClassInfo2> classInfo;
  if (SUCCEEDED(outer_.QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(classInfo.Out()))))
    classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);

  ULONG size = control->cbSize;
  *control = QACONTROL{};
  control->cbSize = size;
  control->dwMiscStatus = miscStatus_;
  control->dwViewStatus = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;
  control->dwEventCookie = events == IID_NULL ? 0 : Connect(events, container->pUnkEventSink);
  control->dwPropNotifyCookie = Connect(IID_IPropertyNotifySink, container->pPropertyNotifySink);
  control->dwPointerActivationPolicy = 0;
  return S_OK;
}

HRESULT OleControl::SetContentExtent(LPSIZEL size) { return SetExtent(DVASPECT_CONTENT, size); }

HRESULT OleControl::GetContentExtent(LPSIZEL size) { return GetExtent(DVASPECT_CONTENT, size); }

// --- the window ---

void OleControl::OnWindowPaint(HDC dc) { owner_.OnPaint(dc); }

void OleControl::OnWindowSized(int width, int height) {
  if (width == notifiedSize_.cx && height == notifiedSize_.cy) return;
  notifiedSize_ = {width, height};
  SIZE fromExtent = PixelsOf(extent_);
  // Keep the container's own HIMETRIC when it still matches: no rounding drift.
  if (fromExtent.cx != width || fromExtent.cy != height) extent_ = HimetricOf(notifiedSize_);
  owner_.OnSizeChanged();
}

bool OleControl::OnWindowInput(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) NotifyFocus(message == WM_SETFOCUS);
  return owner_.OnWindowMessage(message, wParam, lParam);
}

void OleControl::NotifyFocus(bool gained) {
  // Focused by the keyboard's Tab order: active as a click would make it, so that the
  // container offers it the keys first.
  if (gained && inPlace_ && !uiActive_) UIActivate();
  if (ComPtr<IOleControlSite> site = clientSite_.As<IOleControlSite>(IID_IOleControlSite)) site->OnFocus(gained);
}
LRESULT OleControl::OnWindowGetObject(WPARAM wParam, LPARAM lParam) { return owner_.OnGetObject(wParam, lParam); }

}  // namespace activex
