// The control inside a real container: formhost's form activates it in place, resizes
// it through SetObjectRects, lets it place the controls bound to its panes, closes it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "form_window.h"
#include "gdi_census.h"
#include "host/com/unique_handle.h"
#include "server_module.h"
#include "splitter_instance.h"
#include "splitter_test.h"

namespace {

RECT ClientRectInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Text(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + "}";
}

template <typename Interface>
Interface* Query(IUnknown* object, REFIID iid) {
  Interface* result = nullptr;
  object->QueryInterface(iid, reinterpret_cast<void**>(&result));
  return result;
}

class FormHostTest : public ::testing::Test {
 protected:
  explicit FormHostTest(FormOptions options = {}) : options_(options) {}

  void SetUp() override {
    form_ = std::make_unique<FormWindow>(options_);
    splitter_ = &form_->AddSplitter(L"OvSplitter1");
  }

  void TearDown() override {
    if (recorder_) {
      recorder_->Disconnect();
      recorder_->Release();
    }
    form_.reset();
  }

  const DispatchClient& Control() const { return splitter_->Control(); }
  DispatchClient Pane(long position) const { return Control().Object(L"Panes").Object(L"Item", position); }
  void AddPanes(int count) const {
    DispatchClient panes = Control().Object(L"Panes");
    for (int i = 0; i < count; ++i) panes.Call(L"Add");
  }
  // A pane's public rectangle in pixels of the splitter's client area.
  RECT PanePixels(long position) const {
    DispatchClient pane = Pane(position);
    long left = pane.Get(L"Left").AsLong() / kTwipsPerPixel;
    long top = pane.Get(L"Top").AsLong() / kTwipsPerPixel;
    return {left, top, left + pane.Get(L"Width").AsLong() / kTwipsPerPixel,
            top + pane.Get(L"Height").AsLong() / kTwipsPerPixel};
  }
  ChildControl& Bind(long position, const std::wstring& name) {
    ChildControl& child = form_->AddChild(ChildKindOfName(name), name, splitter_, {0, 0, 30, 30});
    Pane(position).Put(L"ControlName", name);
    return child;
  }
  EventRecorder& RecordControl() {
    if (!recorder_) {
      recorder_ = EventRecorder::Create();
      recorder_->Connect(Control().Pointer());
    }
    recorder_->Clear();
    return *recorder_;
  }
  static int Count(const std::vector<std::wstring>& summaries, const std::wstring& name) {
    int n = 0;
    for (const auto& summary : summaries) n += summary.rfind(name, 0) == 0;
    return n;
  }

  FormOptions options_;
  std::unique_ptr<FormWindow> form_;
  SplitterSite* splitter_ = nullptr;
  EventRecorder* recorder_ = nullptr;
};

// --- in-place activation ---

TEST_F(FormHostTest, InPlaceTheControlWindowIsAVisibleChildOfTheFormOnTheSiteRectangle) {
  HWND window = splitter_->Window();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), form_->Handle());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(splitter_->IsInPlaceActive());
  EXPECT_EQ(Text(ClientRectInParent(window)), Text(splitter_->Rect()));
}

TEST_F(FormHostTest, InPlaceTheControlsHwndIsItsWindow) {
  EXPECT_EQ(Control().Get(L"hWnd").AsLong(), static_cast<long>(reinterpret_cast<LONG_PTR>(splitter_->Window())));
}

TEST_F(FormHostTest, DeactivationParksTheWindowAndActivationBringsItBack) {
  HWND window = splitter_->Window();
  IUnknown* control = Control().Pointer();
  IOleInPlaceObject* inPlace = Query<IOleInPlaceObject>(control, IID_IOleInPlaceObject);
  IOleObject* object = Query<IOleObject>(control, IID_IOleObject);
  ASSERT_TRUE(inPlace && object);

  EXPECT_EQ(inPlace->InPlaceDeactivate(), S_OK);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_NE(GetParent(window), form_->Handle());
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(splitter_->IsInPlaceActive());

  IOleClientSite* site = Query<IOleClientSite>(static_cast<IOleClientSite*>(splitter_), IID_IOleClientSite);
  RECT r = splitter_->Rect();
  EXPECT_EQ(object->DoVerb(OLEIVERB_SHOW, nullptr, site, 0, form_->Handle(), &r), S_OK);
  EXPECT_EQ(GetParent(window), form_->Handle());
  EXPECT_TRUE(IsWindowVisible(window));
  site->Release();
  object->Release();
  inPlace->Release();
}

TEST(ControlWindow, ExistsParkedAndSizedByTheExtentBeforeActivation) {
  SplitterOptions options;
  options.extentPixels = SIZE{200, 100};
  SplitterInstance splitter(options);
  IOleWindow* ole = Query<IOleWindow>(splitter.Control().Pointer(), IID_IOleWindow);
  ASSERT_NE(ole, nullptr);
  HWND window = nullptr;
  EXPECT_EQ(ole->GetWindow(&window), S_OK);
  ole->Release();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(Text(client), Text(RECT{0, 0, 200, 100}));
}

// --- SetObjectRects: the host's resize notification ---

TEST_F(FormHostTest, FormResizeReachesThePanesThroughSetObjectRects) {
  AddPanes(2);
  long lastWidth = Pane(3).Get(L"Width").AsLong();
  long height = Pane(1).Get(L"Height").AsLong();
  long firstWidth = Pane(1).Get(L"Width").AsLong();
  RECT client{};
  GetClientRect(form_->Handle(), &client);

  form_->ResizeClient(client.right + 100, client.bottom + 60);

  RECT now{};
  GetClientRect(splitter_->Window(), &now);
  EXPECT_EQ(now.right, splitter_->Rect().right - splitter_->Rect().left);
  EXPECT_EQ(Pane(3).Get(L"Width").AsLong(), lastWidth + 100 * kTwipsPerPixel);
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), firstWidth);
  EXPECT_EQ(Pane(1).Get(L"Height").AsLong(), height + 60 * kTwipsPerPixel);
  EXPECT_EQ(Pane(3).Get(L"Height").AsLong(), height + 60 * kTwipsPerPixel);
}

TEST_F(FormHostTest, ASizeChangeRaisesResizeAndAMoveAloneDoesNot) {
  EventRecorder& events = RecordControl();
  RECT r = splitter_->Rect();
  long width = Pane(1).Get(L"Width").AsLong();

  OffsetRect(&r, 5, 7);
  splitter_->SetRect(r);
  EXPECT_EQ(Count(events.Summaries(), L"Resize"), 0);
  EXPECT_EQ(Text(ClientRectInParent(splitter_->Window())), Text(r));
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), width);

  r.right -= 20;
  splitter_->SetRect(r);
  EXPECT_EQ(Count(events.Summaries(), L"Resize"), 1);
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), width - 20 * kTwipsPerPixel);
}

// --- the simple-frame site ---

TEST_F(FormHostTest, TheSimpleFrameSiteSeesTheControlWindowsMessages) {
  int before = splitter_->FilteredMessages();
  // Right-button messages, which start no drag and move no focus: nothing else is sent.
  SendMessageW(splitter_->Window(), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(4, 4));
  SendMessageW(splitter_->Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
  SendMessageW(splitter_->Window(), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(splitter_->FilteredMessages(), before + 3);
}

class FormWithoutFrameSiteTest : public FormHostTest {
 protected:
  FormWithoutFrameSiteTest() : FormHostTest(FormOptions{{640, 480}, true, false}) {}
};

TEST_F(FormWithoutFrameSiteTest, TheControlRunsWithoutASimpleFrameSite) {
  SendMessageW(splitter_->Window(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  form_->ResizeClient(500, 300);
  EXPECT_EQ(splitter_->FilteredMessages(), 0);
  EXPECT_EQ(Pane(1).Get(L"Height").AsLong(), (300 - 2 * FormWindow::kMargin - 4) * kTwipsPerPixel);
}

// --- bound controls ---

TEST_F(FormHostTest, BoundWindowedControlsEndOnTheirPanesAndFollowResizes) {
  AddPanes(2);
  ChildControl& tree = Bind(1, L"tree");
  ChildControl& list = Bind(2, L"list");
  ChildControl& edit = Bind(3, L"edit");
  for (long i = 1; i <= 3; ++i)
    EXPECT_EQ(Text((i == 1 ? tree : i == 2 ? list : edit).PixelRect()), Text(PanePixels(i))) << "pane " << i;

  form_->ResizeClient(700, 420);
  EXPECT_EQ(Text(edit.PixelRect()), Text(PanePixels(3)));
  EXPECT_EQ(Text(tree.PixelRect()), Text(PanePixels(1)));
}

TEST_F(FormHostTest, ABoundLabelIsPlacedByMoveAloneInTwips) {
  AddPanes(1);
  ChildControl& label = Bind(2, L"caption");
  ASSERT_GT(label.Moves(), 0);
  DispatchClient pane = Pane(2);
  long left = pane.Get(L"Left").AsLong(), top = pane.Get(L"Top").AsLong();
  RECT expected{left, top, left + pane.Get(L"Width").AsLong(), top + pane.Get(L"Height").AsLong()};
  EXPECT_EQ(Text(label.LastMoveTwips()), Text(expected));
}

TEST_F(FormHostTest, AControlOfTheSameNameOutsideTheSplitterIsNotMoved) {
  ChildControl& outside = form_->AddChild(ChildKind::List, L"list", nullptr, {400, 300, 450, 350});
  ChildControl& inside = Bind(1, L"LIST");
  EXPECT_GT(inside.Moves(), 0);
  EXPECT_EQ(outside.Moves(), 0);
  EXPECT_EQ(Text(outside.PixelRect()), Text(RECT{400, 300, 450, 350}));
}

// --- closing the form ---

class FormCloseTest : public ::testing::TestWithParam<bool> {};

TEST_P(FormCloseTest, TheControlIsReleasedToZeroAndLetsGoOfItsSite) {
  FormOptions options;
  options.quickActivate = GetParam();
  {
    FormWindow form(options);
    SplitterSite& splitter = form.AddSplitter(L"OvSplitter1");
    splitter.Control().Object(L"Panes").Call(L"Add");
    form.AddChild(ChildKind::Tree, L"tree", &splitter, {0, 0, 30, 30});
    splitter.Control().Object(L"Panes").Object(L"Item", 1).Put(L"ControlName", L"tree");
    FormCloseReport report = form.Close();
    ASSERT_EQ(report.controlReleases.size(), 1u);
    EXPECT_EQ(report.controlReleases[0], 0u);
    EXPECT_EQ(report.siteReferences[0], 1u);
  }
  EXPECT_EQ(ServerCanUnloadNow(), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Activation, FormCloseTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "QuickActivate" : "SiteFirst"; });

// --- GDI objects ---

TEST_F(FormHostTest, AThousandRepaintsLeaveNoGdiObjectBehind) {
  AddPanes(2);
  HWND window = splitter_->Window();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  unsigned before = GdiObjectsInUse();
  for (int i = 0; i < 1000; ++i) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(GdiObjectsInUse(), before);
}

TEST_F(FormHostTest, AThousandDrawsIntoAContainersDcLeaveNoGdiObjectBehind) {
  AddPanes(2);
  IViewObject2* view = Query<IViewObject2>(Control().Pointer(), IID_IViewObject2);
  ASSERT_NE(view, nullptr);
  {
    win32::WindowDc screen(nullptr);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 320, 240));
    win32::SelectedObject selected(memory.get(), bitmap.get());
    RECTL bounds{0, 0, 320, 240};
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory.get(), &bounds, nullptr, nullptr, 0),
              S_OK);
    unsigned before = GdiObjectsInUse();
    for (int i = 0; i < 1000; ++i)
      view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory.get(), &bounds, nullptr, nullptr, 0);
    EXPECT_EQ(GdiObjectsInUse(), before);
  }
  view->Release();
}

}  // namespace
