// The registry of windows: positions, keys, handles, the flags the subclassing reads, and
// the events of its windows and their messages arriving as the registry's own.
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
  Strings NamesWithIndex() const {
    Strings rows;
    for (const auto& w : registry->Windows())
      rows.push_back(host::ToUtf8(w->Name()) + "#" + std::to_string(w->Index()));
    return rows;
  }

  std::shared_ptr<hook::OvWindows> registry = hook::OvWindows::Create();
  testing_support::WindowsEvents events;
};

TEST_F(OvWindowsTest, AddWithAnIndexInsertsAfterItAndRenumbers) {
  AddNamed(u"a");
  AddNamed(u"b");
  AddNamed(u"c");
  auto inserted = registry->Add(Variant(int32_t{1}), Variant(u"new"), Variant(u"d"));
  EXPECT_EQ(inserted->Index(), 2);
  EXPECT_EQ(NamesWithIndex(), (Strings{"a#1", "d#2", "b#3", "c#4"}));
  EXPECT_EQ(registry->Item(Variant(u"new")), inserted);
  EXPECT_EQ(registry->Item(Variant(int32_t{3}))->Name(), u"b");
  EXPECT_EQ(events.log, (Strings{"Added window a", "Added window b", "Added window c", "Added window d"}));
}

TEST_F(OvWindowsTest, AHandleGivenAsALongIsSignExtended) {
  auto w = AddNamed(u"w", -2);
  EXPECT_EQ(w->SubClassHwnd(), static_cast<host::WindowHandle>(std::intptr_t{-2}));
  EXPECT_EQ(AddNamed(u"x", 0x1234)->SubClassHwnd(), 0x1234u);
  EXPECT_OV_ERROR(registry->Add(kMissing, kMissing, kMissing, Variant(4e9)), err::kOverflow, "Overflow");
  EXPECT_EQ(registry->Count(), 2);
}

TEST_F(OvWindowsTest, WindowKeysFollowTheCollectionRules) {
  auto a = registry->Add(kMissing, Variant(u"Main"));
  EXPECT_OV_ERROR(registry->Add(kMissing, Variant(u" main"), Variant(u"dup")), err::kInvalidValue,
                  "Key already exists.");
  EXPECT_EQ(registry->Count(), 1);
  EXPECT_FALSE(registry->IsAdding());
  auto b = AddNamed(u"b");
  EXPECT_OV_ERROR(b->SetKey(Variant(u"MAIN")), err::kInvalidValue, "Key already exists.");
  EXPECT_OV_ERROR(registry->Item(Variant(u"MAIN")), err::kIndexOutOfBounds, "Index out of bounds.");
  EXPECT_EQ(registry->Item(Variant(u"Main")), a);
}

TEST_F(OvWindowsTest, ChangesOfWindowsAndTheirMessagesArriveAsRegistryEvents) {
  auto w = AddNamed(u"w");
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
  EXPECT_EQ(events.log,
            (Strings{"Changed window main Name", "Changed window main Tag", "Changed window main Key",
                     "Changed window main SubClassHwnd", "MessageAdded message 512", "MessageChanged message 512 Text",
                     "MessageRemoved message 512", "MessageRemoved Nothing"}));
}

TEST_F(OvWindowsTest, RemovedWindowsKeepReportingAndClearRaisesNothingOnce) {
  auto a = AddNamed(u"a");
  AddNamed(u"b");
  AddNamed(u"c");
  events.log.clear();
  registry->Remove(Variant(u"2"));
  EXPECT_EQ(NamesWithIndex(), (Strings{"a#1", "c#2"}));
  registry->Clear();
  EXPECT_EQ(registry->Count(), 0);
  a->SetName(u"gone");
  a->Messages()->Add();
  EXPECT_EQ(events.log,
            (Strings{"Removed window b", "Removed Nothing", "Changed window gone Name", "MessageAdded message 0"}));
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
