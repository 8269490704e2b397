#pragma once
// Text as the component stores it: UTF-16, the same code units a BSTR carries.
#include <string>
#include <string_view>

namespace host {

using String = std::u16string;
using StringView = std::u16string_view;

// Blanks (U+0020) removed from both ends, as the form languages' Trim does.
String Trim(StringView text);

// Comparison that ignores letter case (Latin, Latin-1, Greek and Cyrillic letters).
bool TextEqualsIgnoringCase(StringView a, StringView b);
// The text with its letters in one case: equal keys for texts equal ignoring case.
String FoldedCase(StringView text);

String FromUtf8(std::string_view utf8);
std::string ToUtf8(StringView text);

// Decimal digits of a whole number, with a leading minus when negative.
String DecimalText(long long value);

}  // namespace host
