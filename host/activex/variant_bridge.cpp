#include "host/activex/variant_bridge.h"

#include "host/com/bstr.h"
#include "host/activex/pane_object.h"
#include "host/com/unique_handle.h"
#include "host/error.h"

namespace activex {

using host::Variant;

PlatformObject::PlatformObject(IUnknown* object) : object_(ComPtr<IUnknown>::Share(object)) {
  object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity_.Out()));
}

ComPtr<IDispatch> PlatformObject::Dispatch() const { return object_.As<IDispatch>(IID_IDispatch); }

namespace {

// One of the component's own objects, found as a COM object for a client; null if none.
IDispatch* ComponentObjectToDispatch(const host::ObjectRef& object) {
  if (auto pane = std::dynamic_pointer_cast<panes::OvPane>(object)) return PaneObject::Wrap(pane);
  return nullptr;
}

}  // namespace

host::Variant FromVariant(const VARIANT& raw) {
  win32::UniqueVariant owned;
  if (FAILED(VariantCopyInd(owned.put(), const_cast<VARIANT*>(&raw))))
    throw host::Error::Runtime(host::err::kTypeMismatch);
  VARIANT& value = owned.get();
  Variant result;
  switch (V_VT(&value)) {
    case VT_EMPTY:
      break;
    case VT_NULL:
      result = Variant::Null();
      break;
    case VT_BOOL:
      result = Variant(V_BOOL(&value) != VARIANT_FALSE);
      break;
    case VT_I2:
      result = Variant(static_cast<int16_t>(V_I2(&value)));
      break;
    case VT_UI1:
      result = Variant(static_cast<int16_t>(V_UI1(&value)));
      break;
    case VT_I1:
      result = Variant(static_cast<int16_t>(V_I1(&value)));
      break;
    case VT_I4:
      result = Variant(static_cast<int32_t>(V_I4(&value)));
      break;
    case VT_INT:
      result = Variant(static_cast<int32_t>(V_INT(&value)));
      break;
    case VT_R4:
      result = Variant(V_R4(&value));
      break;
    case VT_R8:
      result = Variant(V_R8(&value));
      break;
    case VT_BSTR:
      result = Variant(FromBstr(V_BSTR(&value)));
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* object = V_VT(&value) == VT_DISPATCH ? V_DISPATCH(&value) : V_UNKNOWN(&value);
      result = object ? Variant(host::ObjectRef(std::make_shared<PlatformObject>(object))) : Variant::Nothing();
      break;
    }
    case VT_ERROR:
      result =
          V_ERROR(&value) == DISP_E_PARAMNOTFOUND ? Variant::Missing() : Variant(static_cast<int32_t>(V_ERROR(&value)));
      break;
    default: {
      // Currency, dates, decimals and the wider integers arrive as their double value.
      if (FAILED(VariantChangeType(&value, &value, 0, VT_R8))) throw host::Error::Runtime(host::err::kTypeMismatch);
      result = Variant(V_R8(&value));
    }
  }
  return result;
}

void ToVariant(const Variant& value, VARIANT* out) {
  VariantInit(out);
  using T = Variant::Type;
  switch (value.type()) {
    case T::Empty:
      break;
    case T::Null:
      V_VT(out) = VT_NULL;
      break;
    case T::Missing:
      V_VT(out) = VT_ERROR;
      V_ERROR(out) = DISP_E_PARAMNOTFOUND;
      break;
    case T::Boolean:
      V_VT(out) = VT_BOOL;
      V_BOOL(out) = value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case T::Integer:
      V_VT(out) = VT_I2;
      V_I2(out) = value.ToInteger();
      break;
    case T::Long:
      V_VT(out) = VT_I4;
      V_I4(out) = value.ToLong();
      break;
    case T::Single:
      V_VT(out) = VT_R4;
      V_R4(out) = static_cast<float>(value.ToDouble());
      break;
    case T::Double:
      V_VT(out) = VT_R8;
      V_R8(out) = value.ToDouble();
      break;
    case T::String:
      V_VT(out) = VT_BSTR;
      V_BSTR(out) = AllocBstr(value.ToString());
      break;
    case T::Object: {
      V_VT(out) = VT_DISPATCH;
      V_DISPATCH(out) = nullptr;
      const host::ObjectRef& object = value.AsObject();
      if (!object) break;
      if (auto platform = std::dynamic_pointer_cast<PlatformObject>(object)) {
        if (ComPtr<IDispatch> dispatch = platform->Dispatch()) {
          V_DISPATCH(out) = dispatch.Detach();
        } else {
          V_VT(out) = VT_UNKNOWN;
          V_UNKNOWN(out) = platform->Unknown().Detach();
        }
      } else {
        V_DISPATCH(out) = ComponentObjectToDispatch(object);
      }
      break;
    }
  }
}

}  // namespace activex
