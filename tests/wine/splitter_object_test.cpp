// The control's own members through late binding: PropertyChanged to IPropertyNotifySink,
// the mouse messages of its window as events, and the pointer it shows; and its two splitter
// interfaces as clients of either type library version meet them.

#include "OvSplitr_h.h"
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

// The pane's newer members come late bound through _OvPane2, and the event they raise reaches
// only the sinks of the newer event interface: a sink of the first one hears what it knows.
TEST_F(ControlMembers, ADoubleClickOnABarCollapsesItsPaneAndOnlyTheNewerEventsTellOfIt) {
  HWND window = WindowOf(splitter_->Control());
  Add();
  DispatchClient second = Pane(2);
  second.Put(L"Collapsible", true);
  auto first = Interface<_OvPane>(second.Pointer(), __uuidof(_OvPane));
  ASSERT_TRUE(first);
  EXPECT_EQ(Interface<IUnknown>(first.Get(), IID_IUnknown).Get(),
            Interface<IUnknown>(second.Pointer(), IID_IUnknown).Get());
  Recording newer(splitter_->Control().Pointer());
  Recording older(splitter_->Control().Pointer(), __uuidof(__OvSplitter));
  // The middle of the 3-pixel bar after the first pane's 2-pixel frame.
  const long bar = (Pane(1).Get(L"Left").AsLong() + Pane(1).Get(L"Width").AsLong()) / kTwipsPerPixel + 3;
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(bar, 5));
  SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bar, 5));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(bar, 5));
  EXPECT_TRUE(second.Get(L"Collapsed").AsBool());
  EXPECT_EQ(CountStarting(newer->Summaries(), L"PaneCollapsedChanged(Pane 2)"), 1);
  EXPECT_EQ(CountStarting(older->Summaries(), L"PaneCollapsedChanged"), 0);
  EXPECT_EQ(CountStarting(older->Summaries(), L"DblClick"), 1);
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

// A client built against the first release asks for _OvSplitter and calls through its layout;
// a newer one asks for _OvSplitter2, which extends it. Both reach the one object.
TEST_F(ControlMembers, BothSplitterInterfacesAnswerWithOneObjectAndTheFirstKeepsItsLayout) {
  IDispatch* control = splitter_->Control().Pointer();
  auto first = Interface<_OvSplitter>(control, __uuidof(_OvSplitter));
  auto second = Interface<_OvSplitter2>(control, __uuidof(_OvSplitter2));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(static_cast<_OvSplitter*>(second.Get()), first.Get());
  EXPECT_EQ(Interface<IUnknown>(first.Get(), IID_IUnknown).Get(),
            Interface<IUnknown>(second.Get(), IID_IUnknown).Get());
  ASSERT_EQ(first->put_SplitterSize(7), S_OK);
  LONG size = 0;
  EXPECT_EQ(first->get_SplitterSize(&size), S_OK);
  EXPECT_EQ(size, 7);
  auto errors = Interface<ISupportErrorInfo>(control, IID_ISupportErrorInfo);
  for (REFIID iid : {__uuidof(_OvSplitter), __uuidof(_OvSplitter2)})
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(iid), S_OK);
}

// The registered library is 1.1, which a client asking for 1.0 gets too, and the CLSID's
// Version key names it (the classes' interfaces are the reference's, run_reference.sh).
TEST_F(ControlMembers, TheRegisteredLibraryIs1_1) {
  activex::ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(
      Interface<IProvideClassInfo>(splitter_->Control().Pointer(), IID_IProvideClassInfo)->GetClassInfo(coclass.Out()),
      S_OK);
  win32::TypeAttributes attributes(coclass.Get());
  activex::ComPtr<ITypeLib> embedded, registered, asked10;
  UINT index = 0;
  ASSERT_EQ(coclass->GetContainingTypeLib(embedded.Out(), &index), S_OK);
  GUID libid = win32::LibraryAttributes(embedded.Get())->guid;
  ASSERT_EQ(LoadRegTypeLib(libid, 1, 1, 0x409, registered.Out()), S_OK);
  ASSERT_EQ(LoadRegTypeLib(libid, 1, 0, 0x409, asked10.Out()), S_OK);
  for (ITypeLib* library : {registered.Get(), asked10.Get()}) {
    win32::LibraryAttributes version(library);
    EXPECT_EQ(std::pair(version->wMajorVerNum, version->wMinorVerNum), std::pair(WORD{1}, WORD{1}));
  }
  wchar_t clsid[40] = {}, versionKey[16] = {};
  StringFromGUID2(attributes->guid, clsid, 40);
  DWORD bytes = sizeof versionKey;
  EXPECT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + clsid + L"\\Version").c_str(), nullptr,
                         RRF_RT_REG_SZ, nullptr, versionKey, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(versionKey), L"1.1");
}

}  // namespace
