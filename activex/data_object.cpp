#include "activex/data_object.h"

#include <shlobj.h>

#include <cstring>

#include "activex/data_object_files.h"
#include "activex/file_list.h"
#include "activex/safe_array.h"
#include "activex/text_bytes.h"
#include "activex/variant_bridge.h"
#include "com/bstr.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {
namespace {

// The run-time errors of the platform's DataObject, by their classic numbers.
enum DataObjectError : int32_t {
  kInvalidClipboardFormat = 460,
  kFormatNotInData = 461,
  kFormatsFixed = 672,
  kArgumentExpected = 673,
  kByteArrayRequired = 675,
};

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

FORMATETC FormatEtcOf(CLIPFORMAT format, DWORD media) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, media};
}

// A VARIANT with any VT_BYREF followed, owned for the scope.
class PlainVariant {
 public:
  explicit PlainVariant(const VARIANT& raw) {
    if (FAILED(VariantCopyInd(value_.put(), const_cast<VARIANT*>(&raw))))
      throw host::Error::Runtime(host::err::kTypeMismatch);
  }
  const VARIANT& Get() const { return value_.get(); }
  bool IsMissing() const { return V_VT(&Get()) == VT_ERROR && V_ERROR(&Get()) == DISP_E_PARAMNOTFOUND; }

 private:
  win32::UniqueVariant value_;
};

std::vector<uint8_t> ByteArrayOf(const VARIANT& value) {
  if (V_VT(&value) != (VT_ARRAY | VT_UI1) || !V_ARRAY(&value))
    Raise(kByteArrayRequired, u"Non-intrinsic OLE drag and drop formats used with SetData require Byte array data.");
  return BytesOf(V_ARRAY(&value));
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

DataObject* DataObject::CreateOwn(DataRequest request) {
  return new DataObject(ComPtr<IDataObject>(), std::move(request), true);
}

DataObject::DataObject(ComPtr<IDataObject> foreign, DataRequest request, bool own)
    : DualDispatch(IID__DataObject), foreign_(std::move(foreign)), request_(std::move(request)), own_(own) {}

DataObject::~DataObject() = default;

void DataObject::EndDrag() {
  ended_ = true;
  foreign_.Reset();
  request_ = nullptr;
}

HRESULT DataObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<DataObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &IID__DataObject}, As<_DataObject>},
      // Only the control's own data is an IDataObject for OLE; a drag's is read through.
      {{&IID_IDataObject},
       [](DataObject* self) -> void* { return self->own_ ? static_cast<IDataObject*>(self) : nullptr; }},
      {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>},
      {{&IID_IProvideClassInfo}, As<IProvideClassInfo>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

// _DataObject

HRESULT DataObject::GetData(VARIANT format, VARIANT* data) {
  if (!data) return E_POINTER;
  VariantInit(data);
  return ComBoundary([&] {
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
      if (exact)
        text = *wanted == CF_UNICODETEXT ? TextOfUtf16(*exact) : TextOfAnsi(*exact);
      else
        text = ReadText();
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
  return ComBoundary([&] { *present = Offers(ClipFormatOf(format)) ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT DataObject::SetData(VARIANT data, VARIANT format) {
  return ComBoundary([&] {
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
  return ComBoundary([&] {
    CheckWritable();
    formats_.clear();
  });
}

HRESULT DataObject::get_Files(_DataObjectFiles** files) {
  return Get(files, [&] { return DataObjectFiles::Create(ReadFiles().value_or(std::vector<host::String>())); });
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
    // Declared without data: an OLESetData handler supplies it now. What it raises goes
    // back to OLE as the HRESULT.
    struct Requesting {
      std::optional<CLIPFORMAT>& slot;
      std::optional<CLIPFORMAT> outer;
      ~Requesting() { slot = outer; }
    } requesting{requesting_, std::exchange(requesting_, format->cfFormat)};
    HRESULT hr = activex::ComBoundary(IID_IDataObject, [&] { request_(*this, FormatNumberOf(format->cfFormat)); });
    if (FAILED(hr)) return hr;
    found = Find(format->cfFormat);
  }
  if (!found || !found->bytes) return DV_E_FORMATETC;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, found->bytes->size());
  if (!memory) return E_OUTOFMEMORY;
  if (!found->bytes->empty()) {
    win32::LockedGlobal locked(memory);
    if (locked.data()) std::memcpy(locked.data(), found->bytes->data(), found->bytes->size());
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
  win32::UniqueStgMedium medium;
  if (FAILED(source->GetData(&wanted, medium.put()))) return std::nullopt;
  std::optional<std::vector<uint8_t>> bytes;
  if (medium.get().tymed == TYMED_HGLOBAL && medium.get().hGlobal) {
    size_t size = GlobalSize(medium.get().hGlobal);
    bytes.emplace(size);
    win32::LockedGlobal locked(medium.get().hGlobal);
    if (size && locked.data()) std::memcpy(bytes->data(), locked.data(), size);
  }
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
