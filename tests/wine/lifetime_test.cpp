// Registration as clients find it (and, after regsvr32 /u, nothing of the control left for
// them to find), and reference counting across the server boundary.

#include "automation/server_module.h"
#include "splitter_test.h"

namespace {

TEST(Registration, BothProgIdsNameOneInProcessClass) {
  CLSID current, versioned;
  ASSERT_EQ(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter", &current), S_OK);
  ASSERT_EQ(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter.1", &versioned), S_OK);
  EXPECT_TRUE(IsEqualCLSID(current, versioned));
  SplitterInstance splitter;
  EXPECT_NE(GetModuleHandleW(kServerModule), nullptr);
}

TEST(Unregistered, ProgIdsNoLongerResolve) {
  CLSID clsid;
  EXPECT_HRESULT_FAILED(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter", &clsid));
  EXPECT_HRESULT_FAILED(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter.1", &clsid));
}

TEST(Lifetime, ControlLetsGoOfItsSiteAndItsSinks) {
  SplitterInstance splitter;
  auto site = activex::ComPtr<AmbientSite>::Share(splitter.Site());
  auto recorder = EventRecorder::Create();
  recorder->Connect(splitter.Panes().Pointer());
  recorder->Abandon();  // no Unadvise: the collection must drop the sink as it goes
  splitter.Close();
  EXPECT_EQ(site->References(), 1u);
  EXPECT_EQ(recorder->References(), 1u);
}

TEST(Lifetime, ServerCanUnloadOnceEverythingIsReleased) {
  {
    SplitterInstance splitter;
    DispatchClient panes = splitter.Panes();
    panes.Call(L"Add", VariantValue::Missing(), L"kept");
    DispatchClient pane = panes.Object(L"Item", L"kept");
    VariantValue enumerator = panes.Invoke(DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, L"NewEnum");
    EXPECT_EQ(ServerCanUnloadNow(), S_FALSE);
    splitter.Close();
    panes.Reset();
    // The pane outlives its control; it and the enumerator still hold the server.
    EXPECT_EQ(ServerCanUnloadNow(), S_FALSE);
    EXPECT_EQ(pane.Get(L"Name").AsString() + pane.Get(L"Key").AsString(), L"Pane 2kept");
  }
  EXPECT_EQ(ServerCanUnloadNow(), S_OK);
}

}  // namespace
