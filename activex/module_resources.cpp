#include "activex/module_resources.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "activex/module.h"
#include "activex/platform_picture.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {
namespace {

constexpr int32_t kResourceNotFound = 326;

}  // namespace

host::PictureRef ModuleResources::LoadCursorPicture(int32_t resourceId, int32_t size) {
  // The resource holds an image drawn at each size the control asks for.
  win32::UniqueCursor cursor(static_cast<HCURSOR>(
      LoadImageW(ModuleHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR)));
  if (!cursor)
    throw host::Error(kResourceNotFound, host::kApplicationTitle,
                      u"Resource with identifier '" + host::DecimalText(resourceId) + u"' not found", host::String());
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_ICON;
  description.icon.hicon = cursor.get();
  ComPtr<IPictureDisp> picture;
  HRESULT hr = OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(picture.Out()));
  if (FAILED(hr)) throw host::Error::Runtime(hr);
  // The picture owns the cursor now.
  cursor.release();
  return PlatformPicture::From(picture.Get());
}

}  // namespace activex
