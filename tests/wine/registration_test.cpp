// Run after regsvr32 /u: nothing of the control may be left for clients to find.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

namespace {

TEST(Unregistered, ProgIdsNoLongerResolve) {
  CLSID clsid;
  EXPECT_HRESULT_FAILED(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter", &clsid));
  EXPECT_HRESULT_FAILED(CLSIDFromProgID(L"OrvaneSplitter.OvSplitter.1", &clsid));
}

}  // namespace
