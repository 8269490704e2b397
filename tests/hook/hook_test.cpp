// The message hook: its registry of windows and messages with their events, subclassing
// through the simulated window system, and the hook control over it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "hook/kp_msg_hook.h"
#include "hook/m_call_back.h"
#include "hook/ov_windows.h"
#include "sim/sim_ambient_properties.h"
#include "sim/sim_contained_control.h"
#include "sim/sim_named_parent.h"
#include "sim/sim_property_change_recorder.h"
#include "sim/sim_window_subclassing.h"
#include "tests/support/error_matchers.h"

namespace {

using host::Variant;
namespace err = host::err;
namespace MCallBack = hook::MCallBack;
const Variant kMissing = Variant::Missing();
using Strings = std::vector<std::string>;

// A registry's events as readable lines; a test can run code inside CallBack.
inline std::string Describe(const hook::WindowPtr& window) {
  return window ? "window " + host::ToUtf8(window->Name()) : std::string("Nothing");
}

inline std::string Describe(const hook::MessagePtr& message) {
  return message ? "message " + std::to_string(message->Value()) : std::string("Nothing");
}

class WindowsEvents : public hook::WindowsListener {
 public:
  void Added(hook::WindowPtr& window) override { log.push_back("Added " + Describe(window)); }
  void Removed(hook::WindowPtr& window) override { log.push_back("Removed " + Describe(window)); }
  void Changed(hook::WindowPtr& window, host::String& property) override {
    log.push_back("Changed " + Describe(window) + " " + host::ToUtf8(property));
  }
  void MessageAdded(hook::MessagePtr& message) override { log.push_back("MessageAdded " + Describe(message)); }
  void MessageRemoved(hook::MessagePtr& message) override { log.push_back("MessageRemoved " + Describe(message)); }
  void MessageChanged(hook::MessagePtr& message, host::String& property) override {
    log.push_back("MessageChanged " + Describe(message) + " " + host::ToUtf8(property));
  }
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override {
    if (onCallBack) onCallBack(hWnd, lMsg, wParam, lParam);
  }

  Strings log;
  std::function<void(host::WindowHandle, uint32_t, host::WParam, host::LParam)> onCallBack;
};

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
  WindowsEvents events;
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

TEST_F(OvWindowsTest, ChangesOfWindowsAndTheirMessagesArriveAsRegistryEventsWhileItLasts) {
  auto w = AddNamed(u"w");
  EXPECT_EQ(events.log, (Strings{"Added window w"}));
  events.log.clear();
  w->SetName(u"main");
  w->SetTag(Variant(u"t"));
  w->SetKey(Variant(u"k"));
  w->SetSubClassHwnd(42);
  auto m = w->Messages()->Add(kMissing, kMissing, Variant(512));
  m->SetText(u"move");
  m->SetProcessType(hook::OvAfterDefaultProc);  // these two raise nothing
  m->SetProcessDefaultProc(false);
  m->SetKey(Variant(u""));  // a key is reported only when it differs: "" equals the Empty held
  m->SetKey(Variant::Null());
  m->SetKey(Variant(u"k"));
  EXPECT_TRUE(m->Key().IsString());
  m->SetTag(Variant(1));
  m->SetTag(Variant(1));
  m->SetValue(514);
  auto cleared = w->Messages()->Add(kMissing, kMissing, Variant(513));
  w->Messages()->Remove(Variant(1));
  w->Messages()->Clear();  // once, with Nothing
  EXPECT_EQ(w->Messages()->Count(), 0);
  AddNamed(u"other");
  registry->Remove(Variant(u"k"));
  registry->Clear();
  // Removed windows and messages still report through the collection they came from.
  cleared->SetText(u"still here");
  w->SetName(u"gone");
  EXPECT_EQ(
      events.log,
      (Strings{"Changed window main Name", "Changed window main Tag", "Changed window main Key",
               "Changed window main SubClassHwnd", "MessageAdded message 512", "MessageChanged message 512 Text",
               "MessageChanged message 512 Key", "MessageChanged message 512 Tag", "MessageChanged message 512 Tag",
               "MessageChanged message 514 Value", "MessageAdded message 513", "MessageRemoved message 514",
               "MessageRemoved Nothing", "Added window other", "Removed window main", "Removed Nothing",
               "MessageChanged message 513 Text", "Changed window gone Name"}));
  // A window that outlives its registry still takes values.
  registry->RemoveListener(&events);
  registry.reset();
  w->SetKey(Variant(u"k"));
  w->Messages()->Add(kMissing, kMissing, Variant(512));
  EXPECT_EQ(w->GetOwner(), nullptr);
  EXPECT_EQ(w->Messages()->Count(), 1);
}

TEST_F(OvMessagesTest, AddTakesEveryArgumentQuietlyAndRaisesOnlyAdded) {
  auto plain = messages->Add();
  EXPECT_EQ(std::tuple(plain->Value(), plain->ProcessDefaultProc(), plain->ProcessType()),
            std::tuple(0, true, hook::OvBeforeDefaultProc));

  auto full = messages->Add(kMissing, Variant(u"move"), Variant(u"512"), Variant(7), Variant(false), Variant(2.5));
  // The process type rounds half to even.
  EXPECT_EQ(std::tuple(full->Key().ToString(), full->Value(), full->Text(), full->ProcessDefaultProc(),
                       full->ProcessType(), full->Index()),
            std::tuple(host::String(u"move"), 512, host::String(u"7"), false, 2, 2));
  EXPECT_EQ(full->GetOwner(), messages);
  EXPECT_EQ(events.log, (Strings{"MessageAdded message 0", "MessageAdded message 512"}));
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

TEST_F(OvMessagesTest, PositionsFollowInsertionAndRemovalAndBadOnesChangeNothing) {
  const char* badCall = "Invalid procedure call or argument";
  EXPECT_OV_ERROR(messages->Add(Variant(1)), err::kInvalidArgument, badCall);
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

  EXPECT_OV_ERROR(messages->Add(Variant(5), kMissing, Variant(7)), err::kInvalidArgument, badCall);
  EXPECT_OV_ERROR(messages->Add(Variant(u"nokey")), err::kInvalidArgument, badCall);
  for (const Variant& bad : {Variant(0), Variant(5), Variant(u"nokey"), Variant(-1)}) {
    EXPECT_OV_ERROR(messages->Item(bad), err::kIndexOutOfBounds, "Index out of bounds.");
    EXPECT_OV_ERROR(messages->Remove(bad), err::kIndexOutOfBounds, "Index out of bounds.");
  }
  EXPECT_EQ(ValuesWithIndex(), (std::vector<int32_t>{61, 22, 33, 54}));
  EXPECT_EQ(events.log.size(), 2u);
}

constexpr uint32_t kPaint = 15, kMouseMove = 512, kLeftDown = 513, kLeftUp = 514;
const std::string kCount = host::ToUtf8(MCallBack::kRegistrationCountProperty);

std::string Line(const std::string& head, uint32_t message, host::WParam wParam, host::LParam lParam) {
  return head + " " + std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam);
}

size_t RegistryCount() { return MCallBack::ThreadRegistries() ? MCallBack::ThreadRegistries()->size() : 0; }

// A window whose own procedure logs "proc <message>" and answers 1000 + message.
class SubclassedWindow : public testing::Test {
 protected:
  host::MessageResult Send(uint32_t message, host::WParam wParam = 1, host::LParam lParam = 2) {
    return platform.SendMessage(window, message, wParam, lParam);
  }
  // Its own procedure installed and no property left.
  bool AsFound() const { return platform.CurrentProcedure(window) == own && platform.Properties(window).empty(); }
  std::uintptr_t Count() const { return platform.Properties(window)[kCount]; }
  Strings TakeLog() { return std::exchange(log, {}); }
  // Sends a message with 1 and 2 and hands back what ran for it, then "= <answer>".
  Strings Handle(uint32_t message) {
    log.push_back("= " + std::to_string(Send(message)));
    return TakeLog();
  }

  host::sim::SimWindowSubclassing platform;
  host::WindowHandle window =
      platform.CreateWindow([this](host::WindowHandle, uint32_t message, host::WParam, host::LParam) {
        log.push_back("proc " + std::to_string(message));
        if (onProcedure) onProcedure(message);
        return static_cast<host::MessageResult>(1000 + message);
      });
  host::WindowProcedure own = platform.OwnProcedure(window);
  Strings log;
  std::function<void(uint32_t)> onProcedure;
};

// One registry on this thread's list, with one entry for a window; its callbacks are logged
// as "cb <name> <message> <wParam> <lParam>".
struct Registry {
  std::string name;
  std::shared_ptr<hook::OvWindows> windows = hook::OvWindows::Create();
  hook::WindowPtr entry;
  WindowsEvents events;
  std::function<void(uint32_t)> onCallBack;
};

class MCallBackTest : public SubclassedWindow {
 protected:
  ~MCallBackTest() override {
    while (!registries.empty()) Drop(*registries.back());
  }

  Registry& AddRegistry(const std::string& name, host::WindowHandle hwnd) {
    auto& r = *registries.emplace_back(std::make_unique<Registry>());
    r.name = name;
    r.entry = r.windows->Add(kMissing, kMissing, Variant(host::FromUtf8(name)));
    r.entry->SetSubClassHwnd(hwnd);
    r.events.onCallBack = [this, &r](host::WindowHandle, uint32_t message, host::WParam wParam, host::LParam lParam) {
      log.push_back(Line("cb " + r.name, message, wParam, lParam));
      if (r.onCallBack) r.onCallBack(message);
    };
    r.windows->AddListener(&r.events);
    MCallBack::RegisterWindows(r.windows);
    return r;
  }
  void Watch(Registry& r, uint32_t message, bool processDefaultProc, int32_t processType) {
    r.entry->Messages()->Add(kMissing, kMissing, Variant(static_cast<int32_t>(message)), kMissing,
                             Variant(processDefaultProc), Variant(processType));
  }
  void Subclass(Registry& r, bool on) {
    r.windows->SetIsSubclassing(on);
    MCallBack::ApplySubclassing(platform, *r.windows);
  }
  void Drop(Registry& r) {
    r.windows->SetIsSubclassing(false);
    MCallBack::UnregisterWindows(platform, r.windows);
    r.windows->RemoveListener(&r.events);
    std::erase_if(registries, [&](const auto& p) { return p.get() == &r; });
  }

  std::vector<std::unique_ptr<Registry>> registries;
};

TEST_F(MCallBackTest, TheRegisteredMessageDecidesWhatRunsAndWhatItAnswers) {
  const std::string cb = "cb A 15 1 2";
  // Registered or not, ProcessDefaultProc, ProcessType, then the log and the answer.
  for (auto [what, registered, processDefaultProc, processType, expectedLog, expectedResult] :
       {std::tuple("not registered", false, true, 0, Strings{"proc 15"}, 1015),
        std::tuple("before, swallowed", true, false, 0, Strings{cb}, 0),
        std::tuple("before, then the procedure", true, true, 0, Strings{cb, "proc 15"}, 1015),
        std::tuple("the procedure, then after", true, true, 1, Strings{"proc 15", cb}, 1015),
        std::tuple("after, swallowed", true, false, 1, Strings{cb}, 0),
        std::tuple("never told, procedure runs", true, true, 2, Strings{"proc 15"}, 1015),
        std::tuple("never told, swallowed", true, false, -1, Strings{}, 0)}) {
    Registry& a = AddRegistry("A", window);
    Watch(a, kMouseMove, false, 0);
    if (registered) Watch(a, kPaint, processDefaultProc, processType);
    Subclass(a, true);
    EXPECT_EQ(Send(kPaint), expectedResult) << what;
    EXPECT_EQ(TakeLog(), expectedLog) << what;
    Drop(a);
    EXPECT_TRUE(AsFound()) << what;
  }
}

// Only when every entry swallows a message is it kept from the window.
TEST_F(MCallBackTest, TwoRegistriesShareOneSubclassingOfTheWindow) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kMouseMove, true, 0);
  Watch(b, kMouseMove, true, 0);
  Watch(a, kLeftDown, false, 1);
  Watch(b, kLeftDown, false, 0);
  Watch(b, kPaint, false, 0);
  Subclass(a, true);
  Subclass(b, true);
  EXPECT_EQ(b.entry->GetPreviousWndProc(), own);
  EXPECT_EQ(Count(), 2u);

  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb A 512 1 2", "cb B 512 1 2", "proc 512", "= 1512"}));
  EXPECT_EQ(Handle(kLeftDown), (Strings{"cb B 513 1 2", "cb A 513 1 2", "= 0"}));  // before-callbacks first
  EXPECT_EQ(Handle(kPaint), (Strings{"cb B 15 1 2", "proc 15", "= 1015"}));        // A has not registered it

  Subclass(a, false);  // A's entries are ignored from now on
  EXPECT_EQ(Count(), 1u);
  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb B 512 1 2", "proc 512", "= 1512"}));

  Subclass(b, false);
  EXPECT_TRUE(AsFound());
  EXPECT_EQ(std::ranges::count_if(platform.Log().Lines(), [](const auto& line) { return line.starts_with("Install"); }),
            1);
}

TEST_F(MCallBackTest, AMessageSentFromACallBackIsHandledInsideTheOuterOne) {
  Registry& a = AddRegistry("A", window);
  Watch(a, kMouseMove, false, 0);
  Watch(a, kLeftDown, true, 1);
  Subclass(a, true);
  a.onCallBack = [this](uint32_t message) {
    if (message == kMouseMove) log.push_back("nested answers " + std::to_string(Send(kLeftDown)));
  };
  onProcedure = [this](uint32_t message) {
    if (message == kPaint) log.push_back("nested answers " + std::to_string(Send(kMouseMove)));
  };
  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb A 512 1 2", "proc 513", "cb A 513 1 2", "nested answers 1513", "= 0"}));
  // The window's own procedure sends a message that the hook swallows.
  EXPECT_EQ(Handle(kPaint), (Strings{"proc 15", "cb A 512 1 2", "proc 513", "cb A 513 1 2", "nested answers 1513",
                                     "nested answers 0", "= 1015"}));
}

TEST_F(MCallBackTest, ABeforeCallBackChangesLaterEntriesOfTheSameMessage) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kMouseMove, false, 0);
  Subclass(a, true);
  Subclass(b, true);
  // B registers the message while A is being told: B's turn in this very message sees it.
  a.onCallBack = [&](uint32_t) { Watch(b, kMouseMove, false, 0); };
  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb A 512 1 2", "cb B 512 1 2", "= 0"}));

  // A takes B's entry out while being told: B's entry still has its turn in this message,
  // and the window, named by A alone now, keeps its subclassing.
  a.onCallBack = [&](uint32_t) { b.windows->Clear(); };
  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb A 512 1 2", "cb B 512 1 2", "= 0"}));
  EXPECT_EQ(Handle(kMouseMove), (Strings{"cb A 512 1 2", "= 0"}));
  EXPECT_TRUE(platform.HasSharedProcedure(window));
}

// A subclassed window that no entry names, or whose message arrives on a thread without
// registries, gets its own procedure back and handles the message; releasing afterwards
// finds nothing to release.
TEST_F(MCallBackTest, AWindowThatNoEntryNamesHandlesItsMessageAndIsGivenBack) {
  const std::function<host::MessageResult(Registry&)> losses[] = {
      [this](Registry& r) { return r.windows->Remove(Variant(1)), Send(kPaint); },
      [this](Registry& r) { return r.windows->Clear(), Send(kPaint); },
      [this](Registry& r) { return r.entry->SetSubClassHwnd(0), Send(kPaint); },
      [this](Registry&) {
        host::MessageResult result = 0;
        Subclass(AddRegistry("B", window), true);  // counted twice, given back at once
        std::thread([&] { result = MCallBack::ThreadRegistries() ? -1 : Send(kPaint); }).join();
        return result;
      }};
  for (const auto& loseEntry : losses) {
    Registry& a = AddRegistry("A", window);
    Watch(a, kPaint, false, 0);
    Subclass(a, true);
    EXPECT_EQ(loseEntry(a), 1015);
    EXPECT_EQ(TakeLog(), (Strings{"proc 15"}));
    EXPECT_TRUE(AsFound());
    while (!registries.empty()) Drop(*registries.back());
    EXPECT_TRUE(AsFound());
  }
}

TEST_F(MCallBackTest, AHandleThatIsNoWindowRecordsNothingAndChangesNothing) {
  for (host::WindowHandle bad : {host::WindowHandle{0}, window + 1}) {
    Registry& a = AddRegistry("A", bad);
    a.entry->SetPreviousWndProc(99);
    Subclass(a, true);
    EXPECT_EQ(a.entry->GetPreviousWndProc(), 0u);
    Subclass(a, false);
    Drop(a);
  }
  EXPECT_TRUE(platform.Log().Lines().empty());
  EXPECT_TRUE(AsFound());
}

TEST_F(MCallBackTest, TheWatchedNumbersFollowEveryEditOfTheMessages) {
  Registry& a = AddRegistry("A", window);
  Watch(a, kMouseMove, true, 0);
  Subclass(a, true);
  auto messages = a.entry->Messages();
  messages->Item(Variant(1))->SetValue(kLeftDown);  // renumbered: the old number is nobody's
  Send(kMouseMove);
  Send(kLeftDown);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512", "cb A 513 1 2", "proc 513"}));
  Watch(a, kMouseMove, true, 0);
  messages->Remove(Variant(1));
  Send(kLeftDown);
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 513", "cb A 512 1 2", "proc 512"}));
  messages->Clear();
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512"}));
}

constexpr const char* kNoWindows =
    "No windows have been subclassed. MsgHook needs the hWnd of at least one window to subclass.";

// The hook's owner: its callbacks are logged as "owner <message> <wParam> <lParam>".
class KpMsgHookTest : public SubclassedWindow, public hook::KpMsgHookListener {
 protected:
  std::unique_ptr<hook::KpMsgHook> NewHook() {
    return std::make_unique<hook::KpMsgHook>(
        hook::HookSite{platform, ambient, propertyChanges, [this] { return parent; }});
  }
  // What the splitter registers: its window and the three mouse messages, swallowed.
  static void RegisterMouse(hook::KpMsgHook& hook, host::WindowHandle hwnd) {
    auto entry = hook.Windows()->Add(kMissing, kMissing, kMissing, Variant(static_cast<int32_t>(hwnd)));
    for (uint32_t message : {kMouseMove, kLeftDown, kLeftUp})
      entry->Messages()->Add(kMissing, kMissing, Variant(static_cast<int32_t>(message)), kMissing, Variant(false));
  }
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override {
    log.push_back(Line(hWnd == window ? "owner" : "owner of another window", lMsg, wParam, lParam));
  }

  host::sim::SimAmbientProperties ambient;
  host::sim::SimPropertyChangeRecorder propertyChanges;
  host::NamedParentRef parent;
};

TEST_F(KpMsgHookTest, SwitchingOnAtRunTimeNeedsAWindowHandle) {
  auto hook = NewHook();
  EXPECT_OV_ERROR(hook->SetSubclass(true), err::kInvalidValue, kNoWindows);
  hook->Windows()->Add();  // a window without a handle
  EXPECT_OV_ERROR(hook->SetSubclass(true), err::kInvalidValue, kNoWindows);
  EXPECT_FALSE(hook->Subclass());
  hook->SetSubclass(false);  // already off: nothing to check

  hook->Windows()->Item(Variant(1))->SetSubClassHwnd(window);
  hook->SetSubclass(true);
  EXPECT_TRUE(hook->Subclass());
  EXPECT_TRUE(platform.HasSharedProcedure(window));
  hook->SetSubclass(true);  // already on: the window is not counted again
  EXPECT_EQ(Count(), 1u);

  // Switching off checks the handles as well.
  hook->Windows()->Item(Variant(1))->SetSubClassHwnd(0);
  EXPECT_OV_ERROR(hook->SetSubclass(false), err::kInvalidValue, kNoWindows);
  EXPECT_TRUE(hook->Subclass());
  hook->Windows()->Item(Variant(1))->SetSubClassHwnd(window);
  hook->SetSubclass(false);
  EXPECT_TRUE(AsFound());
}

TEST_F(KpMsgHookTest, InTheDesignerSubclassOnlyStoresTheFlag) {
  ambient.SetUserMode(false);
  auto hook = NewHook();
  hook->SetSubclass(true);  // an empty registry is no error here
  EXPECT_TRUE(hook->Subclass());
  RegisterMouse(*hook, window);
  hook->SetSubclass(false);
  hook->SetSubclass(true);
  EXPECT_TRUE(AsFound());
  EXPECT_TRUE(platform.Log().Lines().empty());
}

TEST_F(KpMsgHookTest, WordsAndBytesOfAMessageParameter) {
  using H = hook::KpMsgHook;
  // Value, then its low and high word and the low word's low and high byte.
  const std::array<int32_t, 5> rows[] = {
      {200 * 65536 + 100, 100, 200, 100, 0}, {-1, 65535, 65535, 255, 0},   {-65536, 0, 65535, 0, 0},
      {-3 * 65536 + 5, 5, 65533, 5, 1},  // a shift would give 0
      {0x1234, 0x1234, 0, 0x34, 0x12},       {-256, 65280, 65535, 0, 255}, {-257, 65279, 65535, 255, 255},
      {0x7FFFFFFF, 65535, 32767, 255, 255}};
  for (auto [v, loWord, hiWord, loByte, hiByte] : rows)
    EXPECT_EQ((std::array{H::LoWord(v), H::HiWord(v), H::LoByte(v), H::HiByte(v)}),
              (std::array{loWord, hiWord, loByte, hiByte}))
        << v;
}

TEST_F(KpMsgHookTest, RegistryChangesAreReportedAsWindowsOrMessages) {
  auto hook = NewHook();
  auto entry = hook->Windows()->Add();
  entry->SetName(u"main");
  entry->Messages()->Add(kMissing, kMissing, Variant(512))->SetText(u"move");
  entry->Messages()->Remove(Variant(1));
  hook->Windows()->Clear();
  EXPECT_EQ(propertyChanges.Names(),
            (std::vector<host::String>{u"Windows", u"Windows", u"Messages", u"Messages", u"Messages", u"Windows"}));
}

TEST_F(KpMsgHookTest, TerminateGivesEveryWindowBackOrLowersItsCount) {
  auto first = NewHook();
  auto second = NewHook();
  RegisterMouse(*first, window);
  RegisterMouse(*second, window);
  const size_t registered = RegistryCount();
  first->SetSubclass(true);
  second->SetSubclass(true);
  EXPECT_EQ(Count(), 2u);

  first.reset();  // destroyed while subclassing
  EXPECT_EQ(Count(), 1u);
  EXPECT_TRUE(platform.HasSharedProcedure(window));
  EXPECT_EQ(RegistryCount(), registered - 1);

  second->AddListener(this);
  EXPECT_EQ(Handle(kMouseMove), (Strings{"owner 512 1 2", "= 0"}));
  second->Terminate();
  EXPECT_EQ(second->Windows(), nullptr);
  EXPECT_FALSE(second->Subclass());
  second->Terminate();  // once is all it takes
  EXPECT_TRUE(AsFound());
  EXPECT_EQ(RegistryCount(), registered - 2);
}

TEST_F(KpMsgHookTest, ControlNamesComeFromTheOutermostContainer) {
  using host::sim::SimContainedControl;
  using host::sim::SimNamedParent;
  auto unnamed = std::make_shared<SimContainedControl>(u"Broken", 0x30);
  unnamed->RemoveMember("Name");
  auto form = std::make_shared<SimNamedParent>(
      u"frmMain", std::vector<host::ContainedControlRef>{
                      std::make_shared<SimContainedControl>(u"Text1", 0x10),
                      std::make_shared<SimContainedControl>(u"Label1", std::nullopt),  // no window: left out
                      unnamed, std::make_shared<SimContainedControl>(u"List1", 0x20)});
  parent = std::make_shared<SimNamedParent>(u"UserControl", std::make_shared<SimNamedParent>(u"OvSplitter1", form));
  auto hook = NewHook();
  EXPECT_EQ(hook->GetControlNames(), (std::vector<host::String>{u"frmMain", u"Text1", u"", u"List1", u""}));

  // A chain ending in Nothing stops before it; a container without Name or Controls gives
  // what it can.
  parent = std::make_shared<SimNamedParent>(u"UserControl", host::NamedParentRef());
  EXPECT_EQ(hook->GetControlNames(), (std::vector<host::String>{u"UserControl", u""}));
  form->RemoveMember("Name");
  form->RemoveMember("Controls");
  parent = form;
  EXPECT_EQ(hook->GetControlNames(), (std::vector<host::String>{u"", u""}));
  parent = nullptr;
  EXPECT_EQ(hook->GetControlNames(), (std::vector<host::String>{u"", u""}));
}

}  // namespace
