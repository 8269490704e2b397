#pragma once
// What every IEnumXXX over a fixed list does alike: Next, Skip and Reset over a list
// that clones share, each enumerator at its own position. A clone is a copy of the cursor.
#include <unknwn.h>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace activex {

template <typename Item>
class ListCursor {
 public:
  explicit ListCursor(std::vector<Item> items) : items_(std::make_shared<const std::vector<Item>>(std::move(items))) {}

  // Hands out up to count items through copy(slot, item); S_FALSE when fewer were left.
  template <typename Slot, typename Copy>
  HRESULT Next(ULONG count, Slot* slots, ULONG* fetched, Copy&& copy) {
    ULONG done = 0;
    for (; done < count && position_ < items_->size(); ++done, ++position_) copy(slots[done], (*items_)[position_]);
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(ULONG count) {
    std::size_t left = items_->size() - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT Reset() {
    position_ = 0;
    return S_OK;
  }

 private:
  std::shared_ptr<const std::vector<Item>> items_;
  std::size_t position_ = 0;
};

}  // namespace activex
