#pragma once
// Owns a memory device context made compatible with another and deletes it when it goes.
#include <utility>

#include "host/gdi/gdi.h"

namespace host {

class GdiMemoryDC {
 public:
  GdiMemoryDC() = default;
  GdiMemoryDC(Gdi& gdi, GdiHandle compatibleWith) : gdi_(&gdi), dc_(gdi.CreateCompatibleDC(compatibleWith)) {}
  GdiMemoryDC(GdiMemoryDC&& other) noexcept : gdi_(other.gdi_), dc_(std::exchange(other.dc_, 0)) {}
  GdiMemoryDC& operator=(GdiMemoryDC&& other) noexcept {
    if (this != &other) {
      Reset();
      gdi_ = other.gdi_;
      dc_ = std::exchange(other.dc_, 0);
    }
    return *this;
  }
  ~GdiMemoryDC() { Reset(); }

  GdiHandle Get() const { return dc_; }
  void Reset() {
    if (dc_) gdi_->DeleteDC(std::exchange(dc_, 0));
  }

 private:
  Gdi* gdi_ = nullptr;
  GdiHandle dc_ = 0;
};

}  // namespace host
