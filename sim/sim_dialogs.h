#pragma once
// Dialogs that record each call and answer as the test scripts them. Logs
// "MessageBox <prompt>", "ShowModal <window>" and "StartProgram <command line>".
#include <functional>
#include <vector>

#include "host/site/dialogs.h"
#include "sim/sim_trace.h"

namespace host::sim {

class SimDialogs : public Dialogs {
 public:
  struct Message {
    String prompt;
    int32_t buttons;
    String title;
  };
  // Plays the user's part while the window is shown; without one the window closes at once.
  using ModalHandler = std::function<void(ModalWindow& window)>;

  explicit SimDialogs(SimTrace* sharedTrace = nullptr) : sharedTrace_(sharedTrace) {}

  int32_t ShowMessage(StringView prompt, int32_t buttons, StringView title) override;
  void ShowModal(ModalWindow& window) override;
  void StartProgram(StringView commandLine) override;
  // Paths compare without regard to case, as the file system does.
  bool FileExists(StringView path) const override;

  void SetModalHandler(ModalHandler handler) { modalHandler_ = std::move(handler); }
  // While set, StartProgram fails with "File not found" (the attempt is still recorded).
  void SetProgramsFail(bool fail) { programsFail_ = fail; }
  void AddFile(String path) { files_.push_back(std::move(path)); }

  const std::vector<Message>& Messages() const { return messages_; }
  const std::vector<String>& ModalWindows() const { return modalWindows_; }
  const std::vector<String>& StartedPrograms() const { return startedPrograms_; }

 private:
  void Trace(const char* what, StringView detail);

  SimTrace* sharedTrace_;
  int32_t messageResult_ = 1;
  ModalHandler modalHandler_;
  bool programsFail_ = false;
  std::vector<String> files_;
  std::vector<Message> messages_;
  std::vector<String> modalWindows_;
  std::vector<String> startedPrograms_;
};

}  // namespace host::sim
