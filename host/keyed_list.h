#pragma once
// The ordered, keyed list that the component's collections share: 1-based positions kept
// equal to each item's Index, keys that must be unique ignoring case and blanks, lookup by
// exact key, insertion after a position, and "Index out of bounds." for a bad position.
// The collection that holds a KeyedList raises its own events; the list only keeps order.
#include <cstdint>
#include <memory>
#include <vector>

#include "host/error.h"
#include "host/keyed_collection_listener.h"
#include "host/listener_list.h"
#include "host/variant.h"

namespace host {

// True when `candidate` would collide with an item whose key is `existing`: both trimmed of
// blanks and compared ignoring case. A blank, Null or missing candidate never collides.
bool KeyCollides(const Variant& candidate, const Variant& existing);

// The Key let of a keyed item, once its collection has said whether the key exists:
// "Key already exists." (0x8004041B, no source or help file) when it does, the stored key
// untouched; otherwise the key is stored when it differs from the stored one (a Null on
// either side is never different) and the answer says whether it was.
bool ReplaceKey(bool keyExists, Variant& stored, const Variant& value);

// "Index out of bounds." (0x8004041D), raised with no source or help file.
[[noreturn]] void ThrowIndexOutOfBounds();

// Sets a flag for the life of a scope and clears it on every exit, a throw included: the
// collection's "adding" flag that keeps change events quiet while Add sets an item up.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

// Item needs `const Variant& Key() const`, `int32_t Index() const` and `void SetIndex(int32_t)`.
template <typename Item>
class KeyedList {
 public:
  using Ptr = std::shared_ptr<Item>;

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const std::vector<Ptr>& Items() const { return items_; }

  // A numeric Index (a number or a string that reads as one) is a position, rounded half
  // to even; anything else is a key.
  int32_t ResolveIndex(const Variant& index) const {
    if (index.IsNumeric()) return index.ToLong();
    return IndexFromKey(index);
  }

  // The Index of the first item whose key equals `key` exactly; 0 when none does.
  int32_t IndexFromKey(const Variant& key) const {
    for (const Ptr& item : items_)
      if (VariantEquals(item->Key(), key)) return item->Index();
    return 0;
  }

  // Whether any item, the one being keyed included, already has this key.
  bool KeyExists(const Variant& key) const {
    for (const Ptr& item : items_)
      if (KeyCollides(key, item->Key())) return true;
    return false;
  }

  // The item at a 1-based position; "Index out of bounds." outside 1..Count.
  const Ptr& At(int32_t position) const {
    if (position < 1 || position > Count()) ThrowIndexOutOfBounds();
    return items_[static_cast<size_t>(position - 1)];
  }

  // The steps of a collection's Add around the item's own setters: the Index argument is
  // resolved first, `setUp` runs with `adding` set (so the setters raise no change event),
  // then the item is appended, or inserted after the resolved position. When a step fails
  // nothing is inserted; `adding` is clear again on every exit.
  template <typename SetUp>
  void Add(const Variant& index, const Ptr& item, bool& adding, SetUp setUp) {
    FlagScope scope(adding);
    bool hasIndex = !index.IsMissing();
    int32_t position = hasIndex ? ResolveIndex(index) : 0;
    setUp(*item);
    if (hasIndex)
      InsertAfter(position, item);
    else
      Append(item);
  }

  void Append(Ptr item) {
    item->SetIndex(Count() + 1);
    items_.push_back(std::move(item));
  }

  // Inserts directly after `position`, which must name an item: the list's own invalid
  // argument error otherwise.
  void InsertAfter(int32_t position, Ptr item) {
    if (position < 1 || position > Count()) throw Error::Runtime(err::kInvalidArgument);
    items_.insert(items_.begin() + position, std::move(item));
    Reindex();
  }

  // Takes out the item at `position` (checked as At does) and renumbers the rest.
  Ptr RemoveAt(int32_t position) {
    Ptr removed = At(position);
    items_.erase(items_.begin() + (position - 1));
    Reindex();
    return removed;
  }

  // Empties the list and hands the old items to the caller, who releases them.
  std::vector<Ptr> TakeAll() {
    std::vector<Ptr> taken;
    taken.swap(items_);
    return taken;
  }

  void Reindex() {
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->SetIndex(static_cast<int32_t>(i + 1));
  }

 private:
  std::vector<Ptr> items_;
};

// What an item of a keyed collection keeps for the collection: its position, its key and
// tag, and a reference back to the collection, through which every change is reported
// (`Owner::NotifyChanged(Self&, property)`, `Owner::KeyExists`). The reference does not
// own: an item that outlives its collection keeps its values and reports to no one.
template <typename Self, typename Owner>
class KeyedItem {
 public:
  int32_t Index() const { return index_; }
  const Variant& Key() const { return key_; }
  // "Key already exists." when the collection holds the key, this item included.
  void SetKey(const Variant& value) {
    auto owner = owner_.lock();
    if (ReplaceKey(owner && owner->KeyExists(value), key_, value)) Notify(u"Key");
  }
  const Variant& Tag() const { return tag_; }
  void SetTag(const Variant& value) {
    tag_ = value;
    Notify(u"Tag");
  }

  // Used by the collection.
  void SetOwner(const std::shared_ptr<Owner>& owner) { owner_ = owner; }
  std::shared_ptr<Owner> GetOwner() const { return owner_.lock(); }
  void SetIndex(int32_t index) { index_ = index; }

 protected:
  void Notify(const char16_t* property) {
    if (auto owner = owner_.lock()) owner->NotifyChanged(static_cast<Self&>(*this), property);
  }

 private:
  std::weak_ptr<Owner> owner_;
  Variant key_;
  Variant tag_;
  int32_t index_ = 0;
};

// A keyed collection with its events: Added, Removed (null after Clear) and Changed go to
// every Listener, the item and the property name by reference. The collection's own Add
// creates the item and calls AddItem with the setters to run.
template <typename Self, typename T, typename Listener = KeyedCollectionListener<T>>
class KeyedCollection : public Object, public std::enable_shared_from_this<Self> {
 public:
  using Ptr = std::shared_ptr<T>;

  // A collection lives in a shared pointer, which its items hold weakly; Self names this
  // base a friend for its private constructor.
  static std::shared_ptr<Self> Create() { return std::shared_ptr<Self>(new Self()); }

  int32_t Count() const { return list_.Count(); }
  // "Index out of bounds." for a position outside 1..Count or a key that no item has.
  Ptr Item(const Variant& index) const { return list_.At(list_.ResolveIndex(index)); }
  // The items in list order; what the enumerator walks.
  const std::vector<Ptr>& Items() const { return list_.Items(); }
  void Remove(const Variant& index) { RaiseRemoved(TakeOut(index)); }
  void Clear() {
    auto released = list_.TakeAll();
    ListChanged();
    RaiseRemoved(nullptr);
  }

  void AddListener(Listener* listener) { listeners_.Add(listener); }
  void RemoveListener(Listener* listener) { listeners_.Remove(listener); }

  // Used by the items.
  bool IsAdding() const { return isAdding_; }
  // Raises Changed unless an Add is setting the item up.
  void NotifyChanged(T& item, const String& property) {
    if (isAdding_) return;
    Ptr changed = item.shared_from_this();
    String name = property;
    listeners_.Raise([&](Listener& l) { l.Changed(changed, name); });
  }
  int32_t ResolveIndex(const Variant& index) const { return list_.ResolveIndex(index); }
  int32_t IndexFromKey(const Variant& key) const { return list_.IndexFromKey(key); }
  bool KeyExists(const Variant& key) const { return list_.KeyExists(key); }
  void Reindex() {
    list_.Reindex();
    ListChanged();
  }

 protected:
  KeyedCollection() = default;
  virtual ~KeyedCollection() = default;

  template <typename SetUp>
  Ptr AddItem(const Variant& index, Ptr item, SetUp setUp) {
    list_.Add(index, item, isAdding_, setUp);
    ListChanged();
    Ptr added = item;
    listeners_.Raise([&](Listener& l) { l.Added(added); });
    return item;
  }
  // Remove in two steps, for a collection that does more in between.
  Ptr TakeOut(const Variant& index) {
    Ptr removed = list_.RemoveAt(list_.ResolveIndex(index));
    ListChanged();
    return removed;
  }
  void RaiseRemoved(Ptr removed) {
    listeners_.Raise([&](Listener& l) { l.Removed(removed); });
  }
  // Drops every item and every listener without an event: the owner is going away.
  void DropAll() {
    listeners_.Clear();
    auto released = list_.TakeAll();
    ListChanged();
  }
  // Called after every change of the list's order or contents.
  virtual void ListChanged() {}
  const ListenerList<Listener>& Listeners() const { return listeners_; }

 private:
  KeyedList<T> list_;
  ListenerList<Listener> listeners_;
  bool isAdding_ = false;
};

}  // namespace host
