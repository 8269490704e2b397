// The registry of windows and the messages of one window: handles, the flags the
// subclassing reads, Add, Item, Remove, Clear, keys, numbers and positions, and the events
// of windows and messages arriving as the registry's own.
#include <gtest/gtest.h>

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
  ~OvWindowsTest() override {
    if (registry) registry->RemoveListener(&events);
  }

  hook::WindowPtr AddNamed(const char16_t* name, int32_t hwnd = 0) {
    return registry->Add(kMissing, kMissing, Variant(name), Variant(hwnd));
  }

  std::shared_ptr<hook::OvWindows> registry = hook::OvWindows::Create();
  testing_support::WindowsEvents events;
};

// One window whose messages the tests edit; the registry's events show what they raise.
class OvMessagesTest : public OvWindowsTest {
 protected:
  OvMessagesTest() { events.log.clear(); }

  std::vector<int32_t> ValuesWithIndex() const {
    std::vector<int32_t> rows;
    for (const auto& m : messages->Messages()) rows.push_back(m->Value() * 10 + m->Index());
    return rows;
  }

  std::shared_ptr<hook::OvMessages> messages = AddNamed(u"W")->Messages();
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
  auto m = w->Messages()->Add(kMissing, kMissing, Variant(512));
  m->SetText(u"move");
  m->SetProcessType(hook::OvAfterDefaultProc);
  m->SetProcessDefaultProc(false);
  w->Messages()->Remove(Variant(1));
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
  w->Messages()->Add(kMissing, kMissing, Variant(512));
  EXPECT_EQ(w->GetOwner(), nullptr);
  EXPECT_EQ(w->Messages()->Count(), 1);
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
  w->Messages()->Add(kMissing, kMissing, kMissing, kMissing, Variant(false), Variant(5));
  w->Messages()->Add(kMissing, kMissing, kMissing, kMissing, Variant(true), Variant(1));
  w->Messages()->Add(kMissing, kMissing, Variant(513), kMissing, Variant(true), Variant(1));
  // Each found message as "<ProcessType> <ProcessDefaultProc>".
  for (auto [message, expected] : {std::pair(0u, "5 0"), std::pair(513u, "1 1"), std::pair(512u, "none")}) {
    auto m = hook::OvWindows::FindMessage(*w, 999, message);
    EXPECT_EQ(m ? std::to_string(m->ProcessType()) + " " + std::to_string(m->ProcessDefaultProc()) : "none", expected);
  }
}

TEST_F(OvMessagesTest, AddTakesEveryArgumentQuietlyAndRaisesOnlyAdded) {
  auto plain = messages->Add();
  EXPECT_EQ(plain->Value(), 0);
  EXPECT_TRUE(plain->ProcessDefaultProc());
  EXPECT_EQ(plain->ProcessType(), hook::OvBeforeDefaultProc);

  auto full = messages->Add(kMissing, Variant(u"move"), Variant(u"512"), Variant(7), Variant(false), Variant(2.5));
  EXPECT_EQ(full->Key().ToString(), u"move");
  EXPECT_EQ(full->Value(), 512);
  EXPECT_EQ(full->Text(), u"7");
  EXPECT_FALSE(full->ProcessDefaultProc());
  EXPECT_EQ(full->ProcessType(), 2);  // half to even
  EXPECT_EQ(full->Index(), 2);
  EXPECT_EQ(full->GetOwner(), messages);
  EXPECT_EQ(events.log, (Strings{"MessageAdded message 0", "MessageAdded message 512"}));
}

TEST_F(OvMessagesTest, ADuplicateNumberFailsAddAndLeavesTheCollectionWorking) {
  auto first = messages->Add(kMissing, kMissing, Variant(512));
  events.log.clear();
  EXPECT_OV_ERROR(messages->Add(kMissing, kMissing, Variant(512)), err::kInvalidValue, "Message already exists.");
  EXPECT_EQ(messages->Count(), 1);
  EXPECT_FALSE(messages->IsAdding());
  EXPECT_TRUE(events.log.empty());
  first->SetText(u"move");
  EXPECT_EQ(events.log, (Strings{"MessageChanged message 512 Text"}));
}

TEST_F(OvMessagesTest, OnlyNonZeroNumbersMustBeUnique) {
  auto a = messages->Add();
  auto b = messages->Add();
  auto c = messages->Add(kMissing, kMissing, Variant(513));
  EXPECT_OV_ERROR(a->SetValue(513), err::kInvalidValue, "Message already exists.");
  EXPECT_EQ(a->Value(), 0);
  // The message being set counts too: its own non-zero number is taken.
  EXPECT_OV_ERROR(c->SetValue(513), err::kInvalidValue, "Message already exists.");
  b->SetValue(0);
  c->SetValue(0);
  EXPECT_EQ(ValuesWithIndex(), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(OvMessagesTest, KeysCollideIgnoringCaseAndBlanksButAreFoundExactly) {
  auto keyed = messages->Add(kMissing, Variant(u"Move"), Variant(512));
  auto other = messages->Add(kMissing, kMissing, Variant(513));
  for (const char16_t* clash : {u"Move", u"  mOVE ", u"move"})
    EXPECT_OV_ERROR(other->SetKey(Variant(clash)), err::kInvalidValue, "Key already exists.");
  EXPECT_TRUE(other->Key().IsEmpty());
  EXPECT_OV_ERROR(keyed->SetKey(Variant(u"Move")), err::kInvalidValue, "Key already exists.");

  EXPECT_EQ(messages->Item(Variant(u"Move")), keyed);
  EXPECT_OV_ERROR(messages->Item(Variant(u"move")), err::kIndexOutOfBounds, "Index out of bounds.");
  EXPECT_OV_ERROR(messages->Item(Variant(u" Move")), err::kIndexOutOfBounds, "Index out of bounds.");

  // Blank keys never collide, however many items carry one.
  other->SetKey(Variant(u"  "));
  messages->Add(kMissing, Variant(u" "));
  EXPECT_EQ(messages->Count(), 3);
}

TEST_F(OvMessagesTest, KeyChangesAreReportedOnlyWhenTheKeyDiffers) {
  auto m = messages->Add(kMissing, kMissing, Variant(512));
  events.log.clear();
  m->SetKey(Variant(u""));  // equals the Empty it holds
  m->SetKey(Variant::Null());
  m->SetKey(Variant(u"k"));
  m->SetTag(Variant(1));
  m->SetTag(Variant(1));
  m->SetValue(514);
  m->SetProcessType(hook::OvAfterDefaultProc);
  m->SetProcessDefaultProc(false);
  EXPECT_TRUE(m->Key().IsString());
  EXPECT_EQ(events.log, (Strings{"MessageChanged message 512 Key", "MessageChanged message 512 Tag",
                                 "MessageChanged message 512 Tag", "MessageChanged message 514 Value"}));
}

TEST_F(OvMessagesTest, PositionsFollowInsertionAndRemoval) {
  for (int32_t value : {1, 2, 3}) messages->Add(kMissing, Variant(host::DecimalText(value) + u"k"), Variant(value));
  messages->Add(Variant(1), kMissing, Variant(4));       // after the first
  messages->Add(Variant(u"3k"), kMissing, Variant(5));   // after the one keyed "3k"
  messages->Add(Variant(u" 2 "), kMissing, Variant(6));  // a numeric string is a position
  EXPECT_EQ(ValuesWithIndex(), (std::vector<int32_t>{11, 42, 63, 24, 35, 56}));
  events.log.clear();

  messages->Remove(Variant(2.5));  // half to even: position 2
  messages->Remove(Variant(u"1k"));
  EXPECT_EQ(ValuesWithIndex(), (std::vector<int32_t>{61, 22, 33, 54}));
  EXPECT_EQ(events.log, (Strings{"MessageRemoved message 4", "MessageRemoved message 1"}));
}

TEST_F(OvMessagesTest, BadPositionsFailAndChangeNothing) {
  const char* badCall = "Invalid procedure call or argument";
  EXPECT_OV_ERROR(messages->Add(Variant(1)), err::kInvalidArgument, badCall);
  messages->Add(kMissing, kMissing, Variant(512));
  EXPECT_OV_ERROR(messages->Add(Variant(2), kMissing, Variant(513)), err::kInvalidArgument, badCall);
  EXPECT_OV_ERROR(messages->Add(Variant(u"nokey")), err::kInvalidArgument, badCall);
  EXPECT_OV_ERROR(messages->Add(Variant(1), kMissing, Variant(512)), err::kInvalidValue, "Message already exists.");
  for (const Variant& bad : {Variant(0), Variant(2), Variant(u"nokey"), Variant(-1)}) {
    EXPECT_OV_ERROR(messages->Item(bad), err::kIndexOutOfBounds, "Index out of bounds.");
    EXPECT_OV_ERROR(messages->Remove(bad), err::kIndexOutOfBounds, "Index out of bounds.");
  }
  EXPECT_EQ(ValuesWithIndex(), (std::vector<int32_t>{5121}));
  EXPECT_EQ(events.log, (Strings{"MessageAdded message 512"}));
}

TEST_F(OvMessagesTest, ClearRaisesRemovedOnceWithNothing) {
  auto kept = messages->Add(kMissing, kMissing, Variant(512));
  messages->Add(kMissing, kMissing, Variant(513));
  events.log.clear();
  messages->Clear();
  EXPECT_EQ(messages->Count(), 0);
  EXPECT_EQ(events.log, (Strings{"MessageRemoved Nothing"}));
  // A message taken out still reports through the collection it came from.
  kept->SetText(u"still here");
  EXPECT_EQ(events.log.back(), "MessageChanged message 512 Text");
}

}  // namespace
