#include "host/error.h"

#include <utility>

namespace host {

Error::Error(int32_t number, String source, String description, String helpFile)
    : number_(number),
      source_(std::move(source)),
      description_(std::move(description)),
      helpFile_(std::move(helpFile)),
      what_(ToUtf8(description_)) {}

Error Error::Component(int32_t number, StringView description) {
  return Error(number, kApplicationTitle, String(description), kHelpFile);
}

Error Error::Bare(int32_t number, StringView description) {
  return Error(number, String(), String(description), String());
}

Error Error::Runtime(int32_t number) {
  const char16_t* text = u"Application-defined or object-defined error";
  switch (number) {
    case err::kInvalidArgument:
      text = u"Invalid procedure call or argument";
      break;
    case err::kOverflow:
      text = u"Overflow";
      break;
    case err::kDivisionByZero:
      text = u"Division by zero";
      break;
    case err::kTypeMismatch:
      text = u"Type mismatch";
      break;
    case err::kInvalidUseOfNull:
      text = u"Invalid use of Null";
      break;
    case err::kObjectRequired:
      text = u"Object required";
      break;
    case err::kMemberNotSupported:
      text = u"Object doesn't support this property or method";
      break;
    case err::kNotImplemented:
      text = u"Not implemented";
      break;
  }
  return Error(number, kApplicationTitle, text, String());
}

int32_t Error::hresult() const {
  if (number_ > 0 && number_ <= 0xFFFF) return static_cast<int32_t>(0x800A0000u | static_cast<uint32_t>(number_));
  return number_;
}

}  // namespace host
