#include "tests/support/splitter_by_name.h"

#include "host/error.h"

namespace support {
namespace {

using host::Variant;
using Arguments = std::vector<Variant>;

[[noreturn]] void NotSupported() { throw host::Error::Runtime(host::err::kMemberNotSupported); }

Variant Argument(const Arguments& arguments, size_t i) {
  return i < arguments.size() ? arguments[i] : Variant::Missing();
}

std::shared_ptr<ByName> PaneByName(panes::PanePtr pane, const ByName::Log& log) {
  auto named = std::make_shared<ByName>(log, pane);
  panes::OvPane* p = pane.get();
  auto& get = named->getters;
  auto& let = named->setters;
  get[u"Index"] = [p](const Arguments&) { return Variant(p->Index()); };
  get[u"Appearance"] = [p](const Arguments&) { return Variant(p->Appearance()); };
  get[u"Width"] = [p](const Arguments&) { return Variant(p->Width()); };
  get[u"Height"] = [p](const Arguments&) { return Variant(p->Height()); };
  get[u"Tag"] = [p](const Arguments&) { return p->Tag(); };
  get[u"Key"] = [p](const Arguments&) { return p->Key(); };
  get[u"Name"] = [p](const Arguments&) { return Variant(p->Name()); };
  get[u"ControlName"] = [p](const Arguments&) { return Variant(p->ControlName()); };
  get[u"Minimum"] = [p](const Arguments&) { return Variant(p->Minimum()); };
  get[u"ResizeChildControl"] = [p](const Arguments&) { return Variant(p->ResizeChildControl()); };
  let[u"Appearance"] = [p](const Variant& v) { p->SetAppearance(v.ToLong()); };
  let[u"Width"] = [p](const Variant& v) { p->SetWidth(v.ToLong()); };
  let[u"Height"] = [p](const Variant& v) { p->SetHeight(v.ToLong()); };
  let[u"Tag"] = [p](const Variant& v) { p->SetTag(v); };
  let[u"Key"] = [p](const Variant& v) { p->SetKey(v); };
  let[u"Name"] = [p](const Variant& v) { p->SetName(v.ToString()); };
  let[u"ControlName"] = [p](const Variant& v) { p->SetControlName(v.ToString()); };
  let[u"Minimum"] = [p](const Variant& v) { p->SetMinimum(v.ToLong()); };
  let[u"ResizeChildControl"] = [p](const Variant& v) { p->SetResizeChildControl(v.ToBoolean()); };
  return named;
}

std::shared_ptr<ByName> PanesByName(std::shared_ptr<panes::OvPanes> panes, const ByName::Log& log) {
  auto named = std::make_shared<ByName>(log, panes);
  auto& get = named->getters;
  get[u"Count"] = [panes](const Arguments&) { return Variant(panes->Count()); };
  get[u"Item"] = [panes, log](const Arguments& a) {
    return Variant(host::ObjectRef(PaneByName(panes->Item(Argument(a, 0)), log)));
  };
  get[u"Add"] = [panes, log](const Arguments& a) {
    return Variant(
        host::ObjectRef(PaneByName(panes->Add(Argument(a, 0), Argument(a, 1), Argument(a, 2), Argument(a, 3)), log)));
  };
  get[u"Remove"] = [panes, log](const Arguments& a) {
    log->push_back("Remove(" + host::ToUtf8(Argument(a, 0).ToString()) + ")");
    panes->Remove(Argument(a, 0));
    return Variant();
  };
  return named;
}

}  // namespace

Variant ByName::Get(host::StringView member, const Arguments& arguments) {
  auto found = getters.find(member);
  if (found == getters.end()) NotSupported();
  return found->second(arguments);
}

void ByName::Let(host::StringView member, const Variant& value) {
  auto found = setters.find(member);
  if (found == setters.end()) NotSupported();
  log_->push_back(host::ToUtf8(member) + "=" + (value.IsObject() ? "<object>" : host::ToUtf8(value.ToString())));
  found->second(value);
}

std::optional<Arguments> ByName::GetArray(host::StringView member) {
  if (member != u"GetContainedControls" || !containedControls) NotSupported();
  auto names = containedControls();
  if (!names) return std::nullopt;
  // As the control answers it: the names, then one empty element.
  Arguments elements(names->begin(), names->end());
  elements.emplace_back(host::String());
  return elements;
}

std::shared_ptr<ByName> SplitterByName(splitter::OvSplitter& control, ByName::Log log) {
  auto named = std::make_shared<ByName>(log, std::shared_ptr<const void>(std::shared_ptr<void>(), &control));
  splitter::OvSplitter* c = &control;
  auto& get = named->getters;
  auto& let = named->setters;
  get[u"Panes"] = [c, log](const Arguments&) { return Variant(host::ObjectRef(PanesByName(c->Panes(), log))); };
  get[u"SplitterSize"] = [c](const Arguments&) { return Variant(c->SplitterSize()); };
  get[u"OLEDropMode"] = [c](const Arguments&) { return Variant(c->OLEDropMode()); };
  get[u"Enabled"] = [c](const Arguments&) { return Variant(c->Enabled()); };
  get[u"Orientation"] = [c](const Arguments&) { return Variant(c->Orientation()); };
  get[u"BorderStyle"] = [c](const Arguments&) { return Variant(c->BorderStyle()); };
  get[u"Appearance"] = [c](const Arguments&) { return Variant(c->Appearance()); };
  get[u"SplitterStyle"] = [c](const Arguments&) { return Variant(c->SplitterStyle()); };
  get[u"MousePointer"] = [c](const Arguments&) { return Variant(c->MousePointer()); };
  let[u"SplitterSize"] = [c](const Variant& v) { c->SetSplitterSize(v.ToLong()); };
  let[u"OLEDropMode"] = [c](const Variant& v) { c->SetOLEDropMode(v.ToLong()); };
  let[u"Enabled"] = [c](const Variant& v) { c->SetEnabled(v.ToBoolean()); };
  let[u"Orientation"] = [c](const Variant& v) { c->SetOrientation(v.ToLong()); };
  let[u"BorderStyle"] = [c](const Variant& v) { c->SetBorderStyle(v.ToLong()); };
  let[u"Appearance"] = [c](const Variant& v) { c->SetAppearance(v.ToLong()); };
  let[u"SplitterStyle"] = [c](const Variant& v) { c->SetSplitterStyle(v.ToLong()); };
  let[u"MousePointer"] = [c](const Variant& v) { c->SetMousePointer(v.ToLong()); };
  named->containedControls = [c] { return c->GetContainedControls(); };
  return named;
}

}  // namespace support
