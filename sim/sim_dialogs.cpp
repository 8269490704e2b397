#include "sim/sim_dialogs.h"

#include <algorithm>

#include "sim/sim_errors.h"

namespace host::sim {

void SimDialogs::Trace(const char* what, StringView detail) {
  if (sharedTrace_) sharedTrace_->Add(std::string(what) + " " + SimTrace::Text(detail));
}

int32_t SimDialogs::ShowMessage(StringView prompt, int32_t buttons, StringView title) {
  messages_.push_back({String(prompt), buttons, String(title)});
  Trace("MessageBox", prompt);
  return messageResult_;
}

void SimDialogs::ShowModal(ModalWindow& window) {
  modalWindows_.push_back(window.WindowName());
  Trace("ShowModal", modalWindows_.back());
  if (ModalHandler handler = modalHandler_) handler(window);
}

void SimDialogs::StartProgram(StringView commandLine) {
  startedPrograms_.emplace_back(commandLine);
  Trace("StartProgram", commandLine);
  if (programsFail_) throw Error::Runtime(kFileNotFound);
}

bool SimDialogs::FileExists(StringView path) const {
  return std::any_of(files_.begin(), files_.end(),
                     [&](const String& file) { return TextEqualsIgnoringCase(file, path); });
}

}  // namespace host::sim
