// The General page over a splitter on the simulated platform: its lists, loading the
// first selected control, change tracking, applying and the rejected SplitterSize.
#include "pages/general.h"

#include <gtest/gtest.h>

#include "sim/sim_platform.h"
#include "sim/sim_property_page_site.h"
#include "tests/support/splitter_by_name.h"

namespace {

using host::PageEvent;
using Strings = std::vector<host::String>;

struct Splitter {
  Splitter() {
    control.Initialize();
    control.InitProperties();
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

class GeneralPage : public ::testing::Test {
 protected:
  void SetUp() override {
    site.Select({support::SplitterByName(first.control, log), support::SplitterByName(second.control, log)});
  }
  host::sim::SimPageControl& Field(const char16_t* name) { return site.Control(name); }
  // The user picks an entry of a list.
  void Choose(const char16_t* list, int32_t position) {
    Field(list).SetListIndex(position);
    page.ControlEvent(list, PageEvent::Click);
  }

  Splitter first, second;
  support::ByName::Log log = std::make_shared<std::vector<std::string>>();
  host::sim::SimPropertyPageSite site;
  pages::General page{site};
};

TEST_F(GeneralPage, ListsHoldTheirEntriesAsWritten) {
  EXPECT_EQ(Field(u"cboSplitterStyle").Items(), (Strings{u"0 - OvFlat", u"1- OvRound"}));
  EXPECT_EQ(Field(u"cboAppearance").Items(), (Strings{u"0 - OvFlat", u"1- Ov3D"}));
  EXPECT_EQ(Field(u"cboBorderStyle").Items(), (Strings{u"0 - OvNone", u"1 - OvFixed Single"}));
  EXPECT_EQ(Field(u"cboOrientation").Items(), (Strings{u"0 - OvHorizontal", u"1 - OvVertical"}));
  EXPECT_EQ(Field(u"cboDropMode").Items(), (Strings{u"0 - vbNone", u"1 - vbManual"}));
  const Strings& pointers = Field(u"cboMousePointer").Items();
  ASSERT_EQ(pointers.size(), 17u);
  for (auto [at, entry] : {std::pair(3, u"3 - vbIbeam"), std::pair(13, u"13 - vbArrowHourglass"),
                           std::pair(15, u"15 - vbSizeAll"), std::pair(16, u"99 - vbCustom")})
    EXPECT_EQ(pointers[at], entry);
}

TEST_F(GeneralPage, LoadsTheFirstSelectedControlAndWritesOnlyIt) {
  int32_t secondSize = second.control.SplitterSize();
  first.control.SetSplitterSize(7);
  first.control.SetOrientation(1);
  first.control.SetBorderStyle(1);
  first.control.SetMousePointer(99);
  first.control.SetEnabled(false);
  site.SetChanged(true);
  page.SelectionChanged();
  EXPECT_EQ(Field(u"txtSplitterSize").Text(), u"7");
  EXPECT_EQ(Field(u"cboOrientation").ListIndex(), 1);
  EXPECT_EQ(Field(u"cboBorderStyle").ListIndex(), 1);
  EXPECT_EQ(Field(u"cboAppearance").ListIndex(), first.control.Appearance());
  EXPECT_EQ(Field(u"cboMousePointer").Text(), u"99 - vbCustom");
  EXPECT_EQ(Field(u"chkEnabled").Value(), 0);
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
    Field(u"txtSplitterSize").SetText(bad);
    page.ControlEvent(u"txtSplitterSize", PageEvent::Change);
    Choose(u"cboOrientation", 1);
    Choose(u"cboMousePointer", 5);
    page.ApplyChanges();
    ASSERT_EQ(site.messages.Messages().size(), 1u);
    const auto& box = site.messages.Messages()[0];
    EXPECT_EQ(box.prompt,
              host::String(bad[0] == u'0' ? u"SplitterSize must be between 1 and 32767." : u"Type mismatch"));
    EXPECT_EQ(box.buttons, host::kMessageBoxInformation);
    EXPECT_EQ(box.title, u"OrvaneSplitter");
    EXPECT_EQ(first.control.Orientation(), 1);
    EXPECT_EQ(first.control.MousePointer(), 5);
    EXPECT_EQ(Field(u"txtSplitterSize").Text(), host::DecimalText(size));
    EXPECT_FALSE(site.Changed());
    first.control.SetOrientation(0);
  }
}

TEST_F(GeneralPage, EveryFieldEditMarksThePageChanged) {
  struct Edit {
    const char16_t* control;
    PageEvent event;
    bool marks;
  };
  const Edit edits[] = {{u"cboAppearance", PageEvent::Click, true},       {u"cboBorderStyle", PageEvent::Click, true},
                        {u"cboOrientation", PageEvent::Click, true},      {u"cboSplitterStyle", PageEvent::Click, true},
                        {u"cboMousePointer", PageEvent::Click, true},     {u"cboDropMode", PageEvent::Click, true},
                        {u"txtSplitterSize", PageEvent::Change, true},    {u"chkEnabled", PageEvent::Click, true},
                        {u"txtSplitterSize", PageEvent::GotFocus, false}, {u"lblAppearance", PageEvent::Click, false}};
  for (const Edit& edit : edits) {
    site.SetChanged(false);
    page.ControlEvent(edit.control, edit.event);
    EXPECT_EQ(site.Changed(), edit.marks) << host::ToUtf8(edit.control);
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

}  // namespace
