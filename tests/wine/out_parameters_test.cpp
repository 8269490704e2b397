// Out-parameters as COM's conventions and Wine's conformance tests have them, called on
// the control's own interfaces (not through IDispatch, which never passes null): null is
// E_POINTER; a call that fails before it writes leaves the caller's value as it was; an
// interface pointer or a cookie is cleared when the call fails after the checks; and a
// member that is not there yet says E_NOTIMPL.

#include "OvSplitr_h.h"
#include "splitter_test.h"
#include "test_object.h"

namespace {

class OutParameters : public SplitterTest {
 protected:
  void SetUp() override {
    Add();
    unknown_ = Interface<IUnknown>(splitter_->Control().Pointer(), IID_IUnknown);
    pane_ = Pane(1);
  }
  // The dual interfaces' IDispatch is their own vtable.
  _OvSplitter* Splitter() const { return static_cast<_OvSplitter*>(splitter_->Control().Pointer()); }
  _OvPanes* Collection() const { return static_cast<_OvPanes*>(panes_.Pointer()); }
  _OvPane* OnePane() const { return static_cast<_OvPane*>(pane_.Pointer()); }
  // The control holds the interface as long as the test needs it.
  template <typename Wanted>
  Wanted* As(REFIID iid) {
    return Interface<Wanted>(unknown_.Get(), iid).Get();
  }

  // The control's event interface, as a client learns it.
  IID Events() {
    IID events = IID_NULL;
    As<IProvideClassInfo2>(IID_IProvideClassInfo2)->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
    return events;
  }

  activex::ComPtr<IUnknown> unknown_;
  DispatchClient pane_;
};

// A property sink, which is no event sink: it has neither the event interface nor IDispatch.
class UnfitSink : public TestObject<IPropertyNotifySink, &IID_IPropertyNotifySink> {
 public:
  STDMETHODIMP OnChanged(DISPID) override { return S_OK; }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

struct Call {
  const char* what;
  std::function<HRESULT()> call;
};

TEST_F(OutParameters, NullIsEPointer) {
  VARIANT index = VariantValue(1L).Raw(), missing = VariantValue::Missing().Raw();
  const long panes = Count();
  const Call calls[] = {
      // Every object answers QueryInterface through the one shared table walk.
      {"QueryInterface", [&] { return unknown_->QueryInterface(IID_IDispatch, nullptr); }},
      {"get_Panes", [&] { return Splitter()->get_Panes(nullptr); }},
      {"GetContainedControls", [&] { return Splitter()->GetContainedControls(nullptr); }},
      {"get_Count", [&] { return Collection()->get_Count(nullptr); }},
      {"get_Item", [&] { return Collection()->get_Item(&index, nullptr); }},
      {"Add", [&] { return Collection()->Add(missing, missing, missing, missing, nullptr); }},
      {"NewEnum", [&] { return Collection()->NewEnum(nullptr); }},
      {"Remove", [&] { return Collection()->Remove(nullptr); }},
      {"pane get_Left", [&] { return OnePane()->get_Left(nullptr); }},
      {"pane put_Name", [&] { return OnePane()->put_Name(nullptr); }},
      {"pane get_Tag", [&] { return OnePane()->get_Tag(nullptr); }},
      {"pane put_Key", [&] { return OnePane()->put_Key(nullptr); }},
      {"FindConnectionPoint",
       [&] {
         return As<IConnectionPointContainer>(IID_IConnectionPointContainer)->FindConnectionPoint(Events(), nullptr);
       }},
      {"GetClientSite", [&] { return As<IOleObject>(IID_IOleObject)->GetClientSite(nullptr); }},
      {"GetWindow", [&] { return As<IOleInPlaceObject>(IID_IOleInPlaceObject)->GetWindow(nullptr); }},
      // Persistence refuses missing objects as well as missing out-parameters.
      {"bag Load", [&] { return As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(nullptr, nullptr); }},
      {"bag Save", [&] { return As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(nullptr, TRUE, TRUE); }},
      {"GetSizeMax", [&] { return As<IPersistStreamInit>(IID_IPersistStreamInit)->GetSizeMax(nullptr); }},
      {"stream Save", [&] { return As<IPersistStreamInit>(IID_IPersistStreamInit)->Save(nullptr, TRUE); }},
      {"storage Load", [&] { return As<IPersistStorage>(IID_IPersistStorage)->Load(nullptr); }},
      {"GetClassID", [&] { return As<IPersistStorage>(IID_IPersistStorage)->GetClassID(nullptr); }}};
  for (const Call& row : calls) EXPECT_EQ(row.call(), E_POINTER) << row.what;
  EXPECT_EQ(Count(), panes);  // the failed Add and Remove changed nothing
}

TEST_F(OutParameters, ACallThatFailsBeforeWritingLeavesTheCallersValue) {
  auto* sentinelPane = reinterpret_cast<_OvPane*>(static_cast<INT_PTR>(0x5E17));
  _OvPane* pane = sentinelPane;
  EXPECT_EQ(Collection()->get_Item(nullptr, &pane), E_POINTER);
  EXPECT_EQ(pane, sentinelPane);

  SIZEL size{1234, 5678};
  EXPECT_EQ(As<IOleObject>(IID_IOleObject)->GetExtent(DVASPECT_ICON, &size), DV_E_DVASPECT);
  EXPECT_EQ(Text(RECT{size.cx, size.cy}), Text(RECT{1234, 5678}));

  CONTROLINFO info{};
  info.cb = 1;  // shorter than any CONTROLINFO
  info.cAccel = 77;
  EXPECT_EQ(As<IOleControl>(IID_IOleControl)->GetControlInfo(&info), E_INVALIDARG);
  EXPECT_EQ(info.cAccel, 77);

  activex::ComPtr<IConnectionPoint> point;
  ASSERT_EQ(As<IConnectionPointContainer>(IID_IConnectionPointContainer)->FindConnectionPoint(Events(), point.Out()),
            S_OK);
  DWORD cookie = 0x5E17;
  EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
  EXPECT_EQ(cookie, 0x5E17u);
}

TEST_F(OutParameters, AFailedCallClearsTheInterfaceOrCookieItWouldHaveGiven) {
  constexpr auto kIndexOutOfBounds = static_cast<HRESULT>(0x8004041D);
  VARIANT index = VariantValue(99L).Raw();
  auto* points = As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  activex::ComPtr<IConnectionPoint> point;
  ASSERT_EQ(points->FindConnectionPoint(Events(), point.Out()), S_OK);
  // Each call gets a pointer that holds a sentinel.
  const std::pair<std::function<HRESULT(void**)>, HRESULT> calls[] = {
      {[&](void** out) { return unknown_->QueryInterface(IID_IStream, out); }, E_NOINTERFACE},
      {[&](void** out) { return Collection()->get_Item(&index, reinterpret_cast<_OvPane**>(out)); }, kIndexOutOfBounds},
      {[&](void** out) {
         return points->FindConnectionPoint(IID_IDispatch, reinterpret_cast<IConnectionPoint**>(out));
       },
       CONNECT_E_NOCONNECTION},
      {[&](void** out) { return points->EnumConnectionPoints(reinterpret_cast<IEnumConnectionPoints**>(out)); },
       E_NOTIMPL},
      {[&](void** out) { return point->EnumConnections(reinterpret_cast<IEnumConnections**>(out)); }, E_NOTIMPL}};
  for (size_t i = 0; i < std::size(calls); ++i) {
    void* out = reinterpret_cast<void*>(static_cast<INT_PTR>(0x5E17));
    EXPECT_EQ(calls[i].first(&out), calls[i].second) << "call " << i;
    EXPECT_EQ(out, nullptr) << "call " << i;
  }

  // A sink with neither the event interface nor IDispatch cannot connect.
  UnfitSink unfit;
  DWORD cookie = 0x5E17;
  EXPECT_EQ(point->Advise(&unfit, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  point.Reset();
  EXPECT_EQ(unfit.references, 1u);
}

}  // namespace
