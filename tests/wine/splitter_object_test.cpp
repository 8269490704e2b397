// The control's own members through late binding: properties with their errors, the
// control's events in order, PropertyChanged to IPropertyNotifySink, and clicks.
#include <ocidl.h>
#include <olectl.h>

#include "expect_dispatch_error.h"
#include "splitter_test.h"
#include "test_object.h"

namespace {

using Strings = std::vector<std::wstring>;
using ControlMembers = SplitterTest;

constexpr long kOutOfRange = static_cast<long>(0x8004041C);

// Records IPropertyNotifySink::OnChanged dispatch ids.
class PropertySink : public TestObject<IPropertyNotifySink, &IID_IPropertyNotifySink> {
 public:
  STDMETHODIMP OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  std::vector<DISPID> changed;
};

EventRecorder* RecordControl(IDispatch* control) {
  EventRecorder* recorder = EventRecorder::Create();
  recorder->Connect(control);
  return recorder;
}

TEST_F(ControlMembers, NewControlHasItsDefaults) {
  const DispatchClient& control = splitter_->Control();
  EXPECT_EQ(control.Get(L"Appearance").AsLong(), 1);
  EXPECT_EQ(control.Get(L"BorderStyle").AsLong(), 0);
  EXPECT_EQ(control.Get(L"SplitterStyle").AsLong(), 0);
  EXPECT_EQ(control.Get(L"SplitterSize").AsLong(), 3);
  EXPECT_EQ(control.Get(L"Orientation").AsLong(), 0);
  EXPECT_EQ(control.Get(L"WhatsThisHelpID").AsLong(), 0);
  EXPECT_EQ(control.Get(L"BackColor").AsLong(), static_cast<long>(0x8000000F));
  EXPECT_NE(control.Get(L"hWnd").AsLong(), 0);
  EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(control.Get(L"hWnd").AsLong()))));
}

TEST_F(ControlMembers, SettersValidateAndReadBack) {
  const DispatchClient& control = splitter_->Control();
  control.Put(L"SplitterSize", 32767L);
  for (long bad : {0L, -1L, 32768L})
    EXPECT_DISPATCH_ERROR(control.Put(L"SplitterSize", bad), kOutOfRange, L"SplitterSize must be between 1 and 32767.",
                          ErrorOrigin::Component);
  EXPECT_EQ(control.Get(L"SplitterSize").AsLong(), 32767);
  control.Put(L"WhatsThisHelpID", L"12");
  EXPECT_EQ(control.Get(L"WhatsThisHelpID").AsLong(), 12);
  control.Put(L"MousePointer", 99L);
  EXPECT_EQ(control.Get(L"MousePointer").AsLong(), 99);
  control.Put(L"BorderStyle", 1L);
  EXPECT_EQ(Pane(1).Get(L"Left").AsLong(), OffsetTwips3D(2));  // inside the 2-pixel border
}

TEST_F(ControlMembers, PaneWidthChangeRaisesSplitterResizeThenResize) {
  Add();
  EventRecorder* events = RecordControl(splitter_->Control().Pointer());
  Pane(1).Put(L"Width", 100 * kTwipsPerPixel);
  EXPECT_EQ(events->Summaries(), (Strings{L"SplitterResize(Pane 1, Pane 2)", L"Resize()"}));
  EXPECT_EQ(Pane(2).Get(L"Width").AsLong(), InnerTwips3D(158 + 158 - 104));  // the pair keeps its extent
  events->Disconnect();
  events->Release();
}

TEST_F(ControlMembers, PropertyChangedReachesTheNotifySinkAndMakesTheControlDirty) {
  IDispatch* control = splitter_->Control().Pointer();
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
  IConnectionPoint* point = nullptr;
  ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
  PropertySink sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  IPersistStreamInit* persist = nullptr;
  ASSERT_EQ(control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)), S_OK);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);

  splitter_->Control().Put(L"SplitterStyle", 1L);
  splitter_->Control().Put(L"BackColor", 255L);
  EXPECT_EQ(sink.changed, (std::vector<DISPID>{0x68030003, DISPID_BACKCOLOR}));
  EXPECT_EQ(persist->IsDirty(), S_OK);

  point->Unadvise(cookie);
  EXPECT_EQ(sink.references, 1u);
  persist->Release();
  point->Release();
  container->Release();
}

// A form host's order: MouseDown, MouseUp, Click, then for a double click DblClick and
// the second release's MouseUp; a release without a press raises no Click.
TEST_F(ControlMembers, ClicksOnTheWindowRaiseTheMouseEventsClickAndDblClickInTheFormOrder) {
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(splitter_->Control().Get(L"hWnd").AsLong()));
  EventRecorder* events = RecordControl(splitter_->Control().Pointer());
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // a release without a press
  EXPECT_EQ(events->Summaries(), (Strings{L"MouseDown(1, 0, 5, 5)", L"MouseUp(1, 0, 5, 5)", L"Click()", L"DblClick()",
                                          L"MouseUp(1, 0, 5, 5)", L"MouseUp(1, 0, 5, 5)"}));
  events->Disconnect();
  events->Release();
}

// Button: for a press or release the button that changed, for a move the buttons held;
// Shift from the message's key flags; X and Y signed, from the two halves of lParam.
TEST_F(ControlMembers, MouseMessagesArriveWithButtonShiftAndSignedClientCoordinates) {
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(splitter_->Control().Get(L"hWnd").AsLong()));
  struct Row {
    UINT message;
    WPARAM keys;
    short x, y;
    const wchar_t* raised;
  };
  const Row rows[] = {
      {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 7, 9, L"MouseDown(2, 1, 7, 9)"},
      {WM_RBUTTONUP, MK_CONTROL, 7, 9, L"MouseUp(2, 2, 7, 9)"},
      {WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT | MK_CONTROL, 30, 4, L"MouseDown(4, 3, 30, 4)"},
      {WM_MBUTTONUP, 0, 30, 4, L"MouseUp(4, 0, 30, 4)"},
      {WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON, -1, -2, L"MouseMove(6, 0, -1, -2)"},
      {WM_MOUSEMOVE, MK_RBUTTON, 400, 12, L"MouseMove(2, 0, 400, 12)"},
  };
  EventRecorder* events = RecordControl(splitter_->Control().Pointer());
  for (const Row& row : rows) {
    events->Clear();
    SendMessageW(window, row.message, row.keys, MAKELPARAM(row.x, row.y));
    EXPECT_EQ(events->Summaries(), Strings{row.raised}) << "message " << row.message << " keys " << row.keys;
  }
  events->Disconnect();
  events->Release();
}

TEST_F(ControlMembers, MousePointerIsShownOverTheClientArea) {
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(splitter_->Control().Get(L"hWnd").AsLong()));
  splitter_->Control().Put(L"MousePointer", 2L);
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
  splitter_->Control().Put(L"MousePointer", 11L);
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_DISPATCH_ERROR(splitter_->Control().Put(L"MousePointer", 16L), 0x800A017CL, L"Invalid property value",
                        ErrorOrigin::Runtime);
}

// Over a bar the platform shows the splitter cursor, and MousePointer reads what it shows;
// saving keeps the value the client gave.
TEST_F(ControlMembers, MousePointerReadsTheSplitterPointerOverABar) {
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(splitter_->Control().Get(L"hWnd").AsLong()));
  splitter_->Control().Put(L"MousePointer", 2L);
  Add();  // the bar lies at 158 to 160
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(159, 20));
  EXPECT_EQ(splitter_->Control().Get(L"MousePointer").AsLong(), 99);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(40, 20));
  EXPECT_EQ(splitter_->Control().Get(L"MousePointer").AsLong(), 2);
}

TEST_F(ControlMembers, ContainedControlsOutsideAContainerAreASingleEmptyElement) {
  VariantValue names = splitter_->Control().Call(L"GetContainedControls");
  ASSERT_EQ(names.Type(), VT_ARRAY | VT_VARIANT);
  LONG lower = -1, upper = -1;
  SafeArrayGetLBound(names.Raw().parray, 1, &lower);
  SafeArrayGetUBound(names.Raw().parray, 1, &upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 0);
}

}  // namespace
