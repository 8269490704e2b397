#include "splitter/property_record.h"

#include <cstring>
#include <limits>

#include "host/error.h"

namespace splitter {

// The record speaks the platform's value types throughout.
using namespace host;

namespace {

using T = Variant::Type;

constexpr uint8_t kSignature[4] = {'O', 'V', 'S', 'R'};

// Type codes of the saved form: the platform's VARTYPE numbers, and one for arrays.
// A Missing value is the error value DISP_E_PARAMNOTFOUND; an object is Nothing or a picture.
struct TypeCode {
  T type;
  uint8_t code;
  size_t minimumSize;  // of the contents, for bounding an array's element count
};
constexpr TypeCode kTypeCodes[] = {
    {T::Empty, 0, 0},  {T::Null, 1, 0},      {T::Integer, 2, 2},  {T::Long, 3, 4},     {T::Single, 4, 4},
    {T::Double, 5, 8}, {T::Currency, 6, 8},  {T::Date, 7, 8},     {T::String, 8, 4},   {T::Object, 9, 1},
    {T::Error, 10, 4}, {T::Missing, 10, 4},  {T::Boolean, 11, 1}, {T::Variant, 12, 1}, {T::Decimal, 14, 14},
    {T::Byte, 17, 1},  {T::LongLong, 20, 8}, {T::Array, 0x80, 2},
};
enum ObjectKind : uint8_t { kNothing = 0, kPicture = 1 };

const TypeCode& CodeOf(T type) {
  for (const TypeCode& entry : kTypeCodes)
    if (entry.type == type) return entry;
  throw Error::Runtime(err::kTypeMismatch);
}

const TypeCode* TypeOfCode(uint8_t code) {
  for (const TypeCode& entry : kTypeCodes)
    if (entry.code == code) return &entry;
  return nullptr;
}

bool IsElementType(T type) { return type != T::Empty && type != T::Null && type != T::Missing && type != T::Array; }

Error CannotSave(StringView name, StringView why) {
  return Error::Component(err::kStorageCannotSave,
                          u"The property \"" + String(name) + u"\" cannot be saved: " + String(why) + u".");
}

class Writer {
 public:
  explicit Writer(StringView name) : name_(name) {}

  template <typename Number>
  void Put(Number value) {
    for (size_t i = 0; i < sizeof value; ++i) {
      bytes_.push_back(static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i)));
    }
  }
  void PutDouble(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Put(bits);
  }
  void PutUnits(StringView text) {
    for (char16_t unit : text) Put(static_cast<uint16_t>(unit));
  }
  void SetName(StringView name) { name_ = name; }
  std::vector<uint8_t>& bytes() { return bytes_; }

  void PutValue(const Variant& value, int nesting) {
    Put(CodeOf(value.type()).code);
    PutContents(value, nesting);
  }

  void PutContents(const Variant& value, int nesting) {
    switch (value.type()) {
      case T::Empty:
      case T::Null:
      case T::Variant:
        break;
      case T::Boolean:
        Put(static_cast<uint8_t>(value.ToBoolean() ? 1 : 0));
        break;
      case T::Byte:
        Put(static_cast<uint8_t>(value.ToLong()));
        break;
      case T::Integer:
        Put(value.ToInteger());
        break;
      case T::Long:
        Put(value.ToLong());
        break;
      case T::Single: {
        float single = static_cast<float>(value.Number());
        uint32_t bits;
        std::memcpy(&bits, &single, sizeof bits);
        Put(bits);
        break;
      }
      case T::Double:
      case T::Date:
        PutDouble(value.Number());
        break;
      case T::LongLong:
      case T::Currency:
        Put(value.AsLongLong());
        break;
      case T::Missing:
      case T::Error:
        Put(value.ErrorCode());
        break;
      case T::Decimal: {
        const DecimalNumber& d = value.AsDecimal();
        Put(d.scale);
        Put(static_cast<uint8_t>(d.negative ? 1 : 0));
        Put(d.high);
        Put(d.low);
        break;
      }
      case T::String: {
        const String text = value.ToString();
        if (text.size() > std::numeric_limits<uint32_t>::max()) throw CannotSave(name_, u"its text is too long");
        Put(static_cast<uint32_t>(text.size()));
        PutUnits(text);
        break;
      }
      case T::Object:
        PutObject(value.AsObject());
        break;
      case T::Array:
        PutArray(value.AsArray(), nesting + 1);
        break;
    }
  }

 private:
  void PutObject(const ObjectRef& object) {
    if (!object) {
      Put(uint8_t{kNothing});
      return;
    }
    auto picture = std::dynamic_pointer_cast<Picture>(object);
    if (!picture) throw CannotSave(name_, u"it holds an object, and only pictures and Nothing are saved");
    std::vector<uint8_t> saved = picture->Save();
    if (saved.size() > std::numeric_limits<uint32_t>::max()) throw CannotSave(name_, u"its picture is too large");
    Put(uint8_t{kPicture});
    Put(static_cast<uint32_t>(saved.size()));
    bytes_.insert(bytes_.end(), saved.begin(), saved.end());
  }

  void PutArray(const VariantArray& array, int nesting) {
    if (nesting > PropertyRecord::kMaxArrayNesting) throw CannotSave(name_, u"it nests arrays too deep");
    if (array.bounds.size() > PropertyRecord::kMaxDimensions)
      throw CannotSave(name_, u"its array has too many dimensions");
    Put(CodeOf(array.elementType).code);
    Put(static_cast<uint8_t>(array.bounds.size()));
    for (const ArrayBound& bound : array.bounds) {
      Put(bound.lower);
      Put(bound.count);
    }
    for (const Variant& element : array.elements) {
      if (array.elementType == T::Variant)
        PutValue(element, nesting);
      else
        PutContents(element, nesting);
    }
  }

  StringView name_;
  std::vector<uint8_t> bytes_;
};

Error Damaged(int32_t number, StringView what) {
  return Error::Component(number, u"The saved splitter data is damaged: " + String(what) + u".");
}

class Reader {
 public:
  Reader(std::span<const uint8_t> bytes, const PictureLoader* loadPicture) : bytes_(bytes), loadPicture_(loadPicture) {}

  size_t Remaining() const { return bytes_.size() - position_; }

  // Fails unless `count` items of `size` bytes each are still there.
  void Need(uint64_t count, size_t size) const {
    if (size != 0 && count > Remaining() / size)
      throw Damaged(err::kStorageReadFault, u"it ends early, at byte " +
                                                DecimalText(static_cast<long long>(position_)) + u" of " +
                                                DecimalText(static_cast<long long>(bytes_.size())));
  }

  template <typename Number>
  Number Take() {
    Need(1, sizeof(Number));
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(Number); ++i) value |= static_cast<uint64_t>(bytes_[position_ + i]) << (8 * i);
    position_ += sizeof(Number);
    return static_cast<Number>(value);
  }
  double TakeDouble() {
    uint64_t bits = Take<uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  String TakeUnits(size_t count) {
    Need(count, 2);
    String text(count, u'\0');
    for (char16_t& unit : text) unit = static_cast<char16_t>(Take<uint16_t>());
    return text;
  }
  std::span<const uint8_t> TakeBytes(size_t count) {
    Need(count, 1);
    std::span<const uint8_t> taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
  }

  void SetName(const String& name) { name_ = name; }
  Error Invalid(StringView what) const {
    return Damaged(err::kInvalidParameter, String(what) + u" in the property \"" + name_ + u"\"");
  }

  Variant TakeValue(int nesting) {
    uint8_t code = Take<uint8_t>();
    const TypeCode* type = TypeOfCode(code);
    if (!type || type->type == T::Variant) throw Invalid(u"unknown value type " + DecimalText(code));
    return TakeContents(type->type, nesting);
  }

  Variant TakeContents(T type, int nesting) {
    switch (type) {
      case T::Empty:
        return Variant();
      case T::Null:
        return Variant::Null();
      case T::Boolean: {
        uint8_t flag = Take<uint8_t>();
        if (flag > 1) throw Invalid(u"a Boolean that is neither True nor False");
        return Variant(flag == 1);
      }
      case T::Byte:
        return Variant::Byte(Take<uint8_t>());
      case T::Integer:
        return Variant(Take<int16_t>());
      case T::Long:
        return Variant(Take<int32_t>());
      case T::Single: {
        uint32_t bits = Take<uint32_t>();
        float single;
        std::memcpy(&single, &bits, sizeof single);
        return Variant(single);
      }
      case T::Double:
        return Variant(TakeDouble());
      case T::Date:
        return Variant::Date(TakeDouble());
      case T::LongLong:
        return Variant::LongLong(Take<int64_t>());
      case T::Currency:
        return Variant::Currency(Take<int64_t>());
      case T::Missing:
      case T::Error:
        return Variant::ErrorValue(Take<int32_t>());
      case T::Decimal: {
        DecimalNumber d;
        d.scale = Take<uint8_t>();
        uint8_t sign = Take<uint8_t>();
        d.high = Take<uint32_t>();
        d.low = Take<uint64_t>();
        if (d.scale > DecimalNumber::kMaxScale || sign > 1) throw Invalid(u"a Decimal out of range");
        d.negative = sign == 1;
        return Variant::Decimal(d);
      }
      case T::String:
        return Variant(TakeUnits(Take<uint32_t>()));
      case T::Object:
        return TakeObject();
      case T::Array:
        return TakeArray(nesting + 1);
      case T::Variant:
        break;
    }
    throw Invalid(u"an unknown value type");
  }

 private:
  Variant TakeObject() {
    uint8_t kind = Take<uint8_t>();
    if (kind == kNothing) return Variant::Nothing();
    if (kind != kPicture) throw Invalid(u"an unknown kind of object");
    std::span<const uint8_t> saved = TakeBytes(Take<uint32_t>());
    PictureRef picture = loadPicture_ && *loadPicture_ ? (*loadPicture_)(saved) : nullptr;
    if (!picture) throw Invalid(u"a picture that cannot be read");
    return Variant(ObjectRef(std::move(picture)));
  }

  Variant TakeArray(int nesting) {
    if (nesting > PropertyRecord::kMaxArrayNesting) throw Invalid(u"arrays nested too deep");
    const TypeCode* element = TypeOfCode(Take<uint8_t>());
    if (!element || !IsElementType(element->type)) throw Invalid(u"an array of an unknown element type");
    uint8_t dimensions = Take<uint8_t>();
    if (dimensions > PropertyRecord::kMaxDimensions) throw Invalid(u"an array of too many dimensions");
    Need(dimensions, 8);
    std::vector<ArrayBound> bounds(dimensions);
    for (ArrayBound& bound : bounds) {
      bound.lower = Take<int32_t>();
      bound.count = Take<uint32_t>();
      if (bound.count > 0 && bound.lower > std::numeric_limits<int32_t>::max() - static_cast<int64_t>(bound.count - 1))
        throw Invalid(u"an array whose bounds leave the Long range");
    }
    std::optional<uint32_t> count = ArrayElementCount(bounds);
    if (!count) throw Invalid(u"an array of too many elements");
    Need(*count, element->minimumSize);
    std::vector<Variant> elements;
    elements.reserve(*count);
    for (uint32_t i = 0; i < *count; ++i)
      elements.push_back(element->type == T::Variant ? TakeValue(nesting) : TakeContents(element->type, nesting));
    return Variant::Array(element->type, std::move(bounds), std::move(elements));
  }

  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
  const PictureLoader* loadPicture_;
  String name_;
};

}  // namespace

std::vector<uint8_t> PropertyRecord::Serialize(const host::MemoryBag& bag, uint16_t version) {
  Writer writer(u"");
  writer.bytes().assign(std::begin(kSignature), std::end(kSignature));
  writer.Put(version);
  writer.Put(uint32_t{0});  // the length, filled in below
  writer.Put(static_cast<uint32_t>(bag.Entries().size()));
  for (const auto& [name, value] : bag.Entries()) {
    writer.SetName(name);
    if (name.size() > kMaxNameLength) throw CannotSave(name, u"its name is too long");
    writer.Put(static_cast<uint16_t>(name.size()));
    writer.PutUnits(name);
    writer.PutValue(value, 0);
  }
  std::vector<uint8_t>& bytes = writer.bytes();
  if (bytes.size() - kHeaderSize > std::numeric_limits<uint32_t>::max())
    throw CannotSave(u"", u"the record is larger than 4 GB");
  uint32_t length = static_cast<uint32_t>(bytes.size() - kHeaderSize);
  for (size_t i = 0; i < 4; ++i) bytes[6 + i] = static_cast<uint8_t>(length >> (8 * i));
  return std::move(bytes);
}

size_t PropertyRecord::RecordSize(std::span<const uint8_t> header) {
  Reader reader(header.first(std::min(header.size(), kHeaderSize)), nullptr);
  for (uint8_t expected : kSignature)
    if (reader.Take<uint8_t>() != expected) throw Damaged(err::kInvalidParameter, u"it is not a saved splitter record");
  uint16_t version = reader.Take<uint16_t>();
  if (version > kFormatVersion)
    throw Error::Component(err::kInvalidParameter,
                           u"The saved splitter data was written by a newer version of the "
                           u"control (format " +
                               DecimalText(version) + u"); this version reads format " + DecimalText(kFormatVersion) +
                               u".");
  if (version < kFirstFormatVersion) throw Damaged(err::kInvalidParameter, u"unknown format " + DecimalText(version));
  return kHeaderSize + reader.Take<uint32_t>();
}

host::MemoryBag PropertyRecord::Parse(std::span<const uint8_t> bytes, const PictureLoader& loadPicture) {
  size_t size = RecordSize(bytes);
  if (bytes.size() > size) throw Damaged(err::kInvalidParameter, u"more data follows the end of the record");
  if (bytes.size() < size)
    throw Damaged(err::kStorageReadFault, u"it ends after " + DecimalText(static_cast<long long>(bytes.size())) +
                                              u" of its " + DecimalText(static_cast<long long>(size)) + u" bytes");
  Reader reader(bytes, &loadPicture);
  reader.TakeBytes(kHeaderSize);
  uint32_t count = reader.Take<uint32_t>();
  reader.Need(count, 3);  // a name's length and a type code at least
  host::MemoryBag record;
  for (uint32_t i = 0; i < count; ++i) {
    uint16_t length = reader.Take<uint16_t>();
    if (length > kMaxNameLength) throw Damaged(err::kInvalidParameter, u"a property name is too long");
    String name = reader.TakeUnits(length);
    reader.SetName(name);
    if (record.Contains(name)) throw reader.Invalid(u"a second value");
    record.Set(name, reader.TakeValue(0));
  }
  if (reader.Remaining() != 0) throw Damaged(err::kInvalidParameter, u"more data follows the last property");
  return record;
}

}  // namespace splitter
