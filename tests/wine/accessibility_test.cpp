// The control as an assistive tool reads it: AccessibleObjectFromWindow on its window in a
// form, the panes and bars with their roles, names, values, places and states, and the
// WinEvent it raises as panes come and go.

#include <oleacc.h>

#include <tuple>

#include "automation/real_pointer.h"
#include "automation/server_module.h"
#include "formhost/form_window.h"
#include "formhost/splitter_geometry.h"
#include "splitter_test.h"
#include "win_events.h"

namespace {

using activex::ComPtr;

VARIANT Child(LONG id) { return VariantValue(id).Raw(); }

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<FormWindow>();
    splitter_ = &form_->AddSplitter(L"OvSplitter1");
    DispatchClient panes = splitter_->Control().Object(L"Panes");
    panes.Call(L"Add");
    panes.Call(L"Add");
    for (long i = 1; i <= 3; ++i) Pane(i).Put(L"Appearance", 0L);  // flat: Width is the pane's
    Pane(1).Put(L"Width", 200L * kTwipsPerPixel);
    Pane(2).Put(L"Width", 200L * kTwipsPerPixel);
    Pane(2).Put(L"Name", L"Tree");
    PumpMessagesUntilQuiet();
  }
  DispatchClient Pane(long position) const { return PaneOf(*splitter_, position); }
  HWND Window() const { return splitter_->Window(); }
  ComPtr<IAccessible> FromWindow() const {
    ComPtr<IAccessible> accessible;
    EXPECT_EQ(AccessibleObjectFromWindow(Window(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(accessible.Out())),
              S_OK);
    return accessible;
  }
  // A child's rectangle on the screen as {left, top, width, height}.
  static std::string Location(const ComPtr<IAccessible>& accessible, LONG child) {
    LONG l = 0, t = 0, w = 0, h = 0;
    EXPECT_EQ(accessible->accLocation(&l, &t, &w, &h, Child(child)), S_OK);
    return Text(RECT{l, t, w, h});
  }
  static std::wstring Read(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                           const ComPtr<IAccessible>& accessible, LONG child) {
    win32::UniqueBstr text;
    (accessible.Get()->*get)(Child(child), text.put());
    return text ? std::wstring(text.get(), SysStringLen(text.get())) : L"<none>";
  }
  static LONG Integer(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                      const ComPtr<IAccessible>& accessible, LONG child) {
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ((accessible.Get()->*get)(Child(child), &value), S_OK);
    EXPECT_EQ(V_VT(&value), VT_I4);
    return V_I4(&value);
  }

  std::unique_ptr<FormWindow> form_;
  SplitterSite* splitter_ = nullptr;
};

TEST_F(Accessibility, AToolReadsPanesAndBarsWithRolesNamesValuesPlacesAndStates) {
  ComPtr<IAccessible> accessible = FromWindow();
  ASSERT_TRUE(accessible);
  const LONG height = ClientRect(*splitter_).bottom;
  POINT origin = OnScreen(*splitter_, {0, 0});

  LONG count = 0;
  EXPECT_EQ(accessible->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 5);
  const LONG roles[] = {ROLE_SYSTEM_PANE, ROLE_SYSTEM_SEPARATOR, ROLE_SYSTEM_PANE, ROLE_SYSTEM_SEPARATOR,
                        ROLE_SYSTEM_PANE};
  const wchar_t* names[] = {L"Pane 1", L"Pane 1", L"Tree", L"Tree", L"Pane 3"};
  for (LONG child = 1; child <= 5; ++child) {
    EXPECT_EQ(Integer(&IAccessible::get_accRole, accessible, child), roles[child - 1]) << child;
    EXPECT_EQ(Read(&IAccessible::get_accName, accessible, child), names[child - 1]) << child;
    EXPECT_EQ(Integer(&IAccessible::get_accState, accessible, child), 0) << child;  // no keyboard yet
    ComPtr<IDispatch> element;
    EXPECT_EQ(accessible->get_accChild(Child(child), element.Out()), S_FALSE);
  }
  // Bar 1 travels 400 pixels and stands at 200: its value is text; a pane has none.
  EXPECT_EQ(Read(&IAccessible::get_accValue, accessible, 2), L"50");
  EXPECT_EQ(Read(&IAccessible::get_accValue, accessible, 3), L"<none>");
  // Places on the screen.
  EXPECT_EQ(Location(accessible, 2), Text(RECT{origin.x + 200, origin.y, 3, height}));

  // The control itself keeps the window's own answers.
  EXPECT_EQ(Integer(&IAccessible::get_accRole, accessible, CHILDID_SELF), ROLE_SYSTEM_CLIENT);

  VARIANT hit;
  EXPECT_EQ(accessible->accHitTest(origin.x + 201, origin.y + 10, &hit), S_OK);
  EXPECT_EQ(V_I4(&hit), 2);

  VARIANT next;
  EXPECT_EQ(accessible->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &next), S_OK);
  EXPECT_EQ(V_I4(&next), 1);
  EXPECT_EQ(accessible->accNavigate(NAVDIR_NEXT, Child(1), &next), S_OK);
  EXPECT_EQ(V_I4(&next), 2);
  EXPECT_EQ(accessible->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &next), S_OK);
  EXPECT_EQ(V_I4(&next), 5);
  EXPECT_EQ(accessible->accNavigate(NAVDIR_NEXT, Child(5), &next), S_FALSE);
}

// Which changes notify is the tree's unit test, and a bar's move and focus are heard in the
// keyboard drag with real input; here a pane added or removed, as a tool hears it.
TEST_F(Accessibility, PanesAddedOrRemovedAreHeardAsAReorder) {
  WinEvents heard(Window());
  ASSERT_TRUE(heard.Hooked());
  heard.Take();
  DispatchClient panes = splitter_->Control().Object(L"Panes");
  panes.Call(L"Add");
  panes.Call(L"Remove", 1L);
  const Event reorder{EVENT_OBJECT_REORDER, OBJID_CLIENT, CHILDID_SELF};
  EXPECT_EQ(heard.Take(), (std::vector<Event>{reorder, reorder}));
}

TEST_F(Accessibility, AToolKeepsNoControlAliveAndHearsItIsGone) {
  ComPtr<IAccessible> accessible = FromWindow();
  ASSERT_TRUE(accessible);
  FormCloseReport report = form_->Close();
  EXPECT_EQ(report.controlReleases, std::vector<ULONG>{0});  // the tool's object holds no reference
  LONG count = -1;
  EXPECT_EQ(accessible->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  VARIANT role;
  EXPECT_EQ(accessible->get_accRole(Child(CHILDID_SELF), &role), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(accessible->get_accRole(Child(1), &role), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(ServerCanUnloadNow(), S_FALSE);  // the object itself is still the server's
  accessible.Reset();
  EXPECT_EQ(ServerCanUnloadNow(), S_OK);
}

}  // namespace
