#pragma once
// An ordered record of the platform traffic a test watches, one readable line per call.
// A trace may pass its lines on to another, so one shared trace keeps the order across
// several simulated services; one that passes its lines on keeps none itself, so that a
// long run holds each line once.
#include <string>
#include <vector>

#include "host/text.h"

namespace host::sim {

class SimTrace {
 public:
  explicit SimTrace(SimTrace* forwardTo = nullptr) : forwardTo_(forwardTo) {}

  void Add(std::string line);
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

  // How numbers and texts appear in lines: whole numbers without a fraction.
  static std::string Number(double value);
  static std::string Text(StringView text) { return ToUtf8(text); }

 private:
  SimTrace* forwardTo_;
  std::vector<std::string> lines_;
};

}  // namespace host::sim
