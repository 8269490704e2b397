// Script variables as arguments: an engine passes a variable as a reference to its Variant
// (VT_BYREF | VT_VARIANT), also as the value of a property assignment. The pane's setters
// declare their value by reference with a fixed type; they must take such a reference as
// they take the same value passed directly.

#include <gtest/gtest.h>

#include "com/unique_handle.h"
#include "splitter_test.h"

namespace {

using ScriptVariables = SplitterTest;

// `object.name = variable`, as VBScript and JScript make it.
HRESULT PutByReference(IDispatch* object, const wchar_t* name, VARIANT& variable, UINT* argumentError = nullptr) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  VARIANT reference;
  reference.vt = VT_BYREF | VT_VARIANT;
  reference.pvarVal = &variable;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&reference, &named, 1, 1};
  UINT ignored = 0;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                        argumentError ? argumentError : &ignored);
}

VARIANT Text(const wchar_t* text) {
  VARIANT v;
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(text);
  return v;
}

VARIANT Long(LONG value) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

TEST_F(ScriptVariables, EveryPaneSetterTakesAVariableOfAnyTypeThatConverts) {
  Add();
  DispatchClient pane = Pane(1);
  win32::UniqueVariant name, minimum, width, appearance, control, resize;
  name.get() = Text(L"Tree");
  minimum.get() = Text(L"150");  // a numeric string, as a text box gives it
  width.get() = Long(100 * kTwipsPerPixel);
  appearance.get().vt = VT_I2;
  appearance.get().iVal = 0;
  control.get() = Text(L"TreeView1");
  resize.get().vt = VT_I4;  // any number converts to a Boolean
  resize.get().lVal = 0;
  IDispatch* object = pane.Pointer();
  EXPECT_EQ(PutByReference(object, L"Name", name.get()), S_OK);
  EXPECT_EQ(PutByReference(object, L"Minimum", minimum.get()), S_OK);
  EXPECT_EQ(PutByReference(object, L"Appearance", appearance.get()), S_OK);
  EXPECT_EQ(PutByReference(object, L"Width", width.get()), S_OK);
  EXPECT_EQ(PutByReference(object, L"ControlName", control.get()), S_OK);
  EXPECT_EQ(PutByReference(object, L"ResizeChildControl", resize.get()), S_OK);
  EXPECT_EQ(pane.Get(L"Name").AsString(), L"Tree");
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 150);
  EXPECT_EQ(pane.Get(L"Appearance").AsLong(), 0);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"ControlName").AsString(), L"TreeView1");
  EXPECT_FALSE(pane.Get(L"ResizeChildControl").AsBool());
  // The variables keep their own types and values: the setters write nothing back.
  EXPECT_EQ(minimum.get().vt, VT_BSTR);
  EXPECT_STREQ(minimum.get().bstrVal, L"150");
  EXPECT_EQ(appearance.get().vt, VT_I2);
}

TEST_F(ScriptVariables, AVariableThatDoesNotConvertOrIsRefusedFailsAndChangesNothing) {
  DispatchClient pane = Pane(1);
  win32::UniqueVariant letters, huge, width;
  letters.get() = Text(L"abc");
  huge.get().vt = VT_R8;
  huge.get().dblVal = 1e12;
  UINT argument = 99;
  EXPECT_EQ(PutByReference(pane.Pointer(), L"Minimum", letters.get(), &argument), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argument, 0u);
  EXPECT_EQ(PutByReference(pane.Pointer(), L"Minimum", huge.get()), DISP_E_OVERFLOW);
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 150);  // the default, 10 pixels
  // One pane: its width cannot be set, by value or by variable alike.
  width.get() = Long(100 * kTwipsPerPixel);
  EXPECT_EQ(PutByReference(pane.Pointer(), L"Width", width.get()), DISP_E_EXCEPTION);
}

}  // namespace
