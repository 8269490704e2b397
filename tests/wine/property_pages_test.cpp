// The control's property pages in the real OCX: listed by ISpecifyPropertyPages, shown by
// Wine's property frame (OleCreatePropertyFrame) and worked from another thread as a user
// would (what the pages apply is their own unit test; formhost's frame, which calls Apply,
// is the design test's).

#include "splitter_test.h"

#include <prsht.h>

#include <thread>

#include "resource_ids.h"
#include "window_driver.h"

namespace {

constexpr int kMessageText = 0xFFFF;  // the static that holds a message box's text
constexpr wchar_t kTitle[] = L"OrvaneSplitter";

// The property frame's window: a visible dialog of this process whose caption names the control.
HWND FindFrame() {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr));) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        TextOf(window).find(L"OvSplitter1") != std::wstring::npos)
      return window;
  }
  return nullptr;
}

// The user picks an entry of a page's list.
void Choose(HWND list, int position) {
  SendMessageW(list, CB_SETCURSEL, position, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// The user ticks a check box.
void Tick(HWND box) {
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

long Entries(HWND list) { return static_cast<long>(SendMessageW(list, CB_GETCOUNT, 0, 0)); }

// Waits for the information box the page shows, hands back its text and presses OK.
std::wstring DismissMessage() {
  HWND box = WaitForDialog(kTitle);
  if (!box) return ADD_FAILURE() << "no message box", std::wstring();
  std::wstring text = TextOf(GetDlgItem(box, kMessageText));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
  Press(GetDlgItem(box, IDOK));
  EXPECT_TRUE(WaitUntilGone(box));
  return text;
}

class PropertyPages : public SplitterTest {
 protected:
  IUnknown* Object() const { return splitter_->Control().Pointer(); }
  long Width(long pane) const { return Pane(pane).Get(L"Width").AsLong(); }
};

TEST_F(PropertyPages, InThePropertyFrameEveryPageShowsTheControlAndThePanesPageEditsItsPanes) {
  Add(), Add();
  Pane(1).Put(L"Minimum", Width(1));  // inserting after pane 1 would halve it below this
  const std::wstring widths[] = {std::to_wstring(Width(1)), std::to_wstring(Width(2))};
  std::vector<CLSID> pages = PagesOf(splitter_->Control());
  IUnknown* object = Object();

  std::thread user([&] {
    HWND frame = WaitFor(FindFrame);
    if (!frame) return ADD_FAILURE() << "the property frame did not show";
    struct CloseFrame {
      HWND frame;
      ~CloseFrame() { PostMessageW(frame, PSM_PRESSBUTTON, PSBTN_OK, 0); }
    } closeAtEnd{frame};

    HWND size = WaitFor([&] { return FindDescendant(frame, IDC_GENERAL_TXTSPLITTERSIZE); });
    if (!size) return ADD_FAILURE() << "no General page";
    EXPECT_EQ(TextOf(size), L"3");

    PostMessageW(frame, PSM_SETCURSEL, 1, 0);
    HWND index = WaitFor([&] {
      HWND list = FindDescendant(frame, IDC_PANES_CBOINDEX);
      return list && IsWindowVisible(list) ? list : nullptr;
    });
    if (!index) return ADD_FAILURE() << "no Panes page";
    HWND extent = FindDescendant(frame, IDC_PANES_TXTWIDTHHEIGHT);
    EXPECT_EQ(Entries(index), 3);
    EXPECT_EQ(TextOf(extent), widths[0]);

    Choose(index, 1);
    EXPECT_EQ(TextOf(extent), widths[1]);
    SendMessageW(extent, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1200"));
    Tick(FindDescendant(frame, IDC_PANES_CHKFIXED));
    Choose(index, 2);  // pane 2 gets the edits before pane 3 shows

    Choose(index, 0);
    Press(FindDescendant(frame, IDC_PANES_CMDADD));
    EXPECT_EQ(DismissMessage(), L"An error occurred when adding the pane: the width is less than the minimum.");
    EXPECT_EQ(Entries(index), 3);

    PostMessageW(frame, PSM_SETCURSEL, 2, 0);
    HWND increment = WaitFor([&] {
      HWND box = FindDescendant(frame, IDC_BEHAVIOR_TXTSPLITTERINCREMENT);
      return box && IsWindowVisible(box) ? box : nullptr;
    });
    if (!increment) return ADD_FAILURE() << "no Behavior page";
    EXPECT_EQ(TextOf(increment), L"1");
  });
  EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, L"OvSplitter1", 1, &object, static_cast<ULONG>(pages.size()),
                                   pages.data(), LOCALE_USER_DEFAULT, 0, nullptr),
            S_OK);
  user.join();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Width(2), 1200);
  EXPECT_TRUE(Pane(2).Get(L"Fixed").AsBool());
  EXPECT_EQ(FindFrame(), nullptr);
}

}  // namespace
