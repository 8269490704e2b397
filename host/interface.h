#pragma once

namespace host {

// The base of the abstract classes through which the control and its platform reach each
// other: deleted through the base, and copied only as a whole implementation (a bag of
// values, a simulated service), never sliced through the base.
class Interface {
 public:
  virtual ~Interface() = default;

 protected:
  Interface() = default;
  Interface(const Interface&) = default;
  Interface& operator=(const Interface&) = default;
};

}  // namespace host
