#pragma once
// Reading one line of a form file: words, quoted texts with escapes, punctuation. A fault
// throws std::invalid_argument saying what was expected and at which column (that of the
// word last read, or of what comes next).

#include <cstdint>
#include <string>
#include <string_view>

class TextCursor {
 public:
  explicit TextCursor(std::wstring_view text) : text_(text) {}

  // True when only blanks are left.
  bool AtEnd();
  // Takes c when it comes next (after blanks).
  bool Take(wchar_t c);
  void Expect(wchar_t c);
  // Takes word when it comes next as a whole word, ignoring case.
  bool TakeWord(std::wstring_view word);
  // A run of anything but blanks, quotes and the punctuation ,;=(){}.
  std::wstring Word(const char* what);
  // A text in double quotes, its escapes undone (see Quote).
  std::wstring Quoted();
  // A bare word or a quoted text (see NameText).
  std::wstring Name(const char* what);
  int64_t Integer(const char* what, int64_t minimum, int64_t maximum);
  uint64_t Unsigned(const char* what, uint64_t maximum);
  void ExpectEnd();
  // Characters not read yet.
  size_t Remaining() const { return text_.size() - position_; }

  [[noreturn]] void Fail(const std::string& message) const;

 private:
  void SkipBlanks();

  std::wstring_view text_;
  size_t position_ = 0;
  // Where the word being read starts, for the column of an error.
  size_t tokenStart_ = 0;
};

// text in double quotes: \" \\ \n \r \t, \uXXXX for other control characters and for
// surrogates without their pair; everything else as it is.
std::wstring Quote(std::wstring_view text);
// A name of letters, digits and underscores as it is, anything else quoted.
std::wstring NameText(std::wstring_view name);
