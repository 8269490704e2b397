#include "host/activex/platform_picture.h"

#include <cstring>
#include <new>

#include "host/com/unique_handle.h"
#include "host/error.h"

namespace activex {

host::PictureRef PlatformPicture::From(IPictureDisp* picture) {
  return picture ? std::make_shared<PlatformPicture>(picture) : nullptr;
}

IPictureDisp* PlatformPicture::ToDispatch(const host::PictureRef& picture) {
  auto platform = std::dynamic_pointer_cast<PlatformPicture>(picture);
  if (!platform) return nullptr;
  return ComPtr<IPictureDisp>(platform->picture_).Detach();
}

HCURSOR PlatformPicture::CursorHandle() const {
  ComPtr<IPicture> picture = picture_.As<IPicture>(IID_IPicture);
  OLE_HANDLE handle = 0;
  if (!picture || FAILED(picture->get_Handle(&handle))) return nullptr;
  return reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(handle));
}

host::PictureType PlatformPicture::Type() const {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  win32::UniqueVariant result;
  HRESULT hr = picture_->Invoke(DISPID_PICT_TYPE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                result.put(), nullptr, nullptr);
  if (FAILED(hr) || FAILED(VariantChangeType(&result.get(), &result.get(), 0, VT_I2)))
    throw host::Error::Runtime(host::err::kMemberNotSupported);
  return static_cast<host::PictureType>(V_I2(&result.get()));
}

std::vector<uint8_t> PlatformPicture::Save() const {
  ComPtr<IPersistStream> persist = picture_.As<IPersistStream>(IID_IPersistStream);
  ComPtr<IStream> stream;
  LARGE_INTEGER none{};
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  if (!persist || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) ||
      FAILED(persist->Save(stream.Get(), TRUE)) || FAILED(stream->Seek(none, STREAM_SEEK_CUR, &end)) ||
      FAILED(GetHGlobalFromStream(stream.Get(), &memory)))
    throw host::Error::Component(host::err::kStorageCannotSave, u"The picture cannot be saved.");
  std::vector<uint8_t> saved(static_cast<size_t>(end.QuadPart));
  win32::LockedGlobal locked(memory);
  if (!locked.data() && !saved.empty()) throw std::bad_alloc();
  if (!saved.empty()) std::memcpy(saved.data(), locked.data(), saved.size());
  return saved;
}

host::PictureRef PlatformPicture::Load(std::span<const uint8_t> saved) {
  win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, saved.empty() ? 1 : saved.size()));
  if (!memory) throw std::bad_alloc();
  {
    win32::LockedGlobal locked(memory.get());
    if (!locked.data()) throw std::bad_alloc();
    if (!saved.empty()) std::memcpy(locked.data(), saved.data(), saved.size());
  }
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, stream.Out()))) throw std::bad_alloc();
  memory.release();  // the stream frees it now
  ComPtr<IPictureDisp> picture;
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(saved.size()), FALSE, IID_IPictureDisp,
                            reinterpret_cast<void**>(picture.Out()))))
    return nullptr;
  return From(picture.Get());
}

}  // namespace activex
