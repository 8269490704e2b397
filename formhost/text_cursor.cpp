#include "formhost/text_cursor.h"

#include <cwchar>
#include <cwctype>
#include <stdexcept>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsPunctuation(wchar_t c) { return std::wcschr(L",;=(){}\"", c) != nullptr && c != 0; }
bool IsNameCharacter(wchar_t c) { return (c < 128 && std::iswalnum(c)) || c == L'_'; }
bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsLeadSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrailSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The characters written as a backslash and a letter, and that letter.
struct Escape {
  wchar_t character;
  wchar_t letter;
};
constexpr Escape kEscapes[] = {{L'"', L'"'}, {L'\\', L'\\'}, {L'\n', L'n'}, {L'\r', L'r'}, {L'\t', L't'}};

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

void TextCursor::SkipBlanks() {
  while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
  tokenStart_ = position_;
}

bool TextCursor::AtEnd() {
  SkipBlanks();
  return position_ == text_.size();
}

void TextCursor::Fail(const std::string& message) const {
  throw std::invalid_argument("column " + std::to_string(tokenStart_ + 1) + ": " + message);
}

bool TextCursor::Take(wchar_t c) {
  SkipBlanks();
  if (position_ < text_.size() && text_[position_] == c) {
    ++position_;
    return true;
  }
  return false;
}

void TextCursor::Expect(wchar_t c) {
  if (!Take(c)) Fail(std::string("expected '") + static_cast<char>(c) + "'");
}

bool TextCursor::TakeWord(std::wstring_view word) {
  SkipBlanks();
  size_t end = position_;
  while (end < text_.size() && !IsBlank(text_[end]) && !IsPunctuation(text_[end])) ++end;
  std::wstring_view found = text_.substr(position_, end - position_);
  if (found.size() != word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (std::towlower(found[i]) != std::towlower(word[i])) return false;
  position_ = end;
  return true;
}

std::wstring TextCursor::Word(const char* what) {
  SkipBlanks();
  size_t start = position_;
  while (position_ < text_.size() && !IsBlank(text_[position_]) && !IsPunctuation(text_[position_])) ++position_;
  if (position_ == start) Fail(std::string("expected ") + what);
  return std::wstring(text_.substr(start, position_ - start));
}

std::wstring TextCursor::Quoted() {
  Expect(L'"');
  std::wstring text;
  for (;;) {
    if (position_ >= text_.size()) Fail("a quoted text does not end");
    wchar_t c = text_[position_++];
    if (c == L'"') return text;
    if (c != L'\\') {
      text += c;
      continue;
    }
    if (position_ >= text_.size()) Fail("a quoted text ends in a backslash");
    wchar_t letter = text_[position_++];
    if (letter != L'u') {
      const Escape* escape = nullptr;
      for (const auto& entry : kEscapes)
        if (entry.letter == letter) escape = &entry;
      if (!escape) {
        tokenStart_ = position_ - 2;  // the backslash
        Fail("unknown escape \\" + std::string(1, letter < 128 ? static_cast<char>(letter) : '?'));
      }
      text += escape->character;
      continue;
    }
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      int digit = position_ < text_.size() ? HexDigit(text_[position_]) : -1;
      if (digit < 0) Fail("\\u takes four hexadecimal digits");
      value = value * 16 + digit;
      ++position_;
    }
    text += static_cast<wchar_t>(value);
  }
}

std::wstring TextCursor::Name(const char* what) {
  SkipBlanks();
  if (position_ < text_.size() && text_[position_] == L'"') return Quoted();
  return Word(what);
}

uint64_t TextCursor::Unsigned(const char* what, uint64_t maximum) {
  std::wstring digits = Word(what);
  uint64_t value = 0;
  for (wchar_t c : digits) {
    uint64_t digit = c - L'0';
    if (c < L'0' || c > L'9' || digit > maximum || value > (maximum - digit) / 10) {
      Fail(std::string("expected ") + what + " from 0 to " + std::to_string(maximum));
    }
    value = value * 10 + digit;
  }
  return value;
}

int64_t TextCursor::Integer(const char* what, int64_t minimum, int64_t maximum) {
  bool negative = Take(L'-');
  const size_t start = tokenStart_;
  // The magnitude of the most negative value is one more than the largest.
  uint64_t limit = negative ? uint64_t(-(minimum + 1)) + 1 : uint64_t(maximum);
  uint64_t magnitude = 0;
  try {
    magnitude = Unsigned(what, limit);
  } catch (const std::invalid_argument&) {
    tokenStart_ = start;
    Fail(std::string("expected ") + what + " from " + std::to_string(minimum) + " to " + std::to_string(maximum));
  }
  return negative ? int64_t(0 - magnitude) : int64_t(magnitude);
}

void TextCursor::ExpectEnd() {
  if (!AtEnd()) Fail("unexpected text after the end");
}

std::wstring Quote(std::wstring_view text) {
  std::wstring quoted = L"\"";
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    bool paired = (IsLeadSurrogate(c) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1])) ||
                  (IsTrailSurrogate(c) && i > 0 && IsLeadSurrogate(text[i - 1]));
    const Escape* escape = nullptr;
    for (const auto& entry : kEscapes)
      if (entry.character == c) escape = &entry;
    if (escape) {
      quoted += L'\\';
      quoted += escape->letter;
    } else if (c < 0x20 || c == 0x7F || (IsSurrogate(c) && !paired)) {
      wchar_t hex[8];
      std::swprintf(hex, 8, L"\\u%04X", static_cast<unsigned>(c));
      quoted += hex;
    } else {
      quoted += c;
    }
  }
  return quoted + L"\"";
}

std::wstring NameText(std::wstring_view name) {
  bool bare = !name.empty();
  for (wchar_t c : name) bare = bare && IsNameCharacter(c);
  return bare ? std::wstring(name) : Quote(name);
}
