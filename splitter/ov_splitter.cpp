#include "splitter/ov_splitter.h"

#include <unordered_map>

#include "host/error.h"
#include "host/ole_color.h"

namespace splitter {

using host::Error;
using host::ScaleMode;
using host::Variant;
using panes::PanePtr;
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

constexpr int16_t kLeftButton = 1;
constexpr uint32_t kWmMouseMove = 512, kWmLButtonDown = 513, kWmLButtonUp = 514;
constexpr host::WParam kMkLButton = 1, kMkRButton = 2, kMkShift = 4, kMkControl = 8, kMkMButton = 16;
// The cursor resources of the component: up-down over a horizontal bar, left-right over a
// vertical one.
constexpr int32_t kCursorSplitterH = 120, kCursorSplitterV = 121;

Variant PaneArgument(const panes::PanePtr& pane) { return pane ? Variant(host::ObjectRef(pane)) : Variant::Nothing(); }

// The saved record: every key is read and written with the same default, in the type given
// here, so that a value equal to its default is never stored.
namespace saved {

struct Key {
  const char16_t* name;
  Variant fallback;
};

const Key kBackColor{u"BackColor", Variant(static_cast<int32_t>(host::kButtonFaceColor))};
const Key kEnabled{u"Enabled", Variant(true)};
const Key kMouseIcon{u"MouseIcon", Variant::Nothing()};
const Key kMousePointer{u"MousePointer", Variant(int32_t{0})};
const Key kOLEDropMode{u"OLEDropMode", Variant(int16_t{0})};
// A new control starts without a border, yet a bag without the key gives it one.
const Key kAppearance{u"Appearance", Variant(int32_t{Ov3D})};
const Key kBorderStyle{u"BorderStyle", Variant(int32_t{OvFixedSingle})};
const Key kSplitterMouseIcon{u"SplitterMouseIcon", Variant::Nothing()};
const Key kSplitterStyle{u"SplitterStyle", Variant(int32_t{OvSplitterFlat})};
const Key kSplitterSize{u"SplitterSize", Variant(int16_t{kDefaultSplitterSize})};
const Key kOrientation{u"Orientation", Variant(int32_t{OvHorizontal})};
const Key kWhatsThisHelpID{u"WhatsThisHelpID", Variant(int16_t{0})};
// Added later: written only when set, so that older readers see the bag they know.
const Key kSplitterKeyboard{u"SplitterKeyboard", Variant(false)};
const Key kSplitterGrabSize{u"SplitterGrabSize", Variant(int32_t{kDefaultGrabSize})};
const Key kLiveDrag{u"LiveDrag", Variant(false)};
const Key kSplitterIncrement{u"SplitterIncrement", Variant(int32_t{BarKeyboard::kDefaultIncrement})};
const Key kResizeMode{u"ResizeMode", Variant(int32_t{panes::OvResizeLast})};
// The resolution the saved pixel lengths (bar size, pane extents) were measured at.
const Key kPixelsPerInch{u"PixelsPerInch", Variant(int32_t{96})};
const Key kNumPanes{u"NumPanes", Variant(int16_t{0})};

// Pane keys: the name is followed by the pane's index. The default name is computed.
const Key kPaneWidth{u"PaneWidth", Variant(int16_t{0})};
const Key kPaneHeight{u"PaneHeight", Variant(int16_t{0})};
const Key kPaneControlName{u"PaneControlName", Variant(u"")};
const Key kPaneName{u"PaneName", Variant()};
const Key kPaneTag{u"PaneTag", Variant(u"")};
const Key kPaneAppearance{u"PaneAppearance", Variant(int16_t{1})};
const Key kPaneMinimum{u"PaneMinimum", Variant(int16_t{10})};
const Key kPaneResizeChildControl{u"PaneResizeChildControl", Variant(true)};
const Key kPaneKey{u"PaneKey", Variant(u"")};
const Key kPaneMaximum{u"PaneMaximum", Variant(int32_t{0})};
const Key kPaneFixed{u"PaneFixed", Variant(false)};
const Key kPaneCollapsible{u"PaneCollapsible", Variant(false)};
const Key kPaneCollapsed{u"PaneCollapsed", Variant(false)};

const Key& PaneExtentKey(bool horizontal) { return horizontal ? kPaneWidth : kPaneHeight; }

host::String Indexed(const Key& key, int32_t index) { return key.name + host::DecimalText(index); }

Variant PaneFallback(const Key& key, int32_t index) {
  return &key == &kPaneName ? Variant(u"Pane " + host::DecimalText(index)) : key.fallback;
}

Variant Read(host::PropertyBag& bag, const Key& key) { return bag.ReadProperty(key.name, key.fallback); }
Variant Read(host::PropertyBag& bag, const Key& key, int32_t index) {
  return bag.ReadProperty(Indexed(key, index), PaneFallback(key, index));
}
void Write(host::PropertyBag& bag, const Key& key, const Variant& value) {
  bag.WriteProperty(key.name, value, key.fallback);
}
void Write(host::PropertyBag& bag, const Key& key, int32_t index, const Variant& value) {
  bag.WriteProperty(Indexed(key, index), value, PaneFallback(key, index));
}

}  // namespace saved

// A saved picture: Empty or Nothing for none; anything but a picture is a type mismatch.
host::PictureRef PictureFrom(const Variant& value) {
  if (value.IsEmpty() || value.IsNothing()) return nullptr;
  auto picture = value.IsObject() ? std::dynamic_pointer_cast<host::Picture>(value.AsObject()) : nullptr;
  if (!picture) throw Error::Runtime(err::kTypeMismatch);
  return picture;
}

Variant PictureVariant(const host::PictureRef& picture) {
  return picture ? Variant(host::ObjectRef(picture)) : Variant::Nothing();
}

// Each pane that places a control, with what is bound to it by name without case.
template <typename Bound, typename Place>
void ForEachBound(const std::vector<PanePtr>& panes, const std::unordered_map<host::String, std::vector<Bound>>& byName,
                  Place place) {
  for (const PanePtr& pane : panes) {
    if (!pane->ResizeChildControl() || pane->ControlName().empty()) continue;
    auto bound = byName.find(host::FoldedCase(pane->ControlName()));
    if (bound == byName.end()) continue;
    for (const Bound& each : bound->second) place(*pane, each);
  }
}

}  // namespace

OvSplitter::OvSplitter(host::ControlSite site) : site_(site) {}

OvSplitter::~OvSplitter() { Terminate(); }

void OvSplitter::Initialize() {
  const host::WindowHandle hwnd = site_.surface.Hwnd();
  // The hook sits on the control; nothing asks it for the names of its parent's controls.
  KpMsgHook1 = std::make_unique<hook::KpMsgHook>(hook::HookSite{
      .subclassing = site_.subclassing, .ambient = site_.ambient, .propertyChanges = hookChanges_, .parent = {}});
  KpMsgHook1->AddListener(this);
  KpMsgHook1->Windows()->Add(Variant::Missing(), Variant::Missing(), Variant::Missing(),
                             Variant(static_cast<int32_t>(hwnd)));
  panes_ = panes::OvPanes::Create(site_.screen);
  panes_->AddListener(this);
  panes_->SetParentHwnd(hwnd);
  panes_->SetPointerServices(&site_.pointer);
  ready_ = true;
}

void OvSplitter::InitProperties() {
  ready_ = false;
  UpdateScaleUnits();
  look_ = ControlLook{};
  splitterMouseIcon_.reset();
  whatsThisHelpId_ = 0;
  SetKeyboardEnabled(false);
  keyboard_.SetIncrement(BarKeyboard::kDefaultIncrement);
  panes_->SetGrabSize(kDefaultGrabSize);
  panes_->SetLiveDrag(false);
  panes_->SetResizeMode(panes::OvResizeLast);
  UpdateClientArea();
  // A container without Left or Top on its extender must not stop the creation.
  Skipping([&] { SetPaneBounds(); });
  panes_->SetOrientation(OvHorizontal);
  panes_->SetSplitterSize(site_.screen.Scaled(kDefaultSplitterSize));
  panes_->AddFirstPane();
  ready_ = true;
  barWatch_.Rebase(Accessible());
  Redraw();
}

void OvSplitter::ReadProperties(host::PropertyBag& bag) {
  ready_ = false;
  UpdateScaleUnits();
  site_.surface.SetBackColor(static_cast<host::OleColor>(Read(bag, saved::kBackColor).ToLong()));
  site_.surface.SetEnabled(Read(bag, saved::kEnabled).ToBoolean());
  SetMouseIcon(PictureFrom(Read(bag, saved::kMouseIcon)));
  mousePointer_ = Read(bag, saved::kMousePointer).ToLong();
  // The icon goes with the pointer when the mouse next moves over the control.
  site_.surface.SetMousePointer(Variant(mousePointer_).ToInteger());
  site_.surface.SetOLEDropMode(Read(bag, saved::kOLEDropMode).ToInteger());
  // Stored as saved, unchecked: every setter checks before it stores, so whatever a control
  // saved loads again, and a hand-made value out of range fails at the 16-bit conversions
  // below.
  look_.appearance = Read(bag, saved::kAppearance).ToLong();
  look_.borderStyle = Read(bag, saved::kBorderStyle).ToLong();
  splitterMouseIcon_ = PictureFrom(Read(bag, saved::kSplitterMouseIcon));
  look_.splitterStyle = Read(bag, saved::kSplitterStyle).ToLong();
  savedPixelsPerInch_ = Read(bag, saved::kPixelsPerInch).ToLong();
  if (savedPixelsPerInch_ <= 0) throw Error::Runtime(err::kInvalidPropertyValue);
  const int32_t splitterSize = FromSavedPixels(Read(bag, saved::kSplitterSize).ToLong());
  const int32_t orientation = Read(bag, saved::kOrientation).ToLong();
  whatsThisHelpId_ = Read(bag, saved::kWhatsThisHelpID).ToLong();
  UpdateClientArea();
  SetPaneBounds();
  panes_->SetOrientation(Variant(orientation).ToInteger());
  panes_->SetSplitterSize(splitterSize);
  // The collection keeps no look of its own; the conversions still end a load whose
  // appearance or border style is out of range.
  Variant(look_.appearance).ToInteger();
  Variant(look_.borderStyle).ToInteger();
  ReadPaneRecords(bag);
  SetKeyboardEnabled(Read(bag, saved::kSplitterKeyboard).ToBoolean());
  keyboard_.SetIncrement(Read(bag, saved::kSplitterIncrement).ToLong());
  SetGrabSizeChecked(Read(bag, saved::kSplitterGrabSize).ToLong());
  panes_->SetLiveDrag(Read(bag, saved::kLiveDrag).ToBoolean());
  SetResizeModeChecked(Read(bag, saved::kResizeMode).ToLong());
  RegisterHookedMouseMessages();
  ready_ = true;
  barWatch_.Rebase(Accessible());
  Redraw();
}

void OvSplitter::ReadPaneRecords(host::PropertyBag& bag) {
  const int32_t count = Read(bag, saved::kNumPanes).ToLong();
  const bool horizontal = Orientation() == OvHorizontal;
  for (int32_t i = 1; i <= count; ++i) {
    const int32_t extent = FromSavedPixels(Read(bag, saved::PaneExtentKey(horizontal), i).ToLong());
    // The saved minimum is given to the new pane before its extent, so that an extent the
    // user made smaller than the default minimum loads again. A minimum that does not read
    // is left to fail at its own step below.
    std::optional<int32_t> minimum;
    try {
      minimum = Read(bag, saved::kPaneMinimum, i).ToLong();
    } catch (const Error&) {
    }
    PanePtr pane = panes_->AddSized(extent, minimum);
    pane->SetAppearance(Read(bag, saved::kPaneAppearance, i).ToLong());
    pane->SetTag(Read(bag, saved::kPaneTag, i));
    pane->SetName(Read(bag, saved::kPaneName, i).ToString());
    pane->SetControlName(Read(bag, saved::kPaneControlName, i).ToString());
    pane->SetMinimum(Read(bag, saved::kPaneMinimum, i).ToLong());
    pane->SetResizeChildControl(Read(bag, saved::kPaneResizeChildControl, i).ToBoolean());
    pane->SetKey(Read(bag, saved::kPaneKey, i));
    pane->SetMaximum(Read(bag, saved::kPaneMaximum, i).ToLong());
    pane->SetFixed(Read(bag, saved::kPaneFixed, i).ToBoolean());
    pane->SetCollapsible(Read(bag, saved::kPaneCollapsible, i).ToBoolean());
    // The saved extents already give its room to the others.
    panes_->SetCollapsed(*pane, Read(bag, saved::kPaneCollapsed, i).ToBoolean(), false);
  }
}

void OvSplitter::WriteProperties(host::PropertyBag& bag) const {
  Write(bag, saved::kBackColor, Variant(static_cast<int32_t>(BackColor())));
  Write(bag, saved::kEnabled, Variant(Enabled()));
  Write(bag, saved::kMouseIcon, PictureVariant(mouseIcon_));
  Write(bag, saved::kMousePointer, Variant(mousePointer_));
  Write(bag, saved::kOLEDropMode, Variant(site_.surface.OLEDropMode()));
  Write(bag, saved::kAppearance, Variant(look_.appearance));
  Write(bag, saved::kBorderStyle, Variant(look_.borderStyle));
  Write(bag, saved::kSplitterMouseIcon, PictureVariant(splitterMouseIcon_));
  Write(bag, saved::kSplitterStyle, Variant(look_.splitterStyle));
  Write(bag, saved::kSplitterSize, Variant(SplitterSize()));
  Write(bag, saved::kOrientation, Variant(Orientation()));
  Write(bag, saved::kWhatsThisHelpID, Variant(whatsThisHelpId_));
  Write(bag, saved::kPixelsPerInch, Variant(int32_t{site_.screen.PixelsPerInch()}));
  Write(bag, saved::kSplitterKeyboard, Variant(keyboard_.Enabled()));
  Write(bag, saved::kSplitterIncrement, Variant(keyboard_.Increment()));
  Write(bag, saved::kSplitterGrabSize, Variant(SplitterGrabSize()));
  Write(bag, saved::kLiveDrag, Variant(LiveDrag()));
  Write(bag, saved::kResizeMode, Variant(ResizeMode()));
  WritePaneRecords(bag);
}

void OvSplitter::WritePaneRecords(host::PropertyBag& bag) const {
  Write(bag, saved::kNumPanes, Variant(panes_->Count()));
  const bool horizontal = Orientation() == OvHorizontal;
  for (const PanePtr& pane : panes_->Items()) {
    const int32_t i = pane->Index();
    Write(bag, saved::PaneExtentKey(horizontal), i, Variant(pane->ExtentPixels(panes_->GetAxis().Along())));
    Write(bag, saved::kPaneControlName, i, Variant(pane->ControlName()));
    Write(bag, saved::kPaneName, i, Variant(pane->Name()));
    Write(bag, saved::kPaneTag, i, pane->Tag());
    Write(bag, saved::kPaneAppearance, i, Variant(pane->Appearance()));
    Write(bag, saved::kPaneMinimum, i, Variant(pane->Minimum()));
    Write(bag, saved::kPaneResizeChildControl, i, Variant(pane->ResizeChildControl()));
    Write(bag, saved::kPaneKey, i, pane->Key());
    Write(bag, saved::kPaneMaximum, i, Variant(pane->Maximum()));
    Write(bag, saved::kPaneFixed, i, Variant(pane->Fixed()));
    Write(bag, saved::kPaneCollapsible, i, Variant(pane->Collapsible()));
    Write(bag, saved::kPaneCollapsed, i, Variant(pane->Collapsed()));
  }
}

uint16_t OvSplitter::RecordVersion() const {
  bool later = keyboard_.Enabled() || keyboard_.Increment() != BarKeyboard::kDefaultIncrement ||
               SplitterGrabSize() != kDefaultGrabSize || LiveDrag() || site_.screen.PixelsPerInch() != 96 ||
               ResizeMode() != panes::OvResizeLast;
  for (const PanePtr& pane : panes_->Items())
    later = later || pane->MaximumPixels() != 0 || pane->Fixed() || pane->Collapsible() || pane->Collapsed();
  return later ? 2 : 1;
}

int32_t OvSplitter::FromSavedPixels(int32_t pixels) const {
  const int ppi = site_.screen.PixelsPerInch();
  if (ppi == savedPixelsPerInch_) return pixels;
  return host::NearestLong(static_cast<double>(pixels) * ppi / savedPixelsPerInch_);
}

void OvSplitter::ResolutionChanged(int previousPixelsPerInch) {
  const int ppi = site_.screen.PixelsPerInch();
  if (ppi == previousPixelsPerInch || !panes_) return;
  auto scaled = [&](int32_t pixels) {
    return host::NearestLong(static_cast<double>(pixels) * ppi / previousPixelsPerInch);
  };
  // The same physical layout: every pixel length the control holds follows the resolution.
  keyboard_.CancelMove(*panes_);
  panes_->CancelSplitterDrag();
  panes_->SetScreen(site_.screen);
  UpdateScaleUnits();
  panes_->SetSplitterSize(scaled(panes_->GetSplitterSize()));
  for (const PanePtr& pane : panes_->Items()) pane->ScaleLengths(ppi, previousPixelsPerInch);
  UpdateClientArea();
  SetPaneBounds();
  ReLayout();
}

void OvSplitter::Show() {
  Raise(events::Resize);
  MoveChildControls();
}

void OvSplitter::Resize() {
  // The extender's position is read and converted as a host expects; a position that does
  // not convert leaves the bounds as they were. Only the size counts.
  Variant left(int32_t{0}), top(int32_t{0});
  Skipping([&] { left = site_.extender.Left(); });
  Skipping([&] { top = site_.extender.Top(); });
  Skipping([&] {
    left.ToLong();
    top.ToLong();
    panes_->SetBounds(InnerExtent(site_.surface.ScaleWidth()), InnerExtent(site_.surface.ScaleHeight()));
  });
  ReportBarValues();
  Skipping([&] { Redraw(); });
  Skipping([&] { Raise(events::Resize); });
  MoveChildControls();
}

void OvSplitter::AmbientChanged(host::StringView name) {
  if (name == u"ScaleUnits") UpdateScaleUnits();
}

void OvSplitter::Terminate() {
  if (!panes_) return;
  keyboard_.CancelMove(*panes_);
  CancelDrag();
  if (isCaptured_) site_.pointer.ReleaseCapture();
  isCaptured_ = false;
  if (KpMsgHook1) {
    KpMsgHook1->RemoveListener(this);
    KpMsgHook1->Terminate();
  }
  hotPane_.reset();
  painter_.FreeMemoryDc();
  panes_->RemoveListener(this);
  panes_->Detach();
  panes_.reset();
}

void OvSplitter::Click() { Raise(events::Click); }

void OvSplitter::DblClick() {
  Raise(events::DblClick);
  // On a bar at run time, the collapsible pane beside it collapses or comes back.
  if (site_.ambient.UserMode() && hotPane_ && hotPane_->Index() < panes_->Count())
    panes_->ToggleCollapse(static_cast<size_t>(hotPane_->Index() - 1));
}

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
  if (mousePointer_ == kCustomPointer) site_.surface.SetMouseIcon(mouseIcon_);
  Notify(u"MouseIcon");
}

void OvSplitter::SetMousePointer(int32_t pointer) {
  // Checked before storing, so that a value the platform cannot take is never saved.
  int16_t platformPointer = Variant(pointer).ToInteger();
  site_.surface.SetMousePointer(platformPointer);
  mousePointer_ = pointer;
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

void OvSplitter::SetSplitterKeyboard(bool on) {
  SetKeyboardEnabled(on);
  Notify(u"SplitterKeyboard");
  Redraw();
}

void OvSplitter::SetKeyboardEnabled(bool on) {
  if (on == keyboard_.Enabled()) return;
  if (panes_) keyboard_.FocusOut(*panes_);
  keyboard_.SetEnabled(on);
  site_.surface.SetTabStop(on);
  if (on && hasFocus_ && KeyboardActive()) keyboard_.FocusIn(*panes_);
}

void OvSplitter::SetSplitterIncrement(int32_t pixels) {
  keyboard_.SetIncrement(pixels);
  Notify(u"SplitterIncrement");
}

void OvSplitter::SetSplitterGrabSize(int32_t pixels) {
  SetGrabSizeChecked(pixels);
  Notify(u"SplitterGrabSize");
}

void OvSplitter::SetLiveDrag(bool live) {
  // A drag under way ends as it would have begun.
  keyboard_.CancelMove(*panes_);
  CancelDrag();
  panes_->SetLiveDrag(live);
  Notify(u"LiveDrag");
}

void OvSplitter::SetResizeMode(int32_t mode) {
  SetResizeModeChecked(mode);
  Notify(u"ResizeMode");
}

void OvSplitter::SetResizeModeChecked(int32_t mode) {
  if (mode != panes::OvResizeLast && mode != panes::OvResizeProportional)
    throw Error::Component(err::kOutOfRange, u"ResizeMode must be OvResizeLast (0) or OvResizeProportional (1).");
  panes_->SetResizeMode(mode);
}

void OvSplitter::SetGrabSizeChecked(int32_t pixels) {
  if (pixels < 0 || pixels > 32767)
    throw Error::Component(err::kOutOfRange, u"SplitterGrabSize must be between 0 and 32767.");
  panes_->SetGrabSize(pixels);
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
  if (look_.borderStyle == OvFixedSingle)
    borderOffset = static_cast<int16_t>((look_.appearance == Ov3D ? 2 : 1) * panes_->LineWidth());
  panes_->SetBorderOffset(borderOffset);
  panes_->SetInnerSize({InnerExtent(site_.surface.ScaleWidth()), InnerExtent(site_.surface.ScaleHeight())});
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
  // The extender's position is asked for, as a host expects, though only the size counts.
  site_.extender.Left().ToLong();
  site_.extender.Top().ToLong();
  panes_->SetBounds(InnerExtent(site_.surface.ScaleWidth()), InnerExtent(site_.surface.ScaleHeight()));
}

void OvSplitter::ReLayout() {
  panes_->Relayout(true);
  Redraw();
  MoveChildControls();
}

void OvSplitter::Redraw() {
  if (!panes_) return;
  // A drag's feedback lies over the window's pixels: it comes off while they are painted.
  panes_->Bar().ToggleFeedback();
  RedrawInto(site_.surface.Hdc());
  panes_->Bar().ToggleFeedback();
}

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
                   .textHeight = surface.TextHeight(u"O"),
                   .focusedBar = FocusedBar()});
}

void OvSplitter::PlaceWindow(const panes::OvPane& pane, host::WindowHandle window) {
  Skipping([&] {
    const panes::XY<int32_t> origin = pane.ContentOrigin(), size = pane.ContentSize();
    site_.windows.MoveWindow(window, origin.x, origin.y, size.x, size.y, true);
  });
  // Only the windows hidden here are shown again: one the program hid stays hidden.
  if (pane.Collapsed() && hiddenWindows_.insert(window).second) {
    Skipping([&] { site_.windows.ShowWindow(window, false); });
  } else if (!pane.Collapsed() && hiddenWindows_.erase(window) > 0) {
    Skipping([&] { site_.windows.ShowWindow(window, true); });
  }
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
  if (windowed) PlaceWindow(pane, window);
}

// Built once per placement, so that placing costs the same per pane however many there are.
OvSplitter::ControlsByName OvSplitter::ByName(const std::vector<host::ContainedControlRef>& controls) {
  ControlsByName byName;
  byName.reserve(controls.size());
  for (const host::ContainedControlRef& control : controls)
    Skipping([&] { byName[host::FoldedCase(control->Name())].push_back(control.get()); });
  return byName;
}

void OvSplitter::MoveChildControls() {
  if (!ready_ || !panes_) return;
  std::vector<host::ContainedControlRef> controls;
  Skipping([&] { controls = site_.containedControls.Enumerate(); });
  if (controls.empty()) return;
  const ControlsByName byName = ByName(controls);
  const std::vector<panes::PanePtr> list = panes_->Items();  // a Move may reach back into the panes
  ForEachBound(list, byName,
               [&](const panes::OvPane& pane, host::ContainedControl* control) { PlaceBoundControls(pane, *control); });
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

void OvSplitter::ReportPanesChanged() {
  if (site_.ambient.UserMode())
    site_.propertyChanges.SavedStateChanged();
  else
    Notify(u"Panes");
}

// A load reports nothing: no one can have read the panes it makes, and the watch starts
// from what it leaves.
void OvSplitter::ReportBarValues() {
  if (ready_ && panes_) barWatch_.Report(Accessible(), site_.accessibility);
}

void OvSplitter::ReportChildrenChanged() {
  if (!ready_) return;
  site_.accessibility.ChildrenReordered();
  barWatch_.Rebase(Accessible());
}

void OvSplitter::CommonEnding() {
  Redraw();
  RefreshChildControls();
  ReportPanesChanged();
}

void OvSplitter::Added(panes::PanePtr& pane) {
  ReportChildrenChanged();
  if (pane->ResizeChildControl()) MoveChildControls();
  Redraw();
  ReportPanesChanged();
}

void OvSplitter::Removed(panes::PanePtr&) {
  ReportChildrenChanged();
  Redraw();
  MoveChildControls();
  ReportPanesChanged();
}

void OvSplitter::Changed(panes::PanePtr& pane, host::String& property) {
  if (property == u"Width" || property == u"Height") {
    // The collection has already given the neighbour what the pane gained or lost.
    auto [first, second] = panes_->ExchangePartners(*pane);
    ReportBarValues();
    RaiseSplitterResize(first, second);
    if (pane->ResizeChildControl()) MoveChildControls();
    Raise(events::Resize);
  } else if (property == u"ControlName" || property == u"ResizeChildControl") {
    if (pane->ResizeChildControl()) MoveChildControls();
  } else if (property == u"Appearance") {
    if (pane->ResizeChildControl()) MoveChildControls();
    Raise(events::Resize);
  } else if (property == u"Collapsed") {
    ReportBarValues();
    MoveChildControls();
    Variant arguments[] = {PaneArgument(pane)};
    site_.events.RaiseEvent(events::PaneCollapsedChanged, arguments);
  }
  CommonEnding();
}

// One frame of a live drag: painted once, the bound windows moved together; the extender
// hears the final place at the release.
void OvSplitter::BarFollowed() {
  Redraw();
  if (!liveWindows_) {
    liveWindows_.emplace();
    std::vector<host::ContainedControlRef> controls;
    Skipping([&] { controls = site_.containedControls.Enumerate(); });
    for (const auto& entry : ByName(controls)) {
      std::vector<host::WindowHandle>& windows = (*liveWindows_)[entry.first];
      for (host::ContainedControl* control : entry.second) Skipping([&] { windows.push_back(control->Hwnd()); });
    }
  }
  {
    host::MoveBatch batch(site_.windows);
    ForEachBound(panes_->Items(), *liveWindows_,
                 [&](const panes::OvPane& pane, host::WindowHandle window) { PlaceWindow(pane, window); });
  }
  // Dropped with Esc: that was the last frame.
  if (!panes_->Bar().Dragging()) liveWindows_.reset();
}

void OvSplitter::SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) {
  liveWindows_.reset();
  ReportBarValues();
  RaiseSplitterResize(pane, nextPane);
  MoveChildControls();
  RefreshChildControls();
}

void OvSplitter::RegisterHookedMouseMessages() {
  if (!site_.ambient.UserMode() || KpMsgHook1->Windows()->Count() == 0) return;
  const auto& messages = KpMsgHook1->Windows()->Item(Variant(int32_t{1}))->Messages();
  for (int16_t message : {kWmMouseMove, kWmLButtonDown, kWmLButtonUp})
    messages->Add(Variant::Missing(), Variant::Missing(), Variant(message), Variant::Missing(), Variant(false));
}

void OvSplitter::RaiseMouse(const host::EventId& event, int16_t& button, int16_t& shift, float& x, float& y) {
  // The handler's writes come back to the caller's own variables.
  Variant arguments[] = {Variant(button), Variant(shift), Variant(x), Variant(y)};
  site_.events.RaiseEvent(event, arguments);
  button = arguments[0].ToInteger();
  shift = arguments[1].ToInteger();
  x = static_cast<float>(arguments[2].ToDouble());
  y = static_cast<float>(arguments[3].ToDouble());
}

void OvSplitter::MouseDown(int16_t& button, int16_t& shift, float& x, float& y) {
  if (button == kLeftButton) {
    TrackMouseCapture(x, y, button, CaptureMode::Press);
    TrackMouseCapture(x, y, button, CaptureMode::Track);
    HitTestSplitters(x, y);
    keyboard_.CancelMove(*panes_);
    if (hotPane_ && KeyboardActive()) {
      const std::optional<size_t> before = keyboard_.FocusedBar();
      keyboard_.Focus(static_cast<size_t>(hotPane_->Index() - 1));
      if (hasFocus_ && keyboard_.FocusedBar() != before) MarkMoved();
    }
    panes_->SplitterMouseDown(hotPane_, x, y);
  }
  RaiseMouse(events::MouseDown, button, shift, x, y);
}

void OvSplitter::MouseMove(int16_t& button, int16_t& shift, float& x, float& y) {
  if (button == 0) {
    HitTestSplitters(x, y);
    TrackMouseCapture(x, y, button, hotPane_ ? CaptureMode::Track : CaptureMode::Release);
  }
  if (button == kLeftButton) {
    // Esc ends the drag even when the keyboard's focus is elsewhere.
    if (panes_->Bar().Dragging() && (site_.pointer.GetAsyncKeyState(host::vk::kEscape) & 0x8000))
      CancelDrag();
    else if (!keyboard_.Moving())
      panes_->SplitterMouseMove(hotPane_, x, y);
  }
  RaiseMouse(events::MouseMove, button, shift, x, y);
}

void OvSplitter::MouseUp(int16_t& button, int16_t& shift, float& x, float& y) {
  TrackMouseCapture(x, y, button, CaptureMode::Track);
  if (hotPane_ && button == kLeftButton && !keyboard_.Moving()) FinishBarMove(hotPane_);
  RaiseMouse(events::MouseUp, button, shift, x, y);
}

void OvSplitter::FinishBarMove(panes::PanePtr& pane) {
  panes_->SplitterMouseUp(pane);
  Redraw();
  RefreshChildControls();
}

void OvSplitter::FocusIn() {
  hasFocus_ = true;
  if (KeyboardActive() && keyboard_.FocusIn(*panes_)) MarkMoved();
}

void OvSplitter::MarkMoved() {
  Redraw();
  if (std::optional<size_t> bar = FocusedBar()) site_.accessibility.BarFocused(*bar);
}

void OvSplitter::FocusOut() {
  hasFocus_ = false;
  if (!panes_ || !keyboard_.FocusedBar()) return;
  keyboard_.FocusOut(*panes_);
  Redraw();
}

std::optional<size_t> OvSplitter::FocusedBar() const {
  return hasFocus_ && KeyboardActive() ? keyboard_.FocusedBar() : std::nullopt;
}

bool OvSplitter::WantsEnter() const {
  const std::optional<size_t> bar = FocusedBar();
  return bar && (keyboard_.Moving() || panes_->CollapseTarget(*bar));
}

bool OvSplitter::WantsTab(bool shift) const {
  const std::optional<size_t> bar = FocusedBar();
  if (!bar) return false;
  return shift ? *bar > 0 : *bar + 2 < panes_->Items().size();
}

BarKey OvSplitter::KeyDown(int32_t key, bool shift) {
  if (!panes_) return BarKey::Ignored;
  BarKey result = BarKey::Ignored;
  if (KeyboardActive() && hasFocus_) {
    const std::optional<size_t> before = keyboard_.FocusedBar();
    result = keyboard_.KeyDown(*panes_, key, shift);
    if (result == BarKey::Apply) {
      panes::PanePtr pane = keyboard_.MovingPane(*panes_);
      keyboard_.MoveEnded();
      FinishBarMove(pane);
    } else if (result == BarKey::Toggle) {
      panes_->ToggleCollapse(*keyboard_.FocusedBar());
    } else if (keyboard_.FocusedBar() != before) {
      MarkMoved();
    }
  }
  if (result == BarKey::Ignored && key == host::vk::kEscape) {
    CancelDrag();
    return BarKey::Handled;
  }
  return result;
}

void OvSplitter::CancelDrag() {
  if (!panes_) return;
  // A keyboard move ends by the keyboard or the focus: the pointer leaving the bars and
  // giving up the capture does not end it.
  // Forgetting the pane keeps the release that follows from touching the panes at all.
  if (!keyboard_.Moving() && panes_->CancelSplitterDrag()) hotPane_.reset();
  // Another window took the capture: the control no longer holds it, so the next move or
  // press takes it afresh instead of believing it still does.
  if (isCaptured_ && site_.pointer.GetCapture() != site_.surface.Hwnd()) {
    isCaptured_ = false;
    KpMsgHook1->SetSubclass(false);
  }
}

void OvSplitter::HitTestSplitters(float x, float y) {
  panes::PanePtr hit = panes_->PaneAtPoint(x, y);
  if (!hit) {
    site_.surface.SetMouseIcon(mouseIcon_);
    site_.surface.SetMousePointer(Variant(mousePointer_).ToInteger());
    splitterCursorOn_ = false;
  } else if (!splitterCursorOn_) {
    site_.surface.SetMousePointer(kCustomPointer);
    if (!splitterMouseIcon_)
      site_.surface.SetMouseIcon(site_.resources.LoadCursorPicture(
          panes_->GetAxis().IsHorizontal() ? kCursorSplitterV : kCursorSplitterH, site_.screen.Scaled(32)));
    else
      site_.surface.SetMouseIcon(splitterMouseIcon_);
    splitterCursorOn_ = true;
  }
  hotPane_ = hit;
}

bool OvSplitter::TrackMouseCapture(float x, float y, int16_t button, CaptureMode mode) {
  if (!isCaptured_) {
    KpMsgHook1->SetSubclass(true);
    site_.pointer.SetCapture(site_.surface.Hwnd());
    isCaptured_ = true;
  } else if (mode == CaptureMode::Press) {
    isCaptured_ = false;
    ActivateTopParent();
  } else if (mode == CaptureMode::Release) {
    KpMsgHook1->SetSubclass(false);
    site_.pointer.ReleaseCapture();
    isCaptured_ = false;
  } else {
    const bool inside = 0 <= x && x <= site_.surface.ScaleWidth() && 0 <= y && y <= site_.surface.ScaleHeight();
    if (inside || button != 0) {
      KpMsgHook1->SetSubclass(true);
    } else {
      KpMsgHook1->SetSubclass(false);
      site_.pointer.ReleaseCapture();
      isCaptured_ = false;
    }
  }
  return isCaptured_;
}

void OvSplitter::CallBack(host::WindowHandle, uint32_t lMsg, host::WParam wParam, host::LParam lParam) {
  if (lMsg >= kWmMouseMove && lMsg <= kWmLButtonUp) DispatchHookedMouse(lMsg, wParam, lParam);
}

void OvSplitter::DispatchHookedMouse(uint32_t lMsg, host::WParam wParam, host::LParam lParam) {
  // The client coordinates are the two signed 16-bit halves of the low 32 bits.
  auto signedWord = [](int32_t word) { return static_cast<float>(word > 32767 ? word - 65536 : word); };
  const auto packed = static_cast<int32_t>(lParam);
  float x = signedWord(hook::KpMsgHook::LoWord(packed));
  float y = signedWord(hook::KpMsgHook::HiWord(packed));
  int16_t buttons = ButtonsFromKeyFlags(wParam);
  int16_t shift = ShiftFromKeyFlags(wParam);
  int16_t left = kLeftButton;
  switch (lMsg) {
    case kWmMouseMove:
      return MouseMove(buttons, shift, x, y);
    case kWmLButtonDown:
      return MouseDown(left, shift, x, y);
    case kWmLButtonUp:
      return MouseUp(left, shift, x, y);
  }
}

int16_t OvSplitter::ButtonsFromKeyFlags(host::WParam wParam) {
  int16_t buttons = 0;
  if (wParam & kMkLButton) buttons |= 1;
  if (wParam & kMkRButton) buttons |= 2;
  if (wParam & kMkMButton) buttons |= 16;
  return buttons;
}

int16_t OvSplitter::ShiftFromKeyFlags(host::WParam wParam) {
  int16_t shift = 0;
  if (wParam & kMkShift) shift |= 1;
  if (wParam & kMkControl) shift |= 2;
  // Both Alt keys are asked every time, the right one first.
  const bool rightAlt = site_.pointer.GetAsyncKeyState(host::vk::kRightAlt) & 0x8000;
  const bool leftAlt = site_.pointer.GetAsyncKeyState(host::vk::kLeftAlt) & 0x8000;
  if (rightAlt || leftAlt) shift |= 4;
  return shift;
}

host::WindowHandle OvSplitter::GetTopParentHwnd() const {
  // Errors are ignored throughout: the chain ends where a Parent cannot be read.
  host::ParentRef object;
  Skipping([&] { object = site_.extender.Parent(); });
  while (object) {
    host::ParentRef parent;
    try {
      parent = object->Parent();
    } catch (const Error&) {
      break;
    }
    object = parent;
    if (!object) break;
  }
  host::WindowHandle hwnd = 0;
  if (object) Skipping([&] { hwnd = object->Hwnd(); });
  return hwnd;
}

void OvSplitter::ActivateTopParent() {
  host::WindowHandle top = GetTopParentHwnd();
  if (top != site_.pointer.GetActiveWindow()) site_.pointer.SetForegroundWindow(top);
}

}  // namespace splitter
