#pragma once
// Saves a device context's state and restores it when it goes.
#include "host/gdi/gdi.h"

namespace host {

class GdiSavedState {
 public:
  GdiSavedState(Gdi& gdi, GdiHandle dc) : gdi_(gdi), dc_(dc) { gdi_.SaveDC(dc_); }
  GdiSavedState(const GdiSavedState&) = delete;
  GdiSavedState& operator=(const GdiSavedState&) = delete;
  ~GdiSavedState() { gdi_.RestoreDC(dc_, -1); }

 private:
  Gdi& gdi_;
  GdiHandle dc_;
};

}  // namespace host
