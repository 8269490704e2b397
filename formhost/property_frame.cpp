#include "formhost/property_frame.h"

#include <commctrl.h>

#include <algorithm>

#include "com/com_ptr.h"
#include "com/unique_handle.h"

namespace {

constexpr int kApply = 0x3021;  // the id Windows' frames give their Apply button
constexpr int kTabs = 0x3020;
constexpr int kGap = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

struct Page {
  activex::ComPtr<IPropertyPage> page;
  std::wstring title;
  SIZE size{};
};

class Frame final : public IPropertyPageSite {
 public:
  Frame(IUnknown* object, const std::vector<CLSID>& classes) {
    for (const CLSID& clsid : classes) {
      Page entry;
      if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                  reinterpret_cast<void**>(entry.page.Out()))))
        continue;
      PROPPAGEINFO info{sizeof info};
      if (FAILED(entry.page->SetPageSite(this)) || FAILED(entry.page->SetObjects(1, &object)) ||
          FAILED(entry.page->GetPageInfo(&info))) {
        entry.page->SetPageSite(nullptr);
        continue;
      }
      // The page's texts are ours to free.
      win32::UniqueTaskMemory title(info.pszTitle), doc(info.pszDocString), help(info.pszHelpFile);
      entry.title = info.pszTitle ? info.pszTitle : L"";
      entry.size = info.size;
      pages_.push_back(std::move(entry));
    }
  }
  ~Frame() {
    for (Page& entry : pages_) {
      entry.page->Deactivate();
      entry.page->SetObjects(0, nullptr);
      entry.page->SetPageSite(nullptr);
    }
  }

  // IUnknown: the frame lives on the stack of ShowPropertyFrame and outlives its pages.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = iid == IID_IUnknown || iid == IID_IPropertyPageSite ? static_cast<IPropertyPageSite*>(this) : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // IPropertyPageSite
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
    if (flags & PROPPAGESTATUS_DIRTY) EnableWindow(GetDlgItem(dialog_, kApply), TRUE);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    if (!locale) return E_POINTER;
    *locale = GetUserDefaultLCID();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** container) override {
    if (container) *container = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* frame = reinterpret_cast<Frame*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!frame) return FALSE;
    switch (message) {
      case WM_INITDIALOG:
        frame->OnInit(dialog);
        return TRUE;
      case WM_COMMAND:
        frame->OnCommand(LOWORD(wParam));
        return TRUE;
      case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) frame->ShowSelected();
        return TRUE;
      default:
        return FALSE;
    }
  }

 private:
  HWND Child(const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y, int width,
             int height) {
    HWND child = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, dialog_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
  }

  void OnInit(HWND dialog) {
    dialog_ = dialog;
    SIZE largest{240, 120};
    for (const Page& entry : pages_)
      largest = {std::max(largest.cx, entry.size.cx), std::max(largest.cy, entry.size.cy)};
    HWND tabs = Child(WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP, kTabs, kGap, kGap, 0, 0);
    for (size_t i = 0; i < pages_.size(); ++i) {
      TCITEMW item{TCIF_TEXT};
      item.pszText = pages_[i].title.data();
      SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    // The tab control around the largest page, the buttons below it.
    RECT area{0, 0, largest.cx, largest.cy};
    SendMessageW(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&area));
    int tabsWidth = area.right - area.left, tabsHeight = area.bottom - area.top;
    MoveWindow(tabs, kGap, kGap, tabsWidth, tabsHeight, FALSE);
    pageArea_ = {kGap, kGap, kGap + tabsWidth, kGap + tabsHeight};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pageArea_));
    int buttonsTop = kGap + tabsHeight + kGap, right = kGap + tabsWidth;
    Child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, right - 3 * kButtonWidth - 2 * kGap, buttonsTop,
          kButtonWidth, kButtonHeight);
    Child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, right - 2 * kButtonWidth - kGap, buttonsTop,
          kButtonWidth, kButtonHeight);
    EnableWindow(Child(L"BUTTON", L"&Apply", BS_PUSHBUTTON | WS_TABSTOP, kApply, right - kButtonWidth, buttonsTop,
                       kButtonWidth, kButtonHeight),
                 FALSE);
    RECT outer{0, 0, right + kGap, buttonsTop + kButtonHeight + kGap};
    AdjustWindowRectEx(&outer, GetWindowLongW(dialog, GWL_STYLE), FALSE, GetWindowLongW(dialog, GWL_EXSTYLE));
    // Centred over the owner, as a sized dialog would be.
    RECT owner{};
    GetWindowRect(GetWindow(dialog, GW_OWNER) ? GetWindow(dialog, GW_OWNER) : GetDesktopWindow(), &owner);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(dialog, nullptr, std::max<LONG>(0, (owner.left + owner.right - width) / 2),
                 std::max<LONG>(0, (owner.top + owner.bottom - height) / 2), width, height, SWP_NOZORDER);
    for (Page& entry : pages_) entry.page->Activate(dialog, &pageArea_, TRUE);
    ShowSelected();
  }

  void ShowSelected() {
    int selected = static_cast<int>(SendMessageW(GetDlgItem(dialog_, kTabs), TCM_GETCURSEL, 0, 0));
    for (size_t i = 0; i < pages_.size(); ++i)
      pages_[i].page->Show(static_cast<int>(i) == selected ? SW_SHOW : SW_HIDE);
  }

  // True when every changed page took its changes.
  bool ApplyAll() {
    bool applied = true;
    for (Page& entry : pages_)
      if (entry.page->IsPageDirty() == S_OK) applied = SUCCEEDED(entry.page->Apply()) && applied;
    EnableWindow(GetDlgItem(dialog_, kApply), !applied);
    return applied;
  }

  void OnCommand(int id) {
    if (id == kApply) ApplyAll();
    if (id == IDCANCEL || (id == IDOK && ApplyAll())) EndDialog(dialog_, id);
  }

  std::vector<Page> pages_;
  HWND dialog_ = nullptr;
  RECT pageArea_{};
};

}  // namespace

void ShowPropertyFrame(HWND owner, const std::wstring& caption, IUnknown* object, const std::vector<CLSID>& pages) {
  Frame frame(object, pages);
  // An empty dialog template, word by word: style, extended style, no items, position and
  // size (the frame sizes itself), no menu, the standard class, the title.
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  std::wstring title = caption + L" Properties";
  std::vector<WORD> layout = {LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0, 0, 0, 0, 0};
  layout.insert(layout.end(), title.begin(), title.end());
  layout.push_back(0);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                          &Frame::Procedure, reinterpret_cast<LPARAM>(&frame));
}
