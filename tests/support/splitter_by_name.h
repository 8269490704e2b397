#pragma once
// The splitter, its pane collection and its panes reached by name, as a property page on
// the real platform reaches them through IDispatch: values converted as the type library
// converts them, errors passed on. Every write is logged as "<member>=<value>".
#include <functional>
#include <map>
#include <memory>

#include "host/site/named_object.h"
#include "panes/ov_panes.h"
#include "splitter/ov_splitter.h"

namespace support {

class ByName : public host::NamedObject {
 public:
  using Getter = std::function<host::Variant(const std::vector<host::Variant>&)>;
  using Setter = std::function<void(const host::Variant&)>;
  using Log = std::shared_ptr<std::vector<std::string>>;

  // Holds the target as a client's reference does; its address is the identity.
  ByName(Log log, std::shared_ptr<const void> target) : log_(std::move(log)), target_(std::move(target)) {}
  const void* Identity() const override { return target_.get(); }

  host::Variant Get(host::StringView member, const std::vector<host::Variant>& arguments = {}) override;
  void Let(host::StringView member, const host::Variant& value) override;
  std::optional<std::vector<host::Variant>> GetArray(host::StringView member) override;

  std::map<host::String, Getter, std::less<>> getters;
  std::map<host::String, Setter, std::less<>> setters;
  std::function<std::optional<std::vector<host::String>>()> containedControls;

 private:
  Log log_;
  std::shared_ptr<const void> target_;
};

// The splitter with its collection and panes; writes land in `log`.
std::shared_ptr<ByName> SplitterByName(splitter::OvSplitter& control, ByName::Log log);

}  // namespace support
