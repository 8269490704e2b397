#pragma once
// The classes the component registers, as rows of text: every key and value
// DllRegisterServer writes below a classes root, in the order it writes them. The OCX's
// registration writes exactly these rows; tools/registry_wxs.cpp turns the same rows into
// the installer's Registry rows. Plain C++: no Windows header, so a program of the build
// machine reads it too.
//
// In keys and values, "{path}" stands for the OCX's full path and "{version}" for the type
// library's version ("major.minor", as RegisterTypeLib names its key).
#include <string>
#include <string_view>

#include "resource_ids.h"

#define OV_REGISTRY_TEXT(x) OV_REGISTRY_TEXT_(x)
#define OV_REGISTRY_TEXT_(x) #x

#define OV_CONTROL_CLSID "{5ED116FF-C6D0-42FD-9972-2DDC4D5D32A6}"
#define OV_GENERAL_PAGE_CLSID "{5D277210-E9F4-471F-82C1-819C41FC9E12}"
#define OV_PANES_PAGE_CLSID "{F9022F3E-D730-4679-BA52-A992D2F631A4}"
#define OV_BEHAVIOR_PAGE_CLSID "{DDDBFB4E-5F27-43C5-A21E-71F480FCFF4A}"
#define OV_LIBID "{C5974732-8DA5-4602-BBEA-3BC3D600F814}"
#define OV_PROGID "OrvaneSplitter.OvSplitter"
#define OV_VERSIONED_PROGID "OrvaneSplitter.OvSplitter.1"
#define OV_DISPLAY_NAME "OvSplitter Control"
// OLEMISC_SETCLIENTSITEFIRST | ACTIVATEWHENVISIBLE | RECOMPOSEONRESIZE | INSIDEOUT |
// CANTLINKINSIDE | SIMPLEFRAME, the bits the control reports.
#define OV_MISC_STATUS "197009"

#define OV_CONTROL_KEY "CLSID\\" OV_CONTROL_CLSID
#define OV_CATEGORIES OV_CONTROL_KEY "\\Implemented Categories\\"
// A class served by the OCX in the caller's apartment.
// clang-format off
#define OV_SERVER_ROWS(clsid, name)                                       \
  {"CLSID\\" clsid, nullptr, name},                                       \
  {"CLSID\\" clsid "\\InprocServer32", nullptr, "{path}"},                \
  {"CLSID\\" clsid "\\InprocServer32", "ThreadingModel", "Apartment"}
// clang-format on

namespace activex::registry {

// One key, or one string value of it: name null for the key's default value, value null
// for a key that holds no value.
struct Row {
  const char* key;
  const char* name;
  const char* value;
};

inline constexpr Row kRows[] = {
    OV_SERVER_ROWS(OV_CONTROL_CLSID, OV_DISPLAY_NAME),
    {OV_CONTROL_KEY "\\ProgID", nullptr, OV_VERSIONED_PROGID},
    {OV_CONTROL_KEY "\\VersionIndependentProgID", nullptr, OV_PROGID},
    {OV_CONTROL_KEY "\\Control", nullptr, nullptr},
    {OV_CONTROL_KEY "\\MiscStatus", nullptr, "0"},
    {OV_CONTROL_KEY "\\MiscStatus\\1", nullptr, OV_MISC_STATUS},
    {OV_CONTROL_KEY "\\ToolboxBitmap32", nullptr, "{path}, " OV_REGISTRY_TEXT(IDB_TOOLBOX)},
    {OV_CONTROL_KEY "\\TypeLib", nullptr, OV_LIBID},
    {OV_CONTROL_KEY "\\Version", nullptr, "{version}"},
    // Controls; simple frame site containment (the control holds other controls).
    {OV_CATEGORIES "{40FC6ED4-2438-11CF-A3DB-080036F12502}", nullptr, nullptr},
    {OV_CATEGORIES "{157083E0-2368-11CF-87B9-00AA006C8166}", nullptr, nullptr},
    {OV_PROGID, nullptr, OV_DISPLAY_NAME},
    {OV_PROGID "\\CLSID", nullptr, OV_CONTROL_CLSID},
    {OV_PROGID "\\CurVer", nullptr, OV_VERSIONED_PROGID},
    {OV_VERSIONED_PROGID, nullptr, OV_DISPLAY_NAME},
    {OV_VERSIONED_PROGID "\\CLSID", nullptr, OV_CONTROL_CLSID},
    OV_SERVER_ROWS(OV_GENERAL_PAGE_CLSID, "General"),
    OV_SERVER_ROWS(OV_PANES_PAGE_CLSID, "PanesPP"),
    OV_SERVER_ROWS(OV_BEHAVIOR_PAGE_CLSID, "Behavior"),
};

// The trees unregistration removes whole; every row lies in one of them, as checked below.
inline constexpr const char* kTrees[] = {
    OV_CONTROL_KEY,
    "CLSID\\" OV_GENERAL_PAGE_CLSID,
    "CLSID\\" OV_PANES_PAGE_CLSID,
    "CLSID\\" OV_BEHAVIOR_PAGE_CLSID,
    OV_VERSIONED_PROGID,
    OV_PROGID,
};

constexpr bool InTrees(std::string_view key) {
  for (std::string_view tree : kTrees)
    if (key.starts_with(tree) && (key.size() == tree.size() || key[tree.size()] == '\\')) return true;
  return false;
}
static_assert([] {
  for (const Row& row : kRows)
    if (!InTrees(row.key)) return false;
  return true;
}());

// The type library the rows name, which RegisterTypeLib registers with them.
inline constexpr std::string_view kLibid = OV_LIBID;

// A row's text in the caller's characters, its placeholders filled in.
template <typename Char>
std::basic_string<Char> Filled(std::string_view text, const std::basic_string<Char>& path,
                               const std::basic_string<Char>& version) {
  constexpr std::string_view kPath = "{path}", kVersion = "{version}";
  std::basic_string<Char> filled;
  for (size_t at = 0; at < text.size();) {
    if (text.substr(at).starts_with(kPath))
      filled += path, at += kPath.size();
    else if (text.substr(at).starts_with(kVersion))
      filled += version, at += kVersion.size();
    else
      filled += static_cast<Char>(text[at++]);
  }
  return filled;
}

}  // namespace activex::registry
