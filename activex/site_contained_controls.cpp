#include "activex/site_contained_controls.h"

#include "activex/late_binding.h"
#include "host/error.h"

namespace activex {
namespace {

class ExtenderControl final : public host::ContainedControl {
 public:
  explicit ExtenderControl(ComPtr<IDispatch> extender) : extender_(std::move(extender)) {}

  host::String Name() const override { return GetByName(extender_.Get(), L"Name").ToString(); }
  host::WindowHandle Hwnd() const override {
    // Window handles travel as 32-bit Longs; the sign is the handle's bit pattern.
    return static_cast<host::WindowHandle>(static_cast<uint32_t>(GetByName(extender_.Get(), L"hWnd").ToLong()));
  }
  void Move(double left, double top, double width, double height) override {
    CallByName(extender_.Get(), L"Move",
               {host::Variant(left), host::Variant(top), host::Variant(width), host::Variant(height)});
  }
  void Refresh() override { CallByName(extender_.Get(), L"Refresh", {}); }

 private:
  ComPtr<IDispatch> extender_;
};

// An embedded control's extender comes from its own site; any other object is its own.
ComPtr<IDispatch> ExtenderOf(IUnknown* object) {
  ComPtr<IOleObject> embedded = ComPtr<IUnknown>::Share(object).As<IOleObject>(IID_IOleObject);
  ComPtr<IOleClientSite> site;
  if (embedded && SUCCEEDED(embedded->GetClientSite(site.Out())) && site) {
    ComPtr<IOleControlSite> controlSite = site.As<IOleControlSite>(IID_IOleControlSite);
    ComPtr<IDispatch> extender;
    if (controlSite && SUCCEEDED(controlSite->GetExtendedControl(extender.Out())) && extender) return extender;
  }
  return ComPtr<IUnknown>::Share(object).As<IDispatch>(IID_IDispatch);
}

}  // namespace

std::vector<host::ContainedControlRef> SiteContainedControls::Enumerate() const {
  std::vector<host::ContainedControlRef> controls;
  IOleClientSite* site = site_.Get();
  ComPtr<IOleControlSite> controlSite = ComPtr<IOleClientSite>::Share(site).As<IOleControlSite>(IID_IOleControlSite);
  ComPtr<IDispatch> ownExtender;
  ComPtr<IOleContainer> container;
  if (!site || !controlSite || FAILED(controlSite->GetExtendedControl(ownExtender.Out())) || !ownExtender ||
      FAILED(site->GetContainer(container.Out())) || !container)
    return controls;
  ComPtr<IUnknown> ownIdentity = IdentityOf(ownExtender.Get());
  ComPtr<IEnumUnknown> objects;
  if (FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS | OLECONTF_OTHERS, objects.Out())) || !objects) return controls;
  IUnknown* object = nullptr;
  while (objects->Next(1, &object, nullptr) == S_OK) {
    ComPtr<IUnknown> held = ComPtr<IUnknown>::Adopt(object);
    ComPtr<IDispatch> extender = ExtenderOf(held.Get());
    if (!extender) continue;
    try {
      ComPtr<IUnknown> holder = ObjectByName(extender.Get(), L"Container");
      if (holder && holder.Get() == ownIdentity.Get()) controls.push_back(std::make_shared<ExtenderControl>(extender));
    } catch (const host::Error&) {
      // An object without a Container is not inside any control.
    }
  }
  return controls;
}

}  // namespace activex
