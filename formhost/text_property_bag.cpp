#include "formhost/text_property_bag.h"

#include <stdexcept>

#include "automation/dispatch_error.h"
#include "com/query_interface.h"
#include "formhost/text_cursor.h"
#include "formhost/variant_text.h"

namespace {

// Property names compare without case.
std::wstring Folded(std::wstring_view name) {
  std::wstring folded(name);
  CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
  return folded;
}

}  // namespace

activex::ComPtr<TextPropertyBag> TextPropertyBag::Create() {
  return activex::ComPtr<TextPropertyBag>::Adopt(new TextPropertyBag());
}

win32::UniqueVariant* TextPropertyBag::Find(std::wstring_view name) {
  auto found = index_.find(Folded(name));
  return found == index_.end() ? nullptr : &properties_[found->second].second;
}

void TextPropertyBag::Add(std::wstring name, win32::UniqueVariant value) {
  index_.emplace(Folded(name), properties_.size());
  properties_.emplace_back(std::move(name), std::move(value));
}

std::vector<std::wstring> TextPropertyBag::Lines() const {
  std::vector<std::wstring> lines;
  for (const auto& [name, value] : properties_) {
    try {
      lines.push_back(NameText(name) + L" = " + VariantText(value.get()));
    } catch (const std::invalid_argument& error) {
      throw std::invalid_argument("the property " + Narrow(name) + ": " + error.what());
    }
  }
  return lines;
}

void TextPropertyBag::AddLine(std::wstring_view line) {
  TextCursor cursor(line);
  std::wstring name = cursor.Name("a property name");
  if (Find(name)) cursor.Fail("the property " + Narrow(name) + " comes twice");
  cursor.Expect(L'=');
  win32::UniqueVariant value = ParseVariant(cursor);
  cursor.ExpectEnd();
  Add(std::move(name), std::move(value));
}

STDMETHODIMP TextPropertyBag::QueryInterface(REFIID iid, void** object) {
  static constexpr activex::InterfaceEntry<TextPropertyBag> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IPropertyBag}, activex::As<IPropertyBag>},
  };
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP TextPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog* errorLog) {
  if (!name || !value) return E_POINTER;
  win32::UniqueVariant* stored = Find(name);
  if (!stored) return E_INVALIDARG;
  win32::UniqueVariant result;
  const VARTYPE wanted = V_VT(value);
  HRESULT hr = wanted == VT_EMPTY ? VariantCopy(result.put(), &stored->get())
                                  : VariantChangeType(result.put(), &stored->get(), 0, wanted);
  if (FAILED(hr)) {
    if (errorLog) {
      EXCEPINFO error{};
      error.scode = hr;
      errorLog->AddError(name, &error);
    }
    return hr;
  }
  *value = result.release();
  return S_OK;
}

STDMETHODIMP TextPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
  if (!name || !value) return E_POINTER;
  win32::UniqueVariant copy;
  HRESULT hr = VariantCopyInd(copy.put(), value);
  if (FAILED(hr)) return hr;
  if (win32::UniqueVariant* stored = Find(name))
    *stored = std::move(copy);
  else
    Add(name, std::move(copy));
  return S_OK;
}
