#include "splitter/ov_splitter.h"

#include "host/error.h"

namespace splitter {

using host::ScaleMode;

OvSplitter::OvSplitter(host::ControlSite site) : site_(site) {}

OvSplitter::~OvSplitter() { Terminate(); }

void OvSplitter::Initialize() {
  panes_ = panes::OvPanes::Create(site_.screen);
  panes_->SetParentHwnd(site_.surface.Hwnd());
  ready_ = true;
}

void OvSplitter::InitProperties() {
  ready_ = false;
  UpdateScaleUnits();
  appearance_ = Ov3D;
  borderStyle_ = OvNone;
  splitterStyle_ = OvSplitterFlat;
  splitterSize_ = 3;
  orientation_ = OvHorizontal;
  whatsThisHelpId_ = 0;
  UpdateClientArea();
  try {
    SetPaneBounds();
  } catch (const host::Error&) {
    // A container without Left or Top on its extender must not stop the creation.
  }
  panes_->SetOrientation(static_cast<int16_t>(orientation_));
  panes_->SetSplitterSize(splitterSize_);
  panes_->SetAppearance(static_cast<int16_t>(appearance_));
  panes_->SetBorderStyle(static_cast<int16_t>(borderStyle_));
  panes_->AddFirstPane();
  ready_ = true;
}

void OvSplitter::AmbientChanged(host::StringView name) {
  if (name == u"ScaleUnits") UpdateScaleUnits();
}

void OvSplitter::Terminate() {
  if (!panes_) return;
  panes_->Detach();
  panes_.reset();
}

int32_t OvSplitter::InnerExtent(float scaleExtent) const {
  return host::NearestLong(static_cast<double>(scaleExtent) - 2.0 * borderOffset_);
}

void OvSplitter::UpdateClientArea() {
  if (borderStyle_ != OvFixedSingle) borderOffset_ = 0;
  else borderOffset_ = appearance_ == Ov3D ? 2 : 1;
  panes_->SetBorderOffset(borderOffset_);
  panes_->SetParentWidth(InnerExtent(site_.surface.ScaleWidth()));
  panes_->SetParentHeight(InnerExtent(site_.surface.ScaleHeight()));
}

void OvSplitter::UpdateScaleUnits() {
  host::String units = site_.ambient.ScaleUnits();
  auto perPixel = [this](ScaleMode to) {
    return host::Variant(site_.screen.ScaleX(1, ScaleMode::Pixels, to)).ToInteger();
  };
  int16_t factor = 0;
  if (units == u"Twip") factor = perPixel(ScaleMode::Twips);
  else if (units == u"Pixel") factor = 1;
  else if (units == u"Inch") factor = perPixel(ScaleMode::Inches);
  else if (units == u"User") factor = 1;
  else if (units == u"Point") factor = perPixel(ScaleMode::Points);
  else if (units == u"Millimeter") factor = perPixel(ScaleMode::Millimeters);
  else if (units == u"Centimeter") factor = perPixel(ScaleMode::Centimeters);
  panes_->SetUnitsPerPixel(factor);
}

void OvSplitter::SetPaneBounds() {
  int32_t left = site_.extender.Left().ToLong();
  int32_t top = site_.extender.Top().ToLong();
  panes_->SetBounds(left, top, InnerExtent(site_.surface.ScaleWidth()), InnerExtent(site_.surface.ScaleHeight()));
}

}  // namespace splitter
