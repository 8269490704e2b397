#pragma once
// A picture of a chosen type, labelled so that traces can tell pictures apart.
#include <memory>
#include <string>

#include "host/site/picture.h"

namespace host::sim {

class SimPicture : public Picture {
 public:
  SimPicture(PictureType type, std::string label) : type_(type), label_(std::move(label)) {}

  static std::shared_ptr<SimPicture> Make(PictureType type, std::string label) {
    return std::make_shared<SimPicture>(type, std::move(label));
  }
  // "Nothing" for no picture, the label of a sim picture, "picture" for any other.
  static std::string Describe(const PictureRef& picture);

  PictureType Type() const override { return type_; }
  const std::string& Label() const { return label_; }

  // "SP", the type, the label: Load makes an equal picture (a new object) of it.
  std::vector<uint8_t> Save() const override;
  // A PictureLoader; null for bytes that Save cannot have written.
  static PictureRef Load(std::span<const uint8_t> saved);

 private:
  PictureType type_;
  std::string label_;
};

}  // namespace host::sim
