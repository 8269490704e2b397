#include "host/activex/registration.h"

#include <comcat.h>
#include <olectl.h>

#include <string>

#include "OvSplitr_h.h"
#include "host/com/bstr.h"
#include "host/com/unique_handle.h"
#include "host/activex/module.h"
#include "host/activex/splitter_object.h"
#include "host/activex/type_library.h"
#include "resource_ids.h"

namespace activex {

const CLSID kGeneralPageClsid = {0x5d277210, 0xe9f4, 0x471f, {0x82, 0xc1, 0x81, 0x9c, 0x41, 0xfc, 0x9e, 0x12}};
const CLSID kPanesPageClsid = {0xf9022f3e, 0xd730, 0x4679, {0xba, 0x52, 0xa9, 0x92, 0xd2, 0xf6, 0x31, 0xa4}};

namespace {

constexpr wchar_t kProgId[] = L"OrvaneSplitter.OvSplitter";
constexpr wchar_t kVersionedProgId[] = L"OrvaneSplitter.OvSplitter.1";
constexpr wchar_t kDisplayName[] = L"OvSplitter Control";

// Simple frame site containment: the control holds other controls.
const CATID kSimpleFrameControlCategory = {
    0x157083E0, 0x2368, 0x11cf, {0x87, 0xB9, 0x00, 0xAA, 0x00, 0x6C, 0x81, 0x66}};

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

std::wstring ClsidKey(REFCLSID clsid) { return L"CLSID\\" + GuidText(clsid); }

// Creates (or opens) a key under HKEY_CLASSES_ROOT; an empty owner when that fails.
win32::UniqueRegistryKey CreateKey(const std::wstring& key) {
  win32::UniqueRegistryKey handle;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.put(), nullptr) !=
      ERROR_SUCCESS)
    handle.release();  // not a key: nothing to close
  return handle;
}

// Writes one value (the default value when name is null) under HKEY_CLASSES_ROOT.
bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  win32::UniqueRegistryKey handle = CreateKey(key);
  return handle && RegSetValueExW(handle.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteTree(const std::wstring& key) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

bool RegisterInprocServer(REFCLSID clsid, const std::wstring& name, const std::wstring& path) {
  std::wstring key = ClsidKey(clsid);
  return SetValue(key, nullptr, name) && SetValue(key + L"\\InprocServer32", nullptr, path) &&
         SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
}

bool RegisterControl(const std::wstring& path) {
  std::wstring key = ClsidKey(CLSID_OvSplitter);
  std::wstring libid = GuidText(LIBID_OrvaneSplitter);
  std::wstring categories = key + L"\\Implemented Categories\\";
  return RegisterInprocServer(CLSID_OvSplitter, kDisplayName, path) &&
         SetValue(key + L"\\ProgID", nullptr, kVersionedProgId) &&
         SetValue(key + L"\\VersionIndependentProgID", nullptr, kProgId) && CreateKey(key + L"\\Control") &&
         SetValue(key + L"\\MiscStatus", nullptr, L"0") &&
         SetValue(key + L"\\MiscStatus\\1", nullptr, std::to_wstring(SplitterObject::kMiscStatus)) &&
         SetValue(key + L"\\ToolboxBitmap32", nullptr, path + L", " + std::to_wstring(IDB_TOOLBOX)) &&
         SetValue(key + L"\\TypeLib", nullptr, libid) && SetValue(key + L"\\Version", nullptr, L"1.0") &&
         CreateKey(categories + GuidText(CATID_Control)) &&
         CreateKey(categories + GuidText(kSimpleFrameControlCategory)) && SetValue(kProgId, nullptr, kDisplayName) &&
         SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, GuidText(CLSID_OvSplitter)) &&
         SetValue(std::wstring(kProgId) + L"\\CurVer", nullptr, kVersionedProgId) &&
         SetValue(kVersionedProgId, nullptr, kDisplayName) &&
         SetValue(std::wstring(kVersionedProgId) + L"\\CLSID", nullptr, GuidText(CLSID_OvSplitter));
}

}  // namespace

HRESULT RegisterServer() {
  std::wstring path(Wide(ModulePath()));
  ComPtr<ITypeLib> library = ComponentTypeLib();
  if (!library) return SELFREG_E_TYPELIB;
  if (FAILED(RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(path.c_str()), nullptr))) return SELFREG_E_TYPELIB;
  bool written = RegisterControl(path) && RegisterInprocServer(kGeneralPageClsid, L"General", path) &&
                 RegisterInprocServer(kPanesPageClsid, L"PanesPP", path);
  if (!written) {
    UnregisterServer();
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterServer() {
  DeleteTree(ClsidKey(CLSID_OvSplitter));
  DeleteTree(ClsidKey(kGeneralPageClsid));
  DeleteTree(ClsidKey(kPanesPageClsid));
  DeleteTree(kVersionedProgId);
  DeleteTree(kProgId);
  SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
  UnRegisterTypeLib(LIBID_OrvaneSplitter, 1, 0, 0x409, kind);
  return S_OK;
}

}  // namespace activex
