#include "activex/registration.h"

#include <comcat.h>
#include <olectl.h>

#include <cwchar>
#include <string>

#include "OvSplitr_h.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "activex/module.h"
#include "activex/splitter_object.h"
#include "activex/type_library.h"
#include "resource_ids.h"

// Declared by the platform's oleauto.h but missing from the cross headers used here.
extern "C" {
WINOLEAUTAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpDirectory);
WINOLEAUTAPI UnRegisterTypeLibForUser(REFGUID libid, WORD major, WORD minor, LCID lcid, SYSKIND kind);
}

namespace activex {

const CLSID kGeneralPageClsid = {0x5d277210, 0xe9f4, 0x471f, {0x82, 0xc1, 0x81, 0x9c, 0x41, 0xfc, 0x9e, 0x12}};
const CLSID kPanesPageClsid = {0xf9022f3e, 0xd730, 0x4679, {0xba, 0x52, 0xa9, 0x92, 0xd2, 0xf6, 0x31, 0xa4}};
const CLSID kBehaviorPageClsid = {0xdddbfb4e, 0x5f27, 0x43c5, {0xa2, 0x1e, 0x71, 0xf4, 0x80, 0xfc, 0xff, 0x4a}};

namespace {

constexpr wchar_t kProgId[] = L"OrvaneSplitter.OvSplitter";
constexpr wchar_t kVersionedProgId[] = L"OrvaneSplitter.OvSplitter.1";
constexpr wchar_t kDisplayName[] = L"OvSplitter Control";

// The property-page classes with the names their keys carry.
struct PageClass {
  const CLSID* clsid;
  const wchar_t* name;
};
const PageClass kPageClasses[] = {
    {&kGeneralPageClsid, L"General"},
    {&kPanesPageClsid, L"PanesPP"},
    {&kBehaviorPageClsid, L"Behavior"},
};

// The type library's version, which RegisterTypeLib writes its key under: the CLSID's
// Version key and unregistration name the same one.
struct LibraryVersion {
  WORD major = 0;
  WORD minor = 0;
  std::wstring Text() const { return std::to_wstring(major) + L"." + std::to_wstring(minor); }
};

LibraryVersion VersionOf(ITypeLib* library) {
  win32::LibraryAttributes attributes(library);
  return attributes ? LibraryVersion{attributes->wMajorVerNum, attributes->wMinorVerNum} : LibraryVersion{};
}

// Simple frame site containment: the control holds other controls.
const CATID kSimpleFrameControlCategory = {
    0x157083E0, 0x2368, 0x11cf, {0x87, 0xB9, 0x00, 0xAA, 0x00, 0x6C, 0x81, 0x66}};

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

std::wstring ClsidKey(REFCLSID clsid) { return L"CLSID\\" + GuidText(clsid); }

// Where the classes are written: HKEY_CLASSES_ROOT for every user of the machine, or the
// current user's own classes (HKEY_CURRENT_USER\Software\Classes), which need no
// administrator rights. Every key below is named relative to this root. The type library
// goes with the classes: registered for the current user alone with the user's classes.
struct ClassesRoot {
  HKEY key;
  const wchar_t* prefix;
  bool perUser;
  std::wstring Path(const std::wstring& key) const { return prefix + key; }
};

const ClassesRoot kMachineClasses{HKEY_CLASSES_ROOT, L"", false};
const ClassesRoot kUserClasses{HKEY_CURRENT_USER, L"Software\\Classes\\", true};

// Creates (or opens) a key under the root; an empty owner when that fails.
win32::UniqueRegistryKey CreateKey(const ClassesRoot& root, const std::wstring& key) {
  win32::UniqueRegistryKey handle;
  if (RegCreateKeyExW(root.key, root.Path(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.put(), nullptr) !=
      ERROR_SUCCESS)
    handle.release();  // not a key: nothing to close
  return handle;
}

// Writes one value (the default value when name is null) under the root.
bool SetValue(const ClassesRoot& root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  win32::UniqueRegistryKey handle = CreateKey(root, key);
  return handle && RegSetValueExW(handle.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteTree(const ClassesRoot& root, const std::wstring& key) {
  std::wstring path = root.Path(key);
  RegDeleteTreeW(root.key, path.c_str());
  RegDeleteKeyW(root.key, path.c_str());
}

bool RegisterInprocServer(const ClassesRoot& root, REFCLSID clsid, const std::wstring& name, const std::wstring& path) {
  std::wstring key = ClsidKey(clsid);
  return SetValue(root, key, nullptr, name) && SetValue(root, key + L"\\InprocServer32", nullptr, path) &&
         SetValue(root, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
}

bool RegisterControl(const ClassesRoot& root, const std::wstring& path, const LibraryVersion& version) {
  std::wstring key = ClsidKey(CLSID_OvSplitter);
  std::wstring libid = GuidText(LIBID_OrvaneSplitter);
  std::wstring categories = key + L"\\Implemented Categories\\";
  return RegisterInprocServer(root, CLSID_OvSplitter, kDisplayName, path) &&
         SetValue(root, key + L"\\ProgID", nullptr, kVersionedProgId) &&
         SetValue(root, key + L"\\VersionIndependentProgID", nullptr, kProgId) && CreateKey(root, key + L"\\Control") &&
         SetValue(root, key + L"\\MiscStatus", nullptr, L"0") &&
         SetValue(root, key + L"\\MiscStatus\\1", nullptr, std::to_wstring(SplitterObject::kMiscStatus)) &&
         SetValue(root, key + L"\\ToolboxBitmap32", nullptr, path + L", " + std::to_wstring(IDB_TOOLBOX)) &&
         SetValue(root, key + L"\\TypeLib", nullptr, libid) &&
         SetValue(root, key + L"\\Version", nullptr, version.Text()) &&
         CreateKey(root, categories + GuidText(CATID_Control)) &&
         CreateKey(root, categories + GuidText(kSimpleFrameControlCategory)) &&
         SetValue(root, kProgId, nullptr, kDisplayName) &&
         SetValue(root, std::wstring(kProgId) + L"\\CLSID", nullptr, GuidText(CLSID_OvSplitter)) &&
         SetValue(root, std::wstring(kProgId) + L"\\CurVer", nullptr, kVersionedProgId) &&
         SetValue(root, kVersionedProgId, nullptr, kDisplayName) &&
         SetValue(root, std::wstring(kVersionedProgId) + L"\\CLSID", nullptr, GuidText(CLSID_OvSplitter));
}

constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// Removes every class key the component writes, under one root.
void DeleteClasses(const ClassesRoot& root) {
  DeleteTree(root, ClsidKey(CLSID_OvSplitter));
  for (const PageClass& page : kPageClasses) DeleteTree(root, ClsidKey(*page.clsid));
  DeleteTree(root, kVersionedProgId);
  DeleteTree(root, kProgId);
}

HRESULT UnregisterClasses(const ClassesRoot& root) {
  DeleteClasses(root);
  ComPtr<ITypeLib> library = ComponentTypeLib();
  if (!library) return S_OK;  // no library of this module can have been registered
  LibraryVersion version = VersionOf(library.Get());
  if (root.perUser)
    UnRegisterTypeLibForUser(LIBID_OrvaneSplitter, version.major, version.minor, 0x409, kSysKind);
  else
    UnRegisterTypeLib(LIBID_OrvaneSplitter, version.major, version.minor, 0x409, kSysKind);
  return S_OK;
}

HRESULT RegisterClasses(const ClassesRoot& root) {
  std::wstring path(Wide(ModulePath()));
  ComPtr<ITypeLib> library = ComponentTypeLib();
  if (!library) return SELFREG_E_TYPELIB;
  auto* file = const_cast<LPOLESTR>(path.c_str());
  HRESULT typeLib = root.perUser ? RegisterTypeLibForUser(library.Get(), file, nullptr)
                                 : RegisterTypeLib(library.Get(), file, nullptr);
  if (FAILED(typeLib)) return SELFREG_E_TYPELIB;
  bool written = RegisterControl(root, path, VersionOf(library.Get()));
  for (const PageClass& page : kPageClasses)
    written = written && RegisterInprocServer(root, *page.clsid, page.name, path);
  if (!written) {
    UnregisterClasses(root);
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

// "user", in any case: the only command line the per-user installation takes.
bool IsPerUserCommand(const wchar_t* commandLine) { return commandLine && _wcsicmp(commandLine, L"user") == 0; }

}  // namespace

HRESULT RegisterServer() { return RegisterClasses(kMachineClasses); }

HRESULT UnregisterServer() { return UnregisterClasses(kMachineClasses); }

HRESULT InstallForUser(bool install, const wchar_t* commandLine) {
  if (!IsPerUserCommand(commandLine)) return E_INVALIDARG;
  return install ? RegisterClasses(kUserClasses) : UnregisterClasses(kUserClasses);
}

}  // namespace activex
