#include "activex/registration.h"

#include <olectl.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "OvSplitr_h.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "activex/module.h"
#include "activex/registry_rows.h"
#include "activex/splitter_object.h"
#include "activex/type_library.h"

// Declared by the platform's oleauto.h but missing from the cross headers used here.
extern "C" {
WINOLEAUTAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpDirectory);
WINOLEAUTAPI UnRegisterTypeLibForUser(REFGUID libid, WORD major, WORD minor, LCID lcid, SYSKIND kind);
}

namespace activex {

namespace {

// The number the digits of text from at on write in the base.
constexpr unsigned long Number(std::string_view text, size_t at = 0, size_t digits = std::string_view::npos,
                               unsigned base = 10) {
  unsigned long value = 0;
  for (char c : text.substr(at, digits))
    value = value * base + static_cast<unsigned long>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  return value;
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" as the GUID it names.
constexpr GUID GuidOf(std::string_view text) {
  GUID guid{Number(text, 1, 8, 16),
            static_cast<unsigned short>(Number(text, 10, 4, 16)),
            static_cast<unsigned short>(Number(text, 15, 4, 16)),
            {}};
  for (size_t i = 0; i < 8; ++i)
    guid.Data4[i] = static_cast<unsigned char>(Number(text, i < 2 ? 20 + 2 * i : 21 + 2 * i, 2, 16));
  return guid;
}

static_assert(Number(OV_MISC_STATUS) == SplitterObject::kMiscStatus);

}  // namespace

constinit const CLSID kGeneralPageClsid = GuidOf(OV_GENERAL_PAGE_CLSID);
constinit const CLSID kPanesPageClsid = GuidOf(OV_PANES_PAGE_CLSID);
constinit const CLSID kBehaviorPageClsid = GuidOf(OV_BEHAVIOR_PAGE_CLSID);

namespace {

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

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// Text without placeholders in wide characters.
std::wstring Widened(std::string_view text) { return registry::Filled<wchar_t>(text, L"", L""); }

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

// Writes every row; false at the first that fails.
bool WriteRows(const ClassesRoot& root, const std::wstring& path, const LibraryVersion& version) {
  for (const registry::Row& row : registry::kRows) {
    std::wstring key = registry::Filled(row.key, path, version.Text());
    bool written = row.value ? SetValue(root, key, row.name ? Widened(row.name).c_str() : nullptr,
                                        registry::Filled(row.value, path, version.Text()))
                             : static_cast<bool>(CreateKey(root, key));
    if (!written) return false;
  }
  return true;
}

constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// Removes every class key the component writes, under one root.
void DeleteClasses(const ClassesRoot& root) {
  for (const char* tree : registry::kTrees) DeleteTree(root, Widened(tree));
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
  // The rows name the class and the library the IDL declares.
  if (GuidText(CLSID_OvSplitter) != Widened(OV_CONTROL_CLSID) ||
      GuidText(LIBID_OrvaneSplitter) != Widened(registry::kLibid))
    return SELFREG_E_CLASS;
  std::wstring path(Wide(ModulePath()));
  ComPtr<ITypeLib> library = ComponentTypeLib();
  if (!library) return SELFREG_E_TYPELIB;
  auto* file = const_cast<LPOLESTR>(path.c_str());
  HRESULT typeLib = root.perUser ? RegisterTypeLibForUser(library.Get(), file, nullptr)
                                 : RegisterTypeLib(library.Get(), file, nullptr);
  if (FAILED(typeLib)) return SELFREG_E_TYPELIB;
  if (!WriteRows(root, path, VersionOf(library.Get()))) {
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
