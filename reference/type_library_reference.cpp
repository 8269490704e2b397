// The control's reference, read from the type library embedded in the OCX: every interface
// with its members (kind, type, parameters, defaults, dispatch id, help string), every event
// interface, every enumeration, the coclasses, and the component's error numbers. It writes
// the same text as Markdown and as HTML, and fails when a member added after the first
// release has no help string, so that nothing new ships undocumented.
//   ov_reference.exe <OvSplitr.ocx> <out.md> <out.html>
#include <windows.h>
#include <oaidl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace {

using activex::ComPtr;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string Utf8(const win32::UniqueBstr& text) {
  return text ? Utf8(std::wstring(text.get(), SysStringLen(text.get()))) : "";
}

struct Documentation {
  std::string name, help;
};

Documentation DocumentationOf(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
  win32::UniqueBstr name, help;
  info->GetDocumentation(member, name.put(), help.put(), nullptr, nullptr);
  std::string helpText = Utf8(help);
  for (char& c : helpText)
    if (c == '\n' || c == '\r') c = ' ';
  while (!helpText.empty() && helpText.back() == ' ') helpText.pop_back();
  helpText.erase(
      0, helpText.find_first_not_of(' ') == std::string::npos ? helpText.size() : helpText.find_first_not_of(' '));
  return {Utf8(name), helpText};
}

std::string TypeName(ITypeInfo* info, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR:
      return TypeName(info, *type.lptdesc);
    case VT_SAFEARRAY:
      return "Array of " + TypeName(info, *type.lptdesc);
    case VT_USERDEFINED: {
      ComPtr<ITypeInfo> referenced;
      if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.Out()))) return "?";
      return DocumentationOf(referenced.Get()).name;
    }
    case VT_BOOL:
      return "Boolean";
    case VT_I2:
      return "Integer";
    case VT_I4:
    case VT_INT:
      return "Long";
    case VT_R4:
      return "Single";
    case VT_R8:
      return "Double";
    case VT_CY:
      return "Currency";
    case VT_DATE:
      return "Date";
    case VT_BSTR:
      return "String";
    case VT_VARIANT:
      return "Variant";
    case VT_DISPATCH:
      return "Object";
    case VT_UNKNOWN:
      return "IUnknown";
    case VT_UI1:
      return "Byte";
    case VT_HRESULT:
    case VT_VOID:
      return "";
    default:
      return "VT " + std::to_string(type.vt);
  }
}

std::string DispatchId(MEMBERID id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(id));
  return text;
}

std::string DefaultText(const VARIANT& value) {
  win32::UniqueVariant text;
  std::string out = "?";
  if (SUCCEEDED(VariantChangeType(&text.get(), const_cast<VARIANT*>(&value), VARIANT_ALPHABOOL, VT_BSTR)))
    out = Utf8(std::wstring(V_BSTR(&text.get()), SysStringLen(V_BSTR(&text.get()))));
  return V_VT(&value) == VT_BSTR ? "\"" + out + "\"" : out;
}

// One member as a client sees it: a property's reads and writes, or a method or event.
struct Member {
  MEMBERID id = 0;
  std::string name, help, type, parameters;
  bool get = false, let = false, set = false, method = false;
  std::string Kind() const {
    if (method) return "method";
    std::string kind = get && !let && !set ? "read-only property" : "property";
    if (!get) kind = "write-only property";
    if (set) kind += let ? " (Let and Set)" : " (Set)";
    return kind;
  }
};

std::string ParametersOf(ITypeInfo* info, const FUNCDESC& function, bool property) {
  std::vector<std::string> names(static_cast<size_t>(function.cParams) + 1);
  std::vector<BSTR> raw(names.size(), nullptr);
  UINT count = 0;
  info->GetNames(function.memid, raw.data(), static_cast<UINT>(raw.size()), &count);
  for (UINT i = 0; i < count; ++i) names[i] = Utf8(win32::UniqueBstr(raw[i]));
  std::string text;
  for (SHORT i = 0; i < function.cParams; ++i) {
    const ELEMDESC& element = function.lprgelemdescParam[i];
    const USHORT flags = element.paramdesc.wParamFlags;
    if (flags & PARAMFLAG_FRETVAL) continue;
    if (property && (function.invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) && i == function.cParams - 1)
      continue;  // the value assigned
    std::string one = (flags & PARAMFLAG_FOPT ? "[" : "") + names[static_cast<size_t>(i) + 1] + " As " +
                      TypeName(info, element.tdesc);
    if ((flags & PARAMFLAG_FHASDEFAULT) && element.paramdesc.pparamdescex)
      one += " = " + DefaultText(element.paramdesc.pparamdescex->varDefaultValue);
    if (element.tdesc.vt == VT_PTR && !(flags & PARAMFLAG_FRETVAL)) one += " (ByRef)";
    text += (text.empty() ? "" : ", ") + one + (flags & PARAMFLAG_FOPT ? "]" : "");
  }
  return text;
}

std::vector<Member> MembersOf(ITypeInfo* info) {
  win32::TypeAttributes attributes(info);
  std::vector<Member> members;
  std::map<MEMBERID, size_t> byId;
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    win32::FunctionDescription function(info, i);
    if (function->wFuncFlags & FUNCFLAG_FRESTRICTED) continue;
    auto [found, added] = byId.try_emplace(function->memid, members.size());
    if (added) {
      members.emplace_back();
      members.back().id = function->memid;
    }
    Member& member = members[found->second];
    const Documentation doc = DocumentationOf(info, function->memid);
    member.name = doc.name;
    if (member.help.empty()) member.help = doc.help;
    const bool property = function->invkind != INVOKE_FUNC;
    switch (function->invkind) {
      case INVOKE_PROPERTYGET:
        member.get = true;
        break;
      case INVOKE_PROPERTYPUT:
        member.let = true;
        break;
      case INVOKE_PROPERTYPUTREF:
        member.set = true;
        break;
      default:
        member.method = true;
        break;
    }
    std::string type = TypeName(info, function->elemdescFunc.tdesc);
    for (SHORT p = 0; p < function->cParams; ++p) {
      const ELEMDESC& element = function->lprgelemdescParam[p];
      if ((element.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) ||
          (function->invkind != INVOKE_PROPERTYGET && property && p == function->cParams - 1))
        type = TypeName(info, element.tdesc);
    }
    if (member.type.empty()) member.type = type;
    std::string parameters = ParametersOf(info, *function.operator->(), property);
    if (member.parameters.empty()) member.parameters = parameters;
  }
  return members;
}

// Markdown and HTML side by side.
class Writer {
 public:
  void Heading(int level, const std::string& text, const std::string& anchor = {}) {
    md_ += std::string(static_cast<size_t>(level), '#') + " " + text + "\n\n";
    html_ += "<h" + std::to_string(level) + (anchor.empty() ? "" : " id=\"" + anchor + "\"") + ">" + Escaped(text) +
             "</h" + std::to_string(level) + ">\n";
  }
  void Paragraph(const std::string& text) {
    if (text.empty()) return;
    md_ += text + "\n\n";
    html_ += "<p>" + Escaped(text) + "</p>\n";
  }
  void Table(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
    auto mdRow = [&](const std::vector<std::string>& cells) {
      std::string row = "|";
      for (const std::string& cell : cells) row += " " + MdCell(cell) + " |";
      md_ += row + "\n";
    };
    mdRow(header);
    md_ += "|" + std::string() + [&] {
      std::string rule;
      for (size_t i = 0; i < header.size(); ++i) rule += "---|";
      return rule;
    }() + "\n";
    for (const auto& row : rows) mdRow(row);
    md_ += "\n";
    html_ += "<table>\n<tr>";
    for (const std::string& cell : header) html_ += "<th>" + Escaped(cell) + "</th>";
    html_ += "</tr>\n";
    for (const auto& row : rows) {
      html_ += "<tr>";
      for (const std::string& cell : row) html_ += "<td>" + Escaped(cell) + "</td>";
      html_ += "</tr>\n";
    }
    html_ += "</table>\n";
  }
  std::string Markdown() const { return md_; }
  std::string Html(const std::string& title) const {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + Escaped(title) +
           "</title>\n<style>body{font-family:sans-serif;max-width:70em;margin:auto}table{border-collapse:collapse}"
           "td,th{border:1px solid #999;padding:2px 6px;text-align:left;vertical-align:top}</style></head><body>\n" +
           html_ + "</body></html>\n";
  }

 private:
  static std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
  }
  static std::string MdCell(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '|' ? "\\|" : std::string(1, c);
    return out;
  }
  std::string md_, html_;
};

struct ErrorRow {
  int32_t number;
  const char* meaning;
};

// The component's own errors; a client sees them as Err.Number with the text of the case.
const ErrorRow kErrors[] = {
    {host::err::kReadOnly, "A property that is read-only at run time (or across the axis) was assigned."},
    {host::err::kInvalidValue,
     "The value breaks a rule of the object: a key that exists already, a minimum "
     "above the extent or a maximum below the minimum."},
    {host::err::kOutOfRange, "The value lies outside the property's range; the text names the range."},
    {host::err::kIndexOutOfBounds, "No pane, window or message at that index or key."},
    {host::err::kBelowMinimum, "A pane would become smaller than its minimum."},
    {host::err::kInvalidPropertyValue, "Invalid property value (a value the property cannot take)."},
    {host::err::kTypeMismatch, "Type mismatch (a value of a type the member cannot convert)."},
    {host::err::kOverflow, "Overflow (a number beyond the member's type)."},
    {host::err::kDivisionByZero, "Division by zero (the container reports a scale of zero)."},
};

std::string Hex(int32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(static_cast<uint32_t>(number)));
  return text;
}

int Run(const wchar_t* ocx, const char* markdownPath, const char* htmlPath) {
  ComPtr<ITypeLib> library;
  if (FAILED(LoadTypeLibEx(ocx, REGKIND_NONE, library.Out()))) {
    std::fprintf(stderr, "ov_reference: cannot load the type library of %ls\n", ocx);
    return 1;
  }
  win32::LibraryAttributes libraryAttributes(library.Get());
  win32::UniqueBstr libraryName, libraryHelp;
  library->GetDocumentation(-1, libraryName.put(), libraryHelp.put(), nullptr, nullptr);
  Writer out;
  const std::string title = Utf8(libraryHelp) + " reference";
  out.Heading(1, title);
  out.Paragraph("Type library " + Utf8(libraryName) + " " + std::to_string(libraryAttributes->wMajorVerNum) + "." +
                std::to_string(libraryAttributes->wMinorVerNum) +
                ", generated from the type library embedded in OvSplitr.ocx. Members added after the first "
                "release live on the interfaces whose names end in 2, which extend the first ones.");
  std::vector<std::string> undocumented;
  const char* sections[] = {"Classes", "Interfaces", "Event interfaces", "Enumerations"};
  for (int section = 0; section < 4; ++section) {
    out.Heading(2, sections[section]);
    for (UINT index = 0; index < library->GetTypeInfoCount(); ++index) {
      ComPtr<ITypeInfo> info;
      library->GetTypeInfo(index, info.Out());
      win32::TypeAttributes attributes(info.Get());
      const Documentation doc = DocumentationOf(info.Get());
      const bool dual = attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL);
      const bool events = attributes->typekind == TKIND_DISPATCH && !dual;
      const int kind = attributes->typekind == TKIND_COCLASS ? 0
                       : dual                                ? 1
                       : events                              ? 2
                       : attributes->typekind == TKIND_ENUM  ? 3
                                                             : -1;
      if (kind != section) continue;
      out.Heading(3, doc.name, doc.name);
      out.Paragraph(doc.help);
      if (kind == 0) {
        std::vector<std::vector<std::string>> rows;
        for (UINT i = 0; i < attributes->cImplTypes; ++i) {
          HREFTYPE reference = 0;
          INT flags = 0;
          ComPtr<ITypeInfo> implemented;
          info->GetRefTypeOfImplType(i, &reference);
          info->GetImplTypeFlags(i, &flags);
          info->GetRefTypeInfo(reference, implemented.Out());
          rows.push_back({DocumentationOf(implemented.Get()).name,
                          std::string(flags & IMPLTYPEFLAG_FSOURCE ? "events" : "interface") +
                              (flags & IMPLTYPEFLAG_FDEFAULT ? ", default" : "")});
        }
        out.Table({"Implements", "As"}, rows);
      } else if (kind == 3) {
        std::vector<std::vector<std::string>> rows;
        for (UINT i = 0; i < attributes->cVars; ++i) {
          win32::VariableDescription constant(info.Get(), i);
          rows.push_back({DocumentationOf(info.Get(), constant->memid).name, DefaultText(*constant->lpvarValue)});
        }
        out.Table({"Name", "Value"}, rows);
      } else {
        // A dual interface lists the members it declares itself (its vtable side).
        ComPtr<ITypeInfo> declared = info;
        HREFTYPE vtable = 0;
        if (dual && SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable))) {
          declared.Reset();
          info->GetRefTypeInfo(vtable, declared.Out());
        }
        // A later interface's members that its first one lacks are the ones added since.
        std::vector<MEMBERID> first;
        if (doc.name.size() > 1 && doc.name.back() == '2') {
          std::wstring earlier(doc.name.begin(), doc.name.end() - 1);
          ComPtr<ITypeInfo> earlierInfo;
          MEMBERID unused = 0;
          USHORT found = 1;
          if (SUCCEEDED(library->FindName(earlier.data(), 0, earlierInfo.Out(), &unused, &found)) && found == 1)
            for (const Member& member : MembersOf(earlierInfo.Get())) first.push_back(member.id);
        }
        const bool later = doc.name.size() > 1 && doc.name.back() == '2';
        std::vector<std::vector<std::string>> rows;
        for (const Member& member : MembersOf(declared.Get())) {
          if (member.name == "QueryInterface" || member.name == "AddRef" || member.name == "Release") continue;
          const bool added = later && std::find(first.begin(), first.end(), member.id) == first.end();
          if (added && member.help.empty()) undocumented.push_back(doc.name + "." + member.name);
          if (events)
            rows.push_back({member.name, member.parameters, DispatchId(member.id), member.help});
          else
            rows.push_back(
                {member.name, member.Kind(), member.type, member.parameters, DispatchId(member.id), member.help});
        }
        if (events)
          out.Table({"Event", "Arguments", "Dispatch id", "Description"}, rows);
        else
          out.Table({"Member", "Kind", "Type", "Parameters", "Dispatch id", "Description"}, rows);
      }
    }
  }
  out.Heading(2, "Errors");
  out.Paragraph(
      "Errors of the component's own rules carry their text in the error's description and "
      "OrvaneSplitter as its source; the others are the automation errors of the same numbers.");
  std::vector<std::vector<std::string>> rows;
  for (const ErrorRow& error : kErrors) {
    const bool ownRule = error.number < 0;
    rows.push_back({ownRule ? Hex(error.number) : std::to_string(error.number), error.meaning});
  }
  out.Table({"Number", "Meaning"}, rows);

  std::ofstream(markdownPath, std::ios::binary) << out.Markdown();
  std::ofstream(htmlPath, std::ios::binary) << out.Html(title);
  for (const std::string& name : undocumented) std::fprintf(stderr, "ov_reference: no help string: %s\n", name.c_str());
  return undocumented.empty() ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: ov_reference <OvSplitr.ocx> <out.md> <out.html>\n");
    return 2;
  }
  return Run(argv[1], Utf8(argv[2]).c_str(), Utf8(argv[3]).c_str());
}
