#pragma once
#include <memory>

#include "host/interface.h"
#include "host/text.h"

namespace host {

// What a KeyedCollection raises, each event ignored unless overridden. Arguments are by
// reference, as the form languages pass them.
template <typename T>
class KeyedCollectionListener : public Interface {
 public:
  virtual void Added(std::shared_ptr<T>& item) {}
  // Null after Clear.
  virtual void Removed(std::shared_ptr<T>& item) {}
  virtual void Changed(std::shared_ptr<T>& item, String& property) {}
};

}  // namespace host
