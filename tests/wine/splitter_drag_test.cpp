// Dragging the bars with real input: xdotool moves the X server's pointer and presses its
// button over a form that formhost's library shows in this process under Wine's x11
// driver, and the test reads what a user would see: the cursor, the screen's pixels, the
// panes, the bound controls and the events. The form holds a horizontal splitter whose
// first pane holds a tree view and whose second holds a vertical splitter with a list box
// and an edit box.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "formhost/form_window.h"
#include "formhost/nested_form.h"
#include "com/unique_handle.h"
#include "automation/real_pointer.h"
#include "automation/screen_capture.h"
#include "splitter_test.h"
#include "formhost/splitter_geometry.h"

namespace {

constexpr int kDragBy = 40;

std::string Text(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + "}";
}

long Width(const RECT& r) { return r.right - r.left; }
long Height(const RECT& r) { return r.bottom - r.top; }

// What changed between two captures of the same screen rectangle.
struct ScreenChange {
  int changed = 0;
  int inverted = 0;  // changed to exactly the inverse of what was there
  RECT box{};        // around the changed pixels, in the captures' coordinates
};

ScreenChange Compare(const ScreenPixels& before, const ScreenPixels& now) {
  ScreenChange change;
  change.box = {before.width, before.height, 0, 0};
  for (int y = 0; y < before.height; ++y)
    for (int x = 0; x < before.width; ++x) {
      uint32_t was = before.At(x, y), is = now.At(x, y);
      if (was == is) continue;
      ++change.changed;
      change.inverted += is == (was ^ 0xFFFFFFu);
      change.box = {std::min<LONG>(change.box.left, x), std::min<LONG>(change.box.top, y),
                    std::max<LONG>(change.box.right, x + 1), std::max<LONG>(change.box.bottom, y + 1)};
    }
  if (change.changed == 0) change.box = {};
  return change;
}

// The shape of a cursor: its hot spot and the bits of its monochrome mask.
struct CursorShape {
  POINT hotSpot{};
  std::vector<BYTE> mask;
  bool operator==(const CursorShape& other) const {
    return hotSpot.x == other.hotSpot.x && hotSpot.y == other.hotSpot.y && mask == other.mask;
  }
};

CursorShape ShapeOf(HCURSOR cursor) {
  CursorShape shape;
  ICONINFO info{};
  if (!cursor || !GetIconInfo(cursor, &info)) return shape;
  win32::UniqueBitmap mask(info.hbmMask), color(info.hbmColor);
  shape.hotSpot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
  BITMAP bitmap{};
  GetObjectW(mask.get(), sizeof bitmap, &bitmap);
  shape.mask.resize(static_cast<size_t>(bitmap.bmWidthBytes) * bitmap.bmHeight);
  GetBitmapBits(mask.get(), static_cast<LONG>(shape.mask.size()), shape.mask.data());
  return shape;
}

// A cursor resource of the control's own file, as the user would see it.
CursorShape ResourceCursor(int id) {
  win32::UniqueCursor cursor(static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(L"OvSplitr.ocx"), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  return ShapeOf(cursor.get());
}

CursorShape CurrentCursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return ShapeOf(info.hCursor);
}

std::wstring SplitterResizeOfTheFirstTwoPanes(const SplitterSite& splitter) {
  return L"SplitterResize(" + PaneOf(splitter, 1).Get(L"Name").AsString() + L", " +
         PaneOf(splitter, 2).Get(L"Name").AsString() + L")";
}

int Count(const std::vector<std::wstring>& summaries, const std::wstring& prefix) {
  return static_cast<int>(std::count_if(summaries.begin(), summaries.end(),
                                        [&](const std::wstring& s) { return s.rfind(prefix, 0) == 0; }));
}

// The window-system state that the message hook puts on a window it subclasses, seen on
// the control's window in the moment it is destroyed, after the control terminated.
class DestructionWatch {
 public:
  explicit DestructionWatch(HWND window) : window_(window) {
    watch_ = this;
    hook_.reset(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId()));
  }
  ~DestructionWatch() { watch_ = nullptr; }
  bool Seen() const { return seen_; }
  LONG_PTR ProcedureAtDestruction() const { return procedure_; }
  bool PropertiesAtDestruction() const { return properties_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && watch_ && reinterpret_cast<HWND>(wParam) == watch_->window_) {
      watch_->seen_ = true;
      watch_->procedure_ = GetWindowLongPtrW(watch_->window_, GWLP_WNDPROC);
      watch_->properties_ =
          GetPropW(watch_->window_, L"SPLITTERPREV_WNDPROC") || GetPropW(watch_->window_, L"SPLITTERNUM_ADDEDPROPS");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline DestructionWatch* watch_ = nullptr;
  HWND window_;
  win32::UniqueHook hook_;
  bool seen_ = false;
  LONG_PTR procedure_ = 0;
  bool properties_ = false;
};

class SplitterDrag : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { available_ = RealPointer::Available(); }

  void SetUp() override {
    if (!available_) GTEST_SKIP() << "no X display for xdotool: run under Xvfb with Wine's x11 driver";
    // Away from where the form will be, so that nothing moves over it by itself.
    pointer_.MoveTo({2, 2});
    FormOptions options;
    options.client = {640, 400};
    form_ = std::make_unique<FormWindow>(options);
    SetWindowPos(form_->Handle(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    NestedSplitters splitters = BuildNestedSplitters(*form_);
    outer_ = splitters.outer;
    inner_ = splitters.inner;
    SetForegroundWindow(form_->Handle());
    PumpMessagesUntilQuiet(100);
    outerProcedure_ = GetWindowLongPtrW(outer_->Window(), GWLP_WNDPROC);
  }

  void TearDown() override {
    for (EventRecorder* recorder : recorders_) {
      recorder->Disconnect();
      recorder->Release();
    }
    form_.reset();
    if (available_) pointer_.MoveTo({2, 2});
  }

  const ChildControl& Child(const std::wstring& name) const {
    for (const auto& child : form_->Children())
      if (child->Name() == name) return *child;
    throw std::runtime_error("no such child");
  }
  EventRecorder& Record(const SplitterSite& splitter) {
    recorders_.push_back(EventRecorder::Create());
    recorders_.back()->Connect(splitter.Control().Pointer());
    return *recorders_.back();
  }

  // The screen rectangle the feedback bar covers with its leading edge at edge.
  static RECT FeedbackRect(const SplitterSite& splitter, long edge) {
    RECT client = ClientRect(splitter);
    RECT bar = IsHorizontal(splitter) ? RECT{edge, 0, edge + SplitterSize(splitter), client.bottom}
                                      : RECT{0, edge, client.right, edge + SplitterSize(splitter)};
    MapWindowPoints(splitter.Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&bar), 2);
    return bar;
  }
  RECT OuterOnScreen() const {
    RECT r = ClientRect(*outer_);
    MapWindowPoints(outer_->Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  ScreenPixels Screen() const { return CaptureScreenRectangle(OuterOnScreen()); }
  // The captured rectangle in coordinates of the capture.
  RECT InCapture(RECT screen) const {
    RECT origin = OuterOnScreen();
    OffsetRect(&screen, -origin.left, -origin.top);
    return screen;
  }
  void RepaintForm() const {
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessagesUntilQuiet();
  }
  // Presses on the bar's leading edge and moves the pointer along by `by`, in two steps.
  void PressAndDrag(const SplitterSite& splitter, long by) {
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter)));
    pointer_.Press();
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter, by / 2)));
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter, by)));
  }
  void ExpectCancelledDragLeavesNothing(const std::function<void()>& cancel, const std::function<void()>& afterRelease);
  void ExpectFeedbackAt(const ScreenPixels& before, const SplitterSite& splitter, long edge) const {
    ScreenChange change = Compare(before, Screen());
    RECT expected = InCapture(FeedbackRect(splitter, edge));
    EXPECT_EQ(Text(change.box), Text(expected)) << "the inverted bar is not where the pointer is";
    EXPECT_EQ(change.changed, Width(expected) * Height(expected));
    EXPECT_EQ(change.inverted, change.changed) << "pixels changed other than by inversion";
  }

  static inline bool available_ = false;
  RealPointer pointer_;
  std::unique_ptr<FormWindow> form_;
  SplitterSite* outer_ = nullptr;
  SplitterSite* inner_ = nullptr;
  std::vector<EventRecorder*> recorders_;
  LONG_PTR outerProcedure_ = 0;
};

// --- the cursor ---

TEST_F(SplitterDrag, TheCursorOverABarIsTheSplitterCursorOfItsOrientationAndLeavesWithIt) {
  CursorShape leftRight = ResourceCursor(121), upDown = ResourceCursor(120);
  ASSERT_FALSE(leftRight.mask.empty());
  ASSERT_FALSE(leftRight == upDown);
  EXPECT_EQ(leftRight.hotSpot.x, 15);
  EXPECT_EQ(leftRight.hotSpot.y, 15);

  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, 1)));
  EXPECT_TRUE(CurrentCursor() == leftRight) << "a horizontal splitter's bar shows the left-right cursor";
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, -30)));
  EXPECT_FALSE(CurrentCursor() == leftRight) << "a pane shows the control's own pointer";

  pointer_.MoveTo(OnScreen(*inner_, BarPoint(*inner_, 1)));
  EXPECT_TRUE(CurrentCursor() == upDown) << "a vertical splitter's bar shows the up-down cursor";
  pointer_.MoveTo(OnScreen(*inner_, BarPoint(*inner_, 30)));
  EXPECT_FALSE(CurrentCursor() == upDown);
}

// --- a drag ---

TEST_F(SplitterDrag, AHorizontalDragInvertsTheBarUnderThePointerThenGivesThePanesTheirNewWidths) {
  RECT first = PanePixels(*outer_, 1), second = PanePixels(*outer_, 2);
  long edge = BarLeadingEdge(*outer_);
  EventRecorder& events = Record(*outer_);
  ScreenPixels before = Screen();

  PressAndDrag(*outer_, kDragBy);
  ExpectFeedbackAt(before, *outer_, edge + kDragBy);
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first)) << "no pane changes while the bar moves";
  pointer_.ReleaseButton();

  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first) + kDragBy);
  EXPECT_EQ(Width(PanePixels(*outer_, 2)), Width(second) - kDragBy);
  EXPECT_EQ(Text(Child(L"tree1").PixelRect()), Text(PanePixels(*outer_, 1))) << "the bound tree follows";
  RECT innerNow{};
  GetWindowRect(inner_->Window(), &innerNow);
  MapWindowPoints(HWND_DESKTOP, outer_->Window(), reinterpret_cast<POINT*>(&innerNow), 2);
  EXPECT_EQ(Text(innerNow), Text(PanePixels(*outer_, 2))) << "the bound splitter follows";
  EXPECT_EQ(Width(Child(L"list1").PixelRect()), Width(PanePixels(*inner_, 1))) << "and its own bound controls";

  auto summaries = events.Summaries();
  EXPECT_EQ(Count(summaries, L"SplitterResize("), 1);
  EXPECT_EQ(Count(summaries, SplitterResizeOfTheFirstTwoPanes(*outer_)), 1);
  EXPECT_EQ(Count(summaries, L"MouseDown(1,"), 1);
  EXPECT_EQ(Count(summaries, L"MouseUp("), 1);
  EXPECT_EQ(Count(summaries, L"MouseUp(1,"), 1);

  // Nothing stays inverted: a full repaint shows the very same pixels.
  ScreenPixels released = Screen();
  RepaintForm();
  EXPECT_EQ(Compare(released, Screen()).changed, 0) << "inverted pixels were left on the screen";
}

TEST_F(SplitterDrag, AVerticalDragInTheNestedSplitterGivesItsPanesTheirNewHeights) {
  RECT first = PanePixels(*inner_, 1), second = PanePixels(*inner_, 2);
  long edge = BarLeadingEdge(*inner_);
  EventRecorder& innerEvents = Record(*inner_);
  EventRecorder& outerEvents = Record(*outer_);
  ScreenPixels before = Screen();

  PressAndDrag(*inner_, kDragBy);
  ExpectFeedbackAt(before, *inner_, edge + kDragBy);
  pointer_.ReleaseButton();

  EXPECT_EQ(Height(PanePixels(*inner_, 1)), Height(first) + kDragBy);
  EXPECT_EQ(Height(PanePixels(*inner_, 2)), Height(second) - kDragBy);
  EXPECT_EQ(Height(Child(L"list1").PixelRect()), Height(PanePixels(*inner_, 1)));
  EXPECT_EQ(Height(Child(L"edit1").PixelRect()), Height(PanePixels(*inner_, 2)));
  EXPECT_EQ(Count(innerEvents.Summaries(), L"SplitterResize("), 1);
  EXPECT_EQ(Count(innerEvents.Summaries(), SplitterResizeOfTheFirstTwoPanes(*inner_)), 1);
  EXPECT_EQ(Count(innerEvents.Summaries(), L"MouseUp(1,"), 1);
  EXPECT_EQ(Count(outerEvents.Summaries(), L"SplitterResize("), 0) << "the outer splitter saw no drag";
}

TEST_F(SplitterDrag, ADragPastTheNextPaneStopsAtItsMinimumAndOnePastTheFirstStopsAtThatOnes) {
  const long minimum = 60;
  PaneOf(*outer_, 1).Put(L"Minimum", minimum * kTwipsPerPixel);
  PaneOf(*outer_, 2).Put(L"Minimum", minimum * kTwipsPerPixel);
  // The public widths lie inside the panes' frames.
  const long publicMinimum = minimum - 2 * PaneFrame(*outer_);
  long sum = Width(PanePixels(*outer_, 1)) + Width(PanePixels(*outer_, 2));

  PressAndDrag(*outer_, Width(ClientRect(*outer_)) - BarLeadingEdge(*outer_) + 20);
  pointer_.ReleaseButton();
  EXPECT_EQ(Width(PanePixels(*outer_, 2)), publicMinimum);
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), sum - publicMinimum);

  PressAndDrag(*outer_, -BarLeadingEdge(*outer_) - 20);
  pointer_.ReleaseButton();
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), publicMinimum);
  EXPECT_EQ(Width(PanePixels(*outer_, 2)), sum - publicMinimum);
}

// --- a cancelled drag ---

// A drag cancelled by cancel() after the bar moved: the bar is gone at once and stays
// gone as the pointer moves on; the release (then afterRelease()) resizes nothing and
// raises no SplitterResize; a new drag then works as ever.
void SplitterDrag::ExpectCancelledDragLeavesNothing(const std::function<void()>& cancel,
                                                    const std::function<void()>& afterRelease) {
  RECT first = PanePixels(*outer_, 1);
  EventRecorder& events = Record(*outer_);
  ScreenPixels before = Screen();

  PressAndDrag(*outer_, kDragBy);
  cancel();
  PumpMessagesUntilQuiet();
  EXPECT_EQ(Compare(before, Screen()).changed, 0) << "the cancel left inverted pixels";
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, 2 * kDragBy)));
  EXPECT_EQ(Compare(before, Screen()).changed, 0) << "the bar came back after the cancel";
  pointer_.ReleaseButton();
  afterRelease();
  PumpMessagesUntilQuiet();
  EXPECT_EQ(Compare(before, Screen()).changed, 0);
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first));
  EXPECT_EQ(Count(events.Summaries(), L"SplitterResize("), 0);

  PressAndDrag(*outer_, kDragBy);
  pointer_.ReleaseButton();
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first) + kDragBy) << "the next drag works";
}

TEST_F(SplitterDrag, EscMidDragErasesTheBarAndResizesNothing) {
  ExpectCancelledDragLeavesNothing([&] { pointer_.Key("Escape"); }, [] {});
}

TEST_F(SplitterDrag, ALostCaptureMidDragErasesTheBarAndResizesNothing) {
  // Another window of the thread takes the mouse, as a popup that appears would; the
  // release goes to it.
  win32::UniqueWindow other(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
  ExpectCancelledDragLeavesNothing([&] { SetCapture(other.get()); }, [] { ReleaseCapture(); });
}

// --- the hook leaves the window as it found it ---

TEST_F(SplitterDrag, OverABarTheWindowIsSubclassedAndClosingTheFormPutsItsOwnProcedureBack) {
  HWND window = outer_->Window();
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, 1)));
  ASSERT_EQ(GetCapture(), window);
  EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), outerProcedure_) << "the hook is on while over a bar";
  EXPECT_NE(GetPropW(window, L"SPLITTERPREV_WNDPROC"), nullptr);

  DestructionWatch watch(window);
  form_->Close();
  ASSERT_TRUE(watch.Seen());
  EXPECT_EQ(watch.ProcedureAtDestruction(), outerProcedure_);
  EXPECT_FALSE(watch.PropertiesAtDestruction());
}

TEST_F(SplitterDrag, AfterADragAMoveOffTheBarsReleasesTheCaptureAndTheSubclassing) {
  HWND window = outer_->Window();
  PressAndDrag(*outer_, kDragBy);
  pointer_.ReleaseButton();
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, -30)));
  EXPECT_NE(GetCapture(), window);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), outerProcedure_);
  EXPECT_EQ(GetPropW(window, L"SPLITTERPREV_WNDPROC"), nullptr);
  EXPECT_EQ(GetPropW(window, L"SPLITTERNUM_ADDEDPROPS"), nullptr);
}

}  // namespace
