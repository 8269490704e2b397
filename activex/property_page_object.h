#pragma once
// The COM object of one of the control's property pages: IPropertyPage2 over a dialog
// resource, running the page's logic with the dialog's controls, the first of the objects
// the frame hands it, and the frame's site for the page's Changed flag. Every page shares
// this one shape; what differs is its PageDescription.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "activex/com_object.h"
#include "activex/dispatch_by_name.h"
#include "activex/module.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "host/site/property_page_site.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_page_control.h"
#include "pages/property_page.h"

namespace activex {

struct PageDescription {
  const wchar_t* title;
  int dialogId;
  // The page's controls by the names its logic uses, with their ids in the dialog.
  std::span<const win32::DialogElement> controls;
  std::unique_ptr<pages::PropertyPage> (*create)(host::PropertyPageSite& site);
};

class PropertyPageObject final : public ComObject, public IPropertyPage2, private host::PropertyPageSite {
 public:
  static HRESULT Create(const PageDescription& page, REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // IPropertyPage
  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  // Creates the dialog as a child of parent and loads the fields when objects are set.
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT bounds, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  // Only the first object is read and written.
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT bounds) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override { return changed_ ? S_OK : S_FALSE; }
  // E_FAIL while edits stay unapplied (a pane refused one), so that the frame stays open.
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message) override;
  // IPropertyPage2
  HRESULT STDMETHODCALLTYPE EditProperty(DISPID) override { return E_NOTIMPL; }

 private:
  explicit PropertyPageObject(const PageDescription& page) : page_(page) {}
  ~PropertyPageObject() override = default;

  // host::PropertyPageSite
  host::PageControl& Control(host::StringView name) override;
  host::NamedObject& SelectedControl() override;
  bool Changed() const override { return changed_; }
  void SetChanged(bool changed) override;
  host::Dialogs& dialogs() override { return dialogs_; }

  static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK TextBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);
  INT_PTR OnCommand(int id, WORD notification);
  INT_PTR OnControlColor(HDC dc, HWND control);
  void OnControlEvent(int id, host::PageEvent event);
  // Runs the page's logic: notifications its own writes cause are not the user's.
  HRESULT RunLogic(const std::function<void()>& body);

  const PageDescription& page_;
  ComPtr<IPropertyPageSite> site_;
  std::vector<ComPtr<IUnknown>> objects_;
  std::unique_ptr<DispatchByName> selected_;
  win32::UniqueWindow window_;
  std::map<int, win32::Win32PageControl> controls_;
  std::map<host::OleColor, win32::UniqueGdiObject> brushes_;
  std::unique_ptr<pages::PropertyPage> logic_;
  bool changed_ = false;
  bool inLogic_ = false;
  // Message boxes belong to the page's window.
  win32::Win32Dialogs dialogs_{ModuleHandle(), [this] { return window_.get(); }, {}};
};

}  // namespace activex
