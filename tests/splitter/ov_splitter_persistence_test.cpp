// A new control, and saving a control into a bag and loading it into a new one: the exact
// keys written, the container's units they are in, what comes back, and where a damaged bag
// stops the load.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/error.h"
#include "sim/sim_picture.h"
#include "sim/sim_property_bag.h"
#include "tests/support/run_time_control.h"

namespace {

using host::String;
using host::Variant;
using host::sim::SimPropertyBag;
namespace err = host::err;

// One control on its own platform in the container's units, 400 x 300 pixels.
struct Instance : testing_support::ControlInstance {
  explicit Instance(String units = u"Twip", bool userMode = true) {
    platform.ambient.SetScaleUnits(std::move(units));
    platform.ambient.SetUserMode(userMode);
  }
  SimPropertyBag Saved() {
    SimPropertyBag bag;
    control.WriteProperties(bag);
    return bag;
  }
};

// Everything a user can see of the panes and of the control, for comparing two controls.
std::string Describe(Instance& instance) {
  std::string text;
  auto add = [&](const Variant& v) { text += host::ToUtf8(v.IsNull() ? String(u"<null>") : v.ToString()) + "|"; };
  splitter::OvSplitter& c = instance.control;
  for (int32_t value : {c.Appearance(), c.BorderStyle(), c.SplitterStyle(), c.SplitterSize(), c.Orientation(),
                        c.WhatsThisHelpID(), c.MousePointer(), c.OLEDropMode(), c.SplitterIncrement(),
                        c.SplitterGrabSize(), c.ResizeMode(), static_cast<int32_t>(c.BackColor())})
    add(Variant(value));
  for (bool value : {c.Enabled(), c.SplitterKeyboard(), c.LiveDrag()}) add(Variant(value));
  text += host::sim::SimPicture::Describe(c.MouseIcon()) + host::sim::SimPicture::Describe(c.SplitterMouseIcon());
  // Only the extent along the axis is saved: a pane spans the whole extent across it.
  const panes::Dimension along = instance.Panes().GetAxis().Along();
  for (const panes::PanePtr& pane : instance.Panes().Items()) {
    text += "\n";
    for (int32_t value : {pane->ExtentPixels(along), pane->Appearance(), pane->Minimum(), pane->Maximum()})
      add(Variant(value));
    for (bool value : {pane->ResizeChildControl(), pane->Fixed(), pane->Collapsible(), pane->Collapsed()})
      add(Variant(value));
    for (const Variant& value : {Variant(pane->Name()), Variant(pane->ControlName()), pane->Tag(),
                                 Variant(static_cast<int32_t>(pane->Tag().type())), pane->Key()})
      add(value);
  }
  return text;
}

TEST(Persistence, ANewControlSavedUnchangedStoresOnlyWhatDiffersFromTheDefaults) {
  Instance fresh;
  fresh.control.InitProperties();
  SimPropertyBag bag = fresh.Saved();
  EXPECT_EQ(bag.Keys(), (std::vector<String>{u"BorderStyle", u"NumPanes", u"PaneWidth1", u"PaneMinimum1"}));
  EXPECT_TRUE(VariantEquals(bag.Value(u"BorderStyle"), Variant(int32_t{0})));
  EXPECT_TRUE(VariantEquals(bag.Value(u"NumPanes"), Variant(int32_t{1})));
  EXPECT_EQ(fresh.control.RecordVersion(), 1);
  EXPECT_TRUE(VariantEquals(bag.Value(u"PaneWidth1"), Variant(int32_t{400})));
  EXPECT_TRUE(VariantEquals(bag.Value(u"PaneMinimum1"), Variant(int32_t{150})));  // 10 pixels in twips

  // A bag without keys: the table's defaults, a border, no pane at all.
  Instance empty;
  SimPropertyBag none;
  empty.control.ReadProperties(none);
  EXPECT_EQ(empty.control.BorderStyle(), splitter::OvFixedSingle);
  EXPECT_EQ(empty.Panes().Count(), 0);
  EXPECT_TRUE(empty.control.IsReady());

  // An extender without Left does not stop the creation: the pane takes the inner width.
  Instance leftless;
  leftless.platform.extender.RemoveLeft();
  leftless.control.InitProperties();
  ASSERT_EQ(leftless.Panes().Count(), 1);
  EXPECT_EQ(leftless.Width(1), 400);
}

TEST(Persistence, ContainerUnitsPerPixelFollowTheAmbientScaleUnits) {
  Instance c;
  const std::pair<const char16_t*, int16_t> table[] = {{u"Twip", 15},      {u"Pixel", 1}, {u"Inch", 0},
                                                       {u"User", 1},       {u"Point", 1}, {u"Millimeter", 0},
                                                       {u"Centimeter", 0}, {u"twip", 0},  {u"", 0}};
  for (auto [units, factor] : table) {
    c.platform.ambient.SetScaleUnits(units);
    c.control.AmbientChanged(u"ScaleUnits");
    EXPECT_EQ(c.Panes().GetUnitsPerPixel(), factor) << host::ToUtf8(units);
  }
  c.platform.ambient.SetScaleUnits(u"Twip");
  c.control.AmbientChanged(u"scaleunits");  // other letter case: ignored
  EXPECT_EQ(c.Panes().GetUnitsPerPixel(), 0);
}

// Many configurations: orientation, pane frames, tags and keys of several types, minimums
// under several units, the later settings that raise the record's version. Each survives a
// save and load unchanged, and every key is written in the type its table gives (which the
// binary record keeps, as its own test shows); Variant keys keep the type of the value they
// hold.
TEST(Persistence, ConfigurationsRoundTripUnderEveryScaleUnitWithTheirTypes) {
  using T = Variant::Type;
  const std::pair<const char16_t*, T> types[] = {{u"BackColor", T::Long},
                                                 {u"Enabled", T::Boolean},
                                                 {u"MouseIcon", T::Object},
                                                 {u"MousePointer", T::Long},
                                                 {u"OLEDropMode", T::Integer},
                                                 {u"Appearance", T::Long},
                                                 {u"BorderStyle", T::Long},
                                                 {u"SplitterMouseIcon", T::Object},
                                                 {u"SplitterStyle", T::Long},
                                                 {u"SplitterSize", T::Long},
                                                 {u"Orientation", T::Long},
                                                 {u"WhatsThisHelpID", T::Long},
                                                 {u"NumPanes", T::Long},
                                                 {u"PaneWidth1", T::Long},
                                                 {u"PaneHeight1", T::Long},
                                                 {u"PaneControlName1", T::String},
                                                 {u"PaneName1", T::String},
                                                 {u"PaneTag2", T::Double},
                                                 {u"PaneAppearance1", T::Long},
                                                 {u"PaneMinimum1", T::Long},
                                                 {u"PaneResizeChildControl2", T::Boolean},
                                                 {u"PaneKey3", T::Integer},
                                                 {u"PaneTag4", T::Integer},
                                                 {u"PaneKey1", T::String},
                                                 {u"SplitterKeyboard", T::Boolean},
                                                 {u"SplitterIncrement", T::Long},
                                                 {u"SplitterGrabSize", T::Long},
                                                 {u"LiveDrag", T::Boolean},
                                                 {u"ResizeMode", T::Long},
                                                 {u"PaneMaximum4", T::Long},
                                                 {u"PaneFixed3", T::Boolean},
                                                 {u"PaneCollapsible2", T::Boolean},
                                                 {u"PaneCollapsed2", T::Boolean}};
  const Variant tags[] = {Variant(), Variant(-0.125), Variant::Null(), Variant(int16_t{-7}), Variant(u"tag text")};
  std::vector<String> seen;
  // Inches, millimetres and centimetres are less than a pixel: their minimums read 0.
  for (const char16_t* units : {u"Twip", u"Pixel", u"Point", u"User"}) {
    for (int32_t orientation : {splitter::OvHorizontal, splitter::OvVertical}) {
      SCOPED_TRACE(host::ToUtf8(units) + " orientation " + std::to_string(orientation));
      Instance original(units);
      splitter::OvSplitter& c = original.control;
      c.InitProperties();
      c.SetBackColor(0x123456);
      c.SetEnabled(false);
      c.SetMousePointer(99);
      c.SetOLEDropMode(1);  // manual
      c.SetSplitterSize(5);
      c.SetOrientation(orientation);
      c.SetAppearance(splitter::OvFlat);
      if (orientation == splitter::OvVertical) c.SetBorderStyle(splitter::OvFixedSingle);  // the default: not saved
      for (int i = 0; i < 4; ++i) original.Panes().Add();
      auto icon = host::sim::SimPicture::Make(host::PictureType::Icon, "ico");
      c.SetMouseIcon(icon);
      c.SetSplitterMouseIcon(icon);
      c.SetSplitterStyle(splitter::OvSplitterRound);
      c.SetWhatsThisHelpID(Variant(int32_t{77}));
      c.SetSplitterKeyboard(true);
      c.SetSplitterIncrement(7);
      c.SetSplitterGrabSize(4);
      c.SetLiveDrag(true);
      c.SetResizeMode(panes::OvResizeProportional);
      original.Pane(1).SetName(u"Pane 2");  // another index's default name is stored
      original.Pane(2).SetName(u"Pane 2");  // its own index's is not
      original.Pane(1).SetControlName(u"Text1");
      int i = 0;
      for (const panes::PanePtr& pane : original.Panes().Items()) {
        pane->SetAppearance(i % 2);
        pane->SetResizeChildControl(i % 2 == 0);
        pane->SetTag(tags[i % std::size(tags)]);
        pane->SetKey(i == 2 ? Variant(int16_t{42}) : Variant(u"key " + host::DecimalText(i)));
        pane->SetMinimum(pane->Minimum() / 2 + i);
        ++i;
      }
      // Narrower than a new pane's minimum, it still loads: minimums load before the extents.
      original.Pane(1).SetMinimum(1);
      original.Pane(1).SetExtentPixels(original.Panes().GetAxis().Along(), 5);
      original.Pane(2).SetCollapsible(true);
      original.Pane(2).SetCollapsed(true);
      original.Pane(3).SetFixed(true);
      original.Pane(4).SetMaximum(3000);
      EXPECT_EQ(c.RecordVersion(), 2);
      Instance loaded(units);
      SimPropertyBag bag = original.Saved();
      loaded.control.ReadProperties(bag);
      EXPECT_EQ(Describe(loaded), Describe(original));
      EXPECT_TRUE(bag.Contains(u"PaneName1"));
      EXPECT_FALSE(bag.Contains(u"PaneName2"));
      EXPECT_EQ(loaded.Saved().Keys(), bag.Keys());  // saving the loaded control gives the same record
      EXPECT_NE(bag.Contains(u"PaneWidth1"), bag.Contains(u"PaneHeight1"));
      for (const auto& [name, type] : types) {
        if (!bag.Contains(name)) continue;
        seen.push_back(name);
        EXPECT_EQ(bag.Value(name).type(), type) << host::ToUtf8(name);
      }
    }
  }
  for (const auto& [name, type] : types)
    EXPECT_NE(std::find(seen.begin(), seen.end(), String(name)), seen.end()) << host::ToUtf8(name) << " never saved";
}

TEST(Persistence, LoadingAtRunTimeHooksTheMouseMessagesOfTheControlWindow) {
  for (bool userMode : {true, false}) {
    Instance instance(u"Twip", userMode);
    SimPropertyBag bag;
    bag.Set(u"NumPanes", Variant(int32_t{0}));
    instance.control.ReadProperties(bag);
    auto messages = instance.control.MessageHook().Windows()->Item(Variant(int32_t{1}))->Messages();
    std::vector<int32_t> values;
    for (int32_t i = 1; i <= messages->Count(); ++i) values.push_back(messages->Item(Variant(i))->Value());
    EXPECT_EQ(values, userMode ? std::vector<int32_t>({512, 513, 514}) : std::vector<int32_t>{});
  }
}

TEST(Persistence, EachRestoredPaneRaisesResizeAndIsReportedInTheDesignerButNotToAssistiveTools) {
  Instance original;
  original.control.InitProperties();
  original.Panes().Add();
  SimPropertyBag bag = original.Saved();
  Instance loaded(u"Twip", false);
  loaded.platform.events.Clear();
  loaded.control.ReadProperties(bag);
  auto names = loaded.platform.events.Names();
  EXPECT_EQ(std::count(names.begin(), names.end(), u"Resize"), 2);
  EXPECT_FALSE(loaded.platform.propertyChanges.Names().empty());
  EXPECT_TRUE(loaded.platform.accessibility.Lines().empty());
}

// A failing step ends the load there: the control stays unready with the panes read so far.
TEST(Persistence, ADamagedBagStopsTheLoadAtTheFailingStep) {
  struct Case {
    const char* what;
    std::vector<std::pair<String, Variant>> entries;
    int32_t number;
    const char* description;  // null: the run-time error's own
    int32_t panesLeft;
  };
  auto bitmap = host::sim::SimPicture::Make(host::PictureType::Bitmap, "bmp");
  const Case cases[] = {
      {"text pane count", {{u"NumPanes", Variant(u"three")}}, err::kTypeMismatch, nullptr, 0},
      {"bitmap mouse icon",
       {{u"MouseIcon", Variant(host::ObjectRef(bitmap))}},
       err::kInvalidValue,
       "MouseIcon only accepts a picture of type icon or cursor.",
       0},
      {"appearance beyond 16 bits", {{u"Appearance", Variant(int32_t{70000})}}, err::kOverflow, nullptr, 0},
      {"pointer beyond 16 bits", {{u"MousePointer", Variant(int32_t{-40000})}}, err::kOverflow, nullptr, 0},
      {"duplicate key",
       {{u"NumPanes", Variant(int32_t{3})}, {u"PaneKey1", Variant(u"a")}, {u"PaneKey2", Variant(u" A ")}},
       err::kInvalidValue,
       "Key already exists.",
       2},
      {"extent below minimum",
       {{u"NumPanes", Variant(int32_t{2})},
        {u"PaneWidth2", Variant(int32_t{4})},
        {u"PaneMinimum2", Variant(int32_t{150})}},
       err::kBelowMinimum,
       "Width cannot be less than Min.",
       1},
      {"text minimum",
       {{u"NumPanes", Variant(int32_t{1})}, {u"PaneMinimum1", Variant(u"x")}},
       err::kTypeMismatch,
       nullptr,
       1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Instance instance;
    SimPropertyBag bag;
    for (const auto& [name, value] : c.entries) bag.Set(name, value);
    try {
      instance.control.ReadProperties(bag);
      ADD_FAILURE() << "no error";
    } catch (const host::Error& e) {
      EXPECT_EQ(e.number(), c.number);
      if (c.description) {
        EXPECT_EQ(host::ToUtf8(e.description()), c.description);
      }
    }
    EXPECT_FALSE(instance.control.IsReady());
    EXPECT_EQ(instance.Panes().Count(), c.panesLeft);
  }

  // The bar size loads as stored, without the setter's range; a missing Left stops the load.
  Instance wide;
  SimPropertyBag bag;
  bag.Set(u"SplitterSize", Variant(int32_t{0}));
  wide.control.ReadProperties(bag);
  EXPECT_EQ(wide.control.SplitterSize(), 0);
  Instance leftless;
  leftless.platform.extender.RemoveLeft();
  EXPECT_THROW(leftless.control.ReadProperties(bag), host::Error);
  EXPECT_FALSE(leftless.control.IsReady());
}

}  // namespace
