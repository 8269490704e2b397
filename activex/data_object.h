#pragma once
// The DataObject that the OLE drag-and-drop events carry. Over the data of a drag that
// reaches the control it reads another program's IDataObject; when the control is the
// source it is that IDataObject itself, filled by the OLEStartDrag and OLESetData handlers.
//   Formats are the clipboard formats as 16-bit Integers (1 text, 13 Unicode text, 15
//   files; registered formats read negative). Text and files become strings, any other
//   format held in global memory a byte array; the picture formats are not supported.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "OvSplitr_h.h"
#include "activex/class_info_provider.h"
#include "activex/com_object.h"
#include "com/com_ptr.h"
#include "activex/dual_dispatch.h"
#include "host/text.h"

namespace activex {

class DataObject final : public ComObject,
                         public DualDispatch<_DataObject>,
                         public IDataObject,
                         public ClassInfoProvider<&CLSID_DataObject> {
 public:
  // Asked for data in a format that was declared without any (SetData with no Data).
  using DataRequest = std::function<void(DataObject& data, int16_t format)>;

  // Read-only view of a drag's data; one reference for the caller.
  static DataObject* OverForeignData(IDataObject* data);
  // The control's own data as a drag source; one reference for the caller.
  static DataObject* CreateOwn(DataRequest request);

  // The drag is over: foreign data is let go, own data no longer changes or asks for more.
  void EndDrag();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // _DataObject:
  HRESULT STDMETHODCALLTYPE GetData(VARIANT format, VARIANT* data) override;
  HRESULT STDMETHODCALLTYPE GetFormat(short format, VARIANT_BOOL* present) override;
  HRESULT STDMETHODCALLTYPE SetData(VARIANT data, VARIANT format) override;
  HRESULT STDMETHODCALLTYPE Clear() override;
  HRESULT STDMETHODCALLTYPE get_Files(_DataObjectFiles** files) override;

  // IDataObject (own data only):
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  // A format of our own data: its global-memory bytes, or none yet when only declared.
  struct OwnFormat {
    CLIPFORMAT format;
    std::optional<std::vector<uint8_t>> bytes;
  };

  DataObject(ComPtr<IDataObject> foreign, DataRequest request, bool own);
  ~DataObject() override;

  // The data every read goes through: the foreign object or this one.
  IDataObject* Source();
  bool Offers(CLIPFORMAT format);
  // The global-memory bytes of a format, or none when the data lacks it.
  std::optional<std::vector<uint8_t>> Read(CLIPFORMAT format);
  std::optional<host::String> ReadText();
  std::optional<std::vector<host::String>> ReadFiles();

  void CheckWritable() const;
  OwnFormat* Find(CLIPFORMAT format);
  void Store(CLIPFORMAT format, std::optional<std::vector<uint8_t>> bytes);

  ComPtr<IDataObject> foreign_;
  DataRequest request_;
  bool own_;
  bool ended_ = false;
  std::vector<OwnFormat> formats_;
  // The format an OLESetData handler is being asked for, so that its own GetData
  // of that format does not ask again.
  std::optional<CLIPFORMAT> requesting_;
};

}  // namespace activex
