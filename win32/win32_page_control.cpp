#include "win32/win32_page_control.h"

#include "host/error.h"

namespace win32 {
namespace {

const wchar_t* Chars(const host::String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

host::String WindowText(HWND window) {
  host::String text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

Win32PageControl::Win32PageControl(HWND window) : window_(window), kind_(Kind::Label) {
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (lstrcmpiW(className, L"Edit") == 0)
    kind_ = Kind::Edit;
  else if (lstrcmpiW(className, L"ComboBox") == 0)
    kind_ = Kind::ComboBox;
  else if (lstrcmpiW(className, L"Button") == 0)
    kind_ = Kind::Button;
}

std::optional<host::PageEvent> Win32PageControl::EventFor(WORD notification) const {
  using host::PageEvent;
  switch (kind_) {
    case Kind::Edit:
      if (notification == EN_CHANGE) return PageEvent::Change;
      if (notification == EN_SETFOCUS) return PageEvent::GotFocus;
      break;
    case Kind::ComboBox:
      if (notification == CBN_SELCHANGE) return PageEvent::Click;
      if (notification == CBN_EDITCHANGE) return PageEvent::Change;
      if (notification == CBN_SETFOCUS) return PageEvent::GotFocus;
      break;
    case Kind::Button:
      if (notification == BN_CLICKED) return PageEvent::Click;
      break;
    case Kind::Label:
      break;
  }
  return std::nullopt;
}

bool Win32PageControl::HasEditField() const {
  return kind_ == Kind::ComboBox && (GetWindowLongW(window_, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

void Win32PageControl::SetBackColor(host::OleColor color) {
  backColor_ = color;
  InvalidateRect(window_, nullptr, TRUE);
}

host::String Win32PageControl::Text() const {
  if (IsList() && !HasEditField()) return ListIndex() < 0 ? host::String() : List(ListIndex());
  return WindowText(window_);
}

void Win32PageControl::SetText(host::StringView text) {
  if (IsList() && !HasEditField()) return;  // a drop-down list shows only its entries
  SetWindowTextW(window_, Chars(host::String(text)));
}

int32_t Win32PageControl::SelStart() const {
  DWORD start = 0;
  Send(IsList() ? CB_GETEDITSEL : EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int32_t>(start);
}

int32_t Win32PageControl::SelLength() const {
  DWORD start = 0, end = 0;
  Send(IsList() ? CB_GETEDITSEL : EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(end - start);
}

void Win32PageControl::SetSelection(int32_t start, int32_t length) {
  if (IsList())
    Send(CB_SETEDITSEL, 0, MAKELPARAM(start, start + length));
  else if (kind_ == Kind::Edit)
    Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

void Win32PageControl::CheckPosition(int32_t position, int32_t lowest) const {
  if (position < lowest || position >= ListCount()) throw host::Error::Runtime(host::err::kInvalidPropertyValue);
}

void Win32PageControl::AddItem(host::StringView text) {
  if (IsList()) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Chars(host::String(text))));
}

void Win32PageControl::RemoveItem(int32_t position) {
  CheckPosition(position, 0);
  bool selected = position == ListIndex();
  Send(CB_DELETESTRING, static_cast<WPARAM>(position));
  if (selected) Send(CB_SETCURSEL, static_cast<WPARAM>(-1));
}

void Win32PageControl::Clear() {
  if (IsList()) Send(CB_RESETCONTENT);
}

int32_t Win32PageControl::ListCount() const { return IsList() ? static_cast<int32_t>(Send(CB_GETCOUNT)) : 0; }

int32_t Win32PageControl::ListIndex() const { return IsList() ? static_cast<int32_t>(Send(CB_GETCURSEL)) : -1; }

void Win32PageControl::SetListIndex(int32_t position) {
  CheckPosition(position, -1);
  Send(CB_SETCURSEL, static_cast<WPARAM>(position));
}

host::String Win32PageControl::List(int32_t position) const {
  CheckPosition(position, 0);
  host::String text(static_cast<size_t>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(position))) + 1, u'\0');
  text.resize(
      static_cast<size_t>(Send(CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

int32_t Win32PageControl::Value() const { return kind_ == Kind::Button && Send(BM_GETCHECK) == BST_CHECKED ? 1 : 0; }

void Win32PageControl::SetValue(int32_t value) {
  if (kind_ == Kind::Button) Send(BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace win32
