#pragma once
// A picture object of the platform (an IPicture at the COM boundary). It travels in Variants
// as an Object; no picture at all is a null reference.
#include <cstdint>
#include <memory>

#include "host/variant.h"

namespace host {

// The picture's Type property. A cursor loads as an icon.
enum class PictureType : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

class Picture : public Object {
 public:
  virtual PictureType Type() const = 0;
};
using PictureRef = std::shared_ptr<Picture>;

}  // namespace host
