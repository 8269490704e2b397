#pragma once
// Where the control reports a change of one of its properties, so that the host saves it.
#include "host/interface.h"
#include "host/text.h"

namespace host {

class PropertyChangeSink : public Interface {
 public:
  virtual void PropertyChanged(StringView name) = 0;
  // A change that the next save keeps but that is reported to nobody (the panes at run
  // time): the control is still to be saved.
  virtual void SavedStateChanged() {}
};

}  // namespace host
