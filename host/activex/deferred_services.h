#pragma once
// Platform services that the control does not reach yet in this component: dialogs fail
// with "Not implemented" should anything ask for them.
#include "host/site/dialogs.h"

namespace activex {

class DeferredServices final : public host::Dialogs {
 public:
  int32_t ShowMessage(host::StringView prompt, int32_t buttons, host::StringView title) override;
  void ShowModal(host::ModalWindow& window) override;
  void StartProgram(host::StringView commandLine) override;
  bool FileExists(host::StringView path) const override;
};

}  // namespace activex
