#pragma once
// The Variant of the form languages, with the conversion and comparison rules the
// component relies on. Objects are held by reference through host::Object.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "host/text.h"

namespace host {

// Anything a Variant can refer to as an object: one of the component's own objects
// or a platform object (an IDispatch at the COM boundary).
class Object {
 public:
  virtual ~Object() = default;
  // The identity that `Is` compares: two references to one object share it.
  virtual const void* Identity() const { return this; }
};
using ObjectRef = std::shared_ptr<Object>;

// A Decimal: (negative ? -1 : 1) * (high * 2^64 + low) / 10^scale, scale 0 to 28.
struct DecimalNumber {
  uint32_t high = 0;
  uint64_t low = 0;
  uint8_t scale = 0;
  bool negative = false;

  static constexpr uint8_t kMaxScale = 28;
  double ToDouble() const;
  // Digits with a point where the scale puts it, trailing zeros of the fraction dropped.
  String ToString() const;
  // The same number with trailing zeros of the fraction removed (and zero never negative),
  // so that equal numbers have equal fields.
  DecimalNumber Normalized() const;
  bool operator==(const DecimalNumber&) const = default;
};

// One dimension of an array: its lower bound and its number of elements.
struct ArrayBound {
  int32_t lower = 0;
  uint32_t count = 0;
  bool operator==(const ArrayBound&) const = default;
};

// The number of elements of an array of these dimensions; nothing when the product
// overflows 32 bits (no array of the platform can be that large).
std::optional<uint32_t> ArrayElementCount(std::span<const ArrayBound> bounds);

struct VariantArray;

class Variant {
 public:
  // The types of the form languages' Variant, as VarType tells them. Variant is only ever
  // an array's element type: an array whose elements are Variants of any type.
  enum class Type {
    Empty,
    Null,
    Missing,
    Boolean,
    Byte,
    Integer,
    Long,
    LongLong,
    Single,
    Double,
    Currency,
    Date,
    Decimal,
    String,
    Error,
    Object,
    Variant,
    Array
  };
  // The error value of a left-out optional argument (DISP_E_PARAMNOTFOUND).
  static constexpr int32_t kParamNotFound = static_cast<int32_t>(0x80020004u);

  Variant() = default;
  Variant(bool value) : type_(Type::Boolean), number_(value ? -1 : 0) {}
  Variant(int16_t value) : type_(Type::Integer), number_(value) {}
  Variant(int32_t value) : type_(Type::Long), number_(value) {}
  Variant(float value) : type_(Type::Single), number_(value) {}
  Variant(double value) : type_(Type::Double), number_(value) {}
  Variant(String value) : type_(Type::String), text_(std::move(value)) {}
  Variant(const char16_t* value) : type_(Type::String), text_(value) {}
  Variant(ObjectRef object) : type_(Type::Object), object_(std::move(object)) {}

  static Variant Null() { return Variant(Type::Null); }
  // An optional argument that the caller left out.
  static Variant Missing() { return Variant(Type::Missing); }
  static Variant Nothing() { return Variant(ObjectRef()); }
  static Variant Byte(uint8_t value) { return Variant(Type::Byte, value, 0); }
  static Variant LongLong(int64_t value) { return Variant(Type::LongLong, 0, value); }
  // Currency in ten-thousandths: 1.5 is 15000.
  static Variant Currency(int64_t tenThousandths) { return Variant(Type::Currency, 0, tenThousandths); }
  // Days since 30 December 1899, the time of day as the fraction.
  static Variant Date(double days) { return Variant(Type::Date, days, 0); }
  static Variant Decimal(const DecimalNumber& value);
  // An error value; kParamNotFound is the Missing argument.
  static Variant ErrorValue(int32_t code);
  // An array of elements of one type (Type::Variant: of any type), in storage order: the
  // first dimension varies fastest. No bounds: an array not dimensioned yet. Throws the
  // type mismatch error when an element does not have the element type or the count of
  // elements is not the product of the dimensions.
  static Variant Array(Type elementType, std::vector<ArrayBound> bounds, std::vector<Variant> elements);

  Type type() const { return type_; }
  bool IsEmpty() const { return type_ == Type::Empty; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsMissing() const { return type_ == Type::Missing; }
  bool IsObject() const { return type_ == Type::Object; }
  bool IsNothing() const { return type_ == Type::Object && !object_; }
  bool IsString() const { return type_ == Type::String; }
  bool IsArray() const { return type_ == Type::Array; }
  // Numbers, Booleans, Empty, and strings that read as numbers (not dates, errors or arrays).
  bool IsNumeric() const;

  // Whole number, fractions rounded half to even; overflow and type mismatch errors.
  int32_t ToLong() const;
  int16_t ToInteger() const;
  double ToDouble() const;
  bool ToBoolean() const;
  String ToString() const;
  const ObjectRef& AsObject() const { return object_; }
  // The exact contents of the types that a double cannot carry.
  int64_t AsLongLong() const { return whole_; }
  int64_t CurrencyTenThousandths() const { return whole_; }
  const DecimalNumber& AsDecimal() const { return decimal_; }
  int32_t ErrorCode() const { return type_ == Type::Missing ? kParamNotFound : static_cast<int32_t>(whole_); }
  // Single, Double and Date as stored.
  double Number() const { return number_; }
  // Only for an Array.
  const VariantArray& AsArray() const { return *array_; }

  // The numeric value a string reads as: blanks around, sign, decimals, exponent,
  // &H and &O prefixes.
  static std::optional<double> ParseNumber(StringView text);

 private:
  explicit Variant(Type type) : type_(type) {}
  Variant(Type type, double number, int64_t whole) : type_(type), number_(number), whole_(whole) {}
  bool IsNumber() const;

  Type type_ = Type::Empty;
  double number_ = 0;  // Boolean, Byte, Integer, Long, Single, Double, Date
  int64_t whole_ = 0;  // LongLong, Currency, Error
  DecimalNumber decimal_;
  String text_;
  ObjectRef object_;
  std::shared_ptr<const VariantArray> array_;
};

struct VariantArray {
  Variant::Type elementType = Variant::Type::Variant;
  std::vector<ArrayBound> bounds;  // first dimension first
  std::vector<Variant> elements;   // the first dimension varies fastest
};

// The '=' of the form languages on two Variants, True only when the comparison is True
// (a Null on either side never compares equal): Empty equals "" and 0; strings compare
// exactly; a number (a date included) never equals a string; numbers of any type compare
// by value; an error value equals only the same error; objects are equal when they are the
// same object. Where the form languages raise a type mismatch, on an array, this is False:
// its callers ask whether a value is its default or matches a key, and an array is neither.
bool VariantEquals(const Variant& a, const Variant& b);

// The same type and the same contents (numbers bit for bit, arrays element by element,
// objects by identity): what a saved and loaded value must be to the original.
bool Identical(const Variant& a, const Variant& b);

// Object identity ('Is'): both Nothing, or both refer to the same object.
bool SameObject(const ObjectRef& a, const ObjectRef& b);

// Round half to even, as every fractional-to-whole conversion of the component does.
double RoundHalfEven(double value);
// RoundHalfEven into a Long, with the overflow error outside its range.
int32_t NearestLong(double value);

}  // namespace host
