// The control's property pages in the real OCX: listed by ISpecifyPropertyPages, shown by
// Wine's property frame (OleCreatePropertyFrame) and worked from another thread as a user
// would (what the pages apply is their own unit test; formhost's frame, which calls Apply,
// is the design test's; Wine's frame never applies, so the Behavior page is applied by hand).
// The pages are saved as BMP files beside the test program for a person to look at.

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

// The user ticks or clears a check box.
void Tick(HWND box, bool ticked = true) {
  SendMessageW(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

long Selected(HWND list) { return static_cast<long>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }
long Entries(HWND list) { return static_cast<long>(SendMessageW(list, CB_GETCOUNT, 0, 0)); }

// Waits for the information box the page shows, hands back its text and presses OK.
std::wstring DismissMessage(const wchar_t* picture = nullptr) {
  HWND box = WaitForDialog(kTitle);
  if (!box) return ADD_FAILURE() << "no message box", std::wstring();
  std::wstring text = TextOf(GetDlgItem(box, kMessageText));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
  if (picture) SaveWindow(box, picture);
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
  const std::wstring widths[] = {std::to_wstring(Width(1)), std::to_wstring(Width(2)), std::to_wstring(Width(3))};
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
    EXPECT_EQ(Entries(FindDescendant(frame, IDC_GENERAL_CBOMOUSEPOINTER)), 17);
    EXPECT_EQ(Selected(FindDescendant(frame, IDC_GENERAL_CBOORIENTATION)), 0);
    EXPECT_EQ(TextOf(FindDescendant(frame, IDC_GENERAL_LBLSPLITTERSIZE)), L"SplitterSi&ze:");
    SaveWindow(frame, L"property-page-general.bmp");

    PostMessageW(frame, PSM_SETCURSEL, 1, 0);
    HWND index = WaitFor([&] {
      HWND list = FindDescendant(frame, IDC_PANES_CBOINDEX);
      return list && IsWindowVisible(list) ? list : nullptr;
    });
    if (!index) return ADD_FAILURE() << "no Panes page";
    HWND extent = FindDescendant(frame, IDC_PANES_TXTWIDTHHEIGHT);
    EXPECT_EQ(Entries(index), 3);
    EXPECT_EQ(Selected(index), 0);
    EXPECT_EQ(TextOf(FindDescendant(frame, IDC_PANES_LBLWIDTHHEIGHT)), L"&Width:");
    EXPECT_EQ(TextOf(extent), widths[0]);
    SaveWindow(frame, L"property-page-panes.bmp");

    Choose(index, 1);
    EXPECT_EQ(TextOf(extent), widths[1]);
    SendMessageW(extent, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1200"));
    SendMessageW(FindDescendant(frame, IDC_PANES_TXTMAX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"6000"));
    Tick(FindDescendant(frame, IDC_PANES_CHKFIXED));
    Tick(FindDescendant(frame, IDC_PANES_CHKCOLLAPSIBLE));
    Choose(index, 2);  // pane 2 gets the edits before pane 3 shows
    EXPECT_NE(TextOf(extent), widths[2]);

    Choose(index, 0);
    Press(FindDescendant(frame, IDC_PANES_CMDADD));
    EXPECT_EQ(DismissMessage(L"property-page-message.bmp"),
              L"An error occurred when adding the pane: the width is less than the minimum.");
    EXPECT_EQ(Entries(index), 3);

    PostMessageW(frame, PSM_SETCURSEL, 2, 0);
    HWND increment = WaitFor([&] {
      HWND box = FindDescendant(frame, IDC_BEHAVIOR_TXTSPLITTERINCREMENT);
      return box && IsWindowVisible(box) ? box : nullptr;
    });
    if (!increment) return ADD_FAILURE() << "no Behavior page";
    EXPECT_EQ(TextOf(increment), L"1");
    SaveWindow(frame, L"property-page-behavior.bmp");
  });
  EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, L"OvSplitter1", 1, &object, static_cast<ULONG>(pages.size()),
                                   pages.data(), LOCALE_USER_DEFAULT, 0, nullptr),
            S_OK);
  user.join();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Width(2), 1200);
  EXPECT_EQ(Pane(2).Get(L"Maximum").AsLong(), 6000);
  EXPECT_TRUE(Pane(2).Get(L"Fixed").AsBool() && Pane(2).Get(L"Collapsible").AsBool());
  EXPECT_EQ(FindFrame(), nullptr);
}

TEST_F(PropertyPages, TheThirdPageMadeFromItsClassIdWritesTheEditedBehaviorToTheControl) {
  std::vector<CLSID> pages = PagesOf(splitter_->Control());
  ASSERT_EQ(pages.size(), 5u);
  activex::ComPtr<IPropertyPage> page;
  ASSERT_EQ(CoCreateInstance(pages[2], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                             reinterpret_cast<void**>(page.Out())),
            S_OK);
  win32::UniqueWindow parent(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr));
  IUnknown* object = Object();
  ASSERT_EQ(page->SetObjects(1, &object), S_OK);
  RECT bounds{0, 0, 400, 300};
  ASSERT_EQ(page->Activate(parent.get(), &bounds, TRUE), S_OK);
  HWND increment = FindDescendant(parent.get(), IDC_BEHAVIOR_TXTSPLITTERINCREMENT);
  HWND keyboard = FindDescendant(parent.get(), IDC_BEHAVIOR_CHKSPLITTERKEYBOARD);
  HWND mode = FindDescendant(parent.get(), IDC_BEHAVIOR_CBORESIZEMODE);
  ASSERT_TRUE(increment && keyboard && mode);
  EXPECT_EQ(std::pair(TextOf(increment), SendMessageW(keyboard, BM_GETCHECK, 0, 0)),
            std::pair(std::wstring(L"1"), LRESULT{BST_UNCHECKED}));
  EXPECT_EQ(std::pair(Entries(mode), Selected(mode)), std::pair(2L, 0L));

  SendMessageW(increment, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
  Tick(keyboard);
  Choose(mode, 1);
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  EXPECT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(splitter_->Control().Get(L"SplitterIncrement").AsLong(), 7);
  EXPECT_TRUE(splitter_->Control().Get(L"SplitterKeyboard").AsBool());
  EXPECT_EQ(splitter_->Control().Get(L"ResizeMode").AsLong(), 1);
  EXPECT_EQ(page->Deactivate(), S_OK);
}

}  // namespace
