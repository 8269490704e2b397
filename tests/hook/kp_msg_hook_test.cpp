// The hook control: Subclass at run time and in the designer, its error, the word and byte
// helpers, CallBack to the owner, property-change notification, the control names of the
// form, and Terminate leaving every window as it was found.
#include <gtest/gtest.h>

#include "hook/kp_msg_hook.h"
#include "tests/support/hook_events.h"
#include "hook/m_call_back.h"
#include "sim/sim_ambient_properties.h"
#include "sim/sim_contained_control.h"
#include "sim/sim_named_parent.h"
#include "sim/sim_property_change_recorder.h"
#include "sim/sim_window_subclassing.h"
#include "tests/support/error_matchers.h"

namespace {

using host::Variant;
namespace err = host::err;
using testing_support::kMissing;
using testing_support::Strings;
constexpr uint32_t kPaint = 15, kMouseMove = 512, kLeftDown = 513, kLeftUp = 514;
constexpr const char* kNoWindows =
    "No windows have been subclassed. MsgHook needs the hWnd of at least one window to subclass.";

class CallBackLog : public hook::KpMsgHookListener {
 public:
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override {
    lines.push_back(std::to_string(lMsg) + " " + std::to_string(wParam) + " " + std::to_string(lParam) +
                    (hWnd == expectedWindow ? "" : " (other window)"));
  }
  host::WindowHandle expectedWindow = 0;
  Strings lines;
};

class KpMsgHookTest : public testing::Test {
 protected:
  KpMsgHookTest() {
    window = platform.CreateWindow([](host::WindowHandle, uint32_t message, host::WParam, host::LParam) {
      return static_cast<host::MessageResult>(1000 + message);
    });
    callBacks.expectedWindow = window;
  }

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
  bool AsFound() const {
    return platform.CurrentProcedure(window) == platform.OwnProcedure(window) && platform.Properties(window).empty();
  }
  std::uintptr_t Count() const {
    auto properties = platform.Properties(window);
    auto at = properties.find(host::ToUtf8(hook::MCallBack::kRegistrationCountProperty));
    return at == properties.end() ? 0 : at->second;
  }

  host::sim::SimWindowSubclassing platform;
  host::sim::SimAmbientProperties ambient;
  host::sim::SimPropertyChangeRecorder propertyChanges;
  host::NamedParentRef parent;
  host::WindowHandle window = 0;
  CallBackLog callBacks;
};

TEST_F(KpMsgHookTest, SwitchingOnAtRunTimeNeedsAWindowHandle) {
  auto hook = NewHook();
  EXPECT_OV_ERROR(hook->SetSubclass(true), err::kInvalidValue, kNoWindows);
  hook->Windows()->Add();  // a window without a handle
  EXPECT_OV_ERROR(hook->SetSubclass(true), err::kInvalidValue, kNoWindows);
  EXPECT_FALSE(hook->Subclass());
  hook->SetSubclass(false);  // already off: nothing to check

  hook->Windows()->Item(Variant(int32_t{1}))->SetSubClassHwnd(window);
  hook->SetSubclass(true);
  EXPECT_TRUE(hook->Subclass());
  EXPECT_TRUE(platform.HasSharedProcedure(window));
  hook->SetSubclass(true);  // already on: the window is not counted again
  EXPECT_EQ(Count(), 1u);

  // Switching off checks the handles as well.
  hook->Windows()->Item(Variant(int32_t{1}))->SetSubClassHwnd(0);
  EXPECT_OV_ERROR(hook->SetSubclass(false), err::kInvalidValue, kNoWindows);
  EXPECT_TRUE(hook->Subclass());
  hook->Windows()->Item(Variant(int32_t{1}))->SetSubClassHwnd(window);
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
  hook->AddListener(&callBacks);
  RegisterMouse(*hook, window);
  EXPECT_EQ(platform.SendMessage(window, kMouseMove, 1, 2), 1512);  // not subclassed yet
  hook->SetSubclass(true);
  const host::LParam at5minus3 = -3 * 65536 + 5;
  EXPECT_EQ(platform.SendMessage(window, kMouseMove, 1, at5minus3), 0);
  EXPECT_EQ(platform.SendMessage(window, kLeftDown, 1, 2), 0);
  EXPECT_EQ(platform.SendMessage(window, kPaint, 3, 4), 1015);
  EXPECT_EQ(platform.SendMessage(window, kLeftUp, 0, 2), 0);
  EXPECT_EQ(callBacks.lines, (Strings{"512 1 " + std::to_string(at5minus3), "513 1 2", "514 0 2"}));
  hook->SetSubclass(false);
  EXPECT_EQ(platform.SendMessage(window, kLeftDown, 1, 2), 1513);
  EXPECT_EQ(callBacks.lines.size(), 3u);
  hook->RemoveListener(&callBacks);
}

TEST_F(KpMsgHookTest, WordsAndBytesOfAMessageParameter) {
  struct Row {
    int32_t value;
    int32_t loWord, hiWord, loByte, hiByte;
  };
  const Row rows[] = {
      {200 * 65536 + 100, 100, 200, 100, 0}, {-1, 65535, 65535, 255, 0},   {-65536, 0, 65535, 0, 0},
      {-3 * 65536 + 5, 5, 65533, 5, 1},  // a shift would give 0
      {0x1234, 0x1234, 0, 0x34, 0x12},       {-256, 65280, 65535, 0, 255}, {-257, 65279, 65535, 255, 255},
      {0x7FFFFFFF, 65535, 32767, 255, 255},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(hook::KpMsgHook::LoWord(row.value), row.loWord) << row.value;
    EXPECT_EQ(hook::KpMsgHook::HiWord(row.value), row.hiWord) << row.value;
    EXPECT_EQ(hook::KpMsgHook::LoByte(row.value), row.loByte) << row.value;
    EXPECT_EQ(hook::KpMsgHook::HiByte(row.value), row.hiByte) << row.value;
  }
}

TEST_F(KpMsgHookTest, RegistryChangesAreReportedAsWindowsOrMessages) {
  auto hook = NewHook();
  auto entry = hook->Windows()->Add();
  entry->SetName(u"main");
  auto message = entry->Messages()->Add(kMissing, kMissing, Variant(int32_t{512}));
  message->SetText(u"move");
  entry->Messages()->Remove(Variant(int32_t{1}));
  hook->Windows()->Clear();
  std::vector<host::String> expected = {u"Windows", u"Windows", u"Messages", u"Messages", u"Messages", u"Windows"};
  EXPECT_EQ(propertyChanges.Names(), expected);
}

size_t RegistryCount() {
  const hook::MCallBack::RegistryList* list = hook::MCallBack::ThreadRegistries();
  return list ? list->size() : 0;
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

  second->AddListener(&callBacks);
  EXPECT_EQ(platform.SendMessage(window, kMouseMove, 1, 2), 0);
  EXPECT_EQ(callBacks.lines, (Strings{"512 1 2"}));
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
