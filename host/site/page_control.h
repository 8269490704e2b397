#pragma once
// One control on a property page (list, combo box, text box, check box, button or label),
// driven by the page's logic. One shape for every kind: a member that a kind does not have
// does nothing and answers empty. Setting a value from here raises none of the control's
// own events; the user's edits arrive at the page as PageEvent.
#include <cstdint>

#include "host/interface.h"
#include "host/ole_color.h"
#include "host/text.h"

namespace host {

// What the user did to a control of the page.
enum class PageEvent { Click, Change, GotFocus, MouseDown };

inline constexpr OleColor kWindowBackgroundColor = 0x80000005u;

class PageControl : public Interface {
 public:
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual OleColor BackColor() const = 0;
  virtual void SetBackColor(OleColor color) = 0;

  // The text of a text box or of a combo box's edit field, the caption of a label.
  virtual String Text() const = 0;
  virtual void SetText(StringView text) = 0;
  virtual int32_t SelStart() const = 0;
  virtual int32_t SelLength() const = 0;
  virtual void SetSelection(int32_t start, int32_t length) = 0;

  // Lists: the entries of a list or combo box; ListIndex −1 selects nothing. A position
  // outside the list throws "Invalid property value"; removing the selected entry leaves
  // nothing selected.
  virtual void AddItem(StringView text) = 0;
  virtual void RemoveItem(int32_t position) = 0;
  virtual void Clear() = 0;
  virtual int32_t ListCount() const = 0;
  virtual int32_t ListIndex() const = 0;
  virtual void SetListIndex(int32_t position) = 0;
  virtual String List(int32_t position) const = 0;

  // A check box: 0 empty, 1 ticked.
  virtual int32_t Value() const = 0;
  virtual void SetValue(int32_t value) = 0;
};

}  // namespace host
