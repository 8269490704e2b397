// The property pages over splitters on the simulated platform: General's lists, loading,
// change tracking and applying; Panes stepping through, editing, inserting and removing panes;
// Behavior loading and writing only what was edited.
#include <gtest/gtest.h>

#include "pages/behavior.h"
#include "pages/general.h"
#include "pages/panes_pp.h"
#include "sim/sim_platform.h"
#include "sim/sim_property_page_site.h"
#include "tests/support/splitter_by_name.h"

namespace {

using host::PageEvent;
using host::Variant;
using Strings = std::vector<host::String>;
using support::SplitterByName;

struct Splitter {
  Splitter() {
    platform.surface.SetScaleSize(400, 300);
    control.Initialize();
    control.InitProperties();
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

// A page on its site; the user's edits of its fields reach it as events.
template <typename Page>
class PageTest : public ::testing::Test {
 protected:
  host::sim::SimPageControl& Field(const char16_t* name) { return site.Control(name); }
  void Click(const char16_t* control) { page.ControlEvent(control, PageEvent::Click); }
  void Choose(const char16_t* list, int32_t position) {
    Field(list).SetListIndex(position);
    Click(list);
  }
  void Type(const char16_t* field, host::StringView text) {
    Field(field).SetText(text);
    page.ControlEvent(field, PageEvent::Change);
  }

  std::vector<std::string> Prompts() {
    std::vector<std::string> prompts;
    for (const auto& box : site.messages.Messages()) {
      EXPECT_EQ(std::tie(box.buttons, box.title), std::tuple(host::kMessageBoxInformation, u"OrvaneSplitter"));
      prompts.push_back(host::ToUtf8(box.prompt));
    }
    return prompts;
  }

  support::ByName::Log log = std::make_shared<std::vector<std::string>>();
  host::sim::SimPropertyPageSite site;
  Page page{site};
};

class GeneralPage : public PageTest<pages::General> {
 protected:
  void SetUp() override { site.Select({SplitterByName(first.control, log), SplitterByName(second.control, log)}); }
  Splitter first, second;
};

TEST_F(GeneralPage, LoadsTheFirstSelectedControlAndWritesOnlyIt) {
  int32_t secondSize = second.control.SplitterSize();
  first.control.SetSplitterSize(7);
  first.control.SetOrientation(1);
  first.control.SetBorderStyle(1);
  first.control.SetMousePointer(99);
  first.control.SetEnabled(false);
  site.SetChanged(true);
  page.SelectionChanged();
  EXPECT_EQ(std::tuple(Field(u"txtSplitterSize").Text(), Field(u"cboMousePointer").Text()),
            std::tuple(host::String(u"7"), host::String(u"99 - vbCustom")));
  EXPECT_EQ((std::vector<int32_t>{Field(u"cboOrientation").ListIndex(), Field(u"cboBorderStyle").ListIndex(),
                                  Field(u"cboAppearance").ListIndex(), Field(u"chkEnabled").Value()}),
            (std::vector<int32_t>{1, 1, first.control.Appearance(), 0}));
  EXPECT_FALSE(site.Changed());

  Choose(u"cboSplitterStyle", 1);
  Field(u"txtSplitterSize").SetText(u"12");
  page.ApplyChanges();
  EXPECT_EQ(*log, (std::vector<std::string>{"SplitterSize=12", "OLEDropMode=0", "Enabled=False", "Orientation=1",
                                            "Appearance=1", "BorderStyle=1", "SplitterStyle=1", "MousePointer=99"}));
  EXPECT_EQ(first.control.SplitterSize(), 12);
  EXPECT_EQ(first.control.MousePointer(), 99);  // the custom entry, not its position
  EXPECT_EQ(second.control.SplitterSize(), secondSize);
  EXPECT_EQ(second.control.SplitterStyle(), 0);
}

TEST_F(GeneralPage, RejectedSplitterSizeIsReportedTheRestAppliedAndTheSizeShownAgain) {
  page.SelectionChanged();
  int32_t size = first.control.SplitterSize();
  for (const char16_t* bad : {u"wide", u"", u"0"}) {
    SCOPED_TRACE(host::ToUtf8(bad));
    site.messages = host::sim::SimDialogs();
    Type(u"txtSplitterSize", bad);
    Choose(u"cboOrientation", 1);
    Choose(u"cboMousePointer", 5);
    page.ApplyChanges();
    EXPECT_EQ(Prompts(),
              std::vector<std::string>{bad[0] == u'0' ? "SplitterSize must be between 1 and 32767." : "Type mismatch"});
    EXPECT_EQ(first.control.Orientation(), 1);
    EXPECT_EQ(first.control.MousePointer(), 5);
    EXPECT_EQ(Field(u"txtSplitterSize").Text(), host::DecimalText(size));
    EXPECT_FALSE(site.Changed());
    first.control.SetOrientation(0);
  }
}

TEST_F(GeneralPage, EveryFieldEditMarksThePageChanged) {
  for (auto [control, event, marks] :
       {std::tuple(u"cboAppearance", PageEvent::Click, true), std::tuple(u"cboBorderStyle", PageEvent::Click, true),
        std::tuple(u"cboOrientation", PageEvent::Click, true), std::tuple(u"cboSplitterStyle", PageEvent::Click, true),
        std::tuple(u"cboMousePointer", PageEvent::Click, true), std::tuple(u"cboDropMode", PageEvent::Click, true),
        std::tuple(u"txtSplitterSize", PageEvent::Change, true), std::tuple(u"chkEnabled", PageEvent::Click, true),
        std::tuple(u"txtSplitterSize", PageEvent::GotFocus, false),
        std::tuple(u"lblAppearance", PageEvent::Click, false)}) {
    site.SetChanged(false);
    page.ControlEvent(control, event);
    EXPECT_EQ(site.Changed(), marks) << host::ToUtf8(control);
  }
}

TEST_F(GeneralPage, AValueWithoutAnEntryStopsTheLoad) {
  first.control.SetMousePointer(20);
  Field(u"cboMousePointer").SetListIndex(2);
  site.SetChanged(true);
  EXPECT_THROW(page.SelectionChanged(), host::Error);
  EXPECT_EQ(Field(u"cboMousePointer").ListIndex(), 2);
  EXPECT_TRUE(site.Changed());
}

TEST_F(GeneralPage, FocusSelectsTheWholeSizeUnlessAMousePressBroughtIt) {
  page.SelectionChanged();
  host::sim::SimPageControl& size = Field(u"txtSplitterSize");
  size.SetText(u"125");
  page.ControlEvent(u"txtSplitterSize", PageEvent::GotFocus);
  EXPECT_EQ(std::pair(size.SelStart(), size.SelLength()), std::pair(0, 3));
  size.SetSelection(1, 0);
  page.ControlEvent(u"txtSplitterSize", PageEvent::MouseDown);
  page.ControlEvent(u"txtSplitterSize", PageEvent::GotFocus);
  EXPECT_EQ(std::pair(size.SelStart(), size.SelLength()), std::pair(1, 0));
  page.ControlEvent(u"txtSplitterSize", PageEvent::GotFocus);  // the press is used up
  EXPECT_EQ(size.SelLength(), 3);
}

class BehaviorPage : public PageTest<pages::Behavior> {
 protected:
  void SetUp() override {
    site.Select({SplitterByName(first.control, log), SplitterByName(second.control, log)});
    first.control.SetSplitterKeyboard(true);
    first.control.SetSplitterIncrement(5);
    first.control.SetResizeMode(1);
    site.SetChanged(true);
    page.SelectionChanged();
  }
  Splitter first, second;
};

TEST_F(BehaviorPage, LoadsTheFirstSelectedControlAndWritesOnlyTheEditedFieldsToIt) {
  EXPECT_EQ(std::tuple(Field(u"chkSplitterKeyboard").Value(), Field(u"txtSplitterIncrement").Text(),
                       Field(u"txtSplitterGrabSize").Text(), Field(u"cboResizeMode").ListIndex()),
            std::tuple(1, host::String(u"5"), host::String(u"2"), 1));
  EXPECT_EQ(Field(u"cboResizeMode").Items(), (Strings{u"0 - OvResizeLast", u"1 - OvResizeProportional"}));
  EXPECT_FALSE(site.Changed());
  page.ApplyChanges();
  EXPECT_TRUE(log->empty());

  Field(u"chkSplitterKeyboard").SetValue(0);
  Click(u"chkSplitterKeyboard");
  page.ApplyChanges();
  EXPECT_EQ(*log, std::vector<std::string>{"SplitterKeyboard=False"});
  log->clear();
  Type(u"txtSplitterIncrement", u"12");
  Choose(u"cboResizeMode", 0);
  page.ApplyChanges();
  EXPECT_EQ(*log, (std::vector<std::string>{"SplitterIncrement=12", "ResizeMode=0"}));
  EXPECT_EQ(std::tuple(first.control.SplitterKeyboard(), first.control.SplitterIncrement(), first.control.ResizeMode()),
            std::tuple(false, 12, 0));
  EXPECT_EQ(std::pair(second.control.SplitterKeyboard(), second.control.SplitterIncrement()), std::pair(false, 1));
}

TEST_F(BehaviorPage, ARejectedIncrementIsReportedTheOtherFieldWrittenAndTheIncrementShownAgain) {
  for (const char16_t* bad : {u"0", u"-3", u"steps"}) {
    SCOPED_TRACE(host::ToUtf8(bad));
    site.messages = host::sim::SimDialogs();
    Field(u"chkSplitterKeyboard").SetValue(first.control.SplitterKeyboard() ? 0 : 1);
    Click(u"chkSplitterKeyboard");
    Type(u"txtSplitterIncrement", bad);
    bool keyboard = !first.control.SplitterKeyboard();
    page.ApplyChanges();
    EXPECT_EQ(Prompts(),
              std::vector<std::string>{bad[0] == u's' ? "Type mismatch" : "SplitterIncrement must be at least 1."});
    EXPECT_EQ(first.control.SplitterKeyboard(), keyboard);
    EXPECT_EQ(first.control.SplitterIncrement(), 5);
    EXPECT_EQ(Field(u"txtSplitterIncrement").Text(), u"5");
    EXPECT_FALSE(site.Changed());
  }
}

TEST_F(BehaviorPage, OnlyTheFieldsOwnEditsMarkThePageChanged) {
  for (auto [control, event, marks] : {std::tuple(u"chkSplitterKeyboard", PageEvent::Click, true),
                                       std::tuple(u"txtSplitterIncrement", PageEvent::Change, true),
                                       std::tuple(u"cboResizeMode", PageEvent::Click, true),
                                       std::tuple(u"txtSplitterIncrement", PageEvent::GotFocus, false),
                                       std::tuple(u"lblSplitterIncrement", PageEvent::Click, false)}) {
    site.SetChanged(false);
    page.ControlEvent(control, event);
    EXPECT_EQ(site.Changed(), marks) << host::ToUtf8(control);
  }
}

class PanesPage : public PageTest<pages::PanesPP> {
 protected:
  void SetUp() override {
    control.Panes()->Add();
    control.Panes()->Add();
    site.Select({SplitterByName(control, log)});
  }
  panes::OvPane& Pane(int index) { return *control.Panes()->Items()[index - 1]; }
  // The pane list's entries and the one chosen.
  std::pair<Strings, int32_t> Index() { return {Field(u"cboIndex").Items(), Field(u"cboIndex").ListIndex()}; }

  Splitter one;
  splitter::OvSplitter& control = one.control;
};

TEST_F(PanesPage, ShowsTheFirstOfThreePanesAlongTheOrientationAndOffersTheContainedControls) {
  one.platform.containedControls.AddWindowless(u"List1");
  one.platform.containedControls.AddWindowless(u"Text1");
  for (int32_t orientation : {0, 1}) {
    control.SetOrientation(orientation);
    page.SelectionChanged();
    EXPECT_EQ(Index(), std::pair(Strings{u"1", u"2", u"3"}, 0));
    EXPECT_EQ(Field(u"lblWidthHeight").Text(), orientation == 0 ? u"&Width:" : u"&Height:");
    EXPECT_EQ(Field(u"txtWidthHeight").Text(),
              host::DecimalText(orientation == 0 ? Pane(1).Width() : Pane(1).Height()));
    EXPECT_EQ(Field(u"cboAppearance").Text(), Pane(1).Appearance() == 0 ? u"0 - OvFlat" : u"1 - Ov3D");
    EXPECT_FALSE(site.Changed());
    EXPECT_TRUE(Field(u"cmdRemove").Enabled());
  }
  EXPECT_EQ(Field(u"cboControlName").Items(), (Strings{u"List1", u"Text1"}));
  Type(u"txtWidthHeight", u"1200");
  page.ApplyChanges();
  EXPECT_EQ(*log, std::vector<std::string>{"Height=1200"});  // only what differs is written
  EXPECT_EQ(Pane(1).Height(), 1200);
}

TEST_F(PanesPage, ChoosingAnotherPaneAppliesTheEditsToTheOneShownFirst) {
  page.SelectionChanged();
  Type(u"txtName", u"tree");
  Field(u"chkResizeChildControl").SetValue(Pane(1).ResizeChildControl() ? 0 : 1);
  Click(u"chkResizeChildControl");
  Choose(u"cboIndex", 1);
  EXPECT_EQ(Pane(1).Name(), u"tree");
  EXPECT_EQ(*log,
            (std::vector<std::string>{
                "Name=tree", "ResizeChildControl=" + std::string(Pane(1).ResizeChildControl() ? "True" : "False")}));
  EXPECT_EQ(page.CurrentIndex(), 1);
  EXPECT_EQ(Field(u"txtName").Text(), Pane(2).Name());
  EXPECT_FALSE(site.Changed());
}

TEST_F(PanesPage, TheShownPanesMaximumAndStatesAreShownAndTheirEditsWrittenBothLimitsRaisedInOneGo) {
  Pane(1).SetMaximum(300);  // below the pane's extent, as a load may leave it
  Pane(1).SetFixed(true);
  page.SelectionChanged();
  EXPECT_EQ(Field(u"txtMax").Text(), u"300");
  EXPECT_EQ((std::vector<int32_t>{Field(u"chkFixed").Value(), Field(u"chkCollapsible").Value(),
                                  Field(u"chkCollapsed").Value()}),
            (std::vector<int32_t>{1, 0, 0}));
  Type(u"txtMin", u"600");
  Type(u"txtMax", u"4500");
  EXPECT_TRUE(site.Changed());
  for (auto [box, ticked] :
       {std::pair(u"chkFixed", 0), std::pair(u"chkCollapsible", 1), std::pair(u"chkCollapsed", 1)}) {
    site.SetChanged(false);
    Field(box).SetValue(ticked);
    Click(box);
    EXPECT_TRUE(site.Changed()) << host::ToUtf8(box);
  }
  page.ApplyChanges();
  EXPECT_EQ(*log, (std::vector<std::string>{"Maximum=4500", "Minimum=600", "Fixed=False", "Collapsible=True",
                                            "Collapsed=True"}));
  EXPECT_EQ(
      std::tuple(Pane(1).Minimum(), Pane(1).Maximum(), Pane(1).Fixed(), Pane(1).Collapsible(), Pane(1).Collapsed()),
      std::tuple(600, 4500, false, true, true));
}

TEST_F(PanesPage, AWidthThatSqueezesTheNeighbourIsReportedAndTheLaterFieldsAreNotWritten) {
  Pane(2).SetMinimum(Pane(2).Width());
  page.SelectionChanged();
  host::String wider = host::DecimalText(Pane(1).Width() + 300);
  Type(u"txtWidthHeight", wider);
  Type(u"txtTag", u"left");
  Type(u"txtKey", u"k1");
  page.ApplyChanges();
  EXPECT_EQ(Prompts(), std::vector<std::string>{"Width cannot be less than Min."});
  EXPECT_EQ(*log, std::vector<std::string>{"Width=" + host::ToUtf8(wider)});
  EXPECT_TRUE(site.Changed());
  EXPECT_EQ(Pane(1).Key().ToString(), u"");
  Type(u"txtWidthHeight", host::DecimalText(Pane(1).Width()));
  page.ApplyChanges();
  EXPECT_EQ(Pane(1).Key().ToString(), u"k1");
  EXPECT_EQ(Pane(1).Tag().ToString(), u"left");
  EXPECT_FALSE(site.Changed());
}

TEST_F(PanesPage, InsertPaneAddsAfterTheShownPaneAndShowsIt) {
  page.SelectionChanged();
  Pane(2).SetName(u"second");
  Choose(u"cboIndex", 1);
  int32_t halved = Pane(2).Width();
  Click(u"cmdAdd");
  EXPECT_EQ(control.Panes()->Count(), 4);
  EXPECT_EQ(Pane(2).Name(), u"second");
  EXPECT_LT(Pane(2).Width(), halved);
  EXPECT_EQ(Index(), std::pair(Strings{u"1", u"2", u"3", u"4"}, 2));
  EXPECT_EQ(Field(u"txtWidthHeight").Text(), host::DecimalText(Pane(3).Width()));
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(PanesPage, InsertPaneThatWouldSqueezeThePaneBelowItsMinimumChangesNothing) {
  Pane(1).SetMinimum(Pane(1).Width());
  page.SelectionChanged();
  Click(u"cmdAdd");
  EXPECT_EQ(control.Panes()->Count(), 3);
  EXPECT_EQ(Field(u"cboIndex").ListCount(), 3);
  EXPECT_EQ(Prompts(),
            std::vector<std::string>{"An error occurred when adding the pane: the width is less than the minimum."});
}

TEST_F(PanesPage, RemovePaneTakesTheShownPaneAndThenWaitsForAChoice) {
  page.SelectionChanged();
  Choose(u"cboIndex", 1);
  Click(u"cmdRemove");
  EXPECT_EQ(*log, std::vector<std::string>{"Remove(2)"});
  EXPECT_EQ(control.Panes()->Count(), 2);
  EXPECT_EQ(Index(), std::pair(Strings{u"1", u"3"}, -1));  // old numbers until refilled
  EXPECT_FALSE(Field(u"cmdRemove").Enabled());
  Click(u"cmdRemove");  // nothing shown: nothing removed, nothing reported
  EXPECT_EQ(control.Panes()->Count(), 2);
  EXPECT_TRUE(Prompts().empty());
  Choose(u"cboIndex", 1);
  EXPECT_TRUE(Field(u"cmdRemove").Enabled());
}

TEST_F(PanesPage, ASplitterWithoutPanesOffersOnlyInsert) {
  page.SelectionChanged();
  Type(u"txtName", u"stale");
  control.Panes()->Clear();
  page.SelectionChanged();
  for (const char16_t* name : {u"cboIndex", u"cboAppearance", u"txtWidthHeight", u"txtName", u"cboControlName",
                               u"txtTag", u"txtKey", u"txtMin", u"txtMax"}) {
    SCOPED_TRACE(host::ToUtf8(name));
    EXPECT_FALSE(Field(name).Enabled());
    EXPECT_EQ(Field(name).BackColor(), host::kButtonFaceColor);
  }
  EXPECT_EQ((std::vector<bool>{Field(u"cmdRemove").Enabled(), Field(u"chkResizeChildControl").Enabled(),
                               Field(u"chkFixed").Enabled(), Field(u"chkCollapsible").Enabled(),
                               Field(u"chkCollapsed").Enabled(), Field(u"cmdAdd").Enabled()}),
            (std::vector<bool>{false, false, false, false, false, true}));
  EXPECT_EQ(std::pair(Field(u"txtName").Text(), Field(u"txtMax").Text()), std::pair(host::String(), host::String()));
  EXPECT_EQ(Field(u"cboAppearance").Text(), u"0 - OvFlat");
  EXPECT_EQ(page.CurrentIndex(), -1);
  page.ApplyChanges();  // nothing to write to
  EXPECT_TRUE(log->empty());

  Click(u"cmdAdd");
  EXPECT_EQ(control.Panes()->Count(), 1);
  EXPECT_EQ(Field(u"cboIndex").ListIndex(), 0);
  EXPECT_TRUE(Field(u"txtName").Enabled());
  EXPECT_EQ(Field(u"txtKey").BackColor(), host::kWindowBackgroundColor);
}

}  // namespace
