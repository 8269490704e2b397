#include "activex/property_page_object.h"

#include <commctrl.h>

#include <new>
#include <utility>

#include "activex/error_info.h"
#include "com/query_interface.h"
#include "host/error.h"

namespace activex {
namespace {

INT_PTR CALLBACK MeasuringProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Clears the flag again on every exit, a throw included.
struct Raised {
  explicit Raised(bool& flag) : flag(flag) { flag = true; }
  ~Raised() { flag = false; }
  bool& flag;
};

}  // namespace

HRESULT PropertyPageObject::Create(const PageDescription& page, REFIID iid, void** out) {
  auto object = ComPtr<PropertyPageObject>::Adopt(new (std::nothrow) PropertyPageObject(page));
  if (!object) return E_OUTOFMEMORY;
  return object->QueryInterface(iid, out);
}

HRESULT PropertyPageObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<PropertyPageObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IPropertyPage, &IID_IPropertyPage2}, As<IPropertyPage2>}};
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT PropertyPageObject::SetPageSite(IPropertyPageSite* site) {
  site_ = ComPtr<IPropertyPageSite>::Share(site);
  return S_OK;
}

HRESULT PropertyPageObject::Activate(HWND parent, LPCRECT bounds, BOOL) {
  if (window_) return E_UNEXPECTED;
  window_.reset(CreateDialogParamW(ModuleHandle(), MAKEINTRESOURCEW(page_.dialogId), parent, DialogProcedure,
                                   reinterpret_cast<LPARAM>(this)));
  if (!window_) return HRESULT_FROM_WIN32(GetLastError());
  for (const win32::DialogElement& element : page_.controls) {
    HWND control = GetDlgItem(window_.get(), element.controlId);
    const win32::Win32PageControl& added = controls_.try_emplace(element.controlId, control).first->second;
    // A press in a text box reaches the page before the focus does; the subclass goes with the window.
    if (added.IsTextBox())
      SetWindowSubclass(control, TextBoxProcedure, element.controlId, reinterpret_cast<DWORD_PTR>(this));
  }
  if (bounds) Move(bounds);
  return RunLogic([&] {
    logic_ = page_.create(*this);
    if (!objects_.empty()) logic_->SelectionChanged();
  });
}

HRESULT PropertyPageObject::Deactivate() {
  logic_.reset();
  controls_.clear();
  window_.reset();
  return S_OK;
}

HRESULT PropertyPageObject::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  *info = {};
  // The size the dialog takes in the units of its font, measured on a hidden instance.
  win32::UniqueWindow measured(
      CreateDialogParamW(ModuleHandle(), MAKEINTRESOURCEW(page_.dialogId), GetDesktopWindow(), MeasuringProcedure, 0));
  if (!measured) return HRESULT_FROM_WIN32(GetLastError());
  RECT rect = {};
  GetWindowRect(measured.get(), &rect);
  size_t bytes = (wcslen(page_.title) + 1) * sizeof(wchar_t);
  auto* title = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
  if (!title) return E_OUTOFMEMORY;
  memcpy(title, page_.title, bytes);
  info->cb = sizeof(PROPPAGEINFO);
  info->pszTitle = title;
  info->size = {rect.right - rect.left, rect.bottom - rect.top};
  return S_OK;
}

HRESULT PropertyPageObject::SetObjects(ULONG count, IUnknown** objects) {
  if (count && !objects) return E_POINTER;
  objects_.clear();
  selected_.reset();
  for (ULONG i = 0; i < count; ++i) objects_.push_back(ComPtr<IUnknown>::Share(objects[i]));
  if (!logic_ || objects_.empty()) return S_OK;
  return RunLogic([&] { logic_->SelectionChanged(); });
}

HRESULT PropertyPageObject::Show(UINT command) {
  if (!window_) return E_UNEXPECTED;
  ShowWindow(window_.get(), static_cast<int>(command));
  return S_OK;
}

HRESULT PropertyPageObject::Move(LPCRECT bounds) {
  if (!bounds) return E_POINTER;
  if (!window_) return E_UNEXPECTED;
  MoveWindow(window_.get(), bounds->left, bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top,
             TRUE);
  return S_OK;
}

HRESULT PropertyPageObject::Apply() {
  if (!logic_ || objects_.empty()) return S_OK;
  // The frame takes the edits; a page that could not apply some marks itself changed again.
  bool edited = std::exchange(changed_, false);
  HRESULT hr = RunLogic([&] { logic_->ApplyChanges(); });
  if (edited && !changed_ && site_) site_->OnStatusChange(PROPPAGESTATUS_CLEAN);
  if (FAILED(hr)) return hr;
  return changed_ ? E_FAIL : S_OK;
}

HRESULT PropertyPageObject::TranslateAccelerator(MSG* message) {
  if (!message) return E_POINTER;
  return window_ && IsDialogMessageW(window_.get(), message) ? S_OK : S_FALSE;
}

host::PageControl& PropertyPageObject::Control(host::StringView name) {
  for (const win32::DialogElement& element : page_.controls)
    if (name == element.name) return controls_.at(element.controlId);
  throw host::Error::Runtime(host::err::kInvalidArgument);
}

host::NamedObject& PropertyPageObject::SelectedControl() {
  if (objects_.empty()) throw host::Error::Runtime(host::err::kObjectRequired);
  if (!selected_) selected_ = std::make_unique<DispatchByName>(objects_.front().Get());
  return *selected_;
}

void PropertyPageObject::SetChanged(bool changed) {
  bool was = std::exchange(changed_, changed);
  // The frame asks IsPageDirty and enables its Apply button accordingly.
  if (site_ && was != changed) site_->OnStatusChange(changed ? PROPPAGESTATUS_DIRTY : PROPPAGESTATUS_CLEAN);
}

HRESULT PropertyPageObject::RunLogic(const std::function<void()>& body) {
  Raised running(inLogic_);
  return ComBoundary(IID_IPropertyPage, body);
}

void PropertyPageObject::OnControlEvent(int id, host::PageEvent event) {
  if (inLogic_ || !logic_) return;
  const win32::DialogElement* element = nullptr;
  for (const win32::DialogElement& candidate : page_.controls)
    if (candidate.controlId == id) element = &candidate;
  if (!element) return;
  Raised running(inLogic_);
  try {
    logic_->ControlEvent(element->name, event);
  } catch (const host::Error& error) {
    // The user's action has no caller to hand the error to: the page shows it.
    dialogs_.ShowMessage(error.description(), host::kMessageBoxInformation, host::kApplicationTitle);
  }
}

INT_PTR PropertyPageObject::OnCommand(int id, WORD notification) {
  auto control = controls_.find(id);
  if (control == controls_.end()) return FALSE;
  if (std::optional<host::PageEvent> event = control->second.EventFor(notification)) OnControlEvent(id, *event);
  return TRUE;
}

INT_PTR PropertyPageObject::OnControlColor(HDC dc, HWND window) {
  for (auto& [id, control] : controls_) {
    // A combo box paints its edit field through a child window.
    if (!control.HasBackground() || (control.Window() != window && control.Window() != GetParent(window))) continue;
    host::OleColor color = control.BackColor();
    COLORREF rgb = host::IsSystemColor(color) ? GetSysColor(host::SystemColorIndex(color)) : color;
    SetBkColor(dc, rgb);
    if (host::IsSystemColor(color)) return reinterpret_cast<INT_PTR>(GetSysColorBrush(host::SystemColorIndex(color)));
    win32::UniqueGdiObject& brush = brushes_[color];
    if (!brush) brush.reset(CreateSolidBrush(rgb));
    return reinterpret_cast<INT_PTR>(brush.get());
  }
  return FALSE;
}

INT_PTR CALLBACK PropertyPageObject::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return FALSE;  // the frame decides where the focus goes
  }
  auto* self = reinterpret_cast<PropertyPageObject*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return self->OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
      return FALSE;
  }
}

LRESULT CALLBACK PropertyPageObject::TextBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR id, DWORD_PTR self) {
  if (message == WM_LBUTTONDOWN)
    reinterpret_cast<PropertyPageObject*>(self)->OnControlEvent(static_cast<int>(id), host::PageEvent::MouseDown);
  else if (message == WM_NCDESTROY)
    RemoveWindowSubclass(window, TextBoxProcedure, id);
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace activex
