#include "sim/sim_page_control.h"

#include "host/error.h"

namespace host::sim {

void SimPageControl::CheckPosition(int32_t position, int32_t lowest) const {
  if (position < lowest || position >= ListCount()) throw Error::Runtime(err::kInvalidPropertyValue);
}

void SimPageControl::SetText(StringView text) {
  text_ = text;
  selStart_ = static_cast<int32_t>(text_.size());  // the caret after the text, nothing selected
  selLength_ = 0;
}

void SimPageControl::SetSelection(int32_t start, int32_t length) {
  selStart_ = start;
  selLength_ = length;
}

void SimPageControl::RemoveItem(int32_t position) {
  CheckPosition(position, 0);
  items_.erase(items_.begin() + position);
  if (position == listIndex_)
    SetListIndex(-1);
  else if (position < listIndex_)
    --listIndex_;
}

void SimPageControl::Clear() {
  items_.clear();
  SetListIndex(-1);
}

void SimPageControl::SetListIndex(int32_t position) {
  CheckPosition(position, -1);
  listIndex_ = position;
  SetText(position < 0 ? String() : items_[position]);
}

String SimPageControl::List(int32_t position) const {
  CheckPosition(position, 0);
  return items_[position];
}

}  // namespace host::sim
