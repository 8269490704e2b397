#include "formhost/form_container.h"

#include <algorithm>

#include "com/query_interface.h"
#include "formhost/unknown_enumerator.h"

namespace {

enum : DISPID { kName = 1, kParent = 2, kHwnd = -515 };
constexpr DispatchMember kMembers[] = {{L"Name", kName}, {L"hWnd", kHwnd}, {L"Parent", kParent}};

}  // namespace

FormContainer::FormContainer(HWND form) : PropertyGetDispatch(kMembers), form_(form) {}

void FormContainer::AddEmbedding(IDispatch* extender) {
  embeddings_.push_back(activex::ComPtr<IDispatch>::Share(extender));
}

void FormContainer::RemoveEmbedding(IDispatch* extender) {
  std::erase_if(embeddings_, [&](const auto& held) { return held.Get() == extender; });
}

void FormContainer::Detach() {
  form_ = nullptr;
  embeddings_.clear();
  activeObject_.Reset();
}

STDMETHODIMP FormContainer::QueryInterface(REFIID iid, void** object) {
  using activex::As;
  static constexpr activex::InterfaceEntry<FormContainer> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IOleContainer, &IID_IParseDisplayName}, As<IOleContainer>},
      {{&IID_IOleWindow, &IID_IOleInPlaceUIWindow, &IID_IOleInPlaceFrame}, As<IOleInPlaceFrame>},
      {{&IID_IDispatch}, As<IDispatch>},
  };
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP FormContainer::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP FormContainer::EnumObjects(DWORD flags, IEnumUnknown** objects) {
  if (!objects) return E_POINTER;
  std::vector<activex::ComPtr<IUnknown>> items;
  if (flags & OLECONTF_EMBEDDINGS)
    for (const auto& extender : embeddings_) items.push_back(extender.As<IUnknown>(IID_IUnknown));
  *objects = UnknownEnumerator::Create(std::move(items));
  return S_OK;
}

STDMETHODIMP FormContainer::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = form_;
  return form_ ? S_OK : E_FAIL;
}

STDMETHODIMP FormContainer::SetBorderSpace(LPCBORDERWIDTHS widths) {
  // A control that asks for no tools gets that; the form has no room for any.
  return widths ? INPLACE_E_NOTOOLSPACE : S_OK;
}

STDMETHODIMP FormContainer::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  activeObject_ = activex::ComPtr<IOleInPlaceActiveObject>::Share(object);
  ++activeObjectChanges_;
  return S_OK;
}

HRESULT FormContainer::GetProperty(DISPID id, VARIANT* result) {
  switch (id) {
    case kName:
      return ReturnString(result, L"Form1");
    case kHwnd:
      return ReturnLong(result, static_cast<long>(reinterpret_cast<LONG_PTR>(form_)));
    // A top-level form has no parent: the chain ends with Nothing.
    case kParent:
      return ReturnObject(result, nullptr);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}
