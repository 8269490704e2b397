#pragma once
// Late-bound access to an automation object: members are looked up by name and
// called through IDispatch::Invoke, exactly as a script engine does it. A failing
// call throws DispatchError with the number and texts of the raised error.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "automation/variant_value.h"

class DispatchClient {
 public:
  DispatchClient() = default;
  explicit DispatchClient(IDispatch* object);
  // Throws when the value holds no object.
  static DispatchClient From(const VariantValue& value);

  template <class... Args>
  VariantValue Get(const std::wstring& name, Args&&... args) const {
    return InvokeByName(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {VariantValue(std::forward<Args>(args))...});
  }
  // Get of a member that returns an object.
  template <class... Args>
  DispatchClient Object(const std::wstring& name, Args&&... args) const {
    return From(Get(name, std::forward<Args>(args)...));
  }
  template <class... Args>
  VariantValue Call(const std::wstring& name, Args&&... args) const {
    return InvokeByName(name, DISPATCH_METHOD, {VariantValue(std::forward<Args>(args))...});
  }
  void Put(const std::wstring& name, const VariantValue& value) const;
  void PutRef(const std::wstring& name, const VariantValue& value) const;

  DISPID IdOf(const std::wstring& name) const;
  // Arguments in source order; they are passed reversed, as Invoke expects.
  VariantValue Invoke(DISPID id, WORD flags, std::vector<VariantValue> arguments,
                      const std::wstring& memberForErrors) const;

  IDispatch* Pointer() const { return object_.Get(); }
  explicit operator bool() const { return static_cast<bool>(object_); }
  // The object's IUnknown address, which COM identity is judged by.
  const void* Identity() const;
  void Reset() { object_.Reset(); }

 private:
  VariantValue InvokeByName(const std::wstring& name, WORD flags, std::vector<VariantValue> arguments) const;

  activex::ComPtr<IDispatch> object_;
};
