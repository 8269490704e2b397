#include "sim/sim_picture.h"

namespace host::sim {

namespace {
constexpr uint8_t kSignature[2] = {'S', 'P'};
}  // namespace

std::vector<uint8_t> SimPicture::Save() const {
  std::vector<uint8_t> saved(std::begin(kSignature), std::end(kSignature));
  saved.push_back(static_cast<uint8_t>(type_));
  saved.insert(saved.end(), label_.begin(), label_.end());
  return saved;
}

PictureRef SimPicture::Load(std::span<const uint8_t> saved) {
  if (saved.size() < 3 || saved[0] != kSignature[0] || saved[1] != kSignature[1] ||
      saved[2] > static_cast<uint8_t>(PictureType::EnhancedMetafile))
    return nullptr;
  return Make(static_cast<PictureType>(saved[2]), std::string(saved.begin() + 3, saved.end()));
}

std::string SimPicture::Describe(const PictureRef& picture) {
  if (!picture) return "Nothing";
  if (auto* sim = dynamic_cast<const SimPicture*>(picture.get())) return sim->Label();
  return "picture";
}

}  // namespace host::sim
