// The registry of windows: handles, the flags the subclassing reads, and the events of its
// windows and their messages arriving as the registry's own. Positions, keys, Remove and
// Clear are the keyed collection's, which the messages' test shows.
#include <gtest/gtest.h>

#include <limits>

#include "hook/ov_windows.h"
#include "tests/support/error_matchers.h"
#include "tests/support/hook_events.h"

namespace {

using host::Variant;
namespace err = host::err;
using testing_support::kMissing;
using testing_support::Strings;

class OvWindowsTest : public testing::Test {
 protected:
  OvWindowsTest() { registry->AddListener(&events); }
  ~OvWindowsTest() override { registry->RemoveListener(&events); }

  hook::WindowPtr AddNamed(const char16_t* name, int32_t hwnd = 0) {
    return registry->Add(kMissing, kMissing, Variant(name), Variant(hwnd));
  }

  std::shared_ptr<hook::OvWindows> registry = hook::OvWindows::Create();
  testing_support::WindowsEvents events;
};

TEST_F(OvWindowsTest, AHandleGivenAsALongIsSignExtended) {
  auto w = AddNamed(u"w", -2);
  EXPECT_EQ(w->SubClassHwnd(), static_cast<host::WindowHandle>(std::intptr_t{-2}));
  EXPECT_EQ(AddNamed(u"x", 0x1234)->SubClassHwnd(), 0x1234u);
  EXPECT_OV_ERROR(registry->Add(kMissing, kMissing, kMissing, Variant(4e9)), err::kOverflow, "Overflow");
  EXPECT_EQ(registry->Count(), 2);
}

TEST_F(OvWindowsTest, ChangesOfWindowsAndTheirMessagesArriveAsRegistryEvents) {
  auto w = AddNamed(u"w");
  EXPECT_EQ(events.log, (Strings{"Added window w"}));
  events.log.clear();
  w->SetName(u"main");
  w->SetTag(Variant(u"t"));
  w->SetKey(Variant(u"k"));
  w->SetSubClassHwnd(42);
  auto m = w->Messages()->Add(kMissing, kMissing, Variant(int32_t{512}));
  m->SetText(u"move");
  m->SetProcessType(hook::OvAfterDefaultProc);
  m->SetProcessDefaultProc(false);
  w->Messages()->Remove(Variant(int32_t{1}));
  w->Messages()->Clear();
  AddNamed(u"other");
  registry->Remove(Variant(u"k"));
  registry->Clear();
  w->SetName(u"gone");  // a removed window still reports through its registry
  EXPECT_EQ(events.log,
            (Strings{"Changed window main Name", "Changed window main Tag", "Changed window main Key",
                     "Changed window main SubClassHwnd", "MessageAdded message 512", "MessageChanged message 512 Text",
                     "MessageRemoved message 512", "MessageRemoved Nothing", "Added window other",
                     "Removed window main", "Removed Nothing", "Changed window gone Name"}));
}

TEST_F(OvWindowsTest, AWindowThatOutlivesItsRegistryStillTakesValues) {
  auto w = AddNamed(u"w");
  registry->RemoveListener(&events);
  registry.reset();
  w->SetKey(Variant(u"k"));
  w->SetName(u"alone");
  w->Messages()->Add(kMissing, kMissing, Variant(int32_t{512}));
  EXPECT_EQ(w->GetOwner(), nullptr);
  EXPECT_EQ(w->Messages()->Count(), 1);
  registry = hook::OvWindows::Create();  // for the fixture's teardown
}

TEST_F(OvWindowsTest, HasWindowHandleLooksForAnyNonZeroHandle) {
  EXPECT_FALSE(registry->HasWindowHandle());
  AddNamed(u"none");
  EXPECT_FALSE(registry->HasWindowHandle());
  auto later = AddNamed(u"later");
  later->SetSubClassHwnd(7);
  EXPECT_TRUE(registry->HasWindowHandle());
}

TEST_F(OvWindowsTest, FindMessageTakesTheFirstMessageWithTheNumber) {
  auto w = AddNamed(u"w");
  w->Messages()->Add(kMissing, kMissing, kMissing, kMissing, Variant(false), Variant(int32_t{5}));
  w->Messages()->Add(kMissing, kMissing, kMissing, kMissing, Variant(true), Variant(int32_t{1}));
  w->Messages()->Add(kMissing, kMissing, Variant(int32_t{513}), kMissing, Variant(true), Variant(int32_t{1}));
  struct Row {
    uint32_t message;
    bool found;
    bool processDefaultProc;
    int32_t processType;
  };
  for (const Row& row : {Row{0, true, false, 5}, Row{513, true, true, 1}, Row{512, false, false, 0}}) {
    auto found = hook::OvWindows::FindMessage(*w, 999, row.message);
    ASSERT_EQ(found != nullptr, row.found) << row.message;
    if (!found) continue;
    EXPECT_EQ(found->ProcessDefaultProc(), row.processDefaultProc) << row.message;
    EXPECT_EQ(found->ProcessType(), row.processType) << row.message;
  }
}

}  // namespace
