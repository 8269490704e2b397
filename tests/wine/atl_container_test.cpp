// The control in a container nobody here wrote: Wine's ATL, whose "AtlAxWin" window class
// creates the control named by its window text, activates it in place and sizes it with
// the window. Pixels are read back from the control's window.

#include <cstdio>
#include <utility>

#include "automation/real_pointer.h"
#include "splitter_test.h"

namespace {

// The first ATL of Wine's that loads and registers its container class with AtlAxWinInit.
struct Atl {
  const wchar_t* windowClass = nullptr;
  HRESULT(WINAPI* getControl)(HWND, IUnknown**) = nullptr;

  Atl() {
    const std::pair<const wchar_t*, const wchar_t*> libraries[] = {
        {L"atl.dll", L"AtlAxWin"}, {L"atl100.dll", L"AtlAxWin100"}, {L"atl110.dll", L"AtlAxWin110"}};
    for (const auto& [library, windowClassName] : libraries) {
      HMODULE module = LoadLibraryW(library);
      if (!module) continue;
      auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module, "AtlAxWinInit")));
      getControl =
          reinterpret_cast<decltype(getControl)>(reinterpret_cast<void*>(GetProcAddress(module, "AtlAxGetControl")));
      WNDCLASSEXW registered{static_cast<UINT>(sizeof(WNDCLASSEXW))};
      if (init && getControl && init() && GetClassInfoExW(nullptr, windowClassName, &registered)) {
        windowClass = windowClassName;
        std::printf("ATL container: %ls, window class %ls\n", library, windowClass);
        return;
      }
      getControl = nullptr;
      FreeLibrary(module);
    }
  }
};

const Atl& TheAtl() {
  static const Atl atl;
  return atl;
}

// A pixel of the window's client area as it is painted.
COLORREF PixelAt(HWND window, int x, int y) { return GetPixel(win32::WindowDc(window).get(), x, y); }

class AtlContainer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(TheAtl().windowClass, nullptr) << "no ATL with AtlAxWinInit, AtlAxGetControl and its container class";
    frame_ = CreateWindowExW(0, L"Static", L"ATL host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600,
                             500, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame_, nullptr);
    host_ = CreateWindowExW(0, TheAtl().windowClass, SplitterInstance::kProgId, WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                            frame_, nullptr, nullptr, nullptr);
    ASSERT_NE(host_, nullptr);
    ASSERT_EQ(TheAtl().getControl(host_, control_.Out()), S_OK);
    splitter_ = DispatchClient(control_.As<IDispatch>(IID_IDispatch).Get());
    panes_ = splitter_.Object(L"Panes");
    PumpMessagesUntilQuiet();
  }
  void TearDown() override {
    panes_.Reset();
    splitter_.Reset();
    if (host_) DestroyWindow(host_);
    control_.Reset();
    if (frame_) DestroyWindow(frame_);
    PumpMessagesUntilQuiet();
  }

  HWND ControlWindow() const { return WindowOf(splitter_); }
  // A pane's left edge in pixels of the control: its public Left lies inside the 3D frame.
  long PaneLeftPixels(long index) const {
    return panes_.Object(L"Item", index).Get(L"Left").AsLong() / kTwipsPerPixel - 2;
  }
  void Repaint() const {
    RedrawWindow(ControlWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessagesUntilQuiet();
  }

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  activex::ComPtr<IUnknown> control_;
  DispatchClient splitter_;
  DispatchClient panes_;
};

// In place, a visible child filling the host; two 3D panes side by side: each frame's left
// column is the button shadow, its right column the highlight, and the bar between them the
// background (the button face). As the host window is resized, the last pane takes up the
// change.
TEST_F(AtlContainer, ShowsInPlacePaintsItsPanesWhereTheLayoutPutsThemAndFollowsTheHostsResizes) {
  EXPECT_EQ(GetParent(ControlWindow()), host_);
  EXPECT_TRUE(IsWindowVisible(ControlWindow()));
  panes_.Call(L"Add");
  const long second = PaneLeftPixels(2);
  ASSERT_GT(second, 3);
  Repaint();
  RECT client;
  GetClientRect(ControlWindow(), &client);
  ASSERT_EQ(Text(client), Text(RECT{0, 0, 400, 300}));
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  // The panes' left and right edges, and the bar between them.
  for (auto [x, colour] :
       {std::pair{0L, shadow}, std::pair{second - 4, highlight}, std::pair{second - 2, GetSysColor(COLOR_BTNFACE)},
        std::pair{second, shadow}, std::pair{399L, highlight}})
    EXPECT_EQ(PixelAt(ControlWindow(), x, 150), colour) << "x " << x;

  DispatchClient last = panes_.Object(L"Item", 2);
  for (SIZE size : {SIZE{300, 200}, SIZE{520, 260}}) {
    MoveWindow(host_, 10, 10, size.cx, size.cy, TRUE);
    PumpMessagesUntilQuiet();
    GetClientRect(ControlWindow(), &client);
    EXPECT_EQ(Text(client), Text(RECT{0, 0, size.cx, size.cy}));
    // Its public width is inside the 3D frame.
    EXPECT_EQ(last.Get(L"Width").AsLong(), (size.cx - second - 4) * kTwipsPerPixel);
    EXPECT_EQ(last.Get(L"Height").AsLong(), (size.cy - 4) * kTwipsPerPixel);
    Repaint();
    EXPECT_EQ(PixelAt(ControlWindow(), size.cx - 1, size.cy / 2), highlight) << "last pane's right edge";
  }
}

TEST_F(AtlContainer, DestroyingTheHostWindowReleasesTheControl) {
  HWND window = ControlWindow();
  panes_.Reset();
  splitter_.Reset();
  DestroyWindow(host_);
  host_ = nullptr;
  PumpMessagesUntilQuiet();
  // The container has let go: ours is the last reference, and the control's window goes with it.
  EXPECT_EQ(control_.ResetCounting(), 0u);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
