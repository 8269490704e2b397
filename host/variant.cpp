#include "host/variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "host/error.h"
#include "host/mantissa.h"

namespace host {

namespace {

constexpr double kCurrencyScale = 10000.0;

// The calendar date of a day number counted from 1 March of year 0 (proleptic Gregorian).
void CivilFromDays(int64_t days, int64_t& year, int& month, int& day) {
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

// A date as the form languages print it in the US English locale: "M/D/YYYY h:mm:ss AM",
// the date left out on day 0 (30 December 1899) and the time left out at midnight.
String DateText(double value) {
  // Beyond 1 January 100 to 31 December 9999 no date exists.
  if (!(value > -657435.0 && value < 2958466.0)) throw Error::Runtime(err::kOverflow);
  double dayPart = std::trunc(value);
  int64_t seconds = static_cast<int64_t>(std::llround(std::fabs(value - dayPart) * 86400.0));
  int64_t dayNumber = static_cast<int64_t>(dayPart);
  if (seconds == 86400) {
    seconds = 0;
    dayNumber += 1;
  }
  char buffer[64];
  std::string text;
  if (dayNumber != 0) {
    int64_t year;
    int month, day;
    // 30 December 1899 is day 693899 counted from 1 March of year 0.
    CivilFromDays(dayNumber + 693899, year, month, day);
    std::snprintf(buffer, sizeof buffer, "%d/%d/%lld", month, day, static_cast<long long>(year));
    text = buffer;
  }
  if (seconds != 0 || dayNumber == 0) {
    int hour = static_cast<int>(seconds / 3600);
    std::snprintf(buffer, sizeof buffer, "%s%d:%02d:%02d %s", text.empty() ? "" : " ", hour % 12 == 0 ? 12 : hour % 12,
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60), hour < 12 ? "AM" : "PM");
    text += buffer;
  }
  return FromUtf8(text);
}

// Digits of a magnitude with `scale` of them after the point, trailing zeros of the
// fraction and a point left bare dropped.
String ScaledDigits(std::string digits, size_t scale, bool negative) {
  if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
  if (scale > 0) {
    digits.insert(digits.size() - scale, 1, '.');
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') digits.pop_back();
  }
  if (negative && digits != "0") digits.insert(0, 1, '-');
  return FromUtf8(digits);
}

std::string UnsignedDigits(uint64_t magnitude) { return std::to_string(magnitude); }

uint64_t Magnitude(int64_t value) {
  return value < 0 ? ~static_cast<uint64_t>(value) + 1 : static_cast<uint64_t>(value);
}

}  // namespace

double DecimalNumber::ToDouble() const {
  double magnitude = (static_cast<double>(high) * 18446744073709551616.0 + static_cast<double>(low)) /
                     std::pow(10.0, static_cast<double>(scale));
  return negative ? -magnitude : magnitude;
}

String DecimalNumber::ToString() const {
  Mantissa mantissa = Mantissa::Of(low, high);
  std::string digits;
  do digits.insert(digits.begin(), static_cast<char>('0' + mantissa.DivideBy10()));
  while (!mantissa.IsZero());
  return ScaledDigits(std::move(digits), scale, negative);
}

DecimalNumber DecimalNumber::Normalized() const {
  DecimalNumber result = *this;
  Mantissa mantissa = Mantissa::Of(low, high);
  while (result.scale > 0) {
    Mantissa divided = mantissa;
    if (divided.DivideBy10() != 0) break;
    mantissa = divided;
    --result.scale;
  }
  result.low = mantissa.Low64();
  result.high = mantissa.High32();
  if (mantissa.IsZero()) result.negative = false;
  return result;
}

std::optional<uint32_t> ArrayElementCount(std::span<const ArrayBound> bounds) {
  uint64_t count = bounds.empty() ? 0 : 1;
  for (const ArrayBound& bound : bounds) {
    count *= bound.count;
    if (count > std::numeric_limits<uint32_t>::max()) return std::nullopt;
  }
  return static_cast<uint32_t>(count);
}

Variant Variant::Decimal(const DecimalNumber& value) {
  if (value.scale > DecimalNumber::kMaxScale) throw Error::Runtime(err::kOverflow);
  Variant v(Type::Decimal);
  v.decimal_ = value;
  return v;
}

Variant Variant::ErrorValue(int32_t code) { return code == kParamNotFound ? Missing() : Variant(Type::Error, 0, code); }

Variant Variant::Array(Type elementType, std::vector<ArrayBound> bounds, std::vector<Variant> elements) {
  switch (elementType) {
    case Type::Empty:
    case Type::Null:
    case Type::Missing:
    case Type::Array:
      throw Error::Runtime(err::kTypeMismatch);
    default:
      break;
  }
  std::optional<uint32_t> count = ArrayElementCount(bounds);
  if (!count || *count != elements.size()) throw Error::Runtime(err::kTypeMismatch);
  if (elementType != Type::Variant)
    for (const Variant& element : elements) {
      bool missingError = elementType == Type::Error && element.IsMissing();
      if (element.type() != elementType && !missingError) throw Error::Runtime(err::kTypeMismatch);
    }
  Variant v(Type::Array);
  v.array_ = std::make_shared<const VariantArray>(VariantArray{elementType, std::move(bounds), std::move(elements)});
  return v;
}

double RoundHalfEven(double value) {
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int32_t NearestLong(double value) {
  if (std::isnan(value)) throw Error::Runtime(err::kOverflow);
  double rounded = RoundHalfEven(value);
  if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
    throw Error::Runtime(err::kOverflow);
  return static_cast<int32_t>(rounded);
}

std::optional<double> Variant::ParseNumber(StringView raw) {
  String text = Trim(raw);
  if (text.empty()) return std::nullopt;
  size_t i = 0;
  if (text.size() > 2 && text[0] == u'&') {
    char16_t kind = text[1] | 0x20;
    int base = kind == u'h' ? 16 : kind == u'o' ? 8 : 0;
    if (base == 0) return std::nullopt;
    uint64_t value = 0;
    for (i = 2; i < text.size(); ++i) {
      char16_t c = text[i];
      int digit = c >= u'0' && c <= u'9'                     ? c - u'0'
                  : (c | 0x20) >= u'a' && (c | 0x20) <= u'f' ? (c | 0x20) - u'a' + 10
                                                             : 99;
      if (digit >= base) return std::nullopt;
      value = value * base + digit;
      if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // Hexadecimal and octal literals are 32-bit patterns: &HFFFFFFFF is -1.
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
  }
  std::string ascii;
  if (text[i] == u'+' || text[i] == u'-') ascii.push_back(static_cast<char>(text[i++]));
  bool digits = false;
  while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
    ascii.push_back(static_cast<char>(text[i++]));
    digits = true;
  }
  if (i < text.size() && text[i] == u'.') {
    ascii.push_back('.');
    ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
      ascii.push_back(static_cast<char>(text[i++]));
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && ((text[i] | 0x20) == u'e' || (text[i] | 0x20) == u'd')) {
    ascii.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii.push_back(static_cast<char>(text[i++]));
    bool exponent = false;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
      ascii.push_back(static_cast<char>(text[i++]));
      exponent = true;
    }
    if (!exponent) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

bool Variant::IsNumber() const {
  switch (type_) {
    case Type::Boolean:
    case Type::Byte:
    case Type::Integer:
    case Type::Long:
    case Type::LongLong:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
    case Type::Decimal:
      return true;
    default:
      return false;
  }
}

bool Variant::IsNumeric() const {
  if (IsNumber() || type_ == Type::Empty) return true;
  return type_ == Type::String && ParseNumber(text_).has_value();
}

double Variant::ToDouble() const {
  switch (type_) {
    case Type::Empty:
      return 0;
    case Type::Null:
      throw Error::Runtime(err::kInvalidUseOfNull);
    case Type::String: {
      if (auto value = ParseNumber(text_)) return *value;
      if (TextEqualsIgnoringCase(Trim(text_), u"True")) return -1;
      if (TextEqualsIgnoringCase(Trim(text_), u"False")) return 0;
      throw Error::Runtime(err::kTypeMismatch);
    }
    case Type::LongLong:
      return static_cast<double>(whole_);
    case Type::Currency:
      return static_cast<double>(whole_) / kCurrencyScale;
    case Type::Decimal:
      return decimal_.ToDouble();
    case Type::Missing:
    case Type::Object:
    case Type::Error:
    case Type::Variant:
    case Type::Array:
      throw Error::Runtime(err::kTypeMismatch);
    default:
      return number_;
  }
}

int32_t Variant::ToLong() const { return NearestLong(ToDouble()); }

int16_t Variant::ToInteger() const {
  int32_t value = NearestLong(ToDouble());
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    throw Error::Runtime(err::kOverflow);
  return static_cast<int16_t>(value);
}

bool Variant::ToBoolean() const { return ToDouble() != 0; }

String Variant::ToString() const {
  char buffer[64];
  switch (type_) {
    case Type::Empty:
      return String();
    case Type::Null:
      throw Error::Runtime(err::kInvalidUseOfNull);
    case Type::Missing:
    case Type::Object:
    case Type::Variant:
    case Type::Array:
      throw Error::Runtime(err::kTypeMismatch);
    case Type::Boolean:
      return number_ != 0 ? u"True" : u"False";
    case Type::String:
      return text_;
    case Type::Byte:
    case Type::Integer:
    case Type::Long:
      return DecimalText(static_cast<long long>(number_));
    case Type::LongLong:
      return DecimalText(whole_);
    case Type::Currency:
      return ScaledDigits(UnsignedDigits(Magnitude(whole_)), 4, whole_ < 0);
    case Type::Decimal:
      return decimal_.ToString();
    case Type::Date:
      return DateText(number_);
    case Type::Error:
      return u"Error " + DecimalText(whole_);
    case Type::Single:
      std::snprintf(buffer, sizeof buffer, "%.7G", number_);
      break;
    case Type::Double:
      std::snprintf(buffer, sizeof buffer, "%.15G", number_);
      break;
  }
  return FromUtf8(buffer);
}

bool SameObject(const ObjectRef& a, const ObjectRef& b) {
  if (!a || !b) return !a && !b;
  return a->Identity() == b->Identity();
}

bool VariantEquals(const Variant& a, const Variant& b) {
  using T = Variant::Type;
  if (a.IsNull() || b.IsNull() || a.IsMissing() || b.IsMissing() || a.IsArray() || b.IsArray()) return false;
  if (a.IsObject() || b.IsObject()) return a.IsObject() && b.IsObject() && SameObject(a.AsObject(), b.AsObject());
  if (a.type() == T::Error || b.type() == T::Error) return a.type() == b.type() && a.ErrorCode() == b.ErrorCode();
  // Types wider than a double's 53 bits compare exactly with their own kind.
  if (a.type() == b.type() && (a.type() == T::LongLong || a.type() == T::Currency))
    return a.AsLongLong() == b.AsLongLong();
  if (a.type() == T::Decimal && b.type() == T::Decimal) return a.AsDecimal().Normalized() == b.AsDecimal().Normalized();
  if (a.IsEmpty() && b.IsEmpty()) return true;
  if (a.type() == T::String && b.type() == T::String) return a.ToString() == b.ToString();
  if (a.type() == T::String || b.type() == T::String) {
    const Variant& other = a.type() == T::String ? b : a;
    const Variant& text = a.type() == T::String ? a : b;
    return other.IsEmpty() && text.ToString().empty();
  }
  return a.ToDouble() == b.ToDouble();
}

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool Identical(const Variant& a, const Variant& b) {
  using T = Variant::Type;
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case T::Empty:
    case T::Null:
    case T::Missing:
      return true;
    case T::LongLong:
    case T::Currency:
    case T::Error:
      return a.AsLongLong() == b.AsLongLong();
    case T::Decimal:
      return a.AsDecimal() == b.AsDecimal();
    case T::String:
      return a.ToString() == b.ToString();
    case T::Object:
      return SameObject(a.AsObject(), b.AsObject());
    case T::Array: {
      const VariantArray& x = a.AsArray();
      const VariantArray& y = b.AsArray();
      if (x.elementType != y.elementType || x.bounds != y.bounds || x.elements.size() != y.elements.size())
        return false;
      for (size_t i = 0; i < x.elements.size(); ++i)
        if (!Identical(x.elements[i], y.elements[i])) return false;
      return true;
    }
    default:
      return SameBits(a.Number(), b.Number());
  }
}

}  // namespace host
