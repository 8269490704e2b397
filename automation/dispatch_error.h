#pragma once
// A failed late-bound call, as a script would see it in its Err object.

#include <windows.h>

#include <stdexcept>
#include <string>

// Text for a console or an exception message: ASCII kept, anything else as '?'.
inline std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

class DispatchError : public std::runtime_error {
 public:
  DispatchError(HRESULT number, std::wstring member, std::wstring description = {}, std::wstring source = {},
                std::wstring helpFile = {})
      : std::runtime_error(Message(member, number, description)),
        number_(number),
        member_(std::move(member)),
        description_(std::move(description)),
        source_(std::move(source)),
        helpFile_(std::move(helpFile)) {}

  HRESULT Number() const { return number_; }
  const std::wstring& Member() const { return member_; }
  const std::wstring& Description() const { return description_; }
  const std::wstring& Source() const { return source_; }
  const std::wstring& HelpFile() const { return helpFile_; }

 private:
  static std::string Message(const std::wstring& member, HRESULT number, const std::wstring& description) {
    char hex[16];
    wsprintfA(hex, "0x%08lX", static_cast<unsigned long>(number));
    return std::string(hex) + " from " + Narrow(member + L": " + description);
  }

  HRESULT number_;
  std::wstring member_;
  std::wstring description_;
  std::wstring source_;
  std::wstring helpFile_;
};
