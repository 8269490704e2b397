// The collection's events as a connected script handler receives them: by reference,
// objects as themselves or Nothing, each property by its name.

#include "splitter_test.h"

namespace {

using Strings = std::vector<std::wstring>;
using PaneEvents = SplitterTest;

TEST(PaneEventsOfANewControl, InitNewAddsTheFirstPaneAndReportsItsSize) {
  SplitterOptions options;
  options.initNew = false;
  SplitterInstance splitter(options);
  Recording events(splitter.Panes().Pointer());
  splitter.InitNew();
  EXPECT_EQ(events->Summaries(), (Strings{L"PaneAdded(Pane 1)", L"SplitterResized(Pane 1, Nothing)"}));
}

// PaneRemoved declares its pane by value, so it is left out here.
TEST_F(PaneEvents, ArgumentsArriveByReference) {
  Add();
  Recording events(panes_.Pointer());
  DispatchClient pane = Add();
  pane.Put(L"Name", L"x");
  panes_.Call(L"Remove", 2);
  ASSERT_EQ(events->Summaries(), (Strings{L"PaneAdded(Pane 3)", L"PaneChanged(x, Name)", L"SplitterResized(Pane 1, x)",
                                          L"PaneRemoved(Pane 2)"}));
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(events->Events()[i].allByReference) << i;
}

TEST_F(PaneEvents, EverySetterReportsItsPropertyByName) {
  DispatchClient pane = Pane(1);
  Recording events(panes_.Pointer());
  const std::pair<const wchar_t*, VariantValue> settings[] = {
      {L"Name", L"Left side"},        {L"Key", L"L"},      {L"Tag", L"t"},    {L"ControlName", L"Text1"},
      {L"ResizeChildControl", false}, {L"Appearance", 0L}, {L"Minimum", 300L}};
  Strings expected;
  for (const auto& [name, value] : settings) {
    pane.Put(name, value);
    expected.push_back(L"PaneChanged(Left side, " + std::wstring(name) + L")");
  }
  CaptureDispatchError([&] { pane.Put(L"Minimum", -1); });  // a failed setter reports nothing
  EXPECT_EQ(events->Summaries(), expected);
}

}  // namespace
