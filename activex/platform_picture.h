#pragma once
// A picture object of the platform (IPictureDisp) as the portable code sees it; its Type
// is read through late binding, as any picture-like object's would be.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "com/com_ptr.h"
#include "host/site/picture.h"

namespace activex {

class PlatformPicture final : public host::Picture {
 public:
  explicit PlatformPicture(IPictureDisp* picture) : picture_(ComPtr<IPictureDisp>::Share(picture)) {}
  // Null for no picture.
  static host::PictureRef From(IPictureDisp* picture);
  // The IPictureDisp behind a picture, with a reference for the caller; null for none.
  static IPictureDisp* ToDispatch(const host::PictureRef& picture);

  host::PictureType Type() const override;
  // The picture's persistent stream (IPersistStream::Save), which Load reads back.
  std::vector<uint8_t> Save() const override;
  // A host::PictureLoader: OleLoadPicture of saved bytes; null when they are no picture.
  static host::PictureRef Load(std::span<const uint8_t> saved);
  // The picture's icon or cursor handle; null when it has none.
  HCURSOR CursorHandle() const;
  const void* Identity() const override { return picture_.Get(); }

 private:
  ComPtr<IPictureDisp> picture_;
};

}  // namespace activex
