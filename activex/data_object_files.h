#pragma once
// The file list of a DataObject (CF_HDROP) as a client reads it: Item(1 to Count).
// A snapshot taken when the client asked for it; later changes to the data do not show.
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "OvSplitr_h.h"
#include "activex/com_object.h"
#include "activex/dual_dispatch.h"
#include "host/text.h"

namespace activex {

class DataObjectFiles final : public ComObject, public DualDispatch<_DataObjectFiles> {
 public:
  // One reference for the caller.
  static _DataObjectFiles* Create(std::vector<host::String> paths);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // _DataObjectFiles:
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, BSTR* path) override;
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override;

 private:
  explicit DataObjectFiles(std::vector<host::String> paths);

  std::vector<host::String> paths_;
};

}  // namespace activex
