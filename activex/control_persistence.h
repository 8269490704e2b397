#pragma once
// The roads by which containers create, save and restore the control: IPersistPropertyBag
// (text forms and designers), IPersistStreamInit and IPersistStorage (binary hosts), all
// carrying the same record. It lives inside the control's COM object and shares its
// identity; it owns whether the control has been initialised.
#include <windows.h>
#include <ocidl.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "activex/property_notifier.h"
#include "splitter/ov_splitter.h"

namespace activex {

class ControlPersistence final : public IPersistPropertyBag, public IPersistStreamInit, public IPersistStorage {
 public:
  // The stream that holds the record inside a storage.
  static constexpr wchar_t kContentsStream[] = L"Contents";

  ControlPersistence(IUnknown& outer, REFCLSID clsid, splitter::OvSplitter& control, PropertyNotifier& changes)
      : outer_(outer), clsid_(clsid), control_(control), changes_(changes) {}

  bool IsInitialized() const { return initialized_; }
  // Whether the control still awaits its first display since it was initialised, which
  // runs its resize handler even when the container's extent did not change; asking
  // answers once.
  bool TakeFirstDisplay() { return std::exchange(awaitingFirstDisplay_, false); }

  // IUnknown, the outer object's
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return outer_.QueryInterface(iid, out); }
  ULONG STDMETHODCALLTYPE AddRef() override { return outer_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return outer_.Release(); }

  // IPersist
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  // IPersistPropertyBag, IPersistStreamInit
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* errorLog) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override { return changes_.IsDirty() ? S_OK : S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
  HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  // IPersistStorage
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override { return S_OK; }

 private:
  // Runs one initialisation: only the first of InitNew and the Loads may, whether it
  // succeeds or not; a clean control afterwards.
  template <typename Body>
  HRESULT Initialize(REFIID source, Body&& body);
  std::vector<uint8_t> SavedRecord() const;
  // Reads a whole record from the stream, never holding more than the stream gave.
  static std::vector<uint8_t> ReadRecord(IStream& stream);

  IUnknown& outer_;
  CLSID clsid_;
  splitter::OvSplitter& control_;
  PropertyNotifier& changes_;
  bool initialized_ = false;
  bool awaitingFirstDisplay_ = false;
};

}  // namespace activex
