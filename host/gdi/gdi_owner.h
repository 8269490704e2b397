#pragma once
// Owns one GDI handle of the portable Gdi and frees it when it goes: one template, one line
// per kind. Deselect an object first: GDI refuses to delete one that a DC still holds.
#include <utility>

#include "host/gdi/gdi.h"

namespace host {

template <bool (Gdi::*Free)(GdiHandle)>
class GdiOwner {
 public:
  GdiOwner() = default;
  GdiOwner(Gdi& gdi, GdiHandle handle) : gdi_(&gdi), handle_(handle) {}
  GdiOwner(GdiOwner&& other) noexcept : gdi_(other.gdi_), handle_(std::exchange(other.handle_, 0)) {}
  GdiOwner& operator=(GdiOwner&& other) noexcept {
    if (this != &other) {
      Reset();
      gdi_ = other.gdi_;
      handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
  }
  ~GdiOwner() { Reset(); }

  GdiHandle Get() const { return handle_; }
  void Reset() {
    if (handle_) (gdi_->*Free)(std::exchange(handle_, 0));
  }

 private:
  Gdi* gdi_ = nullptr;
  GdiHandle handle_ = 0;
};

// A pen, font or bitmap.
using GdiObject = GdiOwner<&Gdi::DeleteObject>;
// A memory device context.
using GdiMemoryDC = GdiOwner<&Gdi::DeleteDC>;

}  // namespace host
