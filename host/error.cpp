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

namespace {

struct RuntimeText {
  int32_t number;
  const char16_t* text;
};

// The run-time errors' own descriptions, as the form languages word them.
constexpr RuntimeText kRuntimeTexts[] = {
    {err::kInvalidArgument, u"Invalid procedure call or argument"},
    {err::kOverflow, u"Overflow"},
    {err::kSubscriptOutOfRange, u"Subscript out of range"},
    {err::kDivisionByZero, u"Division by zero"},
    {err::kTypeMismatch, u"Type mismatch"},
    {err::kInvalidUseOfNull, u"Invalid use of Null"},
    {err::kInvalidPropertyValue, u"Invalid property value"},
    {err::kObjectRequired, u"Object required"},
    {err::kMemberNotSupported, u"Object doesn't support this property or method"},
    {err::kWrongArgumentCount, u"Wrong number of arguments or invalid property assignment"},
    {err::kNotImplemented, u"Not implemented"},
};

}  // namespace

Error Error::Runtime(int32_t number) {
  const char16_t* text = u"Application-defined or object-defined error";
  for (const RuntimeText& known : kRuntimeTexts)
    if (known.number == number) text = known.text;
  return Error(number, kApplicationTitle, text, String());
}

int32_t Error::hresult() const {
  if (number_ > 0 && number_ <= 0xFFFF) return static_cast<int32_t>(0x800A0000u | static_cast<uint32_t>(number_));
  return number_;
}

}  // namespace host
