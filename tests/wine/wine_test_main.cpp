// The integration tests run on one single-threaded apartment, as a form's UI thread.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include "automation/server_module.h"

namespace {

// After the last test every object the tests made must be gone: a leak anywhere shows
// up here as a server that cannot unload.
class ServerReleaseCheck : public ::testing::Environment {
 public:
  void TearDown() override {
    if (GetModuleHandleW(kServerModule)) {
      EXPECT_EQ(ServerCanUnloadNow(), S_OK) << "objects of the server are still alive";
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new ServerReleaseCheck);
  if (FAILED(OleInitialize(nullptr))) return 2;
  int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
