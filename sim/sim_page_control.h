#pragma once
// A property page control in memory: every kind's state in one object. Setters raise no
// events; a test plays the user by setting a value and handing the page the event.
#include <vector>

#include "host/site/page_control.h"

namespace host::sim {

class SimPageControl : public PageControl {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  OleColor BackColor() const override { return backColor_; }
  void SetBackColor(OleColor color) override { backColor_ = color; }

  String Text() const override { return text_; }
  void SetText(StringView text) override;
  int32_t SelStart() const override { return selStart_; }
  int32_t SelLength() const override { return selLength_; }
  void SetSelection(int32_t start, int32_t length) override;

  void AddItem(StringView text) override { items_.emplace_back(text); }
  void RemoveItem(int32_t position) override;
  void Clear() override;
  int32_t ListCount() const override { return static_cast<int32_t>(items_.size()); }
  int32_t ListIndex() const override { return listIndex_; }
  // Selecting an entry shows its text; selecting none empties the text.
  void SetListIndex(int32_t position) override;
  String List(int32_t position) const override;

  int32_t Value() const override { return value_; }
  void SetValue(int32_t value) override { value_ = value; }

  const std::vector<String>& Items() const { return items_; }

 private:
  void CheckPosition(int32_t position, int32_t lowest) const;

  bool enabled_ = true;
  OleColor backColor_ = kWindowBackgroundColor;
  String text_;
  int32_t selStart_ = 0;
  int32_t selLength_ = 0;
  std::vector<String> items_;
  int32_t listIndex_ = -1;
  int32_t value_ = 0;
};

}  // namespace host::sim
