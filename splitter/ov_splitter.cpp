#include "splitter/ov_splitter.h"

#include <unordered_map>

#include "host/error.h"

namespace splitter {

using host::Error;
using host::ScaleMode;
using host::Variant;
namespace err = host::err;

namespace {

// Runs one step of a routine whose failing steps are skipped.
template <typename Step>
void Skipping(Step&& step) {
  try {
    step();
  } catch (const Error&) {
  }
}

void CheckPictureType(const host::PictureRef& picture, const char16_t* description) {
  if (picture && picture->Type() != host::PictureType::Icon) throw Error::Component(err::kInvalidValue, description);
}

Variant PaneArgument(const panes::PanePtr& pane) { return pane ? Variant(host::ObjectRef(pane)) : Variant::Nothing(); }

}  // namespace

OvSplitter::OvSplitter(host::ControlSite site) : site_(site) {}

OvSplitter::~OvSplitter() { Terminate(); }

void OvSplitter::Initialize() {
  panes_ = panes::OvPanes::Create(site_.screen);
  panes_->AddListener(this);
  panes_->SetParentHwnd(site_.surface.Hwnd());
  ready_ = true;
}

void OvSplitter::InitProperties() {
  ready_ = false;
  UpdateScaleUnits();
  look_ = ControlLook{};
  splitterMouseIcon_.reset();
  whatsThisHelpId_ = 0;
  UpdateClientArea();
  // A container without Left or Top on its extender must not stop the creation.
  Skipping([&] { SetPaneBounds(); });
  panes_->SetOrientation(OvHorizontal);
  panes_->SetSplitterSize(kDefaultSplitterSize);
  panes_->AddFirstPane();
  ready_ = true;
  Redraw();
}

void OvSplitter::Show() {
  Raise(events::Resize);
  MoveChildControls();
}

void OvSplitter::Resize() {
  Variant left(int32_t{0}), top(int32_t{0});
  Skipping([&] { left = site_.extender.Left(); });
  Skipping([&] { top = site_.extender.Top(); });
  Skipping([&] {
    panes_->SetBounds(left.ToLong(), top.ToLong(), InnerExtent(site_.surface.ScaleWidth()),
                      InnerExtent(site_.surface.ScaleHeight()));
  });
  Skipping([&] { Redraw(); });
  Skipping([&] { Raise(events::Resize); });
  MoveChildControls();
}

void OvSplitter::AmbientChanged(host::StringView name) {
  if (name == u"ScaleUnits") UpdateScaleUnits();
}

void OvSplitter::Terminate() {
  if (!panes_) return;
  painter_.Release();
  panes_->RemoveListener(this);
  panes_->Detach();
  panes_.reset();
}

void OvSplitter::Click() { Raise(events::Click); }

void OvSplitter::DblClick() { Raise(events::DblClick); }

void OvSplitter::SetBackColor(host::OleColor color) {
  site_.surface.SetBackColor(color);
  Redraw();
  Notify(u"BackColor");
}

void OvSplitter::SetEnabled(bool enabled) {
  site_.surface.SetEnabled(enabled);
  Notify(u"Enabled");
}

void OvSplitter::SetMouseIcon(host::PictureRef icon) {
  CheckPictureType(icon, u"MouseIcon only accepts a picture of type icon or cursor.");
  mouseIcon_ = std::move(icon);
  if (MousePointer() == kCustomPointer) site_.surface.SetMouseIcon(mouseIcon_);
  Notify(u"MouseIcon");
}

void OvSplitter::SetMousePointer(int32_t pointer) {
  // Checked before storing, so that a value the platform cannot take is never saved.
  int16_t platformPointer = Variant(pointer).ToInteger();
  site_.surface.SetMousePointer(platformPointer);
  if (pointer == kCustomPointer) site_.surface.SetMouseIcon(mouseIcon_);
  Notify(u"MousePointer");
}

void OvSplitter::SetOLEDropMode(int32_t mode) {
  site_.surface.SetOLEDropMode(Variant(mode).ToInteger());
  Notify(u"OLEDropMode");
}

void OvSplitter::SetAppearance(int32_t value) {
  // Checked before storing, so that a value that cannot be saved is never kept.
  look_.appearance = Variant(value).ToInteger();
  Notify(u"Appearance");
  UpdateClientArea();
  ReLayout();
}

void OvSplitter::SetBorderStyle(int32_t value) {
  look_.borderStyle = Variant(value).ToInteger();
  Notify(u"BorderStyle");
  UpdateClientArea();
  ReLayout();
}

void OvSplitter::SetSplitterMouseIcon(host::PictureRef icon) {
  CheckPictureType(icon, u"SplitterMouseIcon only accepts a picture of type iconor cursor.");
  splitterMouseIcon_ = std::move(icon);
  Notify(u"SplitterMouseIcon");
}

void OvSplitter::SetSplitterStyle(int32_t value) {
  look_.splitterStyle = value;
  Notify(u"SplitterStyle");
  Redraw();
}

void OvSplitter::SetSplitterSize(int32_t value) {
  if (value < 1 || value > 32767)
    throw Error::Component(err::kOutOfRange, u"SplitterSize must be between 1 and 32767.");
  panes_->SetSplitterSize(value);
  Notify(u"SplitterSize");
  ReLayout();
}

void OvSplitter::SetOrientation(int32_t value) {
  panes_->SetOrientation(Variant(value).ToInteger());
  Notify(u"Orientation");
  SetPaneBounds();
  panes_->Relayout(true);
  Redraw();
}

void OvSplitter::SetWhatsThisHelpID(const Variant& value) {
  whatsThisHelpId_ = value.ToLong();
  Notify(u"WhatsThisHelpID");
}

std::optional<std::vector<host::String>> OvSplitter::GetContainedControls() const {
  try {
    std::vector<host::String> names;
    for (const host::ContainedControlRef& control : site_.containedControls.Enumerate())
      names.push_back(control->Name());
    return names;
  } catch (const Error&) {
    return std::nullopt;
  }
}

int32_t OvSplitter::InnerExtent(float scaleExtent) const {
  return host::NearestLong(static_cast<double>(scaleExtent) - 2.0 * BorderOffset());
}

void OvSplitter::UpdateClientArea() {
  int16_t borderOffset = 0;
  if (look_.borderStyle == OvFixedSingle) borderOffset = look_.appearance == Ov3D ? 2 : 1;
  panes_->SetBorderOffset(borderOffset);
  panes_->SetParentWidth(InnerExtent(site_.surface.ScaleWidth()));
  panes_->SetParentHeight(InnerExtent(site_.surface.ScaleHeight()));
}

void OvSplitter::UpdateScaleUnits() {
  host::String units = site_.ambient.ScaleUnits();
  auto perPixel = [this](ScaleMode to) { return Variant(site_.screen.ScaleX(1, ScaleMode::Pixels, to)).ToInteger(); };
  int16_t factor = 0;
  if (units == u"Twip")
    factor = perPixel(ScaleMode::Twips);
  else if (units == u"Pixel")
    factor = 1;
  else if (units == u"Inch")
    factor = perPixel(ScaleMode::Inches);
  else if (units == u"User")
    factor = 1;
  else if (units == u"Point")
    factor = perPixel(ScaleMode::Points);
  else if (units == u"Millimeter")
    factor = perPixel(ScaleMode::Millimeters);
  else if (units == u"Centimeter")
    factor = perPixel(ScaleMode::Centimeters);
  panes_->SetUnitsPerPixel(factor);
}

void OvSplitter::SetPaneBounds() {
  int32_t left = site_.extender.Left().ToLong();
  int32_t top = site_.extender.Top().ToLong();
  panes_->SetBounds(left, top, InnerExtent(site_.surface.ScaleWidth()), InnerExtent(site_.surface.ScaleHeight()));
}

void OvSplitter::ReLayout() {
  panes_->Relayout(true);
  Redraw();
  MoveChildControls();
}

void OvSplitter::Redraw() { RedrawInto(site_.surface.Hdc()); }

void OvSplitter::RedrawInto(host::GdiHandle target) {
  if (!ready_ || !panes_) return;
  const host::ControlSurface& surface = site_.surface;
  painter_.Redraw({.gdi = site_.gdi,
                   .targetDc = target,
                   .scaleWidth = surface.ScaleWidth(),
                   .scaleHeight = surface.ScaleHeight(),
                   .backColor = surface.BackColor(),
                   .look = look_,
                   .panes = *panes_,
                   .designMode = !site_.ambient.UserMode(),
                   .font = surface.Font(),
                   .textHeight = surface.TextHeight(u"O")});
}

void OvSplitter::PlaceBoundControls(const panes::OvPane& pane, host::ContainedControl& control) {
  host::WindowHandle window = 0;
  bool windowed = true;
  try {
    window = control.Hwnd();
  } catch (const Error&) {
    windowed = false;
  }
  Skipping([&] { control.Move(pane.Left(), pane.Top(), pane.Width(), pane.Height()); });
  if (!windowed) return;
  Skipping([&] {
    const host::Screen& screen = site_.screen;
    int x = host::NearestLong(screen.ScaleX(pane.Left(), ScaleMode::Twips, ScaleMode::Pixels));
    int y = host::NearestLong(screen.ScaleY(pane.Top(), ScaleMode::Twips, ScaleMode::Pixels));
    int width = host::NearestLong(screen.ScaleX(pane.Width(), ScaleMode::Twips, ScaleMode::Pixels));
    int height = host::NearestLong(screen.ScaleY(pane.Height(), ScaleMode::Twips, ScaleMode::Pixels));
    site_.windows.MoveWindow(window, x, y, width, height, true);
  });
}

void OvSplitter::MoveChildControls() {
  if (!ready_ || !panes_) return;
  std::vector<host::ContainedControlRef> controls;
  Skipping([&] { controls = site_.containedControls.Enumerate(); });
  if (controls.empty()) return;
  // The controls by name without case, each name's controls in the host's order; built
  // once, so that placing costs the same per pane however many there are.
  std::unordered_map<host::String, std::vector<host::ContainedControl*>> byName;
  byName.reserve(controls.size());
  for (const host::ContainedControlRef& control : controls)
    Skipping([&] { byName[host::FoldedCase(control->Name())].push_back(control.get()); });
  std::vector<panes::PanePtr> list = panes_->Panes();  // a Move may reach back into the panes
  for (const panes::PanePtr& pane : list) {
    if (!pane->ResizeChildControl() || pane->ControlName().empty()) continue;
    auto bound = byName.find(host::FoldedCase(pane->ControlName()));
    if (bound == byName.end()) continue;
    for (host::ContainedControl* control : bound->second) PlaceBoundControls(*pane, *control);
  }
}

void OvSplitter::RefreshChildControls() {
  if (!ready_) return;
  std::vector<host::ContainedControlRef> controls;
  Skipping([&] { controls = site_.containedControls.Enumerate(); });
  for (const host::ContainedControlRef& control : controls) {
    try {
      control->Hwnd();
    } catch (const Error&) {
      Skipping([&] { control->Refresh(); });
    }
  }
}

void OvSplitter::Raise(const host::EventId& event) { site_.events.RaiseEvent(event, {}); }

void OvSplitter::RaiseSplitterResize(const panes::PanePtr& first, const panes::PanePtr& second) {
  // The handler gets copies: assigning to Pane1 or Pane2 changes nothing here.
  Variant arguments[] = {PaneArgument(first), PaneArgument(second)};
  site_.events.RaiseEvent(events::SplitterResize, arguments);
}

void OvSplitter::ReportPanesChangedInDesigner() {
  if (!site_.ambient.UserMode()) Notify(u"Panes");
}

void OvSplitter::CommonEnding() {
  Redraw();
  RefreshChildControls();
  ReportPanesChangedInDesigner();
}

void OvSplitter::PaneAdded(panes::PanePtr& pane) {
  if (pane->ResizeChildControl()) MoveChildControls();
  Redraw();
  ReportPanesChangedInDesigner();
}

void OvSplitter::PaneRemoved(panes::PanePtr) {
  Redraw();
  MoveChildControls();
  ReportPanesChangedInDesigner();
}

void OvSplitter::ExchangeSize(const panes::PanePtr& pane) {
  int32_t index = pane->Index();
  bool last = index == panes_->Count();
  panes::PanePtr neighbour = panes_->Item(Variant(last ? index - 1 : index + 1));
  // What the changed pane gained its neighbour loses, and the reverse.
  const panes::Dimension along = panes_->GetAxis().Along();
  int64_t extent =
      int64_t{neighbour->GetExtentPixels(along)} + pane->GetPreviousExtentPixels(along) - pane->GetExtentPixels(along);
  neighbour->SetExtentPixels(along, host::NearestLong(static_cast<double>(extent)));
  if (last)
    RaiseSplitterResize(neighbour, pane);
  else
    RaiseSplitterResize(pane, neighbour);
}

void OvSplitter::PaneChanged(panes::PanePtr& pane, host::String& property) {
  if (property == u"Width" || property == u"Height") {
    ExchangeSize(pane);
    if (pane->ResizeChildControl()) MoveChildControls();
    Raise(events::Resize);
  } else if (property == u"ControlName" || property == u"ResizeChildControl") {
    if (pane->ResizeChildControl()) MoveChildControls();
  } else if (property == u"Appearance") {
    if (pane->ResizeChildControl()) MoveChildControls();
    Raise(events::Resize);
  }
  CommonEnding();
}

void OvSplitter::SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) {
  RaiseSplitterResize(pane, nextPane);
  MoveChildControls();
  RefreshChildControls();
}

}  // namespace splitter
