#include "splitter_instance.h"

#include <ocidl.h>

#include "dispatch_error.h"

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
  Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(&oleObject_)),
        L"CoCreateInstance");
  IDispatch* dispatch = nullptr;
  Check(oleObject_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), L"QueryInterface(IDispatch)");
  control_ = DispatchClient(dispatch);
  dispatch->Release();

  if (options.withSite) {
    site_ = AmbientSite::Create(options.scaleUnits);
    Check(oleObject_->SetClientSite(site_), L"IOleObject::SetClientSite");
  }
  if (options.extentPixels) {
    SIZEL extent{PixelsToHimetric(options.extentPixels->cx), PixelsToHimetric(options.extentPixels->cy)};
    Check(oleObject_->SetExtent(DVASPECT_CONTENT, &extent), L"IOleObject::SetExtent");
  }
  if (options.initNew) InitNew();
}

SplitterInstance::~SplitterInstance() { Close(); }

void SplitterInstance::InitNew() {
  IPersistPropertyBag* persist = nullptr;
  Check(oleObject_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)),
        L"QueryInterface(IPersistPropertyBag)");
  HRESULT hr = persist->InitNew();
  persist->Release();
  Check(hr, L"IPersistPropertyBag::InitNew");
}

void SplitterInstance::Close() {
  control_.Reset();
  if (oleObject_) {
    // Close may not be implemented yet; unsiting must happen either way.
    oleObject_->Close(OLECLOSE_NOSAVE);
    if (site_) oleObject_->SetClientSite(nullptr);
    oleObject_->Release();
    oleObject_ = nullptr;
  }
  if (site_) {
    site_->Release();
    site_ = nullptr;
  }
}
