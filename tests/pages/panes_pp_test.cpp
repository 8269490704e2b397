// The Panes page over a splitter on the simulated platform: stepping through the panes,
// applying edits, inserting and removing panes, and the page of a splitter without panes.
#include "pages/panes_pp.h"

#include <gtest/gtest.h>

#include "sim/sim_platform.h"
#include "sim/sim_property_page_site.h"
#include "tests/support/splitter_by_name.h"

namespace {

using host::PageEvent;
using Strings = std::vector<host::String>;

class PanesPage : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.surface.SetScaleSize(400, 300);
    control.Initialize();
    control.InitProperties();
    control.Panes()->Add();
    control.Panes()->Add();
    site.Select({support::SplitterByName(control, log)});
  }
  host::sim::SimPageControl& Field(const char16_t* name) { return site.Control(name); }
  panes::OvPane& Pane(int index) { return *control.Panes()->Items()[index - 1]; }
  void Click(const char16_t* control) { page.ControlEvent(control, PageEvent::Click); }
  void Type(const char16_t* field, host::StringView text) {
    Field(field).SetText(text);
    page.ControlEvent(field, PageEvent::Change);
  }
  void ChoosePane(int32_t position) {
    Field(u"cboIndex").SetListIndex(position);
    Click(u"cboIndex");
  }
  std::vector<std::string> Prompts() {
    std::vector<std::string> prompts;
    for (const auto& box : site.messages.Messages()) {
      EXPECT_EQ(box.buttons, host::kMessageBoxInformation);
      EXPECT_EQ(box.title, u"OrvaneSplitter");
      prompts.push_back(host::ToUtf8(box.prompt));
    }
    return prompts;
  }

  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
  support::ByName::Log log = std::make_shared<std::vector<std::string>>();
  host::sim::SimPropertyPageSite site;
  pages::PanesPP page{site};
};

TEST_F(PanesPage, ShowsTheFirstOfThreePanesAlongTheOrientation) {
  for (int32_t orientation : {0, 1}) {
    control.SetOrientation(orientation);
    page.SelectionChanged();
    EXPECT_EQ(Field(u"cboIndex").Items(), (Strings{u"1", u"2", u"3"}));
    EXPECT_EQ(Field(u"cboIndex").ListIndex(), 0);
    EXPECT_EQ(Field(u"lblWidthHeight").Text(), orientation == 0 ? u"&Width:" : u"&Height:");
    EXPECT_EQ(Field(u"txtWidthHeight").Text(),
              host::DecimalText(orientation == 0 ? Pane(1).Width() : Pane(1).Height()));
    EXPECT_EQ(Field(u"cboAppearance").Text(), Pane(1).Appearance() == 0 ? u"0 - OvFlat" : u"1 - Ov3D");
    EXPECT_FALSE(site.Changed());
    EXPECT_TRUE(Field(u"cmdRemove").Enabled());
  }
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
  ChoosePane(1);
  EXPECT_EQ(Pane(1).Name(), u"tree");
  EXPECT_EQ(*log,
            (std::vector<std::string>{
                "Name=tree", "ResizeChildControl=" + std::string(Pane(1).ResizeChildControl() ? "True" : "False")}));
  EXPECT_EQ(page.CurrentIndex(), 1);
  EXPECT_EQ(Field(u"txtName").Text(), Pane(2).Name());
  EXPECT_FALSE(site.Changed());
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
  ChoosePane(1);
  int32_t halved = Pane(2).Width();
  Click(u"cmdAdd");
  EXPECT_EQ(control.Panes()->Count(), 4);
  EXPECT_EQ(Pane(2).Name(), u"second");
  EXPECT_LT(Pane(2).Width(), halved);
  EXPECT_EQ(Field(u"cboIndex").Items(), (Strings{u"1", u"2", u"3", u"4"}));
  EXPECT_EQ(Field(u"cboIndex").ListIndex(), 2);
  EXPECT_EQ(Field(u"txtWidthHeight").Text(), host::DecimalText(Pane(3).Width()));
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(PanesPage, InsertPaneThatWouldSqueezeThePaneBelowItsMinimumChangesNothing) {
  for (int32_t orientation : {0, 1}) {
    Pane(1).SetMinimum(0);
    control.SetOrientation(orientation);
    Pane(1).SetMinimum(orientation == 0 ? Pane(1).Width() : Pane(1).Height());
    page.SelectionChanged();
    Click(u"cmdAdd");
    EXPECT_EQ(control.Panes()->Count(), 3);
    EXPECT_EQ(Field(u"cboIndex").ListCount(), 3);
  }
  std::string tooSmall = "An error occurred when adding the pane: the width is less than the minimum.";
  EXPECT_EQ(Prompts(), (std::vector<std::string>{tooSmall, tooSmall}));
}

TEST_F(PanesPage, RemovePaneTakesTheShownPaneAndThenWaitsForAChoice) {
  page.SelectionChanged();
  ChoosePane(1);
  Click(u"cmdRemove");
  EXPECT_EQ(*log, std::vector<std::string>{"Remove(2)"});
  EXPECT_EQ(control.Panes()->Count(), 2);
  EXPECT_EQ(Field(u"cboIndex").Items(), (Strings{u"1", u"3"}));  // old numbers until refilled
  EXPECT_EQ(Field(u"cboIndex").ListIndex(), -1);
  EXPECT_FALSE(Field(u"cmdRemove").Enabled());
  Click(u"cmdRemove");  // nothing shown: nothing removed, nothing reported
  EXPECT_EQ(control.Panes()->Count(), 2);
  EXPECT_TRUE(Prompts().empty());
  ChoosePane(1);
  EXPECT_TRUE(Field(u"cmdRemove").Enabled());
}

TEST_F(PanesPage, ASplitterWithoutPanesOffersOnlyInsert) {
  page.SelectionChanged();
  Type(u"txtName", u"stale");
  control.Panes()->Clear();
  page.SelectionChanged();
  for (const char16_t* name : {u"cboIndex", u"cboAppearance", u"txtWidthHeight", u"txtName", u"cboControlName",
                               u"txtTag", u"txtKey", u"txtMin"}) {
    SCOPED_TRACE(host::ToUtf8(name));
    EXPECT_FALSE(Field(name).Enabled());
    EXPECT_EQ(Field(name).BackColor(), host::kButtonFaceColor);
  }
  EXPECT_FALSE(Field(u"cmdRemove").Enabled());
  EXPECT_FALSE(Field(u"chkResizeChildControl").Enabled());
  EXPECT_TRUE(Field(u"cmdAdd").Enabled());
  EXPECT_EQ(Field(u"txtName").Text(), u"");
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

TEST_F(PanesPage, ControlNamesOfferTheContainedControls) {
  platform.containedControls.AddWindowless(u"List1");
  platform.containedControls.AddWindowless(u"Text1");
  page.SelectionChanged();
  EXPECT_EQ(Field(u"cboControlName").Items(), (Strings{u"List1", u"Text1"}));
}

}  // namespace
