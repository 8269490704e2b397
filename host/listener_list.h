#pragma once
// The listeners of one event source. Raising works on a snapshot, so a handler may add or
// remove listeners: each listener still registered when its turn comes is told once.
// Listeners are not owned; each removes itself before it goes.
#include <algorithm>
#include <vector>

namespace host {

template <typename Listener>
class ListenerList {
 public:
  void Add(Listener* listener) { listeners_.push_back(listener); }
  void Remove(Listener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
  }
  bool Empty() const { return listeners_.empty(); }
  void Clear() { listeners_.clear(); }

  template <typename Tell>
  void Raise(Tell raise) const {
    std::vector<Listener*> snapshot = listeners_;
    for (Listener* listener : snapshot)
      if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) raise(*listener);
  }

 private:
  std::vector<Listener*> listeners_;
};

}  // namespace host
