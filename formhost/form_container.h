#pragma once
// The form as its controls' sites see it: the container whose embeddings are the
// extenders of every control on the form, in the order they were placed; the in-place
// frame window; and the form object (hWnd, Name, Parent) that extenders name as Parent.

#include <windows.h>
#include <ole2.h>

#include <vector>

#include "com/com_ptr.h"
#include "automation/property_get_dispatch.h"
#include "com/ref_counted.h"

class FormContainer final : public IOleContainer,
                            public IOleInPlaceFrame,
                            public PropertyGetDispatch,
                            private com::RefCounted {
 public:
  static FormContainer* Create(HWND form) { return new FormContainer(form); }

  void AddEmbedding(IDispatch* extender);
  void RemoveEmbedding(IDispatch* extender);
  // The form is closing: it lets go of everything it holds.
  void Detach();
  IDispatch* FormObject() { return static_cast<IDispatch*>(this); }
  // Calls from a control to the in-place frame, for the tests to see.
  int ActiveObjectChanges() const { return activeObjectChanges_; }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  // IParseDisplayName, IOleContainer
  STDMETHODIMP ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override;
  STDMETHODIMP EnumObjects(DWORD flags, IEnumUnknown** objects) override;
  STDMETHODIMP LockContainer(BOOL) override { return S_OK; }

  // IOleWindow, IOleInPlaceUIWindow, IOleInPlaceFrame
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  explicit FormContainer(HWND form);
  // PropertyGetDispatch: the form object, Name, hWnd and Parent by name.
  HRESULT GetProperty(DISPID id, VARIANT* result) override;

  HWND form_;
  std::vector<activex::ComPtr<IDispatch>> embeddings_;
  activex::ComPtr<IOleInPlaceActiveObject> activeObject_;
  int activeObjectChanges_ = 0;
};
