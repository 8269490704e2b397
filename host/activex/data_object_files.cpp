#include "host/activex/data_object_files.h"

#include "host/activex/bstr.h"
#include "host/error.h"

namespace activex {

_DataObjectFiles* DataObjectFiles::Create(std::vector<host::String> paths) {
  return new DataObjectFiles(std::move(paths));
}

DataObjectFiles::DataObjectFiles(std::vector<host::String> paths)
    : DualDispatch(IID__DataObjectFiles), paths_(std::move(paths)) {}

HRESULT DataObjectFiles::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__DataObjectFiles) {
    *out = static_cast<_DataObjectFiles*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT DataObjectFiles::get_Item(LONG index, BSTR* path) {
  if (!path) return E_POINTER;
  *path = nullptr;
  return Guarded(IID__DataObjectFiles, [&] {
    if (index < 1 || static_cast<size_t>(index) > paths_.size())
      throw host::Error::Component(host::err::kIndexOutOfBounds, u"Index out of bounds.");
    *path = AllocBstr(paths_[static_cast<size_t>(index) - 1]);
  });
}

HRESULT DataObjectFiles::get_Count(LONG* count) {
  if (!count) return E_POINTER;
  *count = static_cast<LONG>(paths_.size());
  return S_OK;
}

}  // namespace activex
