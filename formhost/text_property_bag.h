#pragma once
// The property bag of a form file: the properties a control saved, in the order it wrote
// them, each as one line "Name = value" with the value's type (variant_text.h), so that
// each reads back as the type it was written in.

#include <windows.h>
#include <ocidl.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "com/ref_counted.h"

class TextPropertyBag final : public IPropertyBag, private com::RefCounted {
 public:
  static activex::ComPtr<TextPropertyBag> Create();

  // One line per property; throws std::invalid_argument naming a property whose value no
  // text holds.
  std::vector<std::wstring> Lines() const;
  // Adds the property of one such line; throws std::invalid_argument saying what is wrong.
  void AddLine(std::wstring_view line);
  size_t Count() const { return properties_.size(); }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  // A name the bag lacks is E_INVALIDARG, so that the control takes its default. Asked as
  // VT_EMPTY the value comes in the type it was written in, otherwise converted.
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* errorLog) override;
  // A name written again replaces its value.
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

 private:
  TextPropertyBag() = default;
  win32::UniqueVariant* Find(std::wstring_view name);
  void Add(std::wstring name, win32::UniqueVariant value);

  std::vector<std::pair<std::wstring, win32::UniqueVariant>> properties_;
  // Names without case to their place in properties_, so that a control of many panes
  // reads and writes its keys in constant time each.
  std::unordered_map<std::wstring, size_t> index_;
};
