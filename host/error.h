#pragma once
// The error that the component raises: what a client sees in Err (number, source,
// description, help file). The COM boundary turns it into IErrorInfo and EXCEPINFO.
#include <cstdint>
#include <exception>

#include "host/text.h"

namespace host {

// The component's application title and help file, used as error source and help file.
inline constexpr char16_t kApplicationTitle[] = u"OrvaneSplitter";
inline constexpr char16_t kHelpFile[] = u"OvSplitter.hlp";

namespace err {
inline constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);
inline constexpr int32_t kReadOnly = kObjectErrorBase + 1050;          // 0x8004041A
inline constexpr int32_t kInvalidValue = kObjectErrorBase + 1051;      // 0x8004041B
inline constexpr int32_t kOutOfRange = kObjectErrorBase + 1052;        // 0x8004041C
inline constexpr int32_t kIndexOutOfBounds = kObjectErrorBase + 1053;  // 0x8004041D
inline constexpr int32_t kBelowMinimum = kObjectErrorBase + 1055;      // 0x8004041F

// Run-time errors of the form languages, by their classic numbers.
inline constexpr int32_t kInvalidArgument = 5;
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kDivisionByZero = 11;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kInvalidUseOfNull = 94;
inline constexpr int32_t kInvalidPropertyValue = 380;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kMemberNotSupported = 438;
inline constexpr int32_t kWrongArgumentCount = 450;
inline constexpr int32_t kNotImplemented = static_cast<int32_t>(0x80004001u);

// Saved data that cannot be read back or cannot be written, as the storage interfaces
// report it.
inline constexpr int32_t kStorageReadFault = static_cast<int32_t>(0x8003001Eu);   // STG_E_READFAULT
inline constexpr int32_t kStorageCannotSave = static_cast<int32_t>(0x80030103u);  // STG_E_CANTSAVE
inline constexpr int32_t kInvalidParameter = static_cast<int32_t>(0x80070057u);   // E_INVALIDARG
}  // namespace err

class Error : public std::exception {
 public:
  Error(int32_t number, String source, String description, String helpFile);

  // An error of the component: its title as source and its help file.
  static Error Component(int32_t number, StringView description);
  // An error for which no source or help file is given.
  static Error Bare(int32_t number, StringView description);
  // A run-time error with its standard description; the component is its source.
  static Error Runtime(int32_t number);

  int32_t number() const { return number_; }
  const String& source() const { return source_; }
  const String& description() const { return description_; }
  const String& helpFile() const { return helpFile_; }

  // The HRESULT that carries the number: run-time numbers map to FACILITY_CONTROL.
  int32_t hresult() const;

  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int32_t number_;
  String source_;
  String description_;
  String helpFile_;
  std::string what_;
};

}  // namespace host
