#include "activex/data_object_files.h"

#include "com/bstr.h"
#include "com/query_interface.h"
#include "host/error.h"

namespace activex {

_DataObjectFiles* DataObjectFiles::Create(std::vector<host::String> paths) {
  return new DataObjectFiles(std::move(paths));
}

DataObjectFiles::DataObjectFiles(std::vector<host::String> paths)
    : DualDispatch(IID__DataObjectFiles), paths_(std::move(paths)) {}

HRESULT DataObjectFiles::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<DataObjectFiles> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &IID__DataObjectFiles}, As<_DataObjectFiles>},
      {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT DataObjectFiles::get_Item(LONG index, BSTR* path) {
  return Get(path, [&] {
    if (index < 1 || static_cast<size_t>(index) > paths_.size())
      throw host::Error::Component(host::err::kIndexOutOfBounds, u"Index out of bounds.");
    return AllocBstr(paths_[static_cast<size_t>(index) - 1]);
  });
}

HRESULT DataObjectFiles::get_Count(LONG* count) {
  return Get(count, [&] { return static_cast<LONG>(paths_.size()); });
}

}  // namespace activex
