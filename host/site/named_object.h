#pragma once
// An object of another component reached by name at run time, as the form languages do:
// the control selected on a property page, its pane collection and its panes. Any member
// may throw host::Error: the object's own error, or "Object doesn't support this property
// or method" for a member it lacks.
#include <memory>
#include <optional>
#include <vector>

#include "host/error.h"
#include "host/variant.h"

namespace host {

class NamedObject : public Object {
 public:
  // A property read, or a method called with its arguments; a method that returns
  // nothing answers Empty. Objects come back as NamedObject references.
  virtual Variant Get(StringView member, const std::vector<Variant>& arguments = {}) = 0;
  virtual void Let(StringView member, const Variant& value) = 0;
  // The elements of an array that a member answers, from the lower bound; none when it
  // answers anything else (a Boolean False, for instance).
  virtual std::optional<std::vector<Variant>> GetArray(StringView member) = 0;
};
using NamedObjectRef = std::shared_ptr<NamedObject>;

// The object a Variant holds; "Object required" when it holds none reachable by name.
inline NamedObjectRef AsNamedObject(const Variant& value) {
  auto object = value.IsObject() ? std::dynamic_pointer_cast<NamedObject>(value.AsObject()) : nullptr;
  if (!object) throw Error::Runtime(err::kObjectRequired);
  return object;
}

}  // namespace host
