#include "host/variant.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "host/error.h"

namespace host {

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
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
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
    case Type::Missing:
    case Type::Object:
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
      throw Error::Runtime(err::kTypeMismatch);
    case Type::Boolean:
      return number_ != 0 ? u"True" : u"False";
    case Type::String:
      return text_;
    case Type::Integer:
    case Type::Long:
      return DecimalText(static_cast<long long>(number_));
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
  if (a.IsNull() || b.IsNull() || a.IsMissing() || b.IsMissing()) return false;
  if (a.IsObject() || b.IsObject()) return a.IsObject() && b.IsObject() && SameObject(a.AsObject(), b.AsObject());
  if (a.IsEmpty() && b.IsEmpty()) return true;
  if (a.type() == T::String && b.type() == T::String) return a.ToString() == b.ToString();
  if (a.type() == T::String || b.type() == T::String) {
    const Variant& other = a.type() == T::String ? b : a;
    const Variant& text = a.type() == T::String ? a : b;
    return other.IsEmpty() && text.ToString().empty();
  }
  return a.ToDouble() == b.ToDouble();
}

}  // namespace host
