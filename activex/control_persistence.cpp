#include "activex/control_persistence.h"

#include <algorithm>

#include "activex/com_property_bag.h"
#include "activex/error_info.h"
#include "activex/platform_picture.h"
#include "com/com_ptr.h"
#include "host/error.h"
#include "host/memory_bag.h"
#include "splitter/property_record.h"

namespace activex {

namespace {

void WriteAll(IStream& stream, const std::vector<uint8_t>& bytes) {
  ULONG written = 0;
  HRESULT hr = stream.Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  if (FAILED(hr)) throw host::Error::Bare(hr, u"The splitter could not write its saved data to the stream.");
  if (written != bytes.size())
    throw host::Error::Bare(STG_E_MEDIUMFULL, u"The stream took only part of the splitter's saved data.");
}

// Appends up to count bytes from the stream; the number it gave.
size_t ReadSome(IStream& stream, std::vector<uint8_t>& into, size_t count) {
  const size_t start = into.size();
  into.resize(start + count);
  ULONG got = 0;
  HRESULT hr = stream.Read(into.data() + start, static_cast<ULONG>(count), &got);
  if (FAILED(hr)) throw host::Error::Bare(hr, u"The splitter could not read its saved data from the stream.");
  into.resize(start + got);
  return got;
}

}  // namespace

HRESULT ControlPersistence::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = clsid_;
  return S_OK;
}

template <typename Body>
HRESULT ControlPersistence::Initialize(REFIID source, Body&& body) {
  if (initialized_) return CO_E_ALREADYINITIALIZED;
  initialized_ = true;
  awaitingFirstDisplay_ = true;
  HRESULT hr = ComBoundary(source, body);
  changes_.ClearDirty();
  return hr;
}

HRESULT ControlPersistence::InitNew() {
  return Initialize(IID_IPersistStreamInit, [&] { control_.InitProperties(); });
}

HRESULT ControlPersistence::InitNew(IStorage* storage) {
  if (!storage) return E_POINTER;
  return InitNew();
}

HRESULT ControlPersistence::Load(IPropertyBag* bag, IErrorLog* errorLog) {
  if (!bag) return E_POINTER;
  return Initialize(IID_IPersistPropertyBag, [&] {
    ComPropertyBag properties(*bag, errorLog);
    control_.ReadProperties(properties);
  });
}

HRESULT ControlPersistence::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  HRESULT hr = ComBoundary(IID_IPersistPropertyBag, [&] {
    ComPropertyBag properties(*bag, nullptr);
    control_.WriteProperties(properties);
  });
  if (SUCCEEDED(hr) && clearDirty) changes_.ClearDirty();
  return hr;
}

std::vector<uint8_t> ControlPersistence::SavedRecord() const {
  host::MemoryBag record;
  control_.WriteProperties(record);
  return splitter::PropertyRecord::Serialize(record, control_.RecordVersion());
}

std::vector<uint8_t> ControlPersistence::ReadRecord(IStream& stream) {
  std::vector<uint8_t> bytes;
  if (ReadSome(stream, bytes, splitter::PropertyRecord::kHeaderSize) < splitter::PropertyRecord::kHeaderSize)
    throw host::Error::Bare(host::err::kStorageReadFault, u"The splitter's saved data ends before its header does.");
  const size_t size = splitter::PropertyRecord::RecordSize(bytes);
  // What the header announces is read in steps, so that a damaged length cannot make
  // the control hold more than the stream really has.
  constexpr size_t kStep = 64 * 1024;
  while (bytes.size() < size) {
    if (ReadSome(stream, bytes, std::min(kStep, size - bytes.size())) == 0) break;
  }
  return bytes;
}

HRESULT ControlPersistence::Load(IStream* stream) {
  if (!stream) return E_POINTER;
  return Initialize(IID_IPersistStreamInit, [&] {
    host::MemoryBag record;
    try {
      record = splitter::PropertyRecord::Parse(ReadRecord(*stream), &PlatformPicture::Load);
    } catch (const host::Error&) {
      control_.LoadFailed();
      throw;
    }
    control_.ReadProperties(record);
  });
}

HRESULT ControlPersistence::Save(IStream* stream, BOOL clearDirty) {
  if (!stream) return E_POINTER;
  HRESULT hr = ComBoundary(IID_IPersistStreamInit, [&] { WriteAll(*stream, SavedRecord()); });
  if (SUCCEEDED(hr) && clearDirty) changes_.ClearDirty();
  return hr;
}

HRESULT ControlPersistence::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  size->QuadPart = 0;
  return ComBoundary(IID_IPersistStreamInit, [&] { size->QuadPart = SavedRecord().size(); });
}

HRESULT ControlPersistence::Load(IStorage* storage) {
  if (!storage) return E_POINTER;
  ComPtr<IStream> stream;
  HRESULT hr = storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Out());
  if (FAILED(hr)) {
    return Initialize(IID_IPersistStorage, [&] {
      control_.LoadFailed();
      throw host::Error::Bare(hr, u"The storage holds no saved splitter.");
    });
  }
  return Load(stream.Get());
}

HRESULT ControlPersistence::Save(IStorage* storage, BOOL) {
  if (!storage) return E_POINTER;
  ComPtr<IStream> stream;
  HRESULT hr =
      storage->CreateStream(kContentsStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.Out());
  if (FAILED(hr)) return hr;
  return Save(stream.Get(), TRUE);
}

}  // namespace activex
