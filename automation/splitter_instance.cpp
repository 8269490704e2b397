#include "automation/splitter_instance.h"

#include <ocidl.h>

#include "automation/dispatch_error.h"

namespace {

void Check(HRESULT hr, const wchar_t* step) {
  if (FAILED(hr)) throw DispatchError(hr, step);
}

// HIMETRIC at the 96 pixels per inch of the screen.
LONG PixelsToHimetric(LONG pixels) { return MulDiv(pixels, 2540, 96); }

}  // namespace

SplitterInstance::SplitterInstance(const SplitterOptions& options) {
  CLSID clsid;
  Check(CLSIDFromProgID(kProgId, &clsid), L"CLSIDFromProgID");
  Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                         reinterpret_cast<void**>(oleObject_.Out())),
        L"CoCreateInstance");
  auto dispatch = oleObject_.As<IDispatch>(IID_IDispatch);
  if (!dispatch) throw DispatchError(E_NOINTERFACE, L"QueryInterface(IDispatch)");
  control_ = DispatchClient(dispatch.Get());

  if (options.withSite) {
    site_ = activex::ComPtr<AmbientSite>::Adopt(AmbientSite::Create(options.scaleUnits));
    Check(oleObject_->SetClientSite(site_.Get()), L"IOleObject::SetClientSite");
  }
  if (options.extentPixels) {
    SIZEL extent{PixelsToHimetric(options.extentPixels->cx), PixelsToHimetric(options.extentPixels->cy)};
    Check(oleObject_->SetExtent(DVASPECT_CONTENT, &extent), L"IOleObject::SetExtent");
  }
  if (options.initNew) InitNew();
}

SplitterInstance::~SplitterInstance() { Close(); }

void SplitterInstance::InitNew() {
  auto persist = oleObject_.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
  if (!persist) throw DispatchError(E_NOINTERFACE, L"QueryInterface(IPersistPropertyBag)");
  Check(persist->InitNew(), L"IPersistPropertyBag::InitNew");
}

void SplitterInstance::Close() {
  control_.Reset();
  if (oleObject_) {
    // Close may not be implemented yet; unsiting must happen either way.
    oleObject_->Close(OLECLOSE_NOSAVE);
    if (site_) oleObject_->SetClientSite(nullptr);
    oleObject_.Reset();
  }
  site_.Reset();
}
