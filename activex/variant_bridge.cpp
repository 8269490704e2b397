#include "activex/variant_bridge.h"

#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "com/bstr.h"
#include "activex/pane_object.h"
#include "activex/platform_picture.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {

using host::Variant;

PlatformObject::PlatformObject(IUnknown* object) : object_(ComPtr<IUnknown>::Share(object)) {
  object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity_.Out()));
}

ComPtr<IDispatch> PlatformObject::Dispatch() const { return object_.As<IDispatch>(IID_IDispatch); }

namespace {

// One of the component's own objects or a picture, found as a COM object for a client;
// null if none.
IDispatch* ComponentObjectToDispatch(const host::ObjectRef& object) {
  if (auto pane = std::dynamic_pointer_cast<panes::OvPane>(object)) return PaneObject::Wrap(pane);
  if (auto picture = std::dynamic_pointer_cast<host::Picture>(object)) return PlatformPicture::ToDispatch(picture);
  return nullptr;
}

}  // namespace

namespace {

using T = Variant::Type;

struct TypePair {
  VARTYPE platform;
  T host;
};

// The platform's types and the host::Variant types, both ways. Out, a host type becomes the
// first platform type listed with it (VT_VARIANT if none). In, the element type of a
// SAFEARRAY becomes its host type: the platform's integer types that the form languages lack
// widen by type to the smallest that holds all their values (VT_I1 to Integer, VT_UI2 and
// VT_INT to Long, VT_UI4 and VT_UINT to LongLong, VT_UI8 to Decimal; VT_UI1 is the Byte).
constexpr TypePair kTypePairs[] = {
    {VT_BOOL, T::Boolean},   {VT_UI1, T::Byte},        {VT_I2, T::Integer},      {VT_I1, T::Integer},
    {VT_I4, T::Long},        {VT_UI2, T::Long},        {VT_INT, T::Long},        {VT_I8, T::LongLong},
    {VT_UI4, T::LongLong},   {VT_UINT, T::LongLong},   {VT_DECIMAL, T::Decimal}, {VT_UI8, T::Decimal},
    {VT_R4, T::Single},      {VT_R8, T::Double},       {VT_CY, T::Currency},     {VT_DATE, T::Date},
    {VT_BSTR, T::String},    {VT_ERROR, T::Error},     {VT_ERROR, T::Missing},   {VT_DISPATCH, T::Object},
    {VT_UNKNOWN, T::Object}, {VT_VARIANT, T::Variant},
};

std::optional<T> HostTypeOf(VARTYPE type) {
  for (const TypePair& pair : kTypePairs)
    if (pair.platform == type) return pair.host;
  return std::nullopt;
}

VARTYPE PlatformTypeOf(T type) {
  for (const TypePair& pair : kTypePairs)
    if (pair.host == type) return pair.platform;
  return VT_VARIANT;
}

host::Variant FromDecimal(const DECIMAL& value) {
  if (value.scale > host::DecimalNumber::kMaxScale) throw host::Error::Runtime(host::err::kOverflow);
  return Variant::Decimal({value.Hi32, value.Lo64, value.scale, (value.sign & DECIMAL_NEG) != 0});
}

host::Variant FromSafeArray(VARTYPE elementType, SAFEARRAY* array) {
  std::optional<T> type = HostTypeOf(elementType);
  if (!type) throw host::Error::Runtime(host::err::kTypeMismatch);
  std::vector<host::ArrayBound> bounds;
  std::vector<Variant> elements;
  if (array) {
    for (UINT dimension = 1; dimension <= SafeArrayGetDim(array); ++dimension) {
      LONG lower = 0, upper = -1;
      SafeArrayGetLBound(array, dimension, &lower);
      SafeArrayGetUBound(array, dimension, &upper);
      bounds.push_back({lower, upper < lower ? 0u : static_cast<uint32_t>(static_cast<int64_t>(upper) - lower + 1)});
    }
    uint32_t count = host::ArrayElementCount(bounds).value_or(0);
    UINT size = SafeArrayGetElemsize(array);
    win32::AccessedArray access(array);
    auto* data = static_cast<BYTE*>(access.data());
    if (!data && count > 0) throw host::Error::Runtime(host::err::kTypeMismatch);
    elements.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
      // Each element read as a reference to a value of the element type.
      VARIANT reference;
      V_VT(&reference) = static_cast<VARTYPE>(VT_BYREF | elementType);
      V_BYREF(&reference) = data + static_cast<size_t>(i) * size;
      elements.push_back(FromVariant(reference));
    }
  }
  return Variant::Array(*type, std::move(bounds), std::move(elements));
}

// Object arrays go out as VT_DISPATCH unless an element lacks IDispatch.
VARTYPE ObjectArrayType(const host::VariantArray& array) {
  for (const Variant& element : array.elements)
    if (auto platform = std::dynamic_pointer_cast<PlatformObject>(element.AsObject()))
      if (!platform->Dispatch()) return VT_UNKNOWN;
  return VT_DISPATCH;
}

void ToSafeArray(const host::VariantArray& array, VARIANT* out) {
  VARTYPE type = array.elementType == T::Object ? ObjectArrayType(array) : PlatformTypeOf(array.elementType);
  win32::UniqueSafeArray made;
  if (!array.bounds.empty()) {
    std::vector<SAFEARRAYBOUND> bounds;
    for (const host::ArrayBound& bound : array.bounds) bounds.push_back({bound.count, bound.lower});
    made.reset(SafeArrayCreate(type, static_cast<UINT>(bounds.size()), bounds.data()));
    if (!made) throw std::bad_alloc();
    UINT size = SafeArrayGetElemsize(made.get());
    win32::AccessedArray access(made.get());
    auto* data = static_cast<BYTE*>(access.data());
    for (size_t i = 0; i < array.elements.size(); ++i) {
      win32::UniqueVariant element;
      ToVariant(array.elements[i], element.put());
      BYTE* slot = data + i * size;
      if (type == VT_VARIANT) {
        *reinterpret_cast<VARIANT*>(slot) = element.release();
      } else if (type == VT_DECIMAL) {
        DECIMAL value = V_DECIMAL(&element.get());
        value.wReserved = 0;
        std::memcpy(slot, &value, sizeof value);
      } else {
        // The value's bytes as the union holds them; the array now owns a BSTR or interface.
        VARIANT value = element.release();
        std::memcpy(slot, &V_UI1(&value), size);
      }
    }
  }
  V_VT(out) = static_cast<VARTYPE>(VT_ARRAY | type);
  V_ARRAY(out) = made.release();
}

}  // namespace

host::Variant FromVariant(const VARIANT& raw) {
  win32::UniqueVariant owned;
  if (FAILED(VariantCopyInd(owned.put(), const_cast<VARIANT*>(&raw))))
    throw host::Error::Runtime(host::err::kTypeMismatch);
  VARIANT& value = owned.get();
  VARTYPE type = V_VT(&value);
  if (type & VT_ARRAY) return FromSafeArray(type & VT_TYPEMASK, V_ARRAY(&value));
  switch (type) {
    case VT_EMPTY:
      return Variant();
    case VT_NULL:
      return Variant::Null();
    case VT_BOOL:
      return Variant(V_BOOL(&value) != VARIANT_FALSE);
    case VT_UI1:
      return Variant::Byte(V_UI1(&value));
    case VT_I2:
      return Variant(static_cast<int16_t>(V_I2(&value)));
    case VT_I4:
      return Variant(static_cast<int32_t>(V_I4(&value)));
    case VT_I8:
      return Variant::LongLong(V_I8(&value));
    case VT_R4:
      return Variant(V_R4(&value));
    case VT_R8:
      return Variant(V_R8(&value));
    case VT_CY:
      return Variant::Currency(V_CY(&value).int64);
    case VT_DATE:
      return Variant::Date(V_DATE(&value));
    case VT_DECIMAL:
      return FromDecimal(V_DECIMAL(&value));
    case VT_BSTR:
      return Variant(FromBstr(V_BSTR(&value)));
    case VT_ERROR:
      return Variant::ErrorValue(V_ERROR(&value));
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* object = type == VT_DISPATCH ? V_DISPATCH(&value) : V_UNKNOWN(&value);
      if (!object) return Variant::Nothing();
      // A picture becomes one, so that the control can ask its type and save it.
      ComPtr<IPictureDisp> picture;
      if (SUCCEEDED(object->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(picture.Out()))))
        return Variant(host::ObjectRef(PlatformPicture::From(picture.Get())));
      return Variant(host::ObjectRef(std::make_shared<PlatformObject>(object)));
    }
    // The integer types the form languages lack, widened as HostTypeOf says.
    case VT_I1:
      return Variant(static_cast<int16_t>(V_I1(&value)));
    case VT_UI2:
      return Variant(static_cast<int32_t>(V_UI2(&value)));
    case VT_INT:
      return Variant(static_cast<int32_t>(V_INT(&value)));
    case VT_UI4:
      return Variant::LongLong(V_UI4(&value));
    case VT_UINT:
      return Variant::LongLong(V_UINT(&value));
    case VT_UI8:
      return Variant::Decimal({0, V_UI8(&value), 0, false});
    default:
      throw host::Error::Runtime(host::err::kTypeMismatch);
  }
}

namespace {

// An object as a VARIANT: a platform object as the IDispatch it has, else its IUnknown; one
// of the component's own objects as its COM object; Nothing as a null VT_DISPATCH.
void ObjectToVariant(const host::ObjectRef& object, VARIANT* out) {
  V_VT(out) = VT_DISPATCH;
  V_DISPATCH(out) = nullptr;
  if (!object) return;
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
}

}  // namespace

void ToVariant(const Variant& value, VARIANT* out) {
  VariantInit(out);
  switch (value.type()) {
    case T::Empty:
    case T::Variant:
      return;
    case T::Null:
      V_VT(out) = VT_NULL;
      return;
    case T::Array:
      ToSafeArray(value.AsArray(), out);
      return;
    case T::Object:
      ObjectToVariant(value.AsObject(), out);
      return;
    default:
      break;
  }
  // A single value: its field first, then its type, which shares the decimal's first bytes.
  switch (value.type()) {
    case T::Boolean:
      V_BOOL(out) = value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case T::Byte:
      V_UI1(out) = static_cast<BYTE>(value.ToLong());
      break;
    case T::Integer:
      V_I2(out) = value.ToInteger();
      break;
    case T::Long:
      V_I4(out) = value.ToLong();
      break;
    case T::LongLong:
      V_I8(out) = value.AsLongLong();
      break;
    case T::Single:
      V_R4(out) = static_cast<float>(value.Number());
      break;
    case T::Double:
      V_R8(out) = value.Number();
      break;
    case T::Currency:
      V_CY(out).int64 = value.CurrencyTenThousandths();
      break;
    case T::Date:
      V_DATE(out) = value.Number();
      break;
    case T::Decimal: {
      const host::DecimalNumber& d = value.AsDecimal();
      DECIMAL& decimal = V_DECIMAL(out);
      decimal.scale = d.scale;
      decimal.sign = d.negative ? DECIMAL_NEG : 0;
      decimal.Hi32 = d.high;
      decimal.Lo64 = d.low;
      break;
    }
    case T::String:
      V_BSTR(out) = AllocBstr(value.ToString());
      break;
    default:  // Error and Missing
      V_ERROR(out) = value.ErrorCode();
      break;
  }
  V_VT(out) = PlatformTypeOf(value.type());
}

}  // namespace activex
