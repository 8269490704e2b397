#pragma once
// The COM object of one of the component's portable objects (a pane, the pane
// collection): a counted COM object with the type-library IDispatch of its interface,
// made by Wrap. A portable object has at most one COM object at a time, so a client
// that reads the same portable object twice gets the same COM object (the identity map),
// and its members cross into COM through ComBoundary.
#include <memory>
#include <mutex>
#include <unordered_map>

#include "activex/com_object.h"
#include "activex/dual_dispatch.h"

namespace activex {

template <typename Derived, typename Portable, typename Interface>
class DispatchObject : public ComObject, public DualDispatch<Interface> {
 public:
  // The object's COM object with one reference for the caller; null for no object.
  // Derived is constructed from the shared pointer (it names this base a friend).
  static Interface* Wrap(const std::shared_ptr<Portable>& object) {
    if (!object) return nullptr;
    {
      std::lock_guard lock(liveMutex_);
      auto found = live_.find(object.get());
      if (found != live_.end()) {
        found->second->AddRef();
        return found->second;
      }
    }
    return new Derived(object);
  }

 protected:
  // extended: the earlier interface that Interface extends.
  DispatchObject(REFIID iid, std::shared_ptr<Portable> object, REFIID extended = IID_NULL)
      : DualDispatch<Interface>(iid, extended), object_(std::move(object)) {
    std::lock_guard lock(liveMutex_);
    live_[object_.get()] = static_cast<Derived*>(this);
  }
  ~DispatchObject() override {
    std::lock_guard lock(liveMutex_);
    live_.erase(object_.get());
  }

  const std::shared_ptr<Portable> object_;

 private:
  // Live COM objects by portable object, for every apartment of the process: controls on
  // several threads wrap their objects at the same time.
  static inline std::mutex liveMutex_;
  static inline std::unordered_map<const Portable*, Derived*> live_;
};

}  // namespace activex
