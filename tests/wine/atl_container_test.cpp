// The control in a container nobody here wrote: Wine's ATL, whose "AtlAxWin" window class
// creates the control named by its window text, activates it in place and sizes it with
// the window. Pixels are read back from the control's window.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "automation/dispatch_client.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "automation/splitter_instance.h"
#include "splitter_test.h"

namespace {

// The ATL libraries Wine may provide, each with the container class its AtlAxWinInit registers.
struct AtlLibrary {
  const wchar_t* module;
  const wchar_t* windowClass;
};
constexpr AtlLibrary kLibraries[] = {
    {L"atl.dll", L"AtlAxWin"}, {L"atl100.dll", L"AtlAxWin100"}, {L"atl110.dll", L"AtlAxWin110"}};

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The first ATL that loads and registers its container class.
struct Atl {
  HMODULE module = nullptr;
  const wchar_t* windowClass = nullptr;
  AtlAxGetControlFn getControl = nullptr;

  Atl() {
    for (const AtlLibrary& library : kLibraries) {
      HMODULE candidate = LoadLibraryW(library.module);
      if (!candidate) continue;
      auto init = Export<AtlAxWinInitFn>(candidate, "AtlAxWinInit");
      auto get = Export<AtlAxGetControlFn>(candidate, "AtlAxGetControl");
      WNDCLASSEXW registered{};
      registered.cbSize = sizeof registered;
      if (init && get && init() && GetClassInfoExW(nullptr, library.windowClass, &registered)) {
        module = candidate;
        windowClass = library.windowClass;
        getControl = get;
        std::printf("ATL container: %ls, window class %ls\n", library.module, library.windowClass);
        return;
      }
      FreeLibrary(candidate);
    }
  }
};

const Atl& TheAtl() {
  static const Atl atl;
  return atl;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The client area of a window as it is painted, 0x00RRGGBB from the top-left.
class WindowPixels {
 public:
  explicit WindowPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    win32::WindowDc source(window);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(source.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap) return;
    win32::SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY)) return;
    GdiFlush();
    const auto* words = static_cast<const uint32_t*>(bits);
    rgb_.assign(words, words + static_cast<size_t>(width_) * height_);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // As a COLORREF (0x00BBGGRR), to compare with GetSysColor.
  COLORREF At(int x, int y) const {
    uint32_t pixel = rgb_.at(static_cast<size_t>(y) * width_ + x);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> rgb_;
};

class AtlContainer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(TheAtl().module, nullptr) << "no ATL with AtlAxWinInit, AtlAxGetControl and its container class";
    frame_ = CreateWindowExW(0, L"Static", L"ATL host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600,
                             500, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame_, nullptr);
    host_ = CreateWindowExW(0, TheAtl().windowClass, SplitterInstance::kProgId, WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                            frame_, nullptr, nullptr, nullptr);
    ASSERT_NE(host_, nullptr);
    ASSERT_EQ(TheAtl().getControl(host_, control_.Out()), S_OK);
    splitter_ = DispatchClient(control_.As<IDispatch>(IID_IDispatch).Get());
    panes_ = splitter_.Object(L"Panes");
    PumpMessages();
  }
  void TearDown() override {
    panes_.Reset();
    splitter_.Reset();
    if (host_) DestroyWindow(host_);
    control_.Reset();
    if (frame_) DestroyWindow(frame_);
    PumpMessages();
  }

  HWND ControlWindow() const { return WindowOf(splitter_); }
  // A pane's left edge in pixels of the control: its public Left lies inside the 3D frame.
  long PaneLeftPixels(long index) const {
    return panes_.Object(L"Item", index).Get(L"Left").AsLong() / kTwipsPerPixel - 2;
  }
  // Repaints now and reads the control's pixels.
  WindowPixels Painted() const {
    RedrawWindow(ControlWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    return WindowPixels(ControlWindow());
  }

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  activex::ComPtr<IUnknown> control_;
  DispatchClient splitter_;
  DispatchClient panes_;
};

// In place, a visible child filling the host; two 3D panes side by side: each frame's left
// column is the button shadow, its right column the highlight, and the bar between them the
// background (the button face).
TEST_F(AtlContainer, ShowsInPlaceAndPaintsItsPanesWhereTheLayoutPutsThem) {
  EXPECT_EQ(GetParent(ControlWindow()), host_);
  EXPECT_TRUE(IsWindowVisible(ControlWindow()));
  panes_.Call(L"Add");
  const long second = PaneLeftPixels(2);
  ASSERT_GT(second, 3);
  WindowPixels pixels = Painted();
  ASSERT_EQ(pixels.Width(), 400);
  ASSERT_EQ(pixels.Height(), 300);
  const int y = pixels.Height() / 2;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  struct Column {
    long x;
    COLORREF colour;
    const char* what;
  };
  for (const Column& column :
       {Column{0, shadow, "first pane's left edge"}, Column{second - 4, highlight, "first pane's right edge"},
        Column{second - 2, GetSysColor(COLOR_BTNFACE), "the bar"}, Column{second, shadow, "second pane's left edge"},
        Column{399, highlight, "second pane's right edge"}})
    EXPECT_EQ(pixels.At(column.x, y), column.colour) << column.what << " at x " << column.x;
}

TEST_F(AtlContainer, FollowsTheHostWindowsResizes) {
  panes_.Call(L"Add");
  DispatchClient last = panes_.Object(L"Item", 2);
  const long second = PaneLeftPixels(2);
  for (SIZE size : {SIZE{300, 200}, SIZE{520, 260}}) {
    MoveWindow(host_, 10, 10, size.cx, size.cy, TRUE);
    PumpMessages();
    RECT client;
    GetClientRect(ControlWindow(), &client);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);
    // The last pane takes up the change; its public width is inside the 3D frame.
    EXPECT_EQ(last.Get(L"Width").AsLong(), (size.cx - second - 4) * kTwipsPerPixel);
    EXPECT_EQ(last.Get(L"Height").AsLong(), (size.cy - 4) * kTwipsPerPixel);
    WindowPixels pixels = Painted();
    EXPECT_EQ(pixels.At(size.cx - 1, size.cy / 2), GetSysColor(COLOR_BTNHIGHLIGHT)) << "last pane's right edge";
  }
}

TEST_F(AtlContainer, DestroyingTheHostWindowReleasesTheControl) {
  HWND window = ControlWindow();
  panes_.Reset();
  splitter_.Reset();
  DestroyWindow(host_);
  host_ = nullptr;
  PumpMessages();
  // The container has let go: ours is the last reference, and the control's window goes with it.
  EXPECT_EQ(control_.ResetCounting(), 0u);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
