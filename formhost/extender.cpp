#include "formhost/extender.h"

#include <array>
#include <cmath>

#include "com/query_interface.h"

namespace {

enum : DISPID {
  kName = 1,
  kLeft,
  kTop,
  kWidth,
  kHeight,
  kContainer,
  kMove,
  kParent,
  kHwnd = -515,     // DISPID_HWND
  kRefresh = -550,  // DISPID_REFRESH
};

constexpr DispatchMember kMembers[] = {
    {L"Name", kName},           {L"Left", kLeft}, {L"Top", kTop},   {L"Width", kWidth},     {L"Height", kHeight},
    {L"Container", kContainer}, {L"Move", kMove}, {L"hWnd", kHwnd}, {L"Refresh", kRefresh}, {L"Parent", kParent},
};

// Left, Top, Width and Height, in the order of their DISPIDs from kLeft and of Move's arguments.
using Bounds = std::array<double, 4>;

bool IsBound(DISPID id) { return id >= kLeft && id <= kHeight; }

Bounds BoundsOf(const FormControl& control) {
  Bounds bounds;
  control.Bounds(&bounds[0], &bounds[1], &bounds[2], &bounds[3]);
  return bounds;
}

void MoveTo(FormControl& control, const Bounds& bounds) { control.Move(bounds[0], bounds[1], bounds[2], bounds[3]); }

}  // namespace

Extender::Extender(FormControl& control) : NameDispatch(kMembers), control_(&control) {}

STDMETHODIMP Extender::QueryInterface(REFIID iid, void** object) {
  static constexpr activex::InterfaceEntry<Extender> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch}, activex::As<IDispatch>}};
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP Extender::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
  HRESULT hr = NameDispatch::GetIDsOfNames(iid, names, count, locale, ids);
  // A windowless control has no hWnd, as form languages report it.
  if (SUCCEEDED(hr) && ids[0] == kHwnd && control_ && !control_->Window()) {
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  return hr;
}

STDMETHODIMP Extender::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                              UINT*) {
  if (!control_) return E_UNEXPECTED;
  try {
    if (id == kMove && (flags & DISPATCH_METHOD)) return Move(params);
    if (id == kRefresh && (flags & DISPATCH_METHOD)) {
      control_->Refresh();
      return S_OK;
    }
    if (flags & DISPATCH_PROPERTYGET) return Get(id, result);
    if (flags & DISPATCH_PROPERTYPUT) {
      std::optional<double> value = PutValue(params);
      return value ? Put(id, *value) : DISP_E_PARAMNOTOPTIONAL;
    }
    return DISP_E_MEMBERNOTFOUND;
  } catch (HRESULT hr) {
    return hr;
  }
}

HRESULT Extender::Get(DISPID id, VARIANT* result) {
  if (IsBound(id)) return ReturnLong(result, std::lround(BoundsOf(*control_)[id - kLeft]));
  switch (id) {
    case kName:
      return ReturnString(result, control_->Name().c_str());
    case kContainer:
      return ReturnObject(result, control_->ContainerObject());
    case kParent:
      return ReturnObject(result, control_->ParentObject());
    case kHwnd:
      if (!control_->Window()) return DISP_E_MEMBERNOTFOUND;
      return ReturnLong(result, static_cast<long>(reinterpret_cast<LONG_PTR>(control_->Window())));
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT Extender::Put(DISPID id, double value) {
  if (!IsBound(id)) return DISP_E_MEMBERNOTFOUND;
  Bounds bounds = BoundsOf(*control_);
  bounds[id - kLeft] = value;
  MoveTo(*control_, bounds);
  return S_OK;
}

// Move Left, [Top], [Width], [Height]: what is omitted stays.
HRESULT Extender::Move(const DISPPARAMS* params) {
  Bounds bounds = BoundsOf(*control_);
  std::optional<double> left = NumberArgument(params, 0);
  if (!left) return DISP_E_PARAMNOTOPTIONAL;
  bounds[0] = *left;
  for (UINT i = 1; i < 4; ++i)
    if (std::optional<double> value = NumberArgument(params, i)) bounds[i] = *value;
  MoveTo(*control_, bounds);
  return S_OK;
}
