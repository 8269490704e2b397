#pragma once
// Platform services that the control does not reach yet in this component: resources
// and dialogs fail with "Not implemented" should anything ask for them.
#include "host/site/dialogs.h"
#include "host/site/resource_loader.h"

namespace activex {

class DeferredServices final : public host::ResourceLoader, public host::Dialogs {
 public:
  host::PictureRef LoadCursorPicture(int32_t resourceId) override;
  int32_t ShowMessage(host::StringView prompt, int32_t buttons, host::StringView title) override;
  void ShowModal(host::ModalWindow& window) override;
  void StartProgram(host::StringView commandLine) override;
  bool FileExists(host::StringView path) const override;
};

}  // namespace activex
