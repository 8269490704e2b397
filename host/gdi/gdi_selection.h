#pragma once
// Selects objects into a device context and, when it goes, selects back what the context
// held before the first of them, so the owners can then delete theirs.
#include <utility>

#include "host/gdi/gdi.h"

namespace host {

class GdiSelection {
 public:
  GdiSelection() = default;
  // Selecting 0 (a font that could not be made) selects nothing and restores nothing.
  GdiSelection(Gdi& gdi, GdiHandle dc, GdiHandle object) : gdi_(&gdi), dc_(dc) {
    if (object) previous_ = gdi.SelectObject(dc, object);
  }
  GdiSelection(GdiSelection&& other) noexcept
      : gdi_(other.gdi_), dc_(other.dc_), previous_(std::exchange(other.previous_, 0)) {}
  GdiSelection& operator=(GdiSelection&& other) noexcept {
    if (this != &other) {
      Restore();
      gdi_ = other.gdi_;
      dc_ = other.dc_;
      previous_ = std::exchange(other.previous_, 0);
    }
    return *this;
  }
  ~GdiSelection() { Restore(); }

  // Another object of the same kind; the one to restore stays the original.
  void Switch(GdiHandle object) { gdi_->SelectObject(dc_, object); }
  void Restore() {
    if (previous_) gdi_->SelectObject(dc_, std::exchange(previous_, 0));
  }

 private:
  Gdi* gdi_ = nullptr;
  GdiHandle dc_ = 0;
  GdiHandle previous_ = 0;
};

}  // namespace host
