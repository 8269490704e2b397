#pragma once
// A picture object of the platform (an IPicture at the COM boundary). It travels in Variants
// as an Object; no picture at all is a null reference.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "host/variant.h"

namespace host {

// The picture's Type property. A cursor loads as an icon.
enum class PictureType : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

class Picture : public Object {
 public:
  virtual PictureType Type() const = 0;
  // The picture's own saved form, which a PictureLoader of the same platform reads back;
  // throws host::Error when the picture cannot save itself.
  virtual std::vector<uint8_t> Save() const = 0;
};
using PictureRef = std::shared_ptr<Picture>;

// Makes a picture from the bytes Picture::Save gave; null when they are not a picture.
using PictureLoader = std::function<PictureRef(std::span<const uint8_t> saved)>;

}  // namespace host
