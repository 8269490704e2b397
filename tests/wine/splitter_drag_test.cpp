// Dragging the bars with real input: xdotool moves the X server's pointer and presses its
// button over a form that formhost's library shows in this process under Wine's x11
// driver, and the test reads what a user would see: the cursor, the screen's pixels, the
// panes, the bound controls and the events. The form holds a horizontal splitter whose
// first pane holds a tree view and whose second holds a vertical splitter with a list box
// and an edit box. Where a drag stops, how Esc or a lost capture end it and live drags are
// the native tests'; a drag ended by closing the form is the endurance test's.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "formhost/form_window.h"
#include "formhost/nested_form.h"
#include "automation/real_pointer.h"
#include "automation/screen_capture.h"
#include "splitter_test.h"
#include "win_events.h"
#include "formhost/splitter_geometry.h"

namespace {

constexpr int kDragBy = 40;

long Width(const RECT& r) { return r.right - r.left; }
long Height(const RECT& r) { return r.bottom - r.top; }

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

// A cursor resource of the control's own file at the system's cursor size, as the user
// would see it.
CursorShape ResourceCursor(int id) {
  win32::UniqueCursor cursor(static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(L"OvSplitr.ocx"), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
  return ShapeOf(cursor.get());
}

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
    form_.reset();
    if (available_) pointer_.MoveTo({2, 2});
  }

  const ChildControl& Child(const std::wstring& name) const {
    for (const auto& child : form_->Children())
      if (child->Name() == name) return *child;
    throw std::runtime_error("no such child");
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
  // Presses on the bar's leading edge and moves the pointer along by `by`, in two steps.
  void PressAndDrag(const SplitterSite& splitter, long by) {
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter)));
    pointer_.Press();
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter, by / 2)));
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter, by)));
  }
  void ExpectFeedbackAt(const ScreenPixels& before, const SplitterSite& splitter, long edge) const {
    ScreenChange change = Compare(before, Screen());
    RECT expected = FeedbackRect(splitter, edge), origin = OuterOnScreen();
    OffsetRect(&expected, -origin.left, -origin.top);  // in the capture's coordinates
    EXPECT_EQ(Text(change.box), Text(expected)) << "the inverted bar is not where the pointer is";
    EXPECT_EQ(change.changed, Width(expected) * Height(expected));
    EXPECT_EQ(change.inverted, change.changed) << "pixels changed other than by inversion";
  }

  // The cursor the pointer shows `along` pixels from the splitter's first bar.
  CursorShape CursorOver(const SplitterSite& splitter, long along) {
    pointer_.MoveTo(OnScreen(splitter, BarPoint(splitter, along)));
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return ShapeOf(info.hCursor);
  }
  // How many pixels a full repaint of the form changes: none when nothing was left behind.
  int ChangedByARepaint() const {
    ScreenPixels before = Screen();
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessagesUntilQuiet();
    return Compare(before, Screen()).changed;
  }

  static inline bool available_ = false;
  RealPointer pointer_;
  std::unique_ptr<FormWindow> form_;
  SplitterSite* outer_ = nullptr;
  SplitterSite* inner_ = nullptr;
  LONG_PTR outerProcedure_ = 0;
};

TEST_F(SplitterDrag, ADragInvertsTheBarUnderThePointerGivesThePanesTheirNewWidthsAndLetsGoOfTheMouse) {
  RECT first = PanePixels(*outer_, 1);
  long edge = BarLeadingEdge(*outer_);
  Recording events(outer_->Control().Pointer());
  ScreenPixels before = Screen();

  PressAndDrag(*outer_, kDragBy);
  ExpectFeedbackAt(before, *outer_, edge + kDragBy);
  pointer_.ReleaseButton();

  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first) + kDragBy);
  EXPECT_EQ(Text(Child(L"tree1").PixelRect()), Text(PanePixels(*outer_, 1))) << "the bound tree follows";
  RECT innerNow{};
  GetWindowRect(inner_->Window(), &innerNow);
  MapWindowPoints(HWND_DESKTOP, outer_->Window(), reinterpret_cast<POINT*>(&innerNow), 2);
  EXPECT_EQ(Text(innerNow), Text(PanePixels(*outer_, 2))) << "the bound splitter follows";
  EXPECT_EQ(Width(Child(L"list1").PixelRect()), Width(PanePixels(*inner_, 1))) << "and its own bound controls";

  EXPECT_EQ(CountStarting(events->Summaries(), L"SplitterResize("), 1);

  EXPECT_EQ(ChangedByARepaint(), 0) << "inverted pixels were left on the screen";

  // Off the bars, the control lets go of the mouse and of its window.
  HWND window = outer_->Window();
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, -30)));
  EXPECT_NE(GetCapture(), window);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), outerProcedure_);
  EXPECT_EQ(GetPropW(window, L"SPLITTERPREV_WNDPROC"), nullptr);
  EXPECT_EQ(GetPropW(window, L"SPLITTERNUM_ADDEDPROPS"), nullptr);
}

TEST_F(SplitterDrag, WithKeyboardOperationAClickFocusesTheBarAndKeysMoveItEnterAppliesAndTabLeaves) {
  outer_->Control().Put(L"SplitterKeyboard", true);
  outer_->Control().Put(L"SplitterIncrement", 5);
  const HWND window = outer_->Window();
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP);
  RECT first = PanePixels(*outer_, 1);
  long edge = BarLeadingEdge(*outer_);
  Recording events(outer_->Control().Pointer());
  WinEvents heard(window);

  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_)));
  pointer_.Press();
  pointer_.ReleaseButton();
  pointer_.MoveTo(OnScreen(*outer_, BarPoint(*outer_, -30)));
  ASSERT_EQ(GetFocus(), window) << "a click on a bar gives the control the focus";
  ScreenPixels marked = Screen();
  EXPECT_EQ(ChangedByARepaint(), 0) << "the focus mark is part of the control's picture";

  for (const char* key : {"Right", "shift+Right"}) pointer_.Key(key);
  ExpectFeedbackAt(marked, *outer_, edge + 5 + 50);
  pointer_.Key("Return");
  EXPECT_EQ(Width(PanePixels(*outer_, 1)), Width(first) + 55);
  EXPECT_EQ(CountStarting(events->Summaries(), L"SplitterResize("), 1);

  pointer_.Key("Tab");  // past the only bar: the form's next control
  EXPECT_NE(GetFocus(), window);
  // A tool heard the bar (child 2) take the focus and move once.
  EXPECT_EQ(heard.Take(),
            (std::vector<Event>{{EVENT_OBJECT_FOCUS, OBJID_CLIENT, 2}, {EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, 2}}));
  EXPECT_TRUE(IsChild(form_->Handle(), GetFocus()));
}

// Run at 96, 144 and 192 pixels per inch by run_resolutions.sh: the same physical sizes.
TEST_F(SplitterDrag, TheBarTheGripTheFramesAndTheCursorsFollowTheScreensResolution) {
  win32::WindowDc screenDc(nullptr);
  const int ppi = GetDeviceCaps(screenDc.get(), LOGPIXELSX);
  auto scaled = [ppi](int pixelsAt96) { return static_cast<long>(std::nearbyint(pixelsAt96 * ppi / 96.0)); };
  std::printf("[ resolution ] %d pixels per inch\n", ppi);
  EXPECT_EQ(SplitterSize(*outer_), scaled(3));
  EXPECT_EQ(PaneFrame(*outer_), 2 * scaled(1)) << "a 3D pane's frame is two lines";

  // The painted frame, read back from the screen: shadow lines, then dark shadow lines.
  RECT first = PanePixels(*outer_, 1);
  const long frame = PaneFrame(*outer_);
  POINT inside = OnScreen(*outer_, {first.left + 10, first.top + 10});
  ScreenPixels row = CaptureScreenRectangle({inside.x - 10 - frame, inside.y, inside.x, inside.y + 1});
  const uint32_t shadow = row.At(0, 0), dark = row.At(static_cast<int>(frame) - 1, 0);
  EXPECT_NE(shadow, dark);
  for (int x = 0; x < frame; ++x) EXPECT_EQ(row.At(x, 0), x < frame / 2 ? shadow : dark) << x;

  // The grip: two pixels at 96 beyond each side of the bar, as many inches at any resolution;
  // over it the splitter cursor of the orientation, drawn at the system's cursor size.
  const long grip = scaled(2);
  const CursorShape leftRight = CursorOver(*outer_, -grip + 1);
  EXPECT_TRUE(leftRight == ResourceCursor(121)) << "a row's bar shows the left-right cursor";
  EXPECT_EQ(static_cast<long>(leftRight.hotSpot.x), scaled(32) / 2 - 1);
  EXPECT_EQ(leftRight.mask.size(), static_cast<size_t>((scaled(32) + 15) / 16 * 2 * scaled(32) * 2));
  EXPECT_FALSE(CursorOver(*outer_, -grip) == leftRight) << "a pane shows the control's own pointer";
  EXPECT_TRUE(CursorOver(*inner_, 1) == ResourceCursor(120)) << "a column's bar shows the up-down cursor";

  // Twips through the unit factor the container's scale gives (whole twips per pixel).
  const long twipsPerPixel = static_cast<long>(std::nearbyint(1440.0 / ppi));
  PaneOf(*outer_, 1).Put(L"Width", 1440L);
  EXPECT_EQ(PanePixels(*outer_, 1).right - PanePixels(*outer_, 1).left,
            static_cast<long>(std::nearbyint(1440.0 / twipsPerPixel)));
}

// A collapsible pane folds away under a real double click on its bar and comes back under
// the next, its bound tree hidden meanwhile (a drag past half its minimum is the panes' test).
TEST_F(SplitterDrag, ACollapsiblePaneFoldsAwayUnderADoubleClickOnItsBar) {
  DispatchClient tree = PaneOf(*outer_, 1);
  tree.Put(L"Collapsible", true);
  const RECT first = PanePixels(*outer_, 1);
  Recording events(outer_->Control().Pointer());
  // Where the bar lies now: just before the second pane's frame.
  auto barPoint = [&] {
    const long edge = PanePixels(*outer_, 2).left - PaneFrame(*outer_) - SplitterSize(*outer_) + 1;
    return OnScreen(*outer_, POINT{edge, ClientRect(*outer_).bottom / 2});
  };
  const HWND treeWindow = Child(L"tree1").Window();

  pointer_.MoveTo(barPoint());
  pointer_.DoubleClick();
  EXPECT_TRUE(tree.Get(L"Collapsed").AsBool());
  EXPECT_FALSE(IsWindowVisible(treeWindow)) << "the bound tree is hidden with its pane";
  pointer_.MoveTo(barPoint());
  pointer_.DoubleClick();
  EXPECT_FALSE(tree.Get(L"Collapsed").AsBool());
  EXPECT_TRUE(IsWindowVisible(treeWindow));
  EXPECT_EQ(Text(PanePixels(*outer_, 1)), Text(first)) << "back at its size";
  EXPECT_EQ(CountStarting(events->Summaries(), L"PaneCollapsedChanged("), 2);
}

}  // namespace
