#include "formhost/child_control.h"

#include <commctrl.h>

#include <cmath>
#include <cwctype>

namespace {

double TwipsPerPixel(int axis) {
  win32::WindowDc screen(nullptr);
  int perInch = GetDeviceCaps(screen.get(), axis);
  return 1440.0 / (perInch > 0 ? perInch : 96);
}

bool StartsWith(const std::wstring& name, const wchar_t* prefix) {
  for (size_t i = 0; prefix[i]; ++i)
    if (i >= name.size() || std::towlower(name[i]) != prefix[i]) return false;
  return true;
}

HWND CreateChild(ChildKind kind, HWND parent, const RECT& r) {
  const wchar_t* windowClass = nullptr;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS | WS_TABSTOP;
  switch (kind) {
    case ChildKind::Edit:
      windowClass = L"EDIT";
      style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      break;
    case ChildKind::List:
      windowClass = L"LISTBOX";
      style |= LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL;
      break;
    case ChildKind::Tree:
      windowClass = WC_TREEVIEWW;
      style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;
      break;
    case ChildKind::Label:
      return nullptr;
  }
  return CreateWindowExW(0, windowClass, L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

ChildKind ChildKindOfName(const std::wstring& name) {
  if (StartsWith(name, L"tree")) return ChildKind::Tree;
  if (StartsWith(name, L"list")) return ChildKind::List;
  if (StartsWith(name, L"edit") || StartsWith(name, L"text")) return ChildKind::Edit;
  return ChildKind::Label;
}

const char* ChildKindName(ChildKind kind) {
  switch (kind) {
    case ChildKind::Edit:
      return "edit";
    case ChildKind::List:
      return "list";
    case ChildKind::Tree:
      return "tree";
    case ChildKind::Label:
      return "label";
  }
  return "?";
}

ChildControl::ChildControl(ChildKind kind, std::wstring name, IDispatch* container, HWND parentWindow, IDispatch* form,
                           const RECT& pixels)
    : kind_(kind),
      name_(std::move(name)),
      container_(container),
      parentWindow_(parentWindow),
      form_(form),
      labelRect_(pixels),
      window_(CreateChild(kind, parentWindow, pixels)),
      extender_(activex::ComPtr<Extender>::Adopt(Extender::Create(*this))) {
  Fill();
}

ChildControl::~ChildControl() { extender_->Detach(); }

void ChildControl::Fill() {
  HWND window = window_.get();
  switch (kind_) {
    case ChildKind::Edit:
      SetWindowTextW(window, L"Bound to its pane by ControlName.");
      break;
    case ChildKind::List:
      for (const wchar_t* item : {L"Alpha", L"Bravo", L"Charlie", L"Delta"})
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      break;
    case ChildKind::Tree: {
      TVINSERTSTRUCTW insert{};
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT;
      insert.hParent = TVI_ROOT;
      insert.item.pszText = const_cast<wchar_t*>(L"Form1");
      auto root =
          reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
      for (const wchar_t* item : {L"OvSplitter1", L"tree", L"list", L"edit"}) {
        insert.hParent = root;
        insert.item.pszText = const_cast<wchar_t*>(item);
        SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
      }
      SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
      break;
    }
    case ChildKind::Label:
      break;
  }
}

RECT ChildControl::PixelRect() const {
  if (!window_) return labelRect_;
  RECT r{};
  GetWindowRect(window_.get(), &r);
  MapWindowPoints(HWND_DESKTOP, parentWindow_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ChildControl::Bounds(double* left, double* top, double* width, double* height) const {
  RECT r = PixelRect();
  double x = TwipsPerPixel(LOGPIXELSX), y = TwipsPerPixel(LOGPIXELSY);
  *left = r.left * x;
  *top = r.top * y;
  *width = (r.right - r.left) * x;
  *height = (r.bottom - r.top) * y;
}

void ChildControl::Move(double left, double top, double width, double height) {
  ++moves_;
  lastMove_ = {std::lround(left), std::lround(top), std::lround(left + width), std::lround(top + height)};
  double x = TwipsPerPixel(LOGPIXELSX), y = TwipsPerPixel(LOGPIXELSY);
  RECT pixels{std::lround(left / x), std::lround(top / y), 0, 0};
  pixels.right = pixels.left + std::lround(width / x);
  pixels.bottom = pixels.top + std::lround(height / y);
  if (window_) {
    MoveWindow(window_.get(), pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
  } else {
    InvalidateRect(parentWindow_, &labelRect_, TRUE);
    labelRect_ = pixels;
    InvalidateRect(parentWindow_, &labelRect_, TRUE);
  }
}

void ChildControl::Refresh() {
  ++refreshes_;
  HWND window = window_ ? window_.get() : parentWindow_;
  InvalidateRect(window, window_ ? nullptr : &labelRect_, TRUE);
  UpdateWindow(window);
}

void ChildControl::Paint(HDC dc) const {
  if (window_) return;
  RECT r = labelRect_;
  int mode = SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, name_.c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
  SetBkMode(dc, mode);
}
