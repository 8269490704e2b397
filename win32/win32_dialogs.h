#pragma once
// The real dialogs: message boxes, the component's modal windows run from its dialog
// resources, and programs started by command line.
#include <windows.h>

#include <functional>
#include <span>

#include "host/site/dialogs.h"

namespace win32 {

// One element of a window layout: the name the window logic knows it by and the control id
// in the dialog resource. A link shows as a link and reports its clicks.
struct DialogElement {
  const char16_t* name;
  int controlId;
  bool link = false;
};

// A window of the component by its form name, and the dialog resource that lays it out.
struct DialogLayout {
  const char16_t* windowName;
  int resourceId;
  std::span<const DialogElement> elements;
};

class Win32Dialogs final : public host::Dialogs {
 public:
  // owner: the window the dialogs belong to while they are shown.
  Win32Dialogs(HINSTANCE module, std::function<HWND()> owner, std::span<const DialogLayout> layouts)
      : module_(module), owner_(std::move(owner)), layouts_(layouts) {}

  int32_t ShowMessage(host::StringView prompt, int32_t buttons, host::StringView title) override;
  // Throws host::Error when no layout has the window's name or the dialog cannot be created;
  // an error of the window's own logic ends the dialog and comes out here.
  void ShowModal(host::ModalWindow& window) override;
  void StartProgram(host::StringView commandLine) override;
  bool FileExists(host::StringView path) const override;

 private:
  HINSTANCE module_;
  std::function<HWND()> owner_;
  std::span<const DialogLayout> layouts_;
};

}  // namespace win32
