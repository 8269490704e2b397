#pragma once
// The Variant of the form languages, with the conversion and comparison rules the
// component relies on. Objects are held by reference through host::Object.
#include <cstdint>
#include <memory>
#include <optional>

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

class Variant {
 public:
  enum class Type { Empty, Null, Missing, Boolean, Integer, Long, Single, Double, String, Object };

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

  Type type() const { return type_; }
  bool IsEmpty() const { return type_ == Type::Empty; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsMissing() const { return type_ == Type::Missing; }
  bool IsObject() const { return type_ == Type::Object; }
  bool IsNothing() const { return type_ == Type::Object && !object_; }
  bool IsString() const { return type_ == Type::String; }
  // Numbers, Booleans, Empty, and strings that read as numbers.
  bool IsNumeric() const;

  // Whole number, fractions rounded half to even; overflow and type mismatch errors.
  int32_t ToLong() const;
  int16_t ToInteger() const;
  double ToDouble() const;
  bool ToBoolean() const;
  String ToString() const;
  const ObjectRef& AsObject() const { return object_; }

  // The numeric value a string reads as: blanks around, sign, decimals, exponent,
  // &H and &O prefixes.
  static std::optional<double> ParseNumber(StringView text);

 private:
  explicit Variant(Type type) : type_(type) {}
  bool IsNumber() const;

  Type type_ = Type::Empty;
  double number_ = 0;
  String text_;
  ObjectRef object_;
};

// The '=' of the form languages on two Variants, True only when the comparison is True
// (a Null on either side never compares equal): Empty equals "" and 0; strings compare
// exactly; a number never equals a string; objects are equal when they are the same object.
bool VariantEquals(const Variant& a, const Variant& b);

// Object identity ('Is'): both Nothing, or both refer to the same object.
bool SameObject(const ObjectRef& a, const ObjectRef& b);

// Round half to even, as every fractional-to-whole conversion of the component does.
double RoundHalfEven(double value);
// RoundHalfEven into a Long, with the overflow error outside its range.
int32_t NearestLong(double value);

}  // namespace host
