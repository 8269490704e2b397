#pragma once
// The platform's dialogs and shell services that the pages and the About box use.
#include <cstdint>

#include "host/interface.h"
#include "host/site/modal_window.h"
#include "host/text.h"

namespace host {

// Message box buttons and icons, by the form languages' values.
inline constexpr int32_t kMessageBoxOkOnly = 0;
inline constexpr int32_t kMessageBoxInformation = 64;

class Dialogs : public Interface {
 public:
  // Returns the button the user chose (1 for OK).
  virtual int32_t ShowMessage(StringView prompt, int32_t buttons, StringView title) = 0;
  // Returns when the window is closed.
  virtual void ShowModal(ModalWindow& window) = 0;
  // Starts the command line in a normal, focused window; throws host::Error when it cannot.
  virtual void StartProgram(StringView commandLine) = 0;
  virtual bool FileExists(StringView path) const = 0;
};

}  // namespace host
