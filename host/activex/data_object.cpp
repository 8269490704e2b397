#include "host/activex/data_object.h"

#include <shlobj.h>

#include <cstring>

#include "host/activex/bstr.h"
#include "host/activex/data_object_files.h"
#include "host/activex/type_library.h"
#include "host/activex/variant_bridge.h"
#include "host/error.h"

namespace activex {
namespace {

// The run-time errors of the platform's DataObject, by their classic numbers.
constexpr int32_t kInvalidClipboardFormat = 460;
constexpr int32_t kFormatNotInData = 461;
constexpr int32_t kFormatsFixed = 672;
constexpr int32_t kArgumentExpected = 673;
constexpr int32_t kByteArrayRequired = 675;

[[noreturn]] void Raise(int32_t number, host::StringView description) {
  throw host::Error(number, host::kApplicationTitle, host::String(description), host::String());
}

CLIPFORMAT ClipFormatOf(int16_t format) { return static_cast<CLIPFORMAT>(static_cast<uint16_t>(format)); }
int16_t FormatNumberOf(CLIPFORMAT format) { return static_cast<int16_t>(static_cast<uint16_t>(format)); }

bool IsTextFormat(CLIPFORMAT format) { return format == CF_TEXT || format == CF_UNICODETEXT; }
bool IsPictureFormat(CLIPFORMAT format) {
  return format == CF_BITMAP || format == CF_METAFILEPICT || format == CF_DIB || format == CF_PALETTE ||
         format == CF_ENHMETAFILE || format == CF_DIBV5;
}

FORMATETC FormatEtcOf(CLIPFORMAT format, DWORD media) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, media}; }

// A VARIANT with any VT_BYREF followed, owned for the scope.
class PlainVariant {
 public:
  explicit PlainVariant(const VARIANT& raw) {
    VariantInit(&value_);
    if (FAILED(VariantCopyInd(&value_, const_cast<VARIANT*>(&raw)))) throw host::Error::Runtime(host::err::kTypeMismatch);
  }
  PlainVariant(const PlainVariant&) = delete;
  PlainVariant& operator=(const PlainVariant&) = delete;
  ~PlainVariant() { VariantClear(&value_); }
  const VARIANT& Get() const { return value_; }
  bool IsMissing() const { return V_VT(&value_) == VT_ERROR && V_ERROR(&value_) == DISP_E_PARAMNOTFOUND; }

 private:
  VARIANT value_;
};

std::vector<uint8_t> BytesOfUtf16(host::StringView text) {
  auto first = reinterpret_cast<const uint8_t*>(text.data());
  std::vector<uint8_t> bytes(first, first + text.size() * sizeof(char16_t));
  bytes.insert(bytes.end(), sizeof(char16_t), 0);
  return bytes;
}

std::vector<uint8_t> BytesOfAnsi(host::StringView text) {
  auto wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::vector<uint8_t> bytes(static_cast<size_t>(length) + 1, 0);
  WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), reinterpret_cast<char*>(bytes.data()), length,
                      nullptr, nullptr);
  return bytes;
}

// Text up to its terminator; memory from another program need not have one.
host::String TextOfUtf16(const std::vector<uint8_t>& bytes) {
  host::String text(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
  return text.substr(0, text.find(u'\0'));
}

host::String TextOfAnsi(const std::vector<uint8_t>& bytes) {
  auto ansi = reinterpret_cast<const char*>(bytes.data());
  int size = static_cast<int>(strnlen(ansi, bytes.size()));
  int length = MultiByteToWideChar(CP_ACP, 0, ansi, size, nullptr, 0);
  host::String text(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, size, reinterpret_cast<wchar_t*>(text.data()), length);
  return text;
}

std::vector<uint8_t> BytesOfFileList(const std::vector<host::String>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::vector<uint8_t> bytes(sizeof(header));
  std::memcpy(bytes.data(), &header, sizeof(header));
  for (const host::String& path : paths) {
    std::vector<uint8_t> one = BytesOfUtf16(path);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  bytes.insert(bytes.end(), sizeof(char16_t), 0);  // the list's terminator
  return bytes;
}

std::vector<host::String> FileListOf(const std::vector<uint8_t>& bytes) {
  std::vector<host::String> paths;
  if (bytes.size() < sizeof(DROPFILES)) return paths;
  DROPFILES header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  if (header.pFiles >= bytes.size()) return paths;
  std::vector<uint8_t> list(bytes.begin() + header.pFiles, bytes.end());
  if (header.fWide) {
    host::String all(list.size() / sizeof(char16_t), u'\0');
    std::memcpy(all.data(), list.data(), all.size() * sizeof(char16_t));
    for (size_t start = 0; start < all.size() && all[start] != u'\0';) {
      size_t end = all.find(u'\0', start);
      if (end == host::String::npos) end = all.size();
      paths.push_back(all.substr(start, end - start));
      start = end + 1;
    }
  } else {
    for (size_t start = 0; start < list.size() && list[start] != 0;) {
      size_t end = start;
      while (end < list.size() && list[end] != 0) ++end;
      paths.push_back(TextOfAnsi(std::vector<uint8_t>(list.begin() + start, list.begin() + end)));
      start = end + 1;
    }
  }
  return paths;
}

// The strings of a single text or of an array of them.
std::vector<host::String> StringsOf(const VARIANT& value) {
  if (!(V_VT(&value) & VT_ARRAY)) return {FromVariant(value).ToString()};
  SAFEARRAY* array = V_ARRAY(&value);
  if (!array || SafeArrayGetDim(array) != 1) throw host::Error::Runtime(host::err::kTypeMismatch);
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  VARTYPE type = V_VT(&value) & VT_TYPEMASK;
  std::vector<host::String> strings;
  for (LONG i = lower; i <= upper; ++i) {
    VARIANT element;
    VariantInit(&element);
    if (type == VT_VARIANT) {
      SafeArrayGetElement(array, &i, &element);
    } else if (type == VT_BSTR) {
      V_VT(&element) = VT_BSTR;
      SafeArrayGetElement(array, &i, &V_BSTR(&element));
    } else {
      throw host::Error::Runtime(host::err::kTypeMismatch);
    }
    try {
      strings.push_back(FromVariant(element).ToString());
    } catch (...) {
      VariantClear(&element);
      throw;
    }
    VariantClear(&element);
  }
  return strings;
}

std::vector<uint8_t> ByteArrayOf(const VARIANT& value) {
  if (V_VT(&value) != (VT_ARRAY | VT_UI1) || !V_ARRAY(&value))
    Raise(kByteArrayRequired,
          u"Non-intrinsic OLE drag and drop formats used with SetData require Byte array data.");
  SAFEARRAY* array = V_ARRAY(&value);
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  std::vector<uint8_t> bytes(static_cast<size_t>(upper - lower + 1));
  void* data = nullptr;
  if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
    std::memcpy(bytes.data(), data, bytes.size());
    SafeArrayUnaccessData(array);
  }
  return bytes;
}

void ToStringArray(const std::vector<host::String>& strings, VARIANT* out) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(strings.size()));
  if (!array) throw std::bad_alloc();
  for (LONG i = 0; i < static_cast<LONG>(strings.size()); ++i) {
    VARIANT element;
    V_VT(&element) = VT_BSTR;
    V_BSTR(&element) = AllocBstr(strings[static_cast<size_t>(i)]);
    SafeArrayPutElement(array, &i, &element);
    VariantClear(&element);
  }
  V_VT(out) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(out) = array;
}

void ToByteArray(const std::vector<uint8_t>& bytes, VARIANT* out) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (!array) throw std::bad_alloc();
  void* data = nullptr;
  if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
    std::memcpy(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);
  }
  V_VT(out) = VT_ARRAY | VT_UI1;
  V_ARRAY(out) = array;
}

// A Format argument: left out (or 0) means "whatever the data has".
std::optional<CLIPFORMAT> FormatArgument(const PlainVariant& format) {
  if (format.IsMissing() || V_VT(&format.Get()) == VT_EMPTY) return std::nullopt;
  int16_t number = FromVariant(format.Get()).ToInteger();
  if (number == 0) return std::nullopt;
  return ClipFormatOf(number);
}

}  // namespace

DataObject* DataObject::OverForeignData(IDataObject* data) {
  return new DataObject(ComPtr<IDataObject>::Share(data), nullptr, false);
}

DataObject* DataObject::CreateOwn(DataRequest request) { return new DataObject(ComPtr<IDataObject>(), std::move(request), true); }

DataObject::DataObject(ComPtr<IDataObject> foreign, DataRequest request, bool own)
    : DualDispatch(IID__DataObject), foreign_(std::move(foreign)), request_(std::move(request)), own_(own) {}

DataObject::~DataObject() = default;

void DataObject::EndDrag() {
  ended_ = true;
  foreign_.Reset();
  request_ = nullptr;
}

HRESULT DataObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__DataObject) {
    *out = static_cast<_DataObject*>(this);
  } else if (iid == IID_IDataObject && own_) {
    *out = static_cast<IDataObject*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else if (iid == IID_IProvideClassInfo) {
    *out = static_cast<IProvideClassInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

// _DataObject

HRESULT DataObject::GetData(VARIANT format, VARIANT* data) {
  if (!data) return E_POINTER;
  VariantInit(data);
  return Run([&] {
    std::optional<CLIPFORMAT> wanted = FormatArgument(PlainVariant(format));
    if (!wanted) {
      if (std::optional<host::String> text = ReadText()) {
        V_VT(data) = VT_BSTR;
        V_BSTR(data) = AllocBstr(*text);
      } else if (std::optional<std::vector<host::String>> files = ReadFiles()) {
        ToStringArray(*files, data);
      } else {
        Raise(kFormatNotInData, u"Specified format doesn't match format of data");
      }
      return;
    }
    if (IsPictureFormat(*wanted)) throw host::Error::Runtime(host::err::kNotImplemented);
    if (IsTextFormat(*wanted)) {
      std::optional<std::vector<uint8_t>> exact = Read(*wanted);
      std::optional<host::String> text;
      if (exact) text = *wanted == CF_UNICODETEXT ? TextOfUtf16(*exact) : TextOfAnsi(*exact);
      else text = ReadText();
      if (!text) Raise(kFormatNotInData, u"Specified format doesn't match format of data");
      V_VT(data) = VT_BSTR;
      V_BSTR(data) = AllocBstr(*text);
    } else if (*wanted == CF_HDROP) {
      std::optional<std::vector<host::String>> files = ReadFiles();
      if (!files) Raise(kFormatNotInData, u"Specified format doesn't match format of data");
      ToStringArray(*files, data);
    } else {
      std::optional<std::vector<uint8_t>> bytes = Read(*wanted);
      if (!bytes) Raise(kFormatNotInData, u"Specified format doesn't match format of data");
      ToByteArray(*bytes, data);
    }
  });
}

HRESULT DataObject::GetFormat(short format, VARIANT_BOOL* present) {
  if (!present) return E_POINTER;
  *present = VARIANT_FALSE;
  return Run([&] { *present = Offers(ClipFormatOf(format)) ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT DataObject::SetData(VARIANT data, VARIANT format) {
  return Run([&] {
    CheckWritable();
    PlainVariant value(data);
    PlainVariant formatArgument(format);
    if (value.IsMissing() && formatArgument.IsMissing()) Raise(kArgumentExpected, u"Expected at least one argument");
    std::optional<CLIPFORMAT> given = FormatArgument(formatArgument);
    if (!given && !formatArgument.IsMissing()) Raise(kInvalidClipboardFormat, u"Invalid Clipboard format");
    // Data without a format is text, as a string is the only value that names its format.
    CLIPFORMAT target = given.value_or(CF_TEXT);
    if (!given && (V_VT(&value.Get()) & VT_ARRAY)) Raise(kInvalidClipboardFormat, u"Invalid Clipboard format");
    if (IsPictureFormat(target)) throw host::Error::Runtime(host::err::kNotImplemented);
    if (value.IsMissing()) {
      // Declared now, supplied by an OLESetData handler when a target asks for it.
      if (!Find(target)) Store(target, std::nullopt);
      return;
    }
    if (IsTextFormat(target)) {
      host::String text = FromVariant(value.Get()).ToString();
      // Both encodings, so that Unicode and ANSI targets alike find it.
      Store(CF_UNICODETEXT, BytesOfUtf16(text));
      Store(CF_TEXT, BytesOfAnsi(text));
    } else if (target == CF_HDROP) {
      Store(CF_HDROP, BytesOfFileList(StringsOf(value.Get())));
    } else {
      Store(target, ByteArrayOf(value.Get()));
    }
  });
}

HRESULT DataObject::Clear() {
  return Run([&] {
    CheckWritable();
    formats_.clear();
  });
}

HRESULT DataObject::get_Files(_DataObjectFiles** files) {
  if (!files) return E_POINTER;
  *files = nullptr;
  return Run([&] { *files = DataObjectFiles::Create(ReadFiles().value_or(std::vector<host::String>())); });
}

// IDataObject

HRESULT DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_INVALIDARG;
  *medium = STGMEDIUM{};
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  OwnFormat* found = Find(format->cfFormat);
  if (!found) return DV_E_FORMATETC;
  if (!found->bytes && request_ && requesting_ != format->cfFormat) {
    std::optional<CLIPFORMAT> outer = std::exchange(requesting_, format->cfFormat);
    try {
      request_(*this, FormatNumberOf(format->cfFormat));
    } catch (const std::bad_alloc&) {
      requesting_ = outer;
      return E_OUTOFMEMORY;
    } catch (const host::Error& error) {
      requesting_ = outer;
      return error.hresult();
    } catch (...) {
      requesting_ = outer;
      return E_UNEXPECTED;
    }
    requesting_ = outer;
    found = Find(format->cfFormat);
  }
  if (!found || !found->bytes) return DV_E_FORMATETC;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, found->bytes->size());
  if (!memory) return E_OUTOFMEMORY;
  if (!found->bytes->empty()) {
    std::memcpy(GlobalLock(memory), found->bytes->data(), found->bytes->size());
    GlobalUnlock(memory);
  }
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = memory;
  return S_OK;
}

HRESULT DataObject::QueryGetData(FORMATETC* format) {
  if (!format) return E_INVALIDARG;
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  return Find(format->cfFormat) ? S_OK : DV_E_FORMATETC;
}

HRESULT DataObject::GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) {
  if (!in || !out) return E_INVALIDARG;
  *out = *in;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (!formats) return E_POINTER;
  *formats = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> list;
  for (const OwnFormat& entry : formats_) list.push_back(FormatEtcOf(entry.format, TYMED_HGLOBAL));
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formats);
}

// Reading

IDataObject* DataObject::Source() {
  if (own_) return static_cast<IDataObject*>(this);
  return foreign_.Get();
}

bool DataObject::Offers(CLIPFORMAT format) {
  IDataObject* source = Source();
  if (!source) return false;
  FORMATETC wanted = FormatEtcOf(format, TYMED_HGLOBAL | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF | TYMED_ISTREAM);
  return source->QueryGetData(&wanted) == S_OK;
}

std::optional<std::vector<uint8_t>> DataObject::Read(CLIPFORMAT format) {
  IDataObject* source = Source();
  if (!source) return std::nullopt;
  FORMATETC wanted = FormatEtcOf(format, TYMED_HGLOBAL);
  STGMEDIUM medium{};
  if (FAILED(source->GetData(&wanted, &medium))) return std::nullopt;
  std::optional<std::vector<uint8_t>> bytes;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    size_t size = GlobalSize(medium.hGlobal);
    bytes.emplace(size);
    if (size) {
      std::memcpy(bytes->data(), GlobalLock(medium.hGlobal), size);
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return bytes;
}

std::optional<host::String> DataObject::ReadText() {
  if (std::optional<std::vector<uint8_t>> wide = Read(CF_UNICODETEXT)) return TextOfUtf16(*wide);
  if (std::optional<std::vector<uint8_t>> ansi = Read(CF_TEXT)) return TextOfAnsi(*ansi);
  return std::nullopt;
}

std::optional<std::vector<host::String>> DataObject::ReadFiles() {
  std::optional<std::vector<uint8_t>> bytes = Read(CF_HDROP);
  if (!bytes) return std::nullopt;
  return FileListOf(*bytes);
}

// Own formats

void DataObject::CheckWritable() const {
  if (!own_ || ended_)
    Raise(kFormatsFixed, u"DataObject formats list may not be cleared or expanded outside of the OLEStartDrag event");
}

DataObject::OwnFormat* DataObject::Find(CLIPFORMAT format) {
  for (OwnFormat& entry : formats_)
    if (entry.format == format) return &entry;
  return nullptr;
}

void DataObject::Store(CLIPFORMAT format, std::optional<std::vector<uint8_t>> bytes) {
  if (OwnFormat* found = Find(format)) {
    found->bytes = std::move(bytes);
  } else {
    formats_.push_back(OwnFormat{format, std::move(bytes)});
  }
}

}  // namespace activex
