// Subclassing through the simulated window system: the shared procedure for one and two
// registries, what reaches the window and the owners, nested messages, the window given back
// as it was found; then the hook control over it, its helpers, events and form names.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <thread>

#include "hook/kp_msg_hook.h"
#include "hook/m_call_back.h"
#include "sim/sim_ambient_properties.h"
#include "sim/sim_contained_control.h"
#include "sim/sim_named_parent.h"
#include "sim/sim_property_change_recorder.h"
#include "sim/sim_window_subclassing.h"
#include "tests/support/error_matchers.h"
#include "tests/support/hook_events.h"

namespace {

using host::Variant;
namespace err = host::err;
namespace MCallBack = hook::MCallBack;
using testing_support::kMissing;
using testing_support::Strings;
constexpr uint32_t kPaint = 15, kMouseMove = 512, kLeftDown = 513, kLeftUp = 514;
const std::string kPrev = host::ToUtf8(MCallBack::kPreviousProcedureProperty);
const std::string kCount = host::ToUtf8(MCallBack::kRegistrationCountProperty);

std::string Line(const std::string& head, uint32_t message, host::WParam wParam, host::LParam lParam) {
  return head + " " + std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam);
}

size_t RegistryCount() {
  const MCallBack::RegistryList* list = MCallBack::ThreadRegistries();
  return list ? list->size() : 0;
}

// A window whose own procedure logs "proc <message>" and answers 1000 + message.
class SubclassedWindow : public testing::Test {
 protected:
  SubclassedWindow() {
    window = platform.CreateWindow([this](host::WindowHandle, uint32_t message, host::WParam, host::LParam) {
      log.push_back("proc " + std::to_string(message));
      if (onProcedure) onProcedure(message);
      return static_cast<host::MessageResult>(1000 + message);
    });
    own = platform.OwnProcedure(window);
  }
  host::MessageResult Send(uint32_t message, host::WParam wParam = 1, host::LParam lParam = 2) {
    return platform.SendMessage(window, message, wParam, lParam);
  }
  // Its own procedure installed and no property left.
  bool AsFound() const { return platform.CurrentProcedure(window) == own && platform.Properties(window).empty(); }
  std::uintptr_t Count() const {
    auto properties = platform.Properties(window);
    return properties.contains(kCount) ? properties.at(kCount) : 0;
  }
  Strings TakeLog() { return std::exchange(log, {}); }

  host::sim::SimWindowSubclassing platform;
  host::WindowHandle window = 0;
  host::WindowProcedure own = 0;
  Strings log;
  std::function<void(uint32_t)> onProcedure;
};

// One registry on this thread's list, with one entry for a window; its callbacks are logged
// as "cb <name> <message> <wParam> <lParam>".
struct Registry {
  std::string name;
  std::shared_ptr<hook::OvWindows> windows = hook::OvWindows::Create();
  hook::WindowPtr entry;
  testing_support::WindowsEvents events;
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
  struct Row {
    const char* what;
    bool registered, processDefaultProc;
    int32_t processType;
    Strings expectedLog;
    host::MessageResult expectedResult;
  };
  const std::string cb = "cb A 15 1 2";
  const Row rows[] = {
      {"not registered", false, true, 0, {"proc 15"}, 1015},
      {"before, swallowed", true, false, 0, {cb}, 0},
      {"before, then the procedure", true, true, 0, {cb, "proc 15"}, 1015},
      {"the procedure, then after", true, true, 1, {"proc 15", cb}, 1015},
      {"after, swallowed", true, false, 1, {cb}, 0},
      {"never told, procedure runs", true, true, 2, {"proc 15"}, 1015},
      {"never told, swallowed", true, false, -1, {}, 0},
  };
  for (const Row& row : rows) {
    Registry& a = AddRegistry("A", window);
    Watch(a, kMouseMove, false, 0);
    if (row.registered) Watch(a, kPaint, row.processDefaultProc, row.processType);
    Subclass(a, true);
    EXPECT_EQ(Send(kPaint), row.expectedResult) << row.what;
    EXPECT_EQ(TakeLog(), row.expectedLog) << row.what;
    Drop(a);
    EXPECT_TRUE(AsFound()) << row.what;
  }
}

TEST_F(MCallBackTest, HookingRecordsTheProcedureAndTheLastUnhookPutsItBack) {
  Registry& a = AddRegistry("A", window);
  MCallBack::HookWindow(platform, *a.entry);
  MCallBack::HookWindow(platform, *a.entry);  // the same entry twice counts twice
  EXPECT_EQ(a.entry->GetPreviousWndProc(), own);
  EXPECT_TRUE(platform.HasSharedProcedure(window));
  EXPECT_EQ(platform.Properties(window), (std::map<std::string, std::uintptr_t>{{kPrev, own}, {kCount, 2}}));
  MCallBack::UnhookWindow(platform, *a.entry);
  EXPECT_TRUE(platform.HasSharedProcedure(window));
  MCallBack::UnhookWindow(platform, *a.entry);
  MCallBack::UnhookWindow(platform, *a.entry);  // not subclassed any more: nothing
  EXPECT_TRUE(AsFound());
  EXPECT_EQ(a.entry->GetPreviousWndProc(), own);
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

  EXPECT_EQ(Send(kMouseMove), 1512);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2", "cb B 512 1 2", "proc 512"}));
  EXPECT_EQ(Send(kLeftDown), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb B 513 1 2", "cb A 513 1 2"}));  // before-callbacks first
  EXPECT_EQ(Send(kPaint), 1015);                                    // A has not registered it
  EXPECT_EQ(TakeLog(), (Strings{"cb B 15 1 2", "proc 15"}));

  Subclass(a, false);  // A's entries are ignored from now on
  EXPECT_EQ(Count(), 1u);
  EXPECT_EQ(Send(kMouseMove), 1512);
  EXPECT_EQ(TakeLog(), (Strings{"cb B 512 1 2", "proc 512"}));

  Subclass(b, false);
  EXPECT_TRUE(AsFound());
  EXPECT_EQ(std::ranges::count_if(platform.Log().Lines(), [](const auto& line) { return line.starts_with("Install"); }),
            1);
}

TEST_F(MCallBackTest, TheThreadListKeepsRegistrationOrderAcrossRemovals) {
  const size_t before = RegistryCount();
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Drop(a);
  Registry& c = AddRegistry("C", window);
  const auto& list = *MCallBack::ThreadRegistries();
  ASSERT_EQ(list.size(), before + 2);
  EXPECT_EQ(std::vector(list.end() - 2, list.end()), (std::vector{b.windows, c.windows}));
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
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2", "proc 513", "cb A 513 1 2", "nested answers 1513"}));
  // The window's own procedure sends a message that the hook swallows.
  EXPECT_EQ(Send(kPaint), 1015);
  EXPECT_EQ(TakeLog(), (Strings{"proc 15", "cb A 512 1 2", "proc 513", "cb A 513 1 2", "nested answers 1513",
                                "nested answers 0"}));
}

TEST_F(MCallBackTest, ABeforeCallBackChangesLaterEntriesOfTheSameMessage) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kMouseMove, false, 0);
  Subclass(a, true);
  Subclass(b, true);
  // B registers the message while A is being told: B's turn in this very message sees it.
  a.onCallBack = [&](uint32_t) { Watch(b, kMouseMove, false, 0); };
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2", "cb B 512 1 2"}));

  // A takes B's entry out while being told: B's entry still has its turn in this message,
  // and the window, named by A alone now, keeps its subclassing.
  a.onCallBack = [&](uint32_t) { b.windows->Clear(); };
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2", "cb B 512 1 2"}));
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2"}));
  EXPECT_TRUE(platform.HasSharedProcedure(window));
}

TEST_F(MCallBackTest, AMessageOnAThreadWithoutRegistriesGivesTheWindowBack) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kPaint, false, 0);
  Subclass(a, true);
  Subclass(b, true);
  host::MessageResult result = 0;
  bool threadHadRegistries = true;
  std::thread other([&] {
    threadHadRegistries = MCallBack::ThreadRegistries() != nullptr;
    result = Send(kPaint);
  });
  other.join();
  EXPECT_FALSE(threadHadRegistries);
  EXPECT_EQ(result, 1015);
  EXPECT_EQ(TakeLog(), (Strings{"proc 15"}));
  EXPECT_TRUE(AsFound());
  // Releasing afterwards finds nothing to release.
  Subclass(a, false);
  Subclass(b, false);
  EXPECT_TRUE(AsFound());
}

TEST_F(MCallBackTest, AWindowThatNoEntryNamesHandlesItsMessageAndIsGivenBack) {
  const std::function<void(Registry&)> losses[] = {[](Registry& r) { r.windows->Remove(Variant(1)); },
                                                   [](Registry& r) { r.windows->Clear(); },
                                                   [](Registry& r) { r.entry->SetSubClassHwnd(0); }};
  for (const auto& loseEntry : losses) {
    Registry& a = AddRegistry("A", window);
    Watch(a, kPaint, false, 0);
    Subclass(a, true);
    loseEntry(a);
    EXPECT_EQ(Send(kPaint), 1015);
    EXPECT_EQ(TakeLog(), (Strings{"proc 15"}));
    EXPECT_TRUE(AsFound());
    Drop(a);
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
  EXPECT_EQ(TakeLog(), (Strings{"proc 512"}));
  Send(kLeftDown);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 513 1 2", "proc 513"}));
  Watch(a, kMouseMove, true, 0);
  messages->Remove(Variant(1));
  Send(kLeftDown);
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 513", "cb A 512 1 2", "proc 512"}));
  messages->Clear();
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512"}));
  Subclass(a, false);
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

TEST_F(KpMsgHookTest, MouseMessagesGoOnlyToTheOwnerWhileSubclassed) {
  auto hook = NewHook();
  hook->AddListener(this);
  RegisterMouse(*hook, window);
  EXPECT_EQ(Send(kMouseMove), 1512);  // not subclassed yet
  hook->SetSubclass(true);
  const host::LParam at5minus3 = -3 * 65536 + 5;
  EXPECT_EQ(Send(kMouseMove, 1, at5minus3), 0);
  EXPECT_EQ(Send(kLeftDown), 0);
  EXPECT_EQ(Send(kPaint, 3, 4), 1015);
  EXPECT_EQ(Send(kLeftUp, 0, 2), 0);
  hook->SetSubclass(false);
  EXPECT_EQ(Send(kLeftDown), 1513);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512", Line("owner", kMouseMove, 1, at5minus3), "owner 513 1 2", "proc 15",
                                "owner 514 0 2", "proc 513"}));
}

TEST_F(KpMsgHookTest, WordsAndBytesOfAMessageParameter) {
  using H = hook::KpMsgHook;
  // Value, then its low and high word and the low word's low and high byte.
  const std::array<int32_t, 5> rows[] = {
      {200 * 65536 + 100, 100, 200, 100, 0}, {-1, 65535, 65535, 255, 0},   {-65536, 0, 65535, 0, 0},
      {-3 * 65536 + 5, 5, 65533, 5, 1},  // a shift would give 0
      {0x1234, 0x1234, 0, 0x34, 0x12},       {-256, 65280, 65535, 0, 255}, {-257, 65279, 65535, 255, 255},
      {0x7FFFFFFF, 65535, 32767, 255, 255},
  };
  for (auto [v, loWord, hiWord, loByte, hiByte] : rows)
    EXPECT_EQ((std::array{H::LoWord(v), H::HiWord(v), H::LoByte(v), H::HiByte(v)}),
              (std::array{loWord, hiWord, loByte, hiByte}))
        << v;
}

TEST_F(KpMsgHookTest, RegistryChangesAreReportedAsWindowsOrMessages) {
  auto hook = NewHook();
  auto entry = hook->Windows()->Add();
  entry->SetName(u"main");
  auto message = entry->Messages()->Add(kMissing, kMissing, Variant(512));
  message->SetText(u"move");
  entry->Messages()->Remove(Variant(1));
  hook->Windows()->Clear();
  std::vector<host::String> expected = {u"Windows", u"Windows", u"Messages", u"Messages", u"Messages", u"Windows"};
  EXPECT_EQ(propertyChanges.Names(), expected);
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
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"owner 512 1 2"}));
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
  auto splitter = std::make_shared<SimNamedParent>(u"OvSplitter1", form);
  parent = std::make_shared<SimNamedParent>(u"UserControl", splitter);
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
