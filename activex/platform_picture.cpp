#include "activex/platform_picture.h"

#include "com/picture_stream.h"

#include <cstring>
#include <new>

#include "com/unique_handle.h"
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
  std::optional<std::vector<uint8_t>> saved = win32::SavedPictureBytes(picture_.Get());
  if (!saved) throw host::Error::Component(host::err::kStorageCannotSave, u"The picture cannot be saved.");
  return std::move(*saved);
}

host::PictureRef PlatformPicture::Load(std::span<const uint8_t> saved) {
  ComPtr<IPictureDisp> picture;
  if (FAILED(win32::LoadPictureBytes(saved, picture.Out()))) return nullptr;
  return From(picture.Get());
}

}  // namespace activex
