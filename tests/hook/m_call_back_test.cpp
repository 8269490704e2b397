// Subclassing through the simulated window system: the shared procedure on one window for
// one and two registries, what reaches the window's own procedure and the owners, nested
// messages, and the window given back as it was found.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "hook/m_call_back.h"
#include "sim/sim_window_subclassing.h"
#include "tests/support/hook_events.h"

namespace {

using host::Variant;
namespace MCallBack = hook::MCallBack;
using testing_support::kMissing;
using testing_support::Strings;
constexpr uint32_t kPaint = 15, kMouseMove = 512, kLeftDown = 513;

std::string Prop(const char16_t* name) { return host::ToUtf8(name); }
const std::string kPrev = Prop(MCallBack::kPreviousProcedureProperty);
const std::string kCount = Prop(MCallBack::kRegistrationCountProperty);

// One registry on this thread's list, with one entry for a window; its callbacks are logged
// as "cb <name> <message> <wParam> <lParam>".
struct Registry {
  std::string name;
  std::shared_ptr<hook::OvWindows> windows = hook::OvWindows::Create();
  hook::WindowPtr entry;
  testing_support::WindowsEvents events;
  std::function<void(uint32_t)> onCallBack;
};

class MCallBackTest : public testing::Test {
 protected:
  MCallBackTest() {
    window = platform.CreateWindow([this](host::WindowHandle, uint32_t message, host::WParam, host::LParam) {
      log.push_back("proc " + std::to_string(message));
      if (onProcedure) onProcedure(message);
      return static_cast<host::MessageResult>(1000 + message);
    });
    own = platform.OwnProcedure(window);
  }
  ~MCallBackTest() override {
    while (!registries.empty()) Drop(*registries.back());
  }

  Registry& AddRegistry(const std::string& name, host::WindowHandle hwnd) {
    auto& r = *registries.emplace_back(std::make_unique<Registry>());
    r.name = name;
    r.entry = r.windows->Add(kMissing, kMissing, Variant(host::FromUtf8(name)));
    r.entry->SetSubClassHwnd(hwnd);
    r.events.onCallBack = [this, &r](host::WindowHandle, uint32_t message, host::WParam wParam, host::LParam lParam) {
      log.push_back("cb " + r.name + " " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
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
  host::MessageResult Send(uint32_t message) { return platform.SendMessage(window, message, 1, 2); }
  // Its own procedure installed and no property left.
  bool AsFound() const { return platform.CurrentProcedure(window) == own && platform.Properties(window).empty(); }
  Strings TakeLog() { return std::exchange(log, {}); }

  host::sim::SimWindowSubclassing platform;
  host::WindowHandle window = 0;
  host::WindowProcedure own = 0;
  std::vector<std::unique_ptr<Registry>> registries;
  Strings log;
  std::function<void(uint32_t)> onProcedure;
};

TEST_F(MCallBackTest, TheRegisteredMessageDecidesWhatRunsAndWhatItAnswers) {
  struct Row {
    const char* what;
    bool registered;
    bool processDefaultProc;
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

TEST_F(MCallBackTest, TwoRegistriesShareOneSubclassingOfTheWindow) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kMouseMove, true, 0);
  Watch(b, kMouseMove, true, 0);
  Subclass(a, true);
  Subclass(b, true);
  EXPECT_EQ(b.entry->GetPreviousWndProc(), own);
  EXPECT_EQ(platform.Properties(window).at(kCount), 2u);

  EXPECT_EQ(Send(kMouseMove), 1512);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 512 1 2", "cb B 512 1 2", "proc 512"}));
  EXPECT_EQ(Send(kPaint), 1015);
  EXPECT_EQ(TakeLog(), (Strings{"proc 15"}));

  Subclass(a, false);  // A's entries are ignored from now on
  EXPECT_EQ(platform.Properties(window).at(kCount), 1u);
  EXPECT_EQ(Send(kMouseMove), 1512);
  EXPECT_EQ(TakeLog(), (Strings{"cb B 512 1 2", "proc 512"}));

  Subclass(b, false);
  EXPECT_TRUE(AsFound());
  EXPECT_EQ(std::count_if(platform.Log().Lines().begin(), platform.Log().Lines().end(),
                          [](const std::string& line) { return line.starts_with("Install"); }),
            1);
}

TEST_F(MCallBackTest, OnlyWhenEveryEntrySwallowsIsTheMessageKeptFromTheWindow) {
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  Watch(a, kMouseMove, false, 1);
  Watch(b, kMouseMove, false, 0);
  Subclass(a, true);
  Subclass(b, true);
  EXPECT_EQ(Send(kMouseMove), 0);
  EXPECT_EQ(TakeLog(), (Strings{"cb B 512 1 2", "cb A 512 1 2"}));  // before-callbacks first
  Watch(b, kLeftDown, false, 0);
  EXPECT_EQ(Send(kLeftDown), 1513);  // A has not registered it
  EXPECT_EQ(TakeLog(), (Strings{"cb B 513 1 2", "proc 513"}));
}

TEST_F(MCallBackTest, TheThreadListKeepsRegistrationOrderAcrossRemovals) {
  const size_t before = MCallBack::ThreadRegistries() ? MCallBack::ThreadRegistries()->size() : 0;
  Registry& a = AddRegistry("A", window);
  Registry& b = AddRegistry("B", window);
  auto bWindows = b.windows;
  Drop(a);
  Registry& c = AddRegistry("C", window);
  const auto& list = *MCallBack::ThreadRegistries();
  ASSERT_EQ(list.size(), before + 2);
  EXPECT_EQ(list[before], bWindows);
  EXPECT_EQ(list[before + 1], c.windows);
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
  struct Row {
    const char* what;
    std::function<void(Registry&)> loseEntry;
  };
  const Row rows[] = {
      {"entry removed", [](Registry& r) { r.windows->Remove(Variant(int32_t{1})); }},
      {"registry cleared", [](Registry& r) { r.windows->Clear(); }},
      {"handle changed", [](Registry& r) { r.entry->SetSubClassHwnd(0); }},
  };
  for (const Row& row : rows) {
    Registry& a = AddRegistry("A", window);
    Watch(a, kPaint, false, 0);
    Subclass(a, true);
    row.loseEntry(a);
    EXPECT_EQ(Send(kPaint), 1015) << row.what;
    EXPECT_EQ(TakeLog(), (Strings{"proc 15"})) << row.what;
    EXPECT_TRUE(AsFound()) << row.what;
    Drop(a);
    EXPECT_TRUE(AsFound()) << row.what;
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

}  // namespace

namespace {

TEST_F(MCallBackTest, TheWatchedNumbersFollowEveryEditOfTheMessages) {
  Registry& a = AddRegistry("A", window);
  Watch(a, kMouseMove, true, 0);
  Subclass(a, true);
  auto messages = a.entry->Messages();
  messages->Item(Variant(int32_t{1}))->SetValue(kLeftDown);  // renumbered: the old number is nobody's
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512"}));
  Send(kLeftDown);
  EXPECT_EQ(TakeLog(), (Strings{"cb A 513 1 2", "proc 513"}));
  Watch(a, kMouseMove, true, 0);
  messages->Remove(Variant(int32_t{1}));
  Send(kLeftDown);
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 513", "cb A 512 1 2", "proc 512"}));
  messages->Clear();
  Send(kMouseMove);
  EXPECT_EQ(TakeLog(), (Strings{"proc 512"}));
  Subclass(a, false);
}

}  // namespace
