// OLE drag and drop as a container's user meets it: the control as a drop target once
// OLEDropMode is 1, and as the source of OLEDrag, its events seen by a connected sink.

#include "splitter_test.h"

#include <shlobj.h>

#include <cstring>

#include "test_object.h"

namespace {

using Strings = std::vector<std::wstring>;

constexpr DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
constexpr const wchar_t* kData = L"(object without Name)";

HGLOBAL GlobalOf(const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  win32::LockedGlobal locked(memory);
  std::memcpy(locked.data(), bytes, size);
  return memory;
}

// Another program's data: Unicode text and two files.
class ForeignData : public TestObject<IDataObject, &IID_IDataObject> {
 public:
  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
    *medium = STGMEDIUM{};
    if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    if (format->cfFormat == CF_UNICODETEXT) {
      medium->hGlobal = GlobalOf(L"dropped text", sizeof(L"dropped text"));
    } else if (format->cfFormat == CF_HDROP) {
      const wchar_t files[] = L"C:\\one.txt\0C:\\two.txt\0";
      std::vector<BYTE> bytes(sizeof(DROPFILES) + sizeof(files));
      DROPFILES header{sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
      std::memcpy(bytes.data(), &header, sizeof(header));
      std::memcpy(bytes.data() + sizeof(header), files, sizeof(files));
      medium->hGlobal = GlobalOf(bytes.data(), bytes.size());
    } else {
      return DV_E_FORMATETC;
    }
    medium->tymed = TYMED_HGLOBAL;
    return S_OK;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_UNICODETEXT || format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
  }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

// The argument at position i, counted in declaration order, as the sink got it.
VARIANT& Argument(DISPPARAMS& params, UINT i) { return params.rgvarg[params.cArgs - 1 - i]; }

// Mouse buttons as the drag loop reads them: the thread's key state.
void SetButtonDown(int key, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class OleDragDrop : public SplitterTest {
 protected:
  void SetUp() override {
    control_ = splitter_->Control();
    window_ = WindowOf(control_);
    events_ = EventRecorder::Create();
    events_->Connect(control_.Pointer());
  }
  void TearDown() override { events_->Disconnect(); }

  // The control's registered target, as RegisterDragDrop keeps it on the window.
  IDropTarget* RegisteredTarget() const {
    return static_cast<IDropTarget*>(GetPropW(window_, L"OleDropTargetInterface"));
  }
  // The target OLEDropMode 1 registers; 0 revokes it.
  IDropTarget* DropTarget() {
    EXPECT_EQ(RegisteredTarget(), nullptr);
    control_.Put(L"OLEDropMode", 1);
    IDropTarget* target = RegisteredTarget();
    EXPECT_NE(target, nullptr);
    return target;
  }

  POINTL ScreenPoint(LONG x, LONG y) const {
    POINT point{x, y};
    ClientToScreen(window_, &point);
    return POINTL{point.x, point.y};
  }

  Strings OleEvents() const {
    Strings found;
    for (const RecordedEvent& event : events_->Events())
      if (event.name.rfind(L"OLE", 0) == 0) found.push_back(event.summary);
    return found;
  }

  void OnEvent(std::function<void(const std::wstring&, DISPPARAMS&)> handler) {
    events_->onEvent = [handler](const RecordedEvent& event, DISPPARAMS& params) { handler(event.name, params); };
  }

  DispatchClient control_;
  HWND window_ = nullptr;
  activex::ComPtr<EventRecorder> events_;
  ForeignData data_;
};

TEST_F(OleDragDrop, DragAcrossRaisesDragOverWithItsStatesKeysAndClientPositionUntilTheModeIsZero) {
  IDropTarget* target = DropTarget();
  ASSERT_NE(target, nullptr);
  DWORD effect = kCopyOrMove;
  ASSERT_EQ(target->DragEnter(&data_, MK_LBUTTON | MK_SHIFT, ScreenPoint(10, 20), &effect), S_OK);
  effect = kCopyOrMove;
  ASSERT_EQ(target->DragOver(MK_RBUTTON | MK_CONTROL | MK_ALT, ScreenPoint(30, 40), &effect), S_OK);
  effect = DROPEFFECT_COPY;
  ASSERT_EQ(target->DragOver(MK_MBUTTON, ScreenPoint(31, 41), &effect), S_OK);
  ASSERT_EQ(target->DragLeave(), S_OK);
  const std::wstring d = kData;
  EXPECT_EQ(OleEvents(),
            (Strings{L"OLEDragOver(" + d + L", 3, 1, 1, 10, 20, 0)", L"OLEDragOver(" + d + L", 3, 2, 6, 30, 40, 2)",
                     L"OLEDragOver(" + d + L", 1, 4, 0, 31, 41, 2)", L"OLEDragOver(" + d + L", 0, 4, 0, 31, 41, 1)"}));
  for (const RecordedEvent& event : events_->Events()) EXPECT_TRUE(event.allByReference) << event.summary;
  // The drag is over: the target no longer holds the other program's data.
  EXPECT_EQ(data_.references, 1u);
  control_.Put(L"OLEDropMode", 0);
  EXPECT_EQ(RevokeDragDrop(window_), DRAGDROP_E_NOTREGISTERED);
}

TEST_F(OleDragDrop, EffectWrittenByAHandlerGoesBackWithinWhatTheSourceAllows) {
  IDropTarget* target = DropTarget();
  ASSERT_NE(target, nullptr);
  LONG written = DROPEFFECT_COPY;
  OnEvent([&](const std::wstring&, DISPPARAMS& params) { *V_I4REF(&Argument(params, 1)) = written; });
  DWORD effect = kCopyOrMove;
  target->DragEnter(&data_, MK_LBUTTON, ScreenPoint(1, 1), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  written = DROPEFFECT_LINK;
  effect = kCopyOrMove;
  target->DragOver(MK_LBUTTON, ScreenPoint(1, 1), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  written = DROPEFFECT_MOVE;
  effect = kCopyOrMove;
  target->Drop(&data_, 0, ScreenPoint(2, 3), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(OleEvents().back(), L"OLEDragDrop(" + std::wstring(kData) + L", 3, 0, 0, 2, 3)");
}

TEST_F(OleDragDrop, DroppedDataReadsAsTextAndFilesButCannotBeChanged) {
  IDropTarget* target = DropTarget();
  ASSERT_NE(target, nullptr);
  DispatchClient kept;
  bool dropped = false;
  OnEvent([&](const std::wstring& name, DISPPARAMS& params) {
    if (name != L"OLEDragDrop") return;
    dropped = true;
    kept = DispatchClient::From(VariantValue::CopyOf(Argument(params, 0)));
    EXPECT_EQ(kept.Get(L"GetData", 13).AsString(), L"dropped text");
    EXPECT_EQ(kept.Get(L"GetData", 1).AsString(), L"dropped text");
    EXPECT_TRUE(kept.Get(L"GetFormat", 15).AsBool());
    EXPECT_FALSE(kept.Get(L"GetFormat", 2).AsBool());
    DispatchClient files = kept.Object(L"Files");
    EXPECT_EQ(files.Get(L"Count").AsLong(), 2);
    EXPECT_EQ(files.Get(L"Item", 1).AsString(), L"C:\\one.txt");
    auto changed = CaptureDispatchError([&] { kept.Call(L"SetData", L"x", 1); });
    EXPECT_EQ(changed ? changed->Number() : S_OK, static_cast<HRESULT>(0x800A0000 | 672));
  });
  DWORD effect = DROPEFFECT_COPY;
  ASSERT_EQ(target->Drop(&data_, MK_LBUTTON, ScreenPoint(5, 5), &effect), S_OK);
  EXPECT_TRUE(dropped);
  // Kept past the drop, the object has let the data go.
  ASSERT_TRUE(kept);
  EXPECT_FALSE(kept.Get(L"GetFormat", 13).AsBool());
  EXPECT_EQ(data_.references, 1u);
}

// With no button held the drag completes at once with no effect; a handler that allows
// nothing ends it before OLE's drag loop runs: no feedback at all.
TEST_F(OleDragDrop, OLEDragWithNoButtonHeldOrNothingAllowedCompletesWithNoEffect) {
  for (bool allowNothing : {false, true}) {
    events_->Clear();
    OnEvent([&](const std::wstring& name, DISPPARAMS& params) {
      if (allowNothing && name == L"OLEStartDrag") *V_I4REF(&Argument(params, 1)) = DROPEFFECT_NONE;
    });
    control_.Call(L"OLEDrag");
    Strings seen = OleEvents();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front(), L"OLEStartDrag(" + std::wstring(kData) + L", 3)");
    EXPECT_EQ(seen.back(), L"OLECompleteDrag(0)");
    for (size_t i = 1; i + 1 < seen.size(); ++i) EXPECT_EQ(seen[i], L"OLEGiveFeedback(0, -1)");
    if (allowNothing) {
      EXPECT_EQ(seen.size(), 2u);
    }
  }
}

// OLE sets its own drag cursor after every feedback that asks for the default cursors;
// a handler that says False keeps the cursor it set itself. The drag ends at the third
// feedback by the button's release, or by Escape, which cancels it.
TEST_F(OleDragDrop, DefaultCursorsWrittenBackDecideWhoSetsTheCursorAndEscapeCancels) {
  const HCURSOR mine = LoadCursorW(nullptr, IDC_CROSS);
  for (bool defaultCursors : {true, false}) {
    events_->Clear();
    std::vector<HCURSOR> atEntry;
    OnEvent([&](const std::wstring& name, DISPPARAMS& params) {
      if (name != L"OLEGiveFeedback") return;
      atEntry.push_back(GetCursor());
      SetCursor(mine);
      *V_BOOLREF(&Argument(params, 1)) = defaultCursors ? VARIANT_TRUE : VARIANT_FALSE;
      if (atEntry.size() == 3 && defaultCursors) SetButtonDown(VK_LBUTTON, false);
      if (atEntry.size() == 3 && !defaultCursors) PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    SetButtonDown(VK_LBUTTON, true);
    control_.Call(L"OLEDrag");
    SetButtonDown(VK_LBUTTON, false);
    ASSERT_GE(atEntry.size(), 3u) << defaultCursors;
    for (size_t i = 1; i < atEntry.size(); ++i)
      EXPECT_EQ(atEntry[i] == mine, !defaultCursors) << "feedback " << i << ", DefaultCursors " << defaultCursors;
    EXPECT_EQ(OleEvents().back(), L"OLECompleteDrag(0)");
  }
}

}  // namespace
