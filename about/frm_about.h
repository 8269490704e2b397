#pragma once
// frmAbout: the modal window that names the component and its version, shows the maker's
// web address as a link and starts the system-information program.
#include <utility>
#include <vector>

#include "host/site/component_info.h"
#include "host/site/dialogs.h"
#include "host/site/modal_window.h"
#include "host/site/registry.h"

namespace about {

struct AboutServices {
  host::Dialogs& dialogs;
  const host::Registry& registry;
  const host::ComponentInfo& component;
};

class FrmAbout final : public host::ModalWindow {
 public:
  explicit FrmAbout(AboutServices services);

  // Fills the window and shows it modally; returns when it is closed.
  void Show();

  // host::ModalWindow
  host::String WindowName() const override { return u"frmAbout"; }
  host::String Caption() const override { return caption_; }
  // Throws host::Error (invalid argument) for a name the window does not have.
  host::String ElementText(host::StringView element) const override;
  bool ElementClicked(host::StringView element) override;

  // Starts the system-information program, or says in a message box that it is unavailable.
  void StartSysInfo();
  // Opens the address in the web browser; any failure leaves nothing visible.
  void CallIE(host::StringView address);

  // One registry value as text: a text value without its terminating character, a 32-bit
  // number in decimal; a value of another type leaves keyValue as passed. False, with
  // keyValue empty, when the key or the value cannot be read.
  bool GetKeyValue(host::RegistryRoot root, host::StringView keyName, host::StringView valueName,
                   host::String& keyValue) const;

 private:
  const host::String& Element(host::StringView element) const;
  host::String& Element(host::StringView element);

  AboutServices services_;
  host::String caption_;
  std::vector<std::pair<host::String, host::String>> elements_;
};

}  // namespace about
