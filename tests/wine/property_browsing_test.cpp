// IPerPropertyBrowsing of the real OCX, as a property browser uses it: the named values of
// each enumerated property checked against the constants of the enumeration that the type
// library gives as the property's type, the chosen name mapped back to its value, the
// current value's name, and the page that edits each property.

#include <utility>

#include "splitter_test.h"

// Defines the stock pages' class ids here.
#include <initguid.h>
#include <msstkppg.h>

namespace {

using NamedValues = std::vector<std::pair<long, std::wstring>>;

class PropertyBrowsing : public SplitterTest {
 protected:
  void SetUp() override {
    IDispatch* control = splitter_->Control().Pointer();
    ASSERT_EQ(control->QueryInterface(IID_IPerPropertyBrowsing, reinterpret_cast<void**>(browsing_.Out())), S_OK);
    ASSERT_EQ(control->GetTypeInfo(0, 0, info_.Out()), S_OK);
  }
  DISPID Id(const wchar_t* property) const { return splitter_->Control().IdOf(property); }

  // The constants of the enumeration that the type library declares as the property's type.
  NamedValues EnumerationOf(const wchar_t* property) const {
    NamedValues constants;
    win32::TypeAttributes attributes(info_.Get());
    for (UINT i = 0; attributes && i < attributes->cFuncs; ++i) {
      win32::FunctionDescription function(info_.Get(), i);
      if (!function || function->memid != Id(property) || function->invkind != INVOKE_PROPERTYGET) continue;
      const TYPEDESC& type = function->elemdescFunc.tdesc;
      activex::ComPtr<ITypeInfo> enumeration;
      if (type.vt != VT_USERDEFINED || FAILED(info_->GetRefTypeInfo(type.hreftype, enumeration.Out()))) break;
      win32::TypeAttributes enumAttributes(enumeration.Get());
      for (UINT c = 0; enumAttributes && c < enumAttributes->cVars; ++c) {
        win32::VariableDescription constant(enumeration.Get(), c);
        win32::UniqueBstr name;
        enumeration->GetDocumentation(constant->memid, name.put(), nullptr, nullptr, nullptr);
        constants.emplace_back(V_I4(constant->lpvarValue), name.get());
      }
    }
    return constants;
  }

  // What the browser lists, each cookie mapped back to its value.
  NamedValues Listed(const wchar_t* property) const {
    CALPOLESTR strings{};
    CADWORD cookies{};
    NamedValues listed;
    EXPECT_EQ(browsing_->GetPredefinedStrings(Id(property), &strings, &cookies), S_OK);
    EXPECT_EQ(strings.cElems, cookies.cElems);
    for (ULONG i = 0; i < strings.cElems; ++i) {
      VARIANT value;
      EXPECT_EQ(browsing_->GetPredefinedValue(Id(property), cookies.pElems[i], &value), S_OK);
      EXPECT_EQ(V_VT(&value), VT_I4);
      listed.emplace_back(V_I4(&value), strings.pElems[i]);
      CoTaskMemFree(strings.pElems[i]);
    }
    CoTaskMemFree(strings.pElems);
    CoTaskMemFree(cookies.pElems);
    return listed;
  }

  std::wstring Shown(const wchar_t* property) const {
    win32::UniqueBstr text;
    EXPECT_EQ(browsing_->GetDisplayString(Id(property), text.put()), S_OK);
    return text.get() ? text.get() : L"";
  }

  activex::ComPtr<IPerPropertyBrowsing> browsing_;
  activex::ComPtr<ITypeInfo> info_;
};

std::wstring Display(long value, const std::wstring& name) { return std::to_wstring(value) + L" - " + name; }

TEST_F(PropertyBrowsing, ListsTheTypeLibraryConstantsOfEachEnumeratedPropertyAndShowsTheCurrentOne) {
  for (const wchar_t* property :
       {L"Appearance", L"BorderStyle", L"SplitterStyle", L"Orientation", L"OLEDropMode", L"ResizeMode"}) {
    SCOPED_TRACE(std::string(property, property + wcslen(property)));
    NamedValues constants = EnumerationOf(property);
    ASSERT_GE(constants.size(), 2u);
    NamedValues expected;
    for (const auto& [value, name] : constants) expected.emplace_back(value, Display(value, name));
    EXPECT_EQ(Listed(property), expected);
    for (const auto& [value, name] : constants) {
      splitter_->Control().Put(property, value);
      EXPECT_EQ(Shown(property), Display(value, name));
    }
  }
}

TEST_F(PropertyBrowsing, MousePointerListsTheStandardPointersAndCustom) {
  NamedValues listed = Listed(L"MousePointer");
  ASSERT_EQ(listed.size(), 17u);
  for (long value = 0; value < 16; ++value) {
    EXPECT_EQ(listed[value].first, value);
    EXPECT_EQ(listed[value].second.rfind(std::to_wstring(value) + L" - vb", 0), 0u) << listed[value].second;
  }
  EXPECT_EQ(listed.back(), (std::pair<long, std::wstring>(99, L"99 - vbCustom")));
  splitter_->Control().Put(L"MousePointer", 11L);
  EXPECT_EQ(Shown(L"MousePointer"), L"11 - vbHourglass");
}

TEST_F(PropertyBrowsing, AValueOutsideItsEnumerationShowsAsItsNumberAndOtherPropertiesHaveNoNames) {
  splitter_->Control().Put(L"SplitterStyle", 5L);
  EXPECT_EQ(Shown(L"SplitterStyle"), L"5");

  CALPOLESTR strings{1, reinterpret_cast<LPOLESTR*>(this)};
  CADWORD cookies{1, reinterpret_cast<DWORD*>(this)};
  EXPECT_EQ(browsing_->GetPredefinedStrings(Id(L"SplitterSize"), &strings, &cookies), E_NOTIMPL);
  EXPECT_EQ(strings.cElems, 0u);
  EXPECT_EQ(strings.pElems, nullptr);
  VARIANT value;
  EXPECT_EQ(browsing_->GetPredefinedValue(Id(L"Appearance"), 7, &value), E_INVALIDARG);
  EXPECT_EQ(V_VT(&value), VT_EMPTY);
  BSTR text = reinterpret_cast<BSTR>(this);
  EXPECT_EQ(browsing_->GetDisplayString(Id(L"SplitterSize"), &text), E_NOTIMPL);
  EXPECT_EQ(text, nullptr);
}

std::wstring RegisteredName(const CLSID& clsid) {
  wchar_t guid[40] = {}, name[64] = {};
  StringFromGUID2(clsid, guid, 40);
  DWORD size = sizeof name;
  RegGetValueW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + guid).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, name,
               &size);
  return name;
}

// The control's pages are General, Panes, Behavior and the stock colour and picture pages, in
// that order.
TEST_F(PropertyBrowsing, EachPropertyOpensThePageThatEditsIt) {
  std::vector<CLSID> listed = PagesOf(splitter_->Control());
  ASSERT_EQ(listed.size(), 5u);
  EXPECT_EQ(RegisteredName(listed[0]) + L"," + RegisteredName(listed[1]) + L"," + RegisteredName(listed[2]),
            L"General,PanesPP,Behavior");
  EXPECT_TRUE(IsEqualCLSID(listed[3], CLSID_StockColorPage) && IsEqualCLSID(listed[4], CLSID_StockPicturePage));
  struct Case {
    const wchar_t* property;
    HRESULT result;
    CLSID page;
  };
  for (Case c :
       {Case{L"Appearance", S_OK, listed[0]}, Case{L"MousePointer", S_OK, listed[0]},
        Case{L"SplitterSize", S_OK, listed[0]}, Case{L"Panes", S_OK, listed[1]},
        Case{L"SplitterKeyboard", S_OK, listed[2]}, Case{L"SplitterIncrement", S_OK, listed[2]},
        Case{L"ResizeMode", S_OK, listed[2]}, Case{L"BackColor", S_OK, listed[3]}, Case{L"MouseIcon", S_OK, listed[4]},
        Case{L"WhatsThisHelpID", PERPROP_E_NOPAGEAVAILABLE, CLSID_NULL}}) {
    CLSID page = listed[1];
    EXPECT_EQ(browsing_->MapPropertyToPage(Id(c.property), &page), c.result) << c.property;
    EXPECT_TRUE(IsEqualCLSID(page, c.page)) << c.property;
  }
}

}  // namespace
