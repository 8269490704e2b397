#include "formhost/variant_text.h"

#include "com/picture_stream.h"

#include <olectl.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <stdexcept>
#include <vector>

#include "automation/dispatch_error.h"
#include "com/com_ptr.h"
#include "host/mantissa.h"

namespace {

using win32::UniqueVariant;

// Arrays inside Variant arrays nest no deeper, so that a damaged line cannot exhaust the stack.
constexpr int kMaxNesting = 16;

struct TypeName {
  VARTYPE type;
  const wchar_t* name;
};

constexpr TypeName kTypeNames[] = {
    {VT_EMPTY, L"Empty"},     {VT_NULL, L"Null"},
    {VT_I1, L"I1"},           {VT_I2, L"I2"},
    {VT_I4, L"I4"},           {VT_I8, L"I8"},
    {VT_INT, L"Int"},         {VT_UI1, L"UI1"},
    {VT_UI2, L"UI2"},         {VT_UI4, L"UI4"},
    {VT_UI8, L"UI8"},         {VT_UINT, L"UInt"},
    {VT_R4, L"R4"},           {VT_R8, L"R8"},
    {VT_CY, L"CY"},           {VT_DATE, L"Date"},
    {VT_BSTR, L"BSTR"},       {VT_BOOL, L"Bool"},
    {VT_ERROR, L"Error"},     {VT_DECIMAL, L"Decimal"},
    {VT_VARIANT, L"Variant"}, {VT_DISPATCH, L"Picture"},
};

struct IntegerRange {
  VARTYPE type;
  bool isSigned;
  int64_t minimum;
  uint64_t maximum;
};

constexpr IntegerRange kIntegers[] = {
    {VT_I1, true, INT8_MIN, INT8_MAX},    {VT_I2, true, INT16_MIN, INT16_MAX}, {VT_I4, true, INT32_MIN, INT32_MAX},
    {VT_INT, true, INT32_MIN, INT32_MAX}, {VT_I8, true, INT64_MIN, INT64_MAX}, {VT_UI1, false, 0, UINT8_MAX},
    {VT_UI2, false, 0, UINT16_MAX},       {VT_UI4, false, 0, UINT32_MAX},      {VT_UINT, false, 0, UINT32_MAX},
    {VT_UI8, false, 0, UINT64_MAX},
};

const wchar_t* NameOf(VARTYPE type) {
  for (const auto& entry : kTypeNames)
    if (entry.type == type) return entry.name;
  return nullptr;
}

const IntegerRange* IntegerOf(VARTYPE type) {
  for (const auto& entry : kIntegers)
    if (entry.type == type) return &entry;
  return nullptr;
}

[[noreturn]] void Unwritable(const std::string& what) {
  throw std::invalid_argument("a value of " + what + " cannot be written as text");
}

// VT_ILLEGAL for a name no type has.
VARTYPE TypeOfName(const std::wstring& name) {
  for (const auto& entry : kTypeNames)
    if (_wcsicmp(entry.name, name.c_str()) == 0) return entry.type;
  return VT_ILLEGAL;
}

// --- numbers with a decimal point: CY and Decimal ---

std::wstring DecimalText(bool negative, host::Mantissa magnitude, int scale) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude.DivideBy10()));
  } while (!magnitude.IsZero());
  if (digits.size() <= static_cast<size_t>(scale)) digits.insert(0, scale + 1 - digits.size(), L'0');
  if (scale > 0) digits.insert(digits.size() - scale, 1, L'.');
  return (negative ? L"-" : L"") + digits;
}

struct DecimalNumber {
  bool negative = false;
  host::Mantissa magnitude;
  int scale = 0;
};

DecimalNumber ParseDecimal(TextCursor& cursor, const char* what, int maximumScale) {
  std::wstring word = cursor.Word(what);
  DecimalNumber number;
  size_t i = 0;
  if (word[0] == L'-') number.negative = true, ++i;
  bool point = false, digits = false;
  for (; i < word.size(); ++i) {
    wchar_t c = word[i];
    if (c == L'.' && !point) {
      point = true;
      continue;
    }
    if (c < L'0' || c > L'9') cursor.Fail(std::string("not ") + what + ": " + Narrow(word));
    digits = true;
    if (point && ++number.scale > maximumScale)
      cursor.Fail(std::string(what) + " has more than " + std::to_string(maximumScale) + " decimals: " + Narrow(word));
    if (!number.magnitude.TimesTenPlus(c - L'0')) cursor.Fail(std::string(what) + " out of range: " + Narrow(word));
  }
  if (!digits) cursor.Fail(std::string("not ") + what + ": " + Narrow(word));
  return number;
}

// A currency amount is a 64-bit count of ten-thousandths.
constexpr int kCurrencyScale = 4;

std::wstring CurrencyText(const CY& value) {
  bool negative = value.int64 < 0;
  uint64_t magnitude = negative ? uint64_t(-(value.int64 + 1)) + 1 : uint64_t(value.int64);
  return DecimalText(negative, host::Mantissa::Of(magnitude, 0), kCurrencyScale);
}

CY ParseCurrency(TextCursor& cursor) {
  DecimalNumber number = ParseDecimal(cursor, "a currency amount", kCurrencyScale);
  bool fits = true;
  for (int i = number.scale; i < kCurrencyScale; ++i) fits = fits && number.magnitude.TimesTenPlus(0);
  const uint64_t limit = uint64_t(INT64_MAX) + (number.negative ? 1 : 0);
  if (!fits || number.magnitude.High32() || number.magnitude.Low64() > limit)
    cursor.Fail("a currency amount out of range");
  CY value;
  value.int64 = number.negative ? int64_t(0 - number.magnitude.Low64()) : int64_t(number.magnitude.Low64());
  return value;
}

std::wstring DecimalText(const DECIMAL& value) {
  return DecimalText((value.sign & DECIMAL_NEG) != 0, host::Mantissa::Of(value.Lo64, value.Hi32), value.scale);
}

DECIMAL ParseDecimalValue(TextCursor& cursor) {
  DecimalNumber number = ParseDecimal(cursor, "a decimal", 28);
  DECIMAL value{};
  value.scale = static_cast<BYTE>(number.scale);
  value.sign = number.negative ? DECIMAL_NEG : 0;
  value.Hi32 = number.magnitude.High32();
  value.Lo64 = number.magnitude.Low64();
  return value;
}

// --- floating point ---

template <typename Float>
std::wstring FloatText(Float value) {
  char text[64];
  auto result = std::to_chars(text, text + sizeof text, value);
  return std::wstring(text, text + (result.ptr - text));
}

template <typename Float>
Float ParseFloat(TextCursor& cursor, const char* what) {
  std::string word = Narrow(cursor.Word(what));
  Float value{};
  auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size())
    cursor.Fail(std::string("not ") + what + ": " + word);
  return value;
}

// --- dates: serial days since 1899-12-30, the fraction the time of day on either side ---

int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(int64_t days, int64_t* year, unsigned* month, unsigned* day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shifted = (5 * dayOfYear + 2) / 153;
  *day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  *month = shifted < 10 ? shifted + 3 : shifted - 9;
  *year = yearOfEra + era * 400 + (*month <= 2);
}

const int64_t kDateEpoch = DaysFromCivil(1899, 12, 30);
constexpr double kSecondsPerDay = 86400.0;

double SerialDate(int64_t days, int seconds) {
  double time = seconds / kSecondsPerDay;
  return days >= 0 ? days + time : days - time;
}

// Empty when the value has no exact date and time in whole seconds from year 100 to 9999.
std::wstring CalendarText(double value) {
  if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0) return {};
  double whole = std::trunc(value);
  double seconds = std::fabs(value - whole) * kSecondsPerDay;
  double roundSeconds = std::nearbyint(seconds);
  if (roundSeconds >= kSecondsPerDay) return {};
  auto days = static_cast<int64_t>(whole);
  int secondsOfDay = static_cast<int>(roundSeconds);
  const double again = SerialDate(days, secondsOfDay);
  if (std::memcmp(&value, &again, sizeof value) != 0) return {};
  int64_t year;
  unsigned month, day;
  CivilFromDays(days + kDateEpoch, &year, &month, &day);
  wchar_t text[40];
  std::swprintf(text, 40, L"%04lld-%02u-%02u %02d:%02d:%02d", static_cast<long long>(year), month, day,
                secondsOfDay / 3600, secondsOfDay / 60 % 60, secondsOfDay % 60);
  return text;
}

std::wstring DateText(double value) {
  std::wstring calendar = CalendarText(value);
  return calendar.empty() ? FloatText(value) : calendar;
}

double ParseDate(TextCursor& cursor) {
  std::wstring date = cursor.Word("a date");
  if (date.find(L'-', 1) == std::wstring::npos || date.find_first_not_of(L"0123456789-") != std::wstring::npos) {
    TextCursor number(date);
    return ParseFloat<double>(number, "a date");
  }
  std::wstring time = cursor.Word("a time of day");
  int year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0, used = 0, usedTime = 0;
  bool parsed = std::swscanf(date.c_str(), L"%d-%d-%d%n", &year, &month, &day, &used) == 3 &&
                used == static_cast<int>(date.size()) &&
                std::swscanf(time.c_str(), L"%d:%d:%d%n", &hours, &minutes, &seconds, &usedTime) == 3 &&
                usedTime == static_cast<int>(time.size());
  if (!parsed || year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || hours < 0 || hours > 23 ||
      minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
    cursor.Fail("not a date and time from 0100-01-01 00:00:00 to 9999-12-31 23:59:59: " + Narrow(date + L" " + time));
  int64_t days = DaysFromCivil(year, month, day);
  int64_t checkYear;
  unsigned checkMonth, checkDay;
  CivilFromDays(days, &checkYear, &checkMonth, &checkDay);
  if (checkDay != static_cast<unsigned>(day)) cursor.Fail("no such day: " + Narrow(date));
  return SerialDate(days - kDateEpoch, hours * 3600 + minutes * 60 + seconds);
}

// --- pictures: the picture's own persistent stream ---

std::wstring PictureText(IUnknown* object) {
  std::optional<std::vector<uint8_t>> saved = win32::SavedPictureBytes(object);
  if (!saved) Unwritable("an object that is not a picture that saves itself");
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring text;
  text.reserve(2 * saved->size());
  for (uint8_t byte : *saved) {
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}

IDispatch* ParsePicture(TextCursor& cursor) {
  std::wstring hex = cursor.Word("the picture's bytes in hexadecimal");
  if (hex.size() % 2) cursor.Fail("a picture's hexadecimal has an odd number of digits");
  std::vector<uint8_t> bytes(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    wchar_t pair[3] = {hex[i], hex[i + 1], 0};
    wchar_t* end = nullptr;
    unsigned long value = std::wcstoul(pair, &end, 16);
    if (!iswxdigit(pair[0]) || end != pair + 2) cursor.Fail("not a hexadecimal digit in a picture");
    bytes[i / 2] = static_cast<uint8_t>(value);
  }
  IPictureDisp* picture = nullptr;
  HRESULT hr = win32::LoadPictureBytes(bytes, &picture);
  if (FAILED(hr)) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(hr));
    cursor.Fail(std::string("the picture does not load (OleLoadPicture ") + number + ")");
  }
  return picture;
}

// --- one value of a known type, without its type name ---

std::wstring ValueText(const VARIANT& value, int depth);
std::wstring FullText(const VARIANT& value, int depth);
UniqueVariant ParseTyped(TextCursor& cursor, VARTYPE type, int depth);
UniqueVariant ParseVariantAt(TextCursor& cursor, int depth);

std::wstring IntegerText(const VARIANT& value, const IntegerRange& range) {
  VARIANT wide;
  VariantInit(&wide);
  if (FAILED(VariantChangeType(&wide, const_cast<VARIANT*>(&value), 0, range.isSigned ? VT_I8 : VT_UI8)))
    Unwritable("an integer type");
  return range.isSigned ? std::to_wstring(V_I8(&wide)) : std::to_wstring(V_UI8(&wide));
}

UniqueVariant ParseInteger(TextCursor& cursor, const IntegerRange& range) {
  UniqueVariant wide;
  if (range.isSigned) {
    V_VT(&wide.get()) = VT_I8;
    V_I8(&wide.get()) = cursor.Integer("an integer", range.minimum, static_cast<int64_t>(range.maximum));
  } else {
    V_VT(&wide.get()) = VT_UI8;
    V_UI8(&wide.get()) = cursor.Unsigned("an integer", range.maximum);
  }
  UniqueVariant value;
  if (FAILED(VariantChangeType(value.put(), &wide.get(), 0, range.type))) cursor.Fail("an integer out of range");
  return value;
}

std::wstring ArrayText(const VARIANT& value, int depth) {
  SAFEARRAY* array = (V_VT(&value) & VT_BYREF) ? *V_ARRAYREF(&value) : V_ARRAY(&value);
  const VARTYPE element = V_VT(&value) & VT_TYPEMASK;
  const wchar_t* elementName = NameOf(element);
  if (!elementName || element == VT_DISPATCH || element == VT_EMPTY || element == VT_NULL)
    Unwritable("an array of type " + std::to_string(element));
  if (depth >= kMaxNesting) Unwritable("arrays nested deeper than " + std::to_string(kMaxNesting));
  // An array variable never given its bounds.
  if (!array) return std::wstring(L"Array ") + elementName + L" ()";
  const UINT dimensions = SafeArrayGetDim(array);
  std::wstring text = std::wstring(L"Array ") + elementName + L" (";
  // indices[k] is dimension k + 1, as SafeArrayGetElement takes them; the first varies
  // fastest, as the elements lie in memory.
  std::vector<LONG> lower(dimensions), upper(dimensions), indices(dimensions);
  size_t count = 1;
  for (UINT d = 1; d <= dimensions; ++d) {
    LONG& low = lower[d - 1];
    LONG& high = upper[d - 1];
    SafeArrayGetLBound(array, d, &low);
    SafeArrayGetUBound(array, d, &high);
    text += (d > 1 ? L", " : L"") + std::to_wstring(low) + L" To " + std::to_wstring(high);
    count *= static_cast<size_t>(high - low + 1);
  }
  text += L") {";
  indices = lower;
  for (size_t i = 0; i < count; ++i) {
    UniqueVariant item;
    VARIANT& raw = item.get();
    HRESULT hr;
    if (element == VT_VARIANT) {
      hr = SafeArrayGetElement(array, indices.data(), &raw);
    } else if (element == VT_DECIMAL) {
      hr = SafeArrayGetElement(array, indices.data(), &V_DECIMAL(&raw));
      V_VT(&raw) = VT_DECIMAL;
    } else {
      hr = SafeArrayGetElement(array, indices.data(), &V_UI1(&raw));
      V_VT(&raw) = element;
    }
    if (FAILED(hr)) Unwritable("an array whose elements cannot be read");
    text += (i ? L", " : L"") + (element == VT_VARIANT ? FullText(raw, depth + 1) : ValueText(raw, depth));
    for (size_t k = 0; k < indices.size() && ++indices[k] > upper[k]; ++k) indices[k] = lower[k];
  }
  return text + L"}";
}

std::wstring ValueText(const VARIANT& value, int depth) {
  if (V_VT(&value) & VT_ARRAY) return ArrayText(value, depth);
  if (const IntegerRange* range = IntegerOf(V_VT(&value))) return IntegerText(value, *range);
  switch (V_VT(&value)) {
    case VT_EMPTY:
    case VT_NULL:
      return {};
    case VT_R4:
      return FloatText(V_R4(&value));
    case VT_R8:
      return FloatText(V_R8(&value));
    case VT_CY:
      return CurrencyText(V_CY(&value));
    case VT_DATE:
      return DateText(V_DATE(&value));
    case VT_BSTR:
      return Quote(std::wstring_view(V_BSTR(&value) ? V_BSTR(&value) : L"", SysStringLen(V_BSTR(&value))));
    case VT_BOOL:
      return V_BOOL(&value) ? L"True" : L"False";
    case VT_ERROR: {
      wchar_t text[16];
      std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(V_ERROR(&value)));
      return text;
    }
    case VT_DECIMAL:
      return DecimalText(V_DECIMAL(&value));
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return PictureText(V_UNKNOWN(&value));
    default:
      Unwritable("type " + std::to_string(V_VT(&value)));
  }
}

std::wstring FullText(const VARIANT& value, int depth) {
  const VARTYPE type = V_VT(&value);
  if ((type == VT_DISPATCH || type == VT_UNKNOWN) && !V_UNKNOWN(&value)) return L"Nothing";
  if (type & VT_ARRAY) return ArrayText(value, depth);
  const wchar_t* name = NameOf(type == VT_UNKNOWN ? VARTYPE{VT_DISPATCH} : type);
  if (!name || type == VT_VARIANT) Unwritable("type " + std::to_string(type));
  std::wstring text = ValueText(value, depth);
  return text.empty() ? name : std::wstring(name) + L" " + text;
}

UniqueVariant ParseArray(TextCursor& cursor, int depth) {
  if (depth >= kMaxNesting) cursor.Fail("arrays nest deeper than " + std::to_string(kMaxNesting));
  std::wstring typeName = cursor.Word("the type of the array's elements");
  const VARTYPE element = TypeOfName(typeName);
  if (element == VT_ILLEGAL || element == VT_EMPTY || element == VT_NULL || element == VT_DISPATCH)
    cursor.Fail("not a type of array elements: " + Narrow(typeName));
  cursor.Expect(L'(');
  UniqueVariant value;
  V_VT(&value.get()) = VT_ARRAY | element;
  if (cursor.Take(L')')) return value;
  std::vector<SAFEARRAYBOUND> bounds;
  uint64_t count = 1;
  do {
    SAFEARRAYBOUND bound;
    LONG low = static_cast<LONG>(cursor.Integer("a lower bound", INT32_MIN, INT32_MAX));
    if (!cursor.TakeWord(L"To")) cursor.Fail("expected To between an array's bounds");
    LONG high = static_cast<LONG>(cursor.Integer("an upper bound", INT32_MIN, INT32_MAX));
    if (int64_t(high) < int64_t(low) - 1) cursor.Fail("an upper bound below the lower one");
    bound.lLbound = low;
    bound.cElements = static_cast<ULONG>(int64_t(high) - low + 1);
    count *= bound.cElements;
    // Each element takes at least one character of the line.
    if (count > cursor.Remaining()) cursor.Fail("an array of more elements than its line holds");
    bounds.push_back(bound);
  } while (cursor.Take(L','));
  cursor.Expect(L')');
  if (bounds.size() > 60) cursor.Fail("an array of more than 60 dimensions");
  win32::UniqueSafeArray array(SafeArrayCreate(element, static_cast<UINT>(bounds.size()), bounds.data()));
  if (!array) throw std::bad_alloc();
  const size_t dimensions = bounds.size();
  std::vector<LONG> lower(dimensions), upper(dimensions);
  for (size_t d = 0; d < dimensions; ++d) {
    lower[d] = bounds[d].lLbound;
    upper[d] = static_cast<LONG>(bounds[d].lLbound + int64_t(bounds[d].cElements) - 1);
  }
  std::vector<LONG> indices = lower;
  cursor.Expect(L'{');
  for (uint64_t i = 0; i < count; ++i) {
    if (i) cursor.Expect(L',');
    UniqueVariant item = element == VT_VARIANT ? ParseVariantAt(cursor, depth + 1) : ParseTyped(cursor, element, depth);
    VARIANT& raw = item.get();
    void* data = element == VT_VARIANT   ? static_cast<void*>(&raw)
                 : element == VT_BSTR    ? static_cast<void*>(V_BSTR(&raw))
                 : element == VT_DECIMAL ? static_cast<void*>(&V_DECIMAL(&raw))
                                         : static_cast<void*>(&V_UI1(&raw));
    if (FAILED(SafeArrayPutElement(array.get(), indices.data(), data))) throw std::bad_alloc();
    for (size_t k = 0; k < dimensions && ++indices[k] > upper[k]; ++k) indices[k] = lower[k];
  }
  if (cursor.Take(L',')) cursor.Fail("more elements than the array's bounds hold");
  cursor.Expect(L'}');
  V_ARRAY(&value.get()) = array.release();
  return value;
}

UniqueVariant ParseTyped(TextCursor& cursor, VARTYPE type, int depth) {
  UniqueVariant value;
  VARIANT& raw = value.get();
  if (const IntegerRange* range = IntegerOf(type)) return ParseInteger(cursor, *range);
  switch (type) {
    case VT_EMPTY:
    case VT_NULL:
      break;
    case VT_R4:
      V_R4(&raw) = ParseFloat<float>(cursor, "a single-precision number");
      break;
    case VT_R8:
      V_R8(&raw) = ParseFloat<double>(cursor, "a double-precision number");
      break;
    case VT_CY:
      V_CY(&raw) = ParseCurrency(cursor);
      break;
    case VT_DATE:
      V_DATE(&raw) = ParseDate(cursor);
      break;
    case VT_BSTR: {
      std::wstring text = cursor.Quoted();
      V_BSTR(&raw) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
      if (!V_BSTR(&raw)) throw std::bad_alloc();
      break;
    }
    case VT_BOOL:
      if (cursor.TakeWord(L"True"))
        V_BOOL(&raw) = VARIANT_TRUE;
      else if (cursor.TakeWord(L"False"))
        V_BOOL(&raw) = VARIANT_FALSE;
      else
        cursor.Fail("expected True or False");
      break;
    case VT_ERROR: {
      std::wstring word = cursor.Word("an error number");
      wchar_t* end = nullptr;
      unsigned long number = std::wcstoul(word.c_str(), &end, 16);
      if (word.size() < 3 || word.size() > 10 || _wcsnicmp(word.c_str(), L"0x", 2) != 0 || *end)
        cursor.Fail("an error number is 0x and up to eight hexadecimal digits: " + Narrow(word));
      V_ERROR(&raw) = static_cast<SCODE>(number);
      break;
    }
    case VT_DECIMAL:
      V_DECIMAL(&raw) = ParseDecimalValue(cursor);
      break;
    case VT_DISPATCH:
      V_DISPATCH(&raw) = ParsePicture(cursor);
      break;
    default:
      cursor.Fail("not a type of value");
  }
  V_VT(&raw) = type;
  return value;
}

UniqueVariant ParseVariantAt(TextCursor& cursor, int depth) {
  if (cursor.TakeWord(L"Array")) return ParseArray(cursor, depth);
  if (cursor.TakeWord(L"Nothing")) {
    UniqueVariant nothing;
    V_VT(&nothing.get()) = VT_DISPATCH;
    V_DISPATCH(&nothing.get()) = nullptr;
    return nothing;
  }
  std::wstring typeName = cursor.Word("a type");
  const VARTYPE type = TypeOfName(typeName);
  if (type != VT_ILLEGAL && type != VT_VARIANT) return ParseTyped(cursor, type, depth);
  cursor.Fail("unknown type " + Narrow(typeName));
}

}  // namespace

std::wstring VariantText(const VARIANT& value) {
  if (V_VT(&value) & VT_BYREF) {
    UniqueVariant copy;
    if (FAILED(VariantCopyInd(copy.put(), const_cast<VARIANT*>(&value)))) Unwritable("a reference");
    return FullText(copy.get(), 0);
  }
  return FullText(value, 0);
}

win32::UniqueVariant ParseVariant(TextCursor& cursor) { return ParseVariantAt(cursor, 0); }
