#pragma once
// The splitter, its pane collection and its panes reached by name, as a property page on
// the real platform reaches them through IDispatch: values converted as the type library
// converts them, errors passed on. Every write is logged as "<member>=<value>".
#include <functional>
#include <map>
#include <memory>

#include "host/error.h"
#include "host/site/named_object.h"
#include "panes/ov_panes.h"
#include "splitter/ov_splitter.h"

namespace support {

using host::Variant;
using Arguments = std::vector<Variant>;

class ByName : public host::NamedObject {
 public:
  using Log = std::shared_ptr<std::vector<std::string>>;

  // Holds the target as a client's reference does; its address is the identity.
  ByName(Log log, std::shared_ptr<const void> target) : log_(std::move(log)), target_(std::move(target)) {}
  const void* Identity() const override { return target_.get(); }

  Variant Get(host::StringView member, const Arguments& arguments = {}) override {
    auto found = getters.find(member);
    if (found == getters.end()) throw host::Error::Runtime(host::err::kMemberNotSupported);
    return found->second(arguments);
  }
  void Let(host::StringView member, const Variant& value) override {
    auto found = setters.find(member);
    if (found == setters.end()) throw host::Error::Runtime(host::err::kMemberNotSupported);
    log_->push_back(host::ToUtf8(member) + "=" + (value.IsObject() ? "<object>" : host::ToUtf8(value.ToString())));
    found->second(value);
  }
  std::optional<Arguments> GetArray(host::StringView member) override {
    if (member != u"GetContainedControls" || !containedControls)
      throw host::Error::Runtime(host::err::kMemberNotSupported);
    auto names = containedControls();
    if (!names) return std::nullopt;
    // As the control answers it: the names, then one empty element.
    Arguments elements(names->begin(), names->end());
    elements.emplace_back(host::String());
    return elements;
  }

  std::map<host::String, std::function<Variant(const Arguments&)>, std::less<>> getters;
  std::map<host::String, std::function<void(const Variant&)>, std::less<>> setters;
  std::function<std::optional<std::vector<host::String>>()> containedControls;

 private:
  Log log_;
  std::shared_ptr<const void> target_;
};

// Property `Name` of `target`, read as a Variant, written through `.convert` (none: Variant).
#define OV_BY_NAME(target, Name, convert)                                                     \
  named->getters[u"" #Name] = [target](const Arguments&) { return Variant(target->Name()); }; \
  named->setters[u"" #Name] = [target](const Variant& v) { target->Set##Name(v convert); }

inline Variant Argument(const Arguments& arguments, size_t i) {
  return i < arguments.size() ? arguments[i] : Variant::Missing();
}

inline std::shared_ptr<ByName> PaneByName(panes::PanePtr pane, const ByName::Log& log) {
  auto named = std::make_shared<ByName>(log, pane);
  panes::OvPane* p = pane.get();
  named->getters[u"Index"] = [p](const Arguments&) { return Variant(p->Index()); };
  OV_BY_NAME(p, Appearance, .ToLong());
  OV_BY_NAME(p, Width, .ToLong());
  OV_BY_NAME(p, Height, .ToLong());
  OV_BY_NAME(p, Tag, );
  OV_BY_NAME(p, Key, );
  OV_BY_NAME(p, Name, .ToString());
  OV_BY_NAME(p, ControlName, .ToString());
  OV_BY_NAME(p, Minimum, .ToLong());
  OV_BY_NAME(p, ResizeChildControl, .ToBoolean());
  OV_BY_NAME(p, Maximum, .ToLong());
  OV_BY_NAME(p, Fixed, .ToBoolean());
  OV_BY_NAME(p, Collapsible, .ToBoolean());
  OV_BY_NAME(p, Collapsed, .ToBoolean());
  return named;
}

inline std::shared_ptr<ByName> PanesByName(std::shared_ptr<panes::OvPanes> panes, const ByName::Log& log) {
  auto named = std::make_shared<ByName>(log, panes);
  auto& get = named->getters;
  get[u"Count"] = [panes](const Arguments&) { return Variant(panes->Count()); };
  auto pane = [log](panes::PanePtr p) { return Variant(host::ObjectRef(PaneByName(p, log))); };
  get[u"Item"] = [panes, pane](const Arguments& a) { return pane(panes->Item(Argument(a, 0))); };
  get[u"Add"] = [panes, pane](const Arguments& a) {
    return pane(panes->Add(Argument(a, 0), Argument(a, 1), Argument(a, 2), Argument(a, 3)));
  };
  get[u"Remove"] = [panes, log](const Arguments& a) {
    log->push_back("Remove(" + host::ToUtf8(Argument(a, 0).ToString()) + ")");
    panes->Remove(Argument(a, 0));
    return Variant();
  };
  return named;
}

// The splitter with its collection and panes; writes land in `log`.
inline std::shared_ptr<ByName> SplitterByName(splitter::OvSplitter& control, ByName::Log log) {
  auto named = std::make_shared<ByName>(log, std::shared_ptr<const void>(std::shared_ptr<void>(), &control));
  splitter::OvSplitter* c = &control;
  named->getters[u"Panes"] = [c, log](const Arguments&) {
    return Variant(host::ObjectRef(PanesByName(c->Panes(), log)));
  };
  OV_BY_NAME(c, SplitterSize, .ToLong());
  OV_BY_NAME(c, OLEDropMode, .ToLong());
  OV_BY_NAME(c, Enabled, .ToBoolean());
  OV_BY_NAME(c, Orientation, .ToLong());
  OV_BY_NAME(c, BorderStyle, .ToLong());
  OV_BY_NAME(c, Appearance, .ToLong());
  OV_BY_NAME(c, SplitterStyle, .ToLong());
  OV_BY_NAME(c, MousePointer, .ToLong());
  OV_BY_NAME(c, SplitterKeyboard, .ToBoolean());
  OV_BY_NAME(c, SplitterIncrement, .ToLong());
  OV_BY_NAME(c, SplitterGrabSize, .ToLong());
  OV_BY_NAME(c, LiveDrag, .ToBoolean());
  OV_BY_NAME(c, ResizeMode, .ToLong());
  named->containedControls = [c] { return c->GetContainedControls(); };
  return named;
}

#undef OV_BY_NAME

}  // namespace support
