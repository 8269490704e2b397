#include "activex/property_browsing.h"

#include <olectl.h>
#include <msstkppg.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "activex/registration.h"
#include "activex/type_library.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "splitter/enumerated_properties.h"

namespace activex {
namespace {

// Where each property is edited: the General page holds the splitter-wide fields, the
// Behavior page how the splitters are operated and how the panes meet a resize.
struct PagePlacement {
  const CLSID* page;
  std::initializer_list<const char16_t*> properties;
};

const PagePlacement kPropertyPages[] = {
    {&kGeneralPageClsid,
     {u"Appearance", u"BorderStyle", u"Orientation", u"SplitterStyle", u"MousePointer", u"OLEDropMode", u"SplitterSize",
      u"Enabled"}},
    {&kPanesPageClsid, {u"Panes"}},
    {&kBehaviorPageClsid, {u"SplitterKeyboard", u"SplitterIncrement", u"SplitterGrabSize", u"LiveDrag", u"ResizeMode"}},
    {&CLSID_StockColorPage, {u"BackColor"}},
    {&CLSID_StockPicturePage, {u"MouseIcon", u"SplitterMouseIcon"}},
};

}  // namespace

host::String PropertyBrowsing::MemberName(DISPID member) const {
  ComPtr<ITypeInfo> info = TypeInfoOf(members_);
  win32::UniqueBstr name;
  if (!info || FAILED(info->GetDocumentation(member, name.put(), nullptr, nullptr, nullptr))) return {};
  return FromBstr(name.get());
}

HRESULT PropertyBrowsing::GetDisplayString(DISPID member, BSTR* text) {
  if (!text) return E_POINTER;
  *text = nullptr;
  const splitter::EnumeratedProperty* property = splitter::FindEnumeratedProperty(MemberName(member));
  if (!property) return E_NOTIMPL;
  DISPPARAMS none{};
  win32::UniqueVariant value;
  HRESULT hr =
      outer_.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.put(), nullptr, nullptr);
  if (SUCCEEDED(hr)) hr = VariantChangeType(&value.get(), &value.get(), 0, VT_I4);
  if (FAILED(hr)) return hr;
  // A value outside the enumeration (the setters take any) shows as its number.
  const splitter::NamedValue* named = property->Find(V_I4(&value.get()));
  *text = AllocBstr(named ? splitter::DisplayText(*named) : host::DecimalText(V_I4(&value.get())));
  return *text ? S_OK : E_OUTOFMEMORY;
}

HRESULT PropertyBrowsing::MapPropertyToPage(DISPID member, CLSID* page) {
  if (!page) return E_POINTER;
  *page = CLSID_NULL;
  host::String name = MemberName(member);
  for (const PagePlacement& placement : kPropertyPages) {
    if (std::find(placement.properties.begin(), placement.properties.end(), name) == placement.properties.end())
      continue;
    *page = *placement.page;
    return S_OK;
  }
  return PERPROP_E_NOPAGEAVAILABLE;
}

HRESULT PropertyBrowsing::GetPredefinedStrings(DISPID member, CALPOLESTR* strings, CADWORD* cookies) {
  if (!strings || !cookies) return E_POINTER;
  *strings = {};
  *cookies = {};
  const splitter::EnumeratedProperty* property = splitter::FindEnumeratedProperty(MemberName(member));
  if (!property) return E_NOTIMPL;
  // Everything is allocated first, so that a failure hands out nothing.
  std::size_t count = property->values.size();
  win32::UniqueTaskMemory stringArray(CoTaskMemAlloc(count * sizeof(LPOLESTR)));
  win32::UniqueTaskMemory cookieArray(CoTaskMemAlloc(count * sizeof(DWORD)));
  std::vector<win32::UniqueTaskMemory> texts;
  for (const splitter::NamedValue& named : property->values) {
    host::String text = splitter::DisplayText(named);
    texts.emplace_back(CoTaskMemAlloc((text.size() + 1) * sizeof(char16_t)));
    if (texts.back())
      std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<char16_t*>(texts.back().get()));
  }
  if (!stringArray || !cookieArray ||
      std::any_of(texts.begin(), texts.end(), [](const win32::UniqueTaskMemory& text) { return !text; }))
    return E_OUTOFMEMORY;
  auto* stringSlots = static_cast<LPOLESTR*>(stringArray.get());
  auto* cookieSlots = static_cast<DWORD*>(cookieArray.get());
  for (std::size_t i = 0; i < count; ++i) {
    stringSlots[i] = static_cast<LPOLESTR>(texts[i].release());
    // The cookie is the value itself.
    cookieSlots[i] = static_cast<DWORD>(property->values[i].value);
  }
  *strings = {static_cast<ULONG>(count), static_cast<LPOLESTR*>(stringArray.release())};
  *cookies = {static_cast<ULONG>(count), static_cast<DWORD*>(cookieArray.release())};
  return S_OK;
}

HRESULT PropertyBrowsing::GetPredefinedValue(DISPID member, DWORD cookie, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  const splitter::EnumeratedProperty* property = splitter::FindEnumeratedProperty(MemberName(member));
  if (!property) return E_NOTIMPL;
  const splitter::NamedValue* named = property->Find(static_cast<int32_t>(cookie));
  if (!named) return E_INVALIDARG;
  V_VT(value) = VT_I4;
  V_I4(value) = named->value;
  return S_OK;
}

}  // namespace activex
