#pragma once
// Owns a pen, font or bitmap and deletes it when it goes. Deselect it first: GDI refuses
// to delete an object that a device context still holds.
#include <utility>

#include "host/gdi/gdi.h"

namespace host {

class GdiObject {
 public:
  GdiObject() = default;
  GdiObject(Gdi& gdi, GdiHandle handle) : gdi_(&gdi), handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept
      : gdi_(other.gdi_), handle_(std::exchange(other.handle_, 0)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      gdi_ = other.gdi_;
      handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
  }
  ~GdiObject() { Reset(); }

  GdiHandle Get() const { return handle_; }
  void Reset() {
    if (handle_) gdi_->DeleteObject(std::exchange(handle_, 0));
  }

 private:
  Gdi* gdi_ = nullptr;
  GdiHandle handle_ = 0;
};

}  // namespace host
