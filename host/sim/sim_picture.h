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

 private:
  PictureType type_;
  std::string label_;
};

}  // namespace host::sim
