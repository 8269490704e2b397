#include "activex/client_site.h"

#include <olectl.h>

#include "activex/late_binding.h"
#include "activex/variant_bridge.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {

host::Variant ClientSite::Ambient(DISPID id) const {
  ComPtr<IDispatch> ambient = site_.As<IDispatch>(IID_IDispatch);
  if (!ambient) return host::Variant::Missing();
  return GetById(ambient.Get(), id).value_or(host::Variant::Missing());
}

bool ClientSite::UserMode() const {
  host::Variant value = Ambient(DISPID_AMBIENT_USERMODE);
  return value.IsMissing() ? true : value.ToBoolean();
}

host::String ClientSite::ScaleUnits() const {
  // A control with no container at all (created by a script) takes its pane extents in
  // twips, the unit its geometry is read in; a container that lacks the ambient gives "".
  if (!site_) return u"Twip";
  host::Variant value = Ambient(DISPID_AMBIENT_SCALEUNITS);
  return value.IsMissing() ? host::String() : value.ToString();
}

host::Variant ClientSite::ExtenderProperty(const wchar_t* name) const {
  // A control with no container at all stands at the origin (Left and Top are all it reads).
  if (!site_) return host::Variant(int32_t{0});
  ComPtr<IOleControlSite> control = site_.As<IOleControlSite>(IID_IOleControlSite);
  ComPtr<IDispatch> extender;
  if (!control || FAILED(control->GetExtendedControl(extender.Out())) || !extender)
    throw host::Error::Runtime(host::err::kMemberNotSupported);
  return GetByName(extender.Get(), name);
}

host::Variant ClientSite::Left() const { return ExtenderProperty(L"Left"); }

host::Variant ClientSite::Top() const { return ExtenderProperty(L"Top"); }

}  // namespace activex
