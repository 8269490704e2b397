#pragma once
// What the control learns from its container's client site: the ambient properties
// (UserMode, ScaleUnits) and the extender's Left and Top, each read by dispatch id or name.
// A control created with no container at all (by a script) reads twips as its container's
// units and stands at the origin, so its pane extents are written as they are read.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include "com/com_ptr.h"
#include "host/site/ambient_properties.h"
#include "host/site/extender.h"

namespace activex {

class ClientSite final : public host::AmbientProperties, public host::Extender {
 public:
  void Attach(IOleClientSite* site) { site_ = ComPtr<IOleClientSite>::Share(site); }
  IOleClientSite* Get() const { return site_.Get(); }

  bool UserMode() const override;
  host::String ScaleUnits() const override;

  host::Variant Left() const override;
  host::Variant Top() const override;
  host::ParentRef Parent() const override { return nullptr; }

 private:
  // The ambient property's value, or Missing when the site does not give it.
  host::Variant Ambient(DISPID id) const;
  host::Variant ExtenderProperty(const wchar_t* name) const;

  ComPtr<IOleClientSite> site_;
};

}  // namespace activex
