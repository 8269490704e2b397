// The control's own members through late binding: PropertyChanged to IPropertyNotifySink,
// the mouse messages of its window as events, and the pointer it shows.

#include "splitter_test.h"
#include "test_object.h"

namespace {

using Strings = std::vector<std::wstring>;
using ControlMembers = SplitterTest;

// Records IPropertyNotifySink::OnChanged dispatch ids.
class PropertySink : public TestObject<IPropertyNotifySink, &IID_IPropertyNotifySink> {
 public:
  STDMETHODIMP OnChanged(DISPID id) override { return changed.push_back(id), S_OK; }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  std::vector<DISPID> changed;
};

TEST_F(ControlMembers, PropertyChangedReachesTheNotifySinkAndMakesTheControlDirty) {
  IDispatch* control = splitter_->Control().Pointer();
  activex::ComPtr<IConnectionPoint> point;
  ASSERT_EQ(Interface<IConnectionPointContainer>(control, IID_IConnectionPointContainer)
                ->FindConnectionPoint(IID_IPropertyNotifySink, point.Out()),
            S_OK);
  PropertySink sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  auto persist = Interface<IPersistStreamInit>(control, IID_IPersistStreamInit);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  EXPECT_EQ(splitter_->Control().Get(L"BackColor").AsLong(), static_cast<long>(0x8000000F));

  splitter_->Control().Put(L"SplitterStyle", 1L);
  splitter_->Control().Put(L"BackColor", 255L);
  EXPECT_EQ(sink.changed, (std::vector<DISPID>{0x68030003, DISPID_BACKCOLOR}));
  EXPECT_EQ(persist->IsDirty(), S_OK);

  point->Unadvise(cookie);
  EXPECT_EQ(sink.references, 1u);
}

// A form host's order: MouseDown, MouseUp, Click, then for a double click DblClick and
// the second release's MouseUp; a release without a press raises no Click.
TEST_F(ControlMembers, ClicksOnTheWindowRaiseTheMouseEventsClickAndDblClickInTheFormOrder) {
  HWND window = WindowOf(splitter_->Control());
  Recording events(splitter_->Control().Pointer());
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // a release without a press
  EXPECT_EQ(events->Summaries(), (Strings{L"MouseDown(1, 0, 5, 5)", L"MouseUp(1, 0, 5, 5)", L"Click()", L"DblClick()",
                                          L"MouseUp(1, 0, 5, 5)", L"MouseUp(1, 0, 5, 5)"}));
}

// Button: for a press or release the button that changed, for a move the buttons held;
// Shift from the message's key flags; X and Y signed, from the two halves of lParam.
TEST_F(ControlMembers, MouseMessagesArriveWithButtonShiftAndSignedClientCoordinates) {
  HWND window = WindowOf(splitter_->Control());
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
  Recording events(splitter_->Control().Pointer());
  for (const Row& row : rows) {
    events->Clear();
    SendMessageW(window, row.message, row.keys, MAKELPARAM(row.x, row.y));
    EXPECT_EQ(events->Summaries(), Strings{row.raised}) << "message " << row.message << " keys " << row.keys;
  }
}

TEST_F(ControlMembers, MousePointerIsShownOverTheClientArea) {
  HWND window = WindowOf(splitter_->Control());
  for (auto [pointer, cursor] : {std::pair{2L, IDC_CROSS}, std::pair{11L, IDC_WAIT}}) {
    splitter_->Control().Put(L"MousePointer", pointer);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, cursor));
  }
  EXPECT_DISPATCH_ERROR(splitter_->Control().Put(L"MousePointer", 16L), 0x800A017CL, L"Invalid property value",
                        ErrorOrigin::Runtime);
}

}  // namespace
