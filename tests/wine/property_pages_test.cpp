// The control's property pages in the real OCX: listed by ISpecifyPropertyPages, shown by
// Wine's property frame (OleCreatePropertyFrame) and worked from another thread as a user
// would, and applied in a frame of the test's own that calls Apply as Windows' frame does
// on OK and Apply (Wine's frame never calls it). Both pages are saved as BMP files beside
// the test program for a person to look at.

#include <gtest/gtest.h>

#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "com/unique_handle.h"
#include "resource_ids.h"
#include "splitter_test.h"
#include "window_driver.h"

// Defines the stock pages' class ids here.
#include <initguid.h>
#include <msstkppg.h>

namespace {

constexpr int kMessageText = 0xFFFF;  // the static that holds a message box's text
constexpr wchar_t kTitle[] = L"OrvaneSplitter";

std::wstring RegisteredName(const CLSID& clsid) {
  wchar_t guid[40] = {}, name[64] = {};
  StringFromGUID2(clsid, guid, 40);
  DWORD size = sizeof name;
  RegGetValueW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + guid).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, name,
               &size);
  return name;
}

// The property frame's window: a dialog of this process whose caption names the control.
// An EnumWindows callback of its own: a lambda has no stdcall conversion on 32-bit builds.
BOOL CALLBACK VisitFrameCandidate(HWND window, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (process != GetCurrentProcessId() || std::wstring(className) != L"#32770" || !IsWindowVisible(window) ||
      TextOf(window).find(L"OvSplitter1") == std::wstring::npos)
    return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

HWND FindFrame() {
  HWND found = nullptr;
  EnumWindows(&VisitFrameCandidate, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The user picks an entry of a page's list.
void Choose(HWND list, int position) {
  SendMessageW(list, CB_SETCURSEL, position, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// Clicks and waits for what the click does, when that shows no box.
void Click(HWND button) { SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr); }

long Selected(HWND list) { return static_cast<long>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }
long Entries(HWND list) { return static_cast<long>(SendMessageW(list, CB_GETCOUNT, 0, 0)); }

// Waits for the information box the page shows, hands back its text and presses OK.
std::wstring DismissMessage(const wchar_t* picture = nullptr) {
  HWND box = WaitForDialog(kTitle);
  if (!box) {
    ADD_FAILURE() << "no message box";
    return {};
  }
  std::wstring text = TextOf(GetDlgItem(box, kMessageText));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
  if (picture) SaveWindow(box, picture);
  Press(GetDlgItem(box, IDOK));
  EXPECT_TRUE(WaitUntilGone(box));
  return text;
}

// A frame's page site that records what the page reports.
class RecordingSite final : public IPropertyPageSite {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IPropertyPageSite ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
    statuses.push_back(flags);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return E_NOTIMPL; }

  std::vector<DWORD> statuses;
};

class PropertyPages : public SplitterTest {
 protected:
  std::vector<CLSID> Pages() const {
    ISpecifyPropertyPages* specify = nullptr;
    CAUUID pages = {};
    EXPECT_EQ(
        splitter_->Control().Pointer()->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify)),
        S_OK);
    if (!specify) return {};
    EXPECT_EQ(specify->GetPages(&pages), S_OK);
    specify->Release();
    std::vector<CLSID> list(pages.pElems, pages.pElems + pages.cElems);
    CoTaskMemFree(pages.pElems);
    return list;
  }
  IUnknown* Object() const { return splitter_->Control().Pointer(); }
  long Width(long pane) const { return Pane(pane).Get(L"Width").AsLong(); }
};

// One page shown in a window of the test, as a frame shows it.
class PageInWindow {
 public:
  PageInWindow(const CLSID& clsid, IUnknown* object) {
    window_.reset(CreateWindowExW(0, L"STATIC", L"page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 560, 340, nullptr,
                                  nullptr, nullptr, nullptr));
    EXPECT_EQ(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage, reinterpret_cast<void**>(&page_)),
        S_OK);
    if (!page_) return;
    page_->SetPageSite(&site);
    page_->SetObjects(1, &object);
    RECT bounds = {0, 0, 520, 300};
    EXPECT_EQ(page_->Activate(window_.get(), &bounds, TRUE), S_OK);
    page_->Show(SW_SHOW);
  }
  ~PageInWindow() {
    if (page_) {
      page_->Deactivate();
      page_->SetObjects(0, nullptr);
      page_->SetPageSite(nullptr);
      page_->Release();
    }
  }
  IPropertyPage* operator->() const { return page_; }
  HWND Item(int id) const { return FindDescendant(window_.get(), id); }
  // Apply, with another thread reading and dismissing the box it shows; "" when none came.
  HRESULT ApplyShowing(std::wstring& message) {
    std::thread user([&] { message = DismissMessage(); });
    HRESULT result = page_->Apply();
    user.join();
    return result;
  }

  RecordingSite site;

 private:
  win32::UniqueWindow window_;
  IPropertyPage* page_ = nullptr;
};

TEST_F(PropertyPages, TheControlListsGeneralPanesAndTheStockColourAndPicturePagesInThatOrder) {
  std::vector<CLSID> pages = Pages();
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(RegisteredName(pages[0]), L"General");
  EXPECT_EQ(RegisteredName(pages[1]), L"PanesPP");
  EXPECT_TRUE(IsEqualCLSID(pages[2], CLSID_StockColorPage));
  EXPECT_TRUE(IsEqualCLSID(pages[3], CLSID_StockPicturePage));
}

TEST_F(PropertyPages, InThePropertyFrameBothPagesShowTheControlAndThePanesPageEditsItsPanes) {
  Add();
  Add();
  Pane(1).Put(L"Minimum", Width(1));  // inserting after pane 1 would halve it below this
  const std::wstring widths[] = {std::to_wstring(Width(1)), std::to_wstring(Width(2)), std::to_wstring(Width(3))};
  std::vector<CLSID> pages = Pages();
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
    HWND insert = FindDescendant(frame, IDC_PANES_CMDADD);
    HWND remove = FindDescendant(frame, IDC_PANES_CMDREMOVE);
    EXPECT_EQ(Entries(index), 3);
    EXPECT_EQ(Selected(index), 0);
    EXPECT_EQ(TextOf(FindDescendant(frame, IDC_PANES_LBLWIDTHHEIGHT)), L"&Width:");
    EXPECT_EQ(TextOf(extent), widths[0]);
    SaveWindow(frame, L"property-page-panes.bmp");

    Choose(index, 1);
    EXPECT_EQ(TextOf(extent), widths[1]);
    SendMessageW(extent, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1200"));
    Choose(index, 2);  // pane 2 gets the edit before pane 3 shows
    EXPECT_NE(TextOf(extent), widths[2]);

    Click(insert);  // after pane 3: the new pane 4 shows
    EXPECT_EQ(Entries(index), 4);
    EXPECT_EQ(Selected(index), 3);

    Choose(index, 0);
    Press(insert);
    EXPECT_EQ(DismissMessage(L"property-page-message.bmp"),
              L"An error occurred when adding the pane: the width is less than the minimum.");
    EXPECT_EQ(Entries(index), 4);

    Choose(index, 3);
    Click(remove);
    EXPECT_EQ(Entries(index), 3);
    EXPECT_EQ(Selected(index), -1);
    EXPECT_FALSE(IsWindowEnabled(remove));
    EXPECT_TRUE(IsWindowEnabled(insert));
  });
  EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, L"OvSplitter1", 1, &object, static_cast<ULONG>(pages.size()),
                                   pages.data(), LOCALE_USER_DEFAULT, 0, nullptr),
            S_OK);
  user.join();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Width(2), 1200);
  EXPECT_EQ(FindFrame(), nullptr);
}

TEST_F(PropertyPages, ApplyingTheGeneralPageReportsARejectedSplitterSizeAndAppliesTheRest) {
  std::vector<CLSID> pages = Pages();
  ASSERT_FALSE(pages.empty());
  PageInWindow page(pages[0], Object());
  HWND size = page.Item(IDC_GENERAL_TXTSPLITTERSIZE);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  struct Case {
    const wchar_t* text;
    const wchar_t* message;
  };
  for (Case c : {Case{L"wide", L"Type mismatch"}, Case{L"0", L"SplitterSize must be between 1 and 32767."}}) {
    page.site.statuses.clear();
    SetWindowTextW(size, c.text);
    Choose(page.Item(IDC_GENERAL_CBOORIENTATION), 1);
    EXPECT_EQ(page.site.statuses, std::vector<DWORD>{PROPPAGESTATUS_DIRTY});
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    std::wstring message;
    EXPECT_EQ(page.ApplyShowing(message), S_OK);
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(splitter_->Control().Get(L"Orientation").AsLong(), 1);
    EXPECT_EQ(splitter_->Control().Get(L"SplitterSize").AsLong(), 3);
    EXPECT_EQ(TextOf(size), L"3");  // the size in force again
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    splitter_->Control().Put(L"Orientation", 0L);
  }
  SetWindowTextW(size, L"7");
  EXPECT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(splitter_->Control().Get(L"SplitterSize").AsLong(), 7);
}

TEST_F(PropertyPages, APaneThatRefusesAnEditKeepsThePageChangedAndTheLaterFieldsUnwritten) {
  Add();
  Pane(2).Put(L"Minimum", Width(2));
  std::vector<CLSID> pages = Pages();
  ASSERT_GE(pages.size(), 2u);
  PageInWindow page(pages[1], Object());
  SetWindowTextW(page.Item(IDC_PANES_TXTWIDTHHEIGHT), std::to_wstring(Width(1) + 300).c_str());
  SetWindowTextW(page.Item(IDC_PANES_TXTTAG), L"left");
  std::wstring message;
  EXPECT_EQ(page.ApplyShowing(message), E_FAIL);
  EXPECT_EQ(message, L"Width cannot be less than Min.");
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  EXPECT_EQ(Pane(1).Get(L"Tag").AsString(), L"");
}

TEST_F(PropertyPages, ThePanesPageOfASplitterWithoutPanesOffersOnlyInsert) {
  panes_.Call(L"Clear");
  std::vector<CLSID> pages = Pages();
  ASSERT_GE(pages.size(), 2u);
  PageInWindow page(pages[1], Object());
  for (int id : {IDC_PANES_CBOINDEX, IDC_PANES_CBOAPPEARANCE, IDC_PANES_TXTWIDTHHEIGHT, IDC_PANES_TXTNAME,
                 IDC_PANES_CBOCONTROLNAME, IDC_PANES_TXTTAG, IDC_PANES_TXTKEY, IDC_PANES_TXTMIN, IDC_PANES_CMDREMOVE,
                 IDC_PANES_CHKRESIZECHILDCONTROL})
    EXPECT_FALSE(IsWindowEnabled(page.Item(id))) << id;
  EXPECT_TRUE(IsWindowEnabled(page.Item(IDC_PANES_CMDADD)));
  EXPECT_EQ(TextOf(page.Item(IDC_PANES_CBOAPPEARANCE)), L"0 - OvFlat");
  HWND name = page.Item(IDC_PANES_TXTNAME);
  HBRUSH brush = nullptr;
  {
    win32::WindowDc dc(name);
    brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(name), WM_CTLCOLORSTATIC,
                                                  reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(name)));
  }
  EXPECT_EQ(brush, GetSysColorBrush(COLOR_BTNFACE));
  Click(page.Item(IDC_PANES_CMDADD));
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(IsWindowEnabled(name));
}

}  // namespace
