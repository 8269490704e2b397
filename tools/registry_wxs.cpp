// Writes the installer's registration of OvSplitr.ocx as a WiX fragment: the rows of
// activex/registry_rows.h, which DllRegisterServer writes, and what RegisterTypeLib writes
// for the type library, read from the .tlb the OCX embeds.
//   registry_wxs <OvSplitr.tlb> <out.wxs>
// The fragment's ComponentGroup "Registration" names the OCX as the file "OvSplitr.ocx" and
// reads the preprocessor variables ClassesRoot (HKLM or HKCU: the classes written below
// its Software\Classes), Win64 (yes or no) and HelpDir (the OCX's folder, no final
// backslash).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "activex/registry_rows.h"

namespace {

// The parts of a type library file (the "MSFT" format widl writes) that RegisterTypeLib
// reads: the library's version, locale, flags, help string and system kind, and each type's
// kind, flags, name and GUID.
class TypeLibrary {
 public:
  explicit TypeLibrary(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
    if (Int(0) != 0x5446534D) throw std::runtime_error("not a type library");
  }

  struct Type {
    int kind;
    int flags;
    std::string name;
    std::string guid;
  };

  std::string Version() const {
    auto version = static_cast<uint32_t>(Int(0x18));
    return Hex(version & 0xffff) + "." + Hex(version >> 16);
  }
  std::string Locale() const { return Hex(static_cast<uint32_t>(Int(0x0c))); }
  // A library loaded from its file reports LIBFLAG_FHASDISKIMAGE besides its own flags.
  std::string Flags() const { return std::to_string(Int(0x1c) | 8); }
  bool Win64() const { return (Int(0x14) & 0xf) == 3; }
  std::string HelpString() const {
    int offset = Int(0x24);
    if (offset < 0) return "";
    int at = Segment(8) + offset;
    return Text(at + 2, Short(at));
  }

  std::vector<Type> Types() const {
    std::vector<Type> types;
    int count = Int(0x20);
    int table = Segment(0);
    for (int i = 0; i < count; ++i) {
      int info = table + Int(TypeOffsets() + 4 * i);
      int name = Segment(7) + Int(info + 0x34);
      types.push_back({Int(info) & 0xf, Int(info + 0x30), Text(name + 12, Int(name + 8) & 0xff),
                       Guid(Segment(5) + Int(info + 0x2c))});
    }
    return types;
  }

 private:
  int Int(size_t at) const {
    if (at + 4 > bytes_.size()) throw std::runtime_error("type library cut short");
    return static_cast<int>(bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
                            static_cast<uint32_t>(bytes_[at + 3]) << 24);
  }
  int Short(size_t at) const { return Int(at) & 0xffff; }
  std::string Text(size_t at, size_t length) const {
    if (at + length > bytes_.size()) throw std::runtime_error("type library cut short");
    return std::string(bytes_.begin() + at, bytes_.begin() + at + length);
  }
  static std::string Hex(uint32_t value, int digits = 0, bool upper = false) {
    char text[16];
    std::snprintf(text, sizeof text, upper ? "%0*X" : "%0*x", digits, value);
    return text;
  }
  std::string Guid(size_t at) const {
    std::string text =
        "{" + Hex(Int(at), 8, true) + "-" + Hex(Short(at + 4), 4, true) + "-" + Hex(Short(at + 6), 4, true) + "-";
    for (int i = 0; i < 8; ++i) text += (i == 2 ? "-" : "") + Hex(bytes_.at(at + 8 + i), 2, true);
    return text + "}";
  }
  // The type offsets follow the header, which a help DLL's name lengthens by one field.
  int TypeOffsets() const { return 0x54 + (Int(0x14) & 0x100 ? 4 : 0); }
  int Segment(int index) const { return Int(TypeOffsets() + 4 * Int(0x20) + 16 * index); }

  std::vector<unsigned char> bytes_;
};

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Filled(const char* text, const std::string& version) {
  return activex::registry::Filled<char>(text, "[#OvSplitr.ocx]", version);
}

// One component of Registry rows below the classes root.
class Component {
 public:
  Component(std::ostream& out, const std::string& id, const std::string& win64) : out_(out), id_(id) {
    out_ << "      <Component Id=\"" << id << "\" Guid=\"*\" Win64=\"" << win64 << "\">\n";
  }
  ~Component() { out_ << "      </Component>\n"; }
  // A value (name empty: the default value), or with value null the key alone.
  void Row(const std::string& key, const std::string& name, const char* value) {
    out_ << "        <RegistryValue Id=\"" << id_ << ++rows_
         << "\" Root=\"$(var.ClassesRoot)\" Key=\"Software\\Classes\\" << Escaped(key) << "\"";
    if (value)
      out_ << (name.empty() ? "" : " Name=\"" + Escaped(name) + "\"") << " Type=\"string\" Value=\"" << Escaped(value)
           << "\"" << (rows_ == 1 ? " KeyPath=\"yes\"" : "");
    else
      out_ << " Name=\"*\" Type=\"string\" Value=\"\"";  // created with the component, removed with it
    out_ << "/>\n";
  }

 private:
  std::ostream& out_;
  std::string id_;
  int rows_ = 0;
};

// What RegisterTypeLib writes: the library's key and, for every interface a client may
// call through the standard marshalers, its Interface key.
void TypeLibraryRows(Component& component, const TypeLibrary& library) {
  constexpr int kInterface = 3, kDispatch = 4, kDual = 0x40, kOleAutomation = 0x100;
  std::string key = "TypeLib\\" + std::string(activex::registry::kLibid) + "\\" + library.Version();
  component.Row(key, "", library.HelpString().c_str());
  component.Row(key + "\\" + library.Locale() + "\\" + (library.Win64() ? "win64" : "win32"), "", "[#OvSplitr.ocx]");
  component.Row(key + "\\FLAGS", "", library.Flags().c_str());
  component.Row(key + "\\HELPDIR", "", "$(var.HelpDir)");
  for (const TypeLibrary::Type& type : library.Types()) {
    bool dual = type.flags & kDual;
    if (type.kind != kDispatch && !(type.kind == kInterface && type.flags & kOleAutomation)) continue;
    std::string proxy = type.kind == kDispatch && !dual ? "{00020420-0000-0000-C000-000000000046}"
                                                        : "{00020424-0000-0000-C000-000000000046}";
    std::string interface = "Interface\\" + type.guid;
    component.Row(interface, "", type.name.c_str());
    component.Row(interface + "\\ProxyStubClsid", "", proxy.c_str());
    component.Row(interface + "\\ProxyStubClsid32", "", proxy.c_str());
    component.Row(interface + "\\TypeLib", "", std::string(activex::registry::kLibid).c_str());
    component.Row(interface + "\\TypeLib", "Version", library.Version().c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <OvSplitr.tlb> <out.wxs>\n", argv[0]);
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    TypeLibrary library(std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {}));
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<!-- Written by tools/registry_wxs from activex/registry_rows.h and the type library. -->\n"
           "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n"
           "  <Fragment>\n"
           "    <ComponentGroup Id=\"Registration\" Directory=\"INSTALLDIR\">\n";
    {
      Component classes(out, "Classes", "$(var.Win64)");
      for (const activex::registry::Row& row : activex::registry::kRows)
        classes.Row(Filled(row.key, library.Version()), row.name ? row.name : "",
                    row.value ? Filled(row.value, library.Version()).c_str() : nullptr);
    }
    {
      Component typeLibrary(out, "TypeLibrary", "$(var.Win64)");
      TypeLibraryRows(typeLibrary, library);
    }
    // Wine's RegisterTypeLib in a 64-bit process registers the 32-bit view's keys too.
    if (library.Win64()) {
      Component typeLibrary32(out, "TypeLibrary32", "no");
      TypeLibraryRows(typeLibrary32, library);
    }
    out << "    </ComponentGroup>\n  </Fragment>\n</Wix>\n";
    std::ofstream(argv[2]) << out.str();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
    return 1;
  }
  return 0;
}
