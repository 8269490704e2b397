#pragma once
// A control of a property page's dialog (edit, combo box, button or static) as the page's
// logic drives it. Setting values sends the control's own messages, so the notifications
// they cause reach the dialog like the user's; the page tells the two apart.
#include <windows.h>

#include <optional>

#include "host/site/page_control.h"

namespace win32 {

class Win32PageControl final : public host::PageControl {
 public:
  explicit Win32PageControl(HWND window);

  HWND Window() const { return window_; }
  // Whether the control paints its background from BackColor (edits and combo boxes).
  bool HasBackground() const { return kind_ == Kind::Edit || kind_ == Kind::ComboBox; }
  bool IsTextBox() const { return kind_ == Kind::Edit; }
  // What a WM_COMMAND notification code of this control means to the page, if anything.
  std::optional<host::PageEvent> EventFor(WORD notification) const;

  bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }
  host::OleColor BackColor() const override { return backColor_; }
  void SetBackColor(host::OleColor color) override;

  host::String Text() const override;
  void SetText(host::StringView text) override;
  int32_t SelStart() const override;
  int32_t SelLength() const override;
  void SetSelection(int32_t start, int32_t length) override;

  void AddItem(host::StringView text) override;
  void RemoveItem(int32_t position) override;
  void Clear() override;
  int32_t ListCount() const override;
  int32_t ListIndex() const override;
  void SetListIndex(int32_t position) override;
  host::String List(int32_t position) const override;

  int32_t Value() const override;
  void SetValue(int32_t value) override;

 private:
  enum class Kind { Edit, ComboBox, Button, Label };
  bool IsList() const { return kind_ == Kind::ComboBox; }
  // A combo box whose text the user edits (not a drop-down list).
  bool HasEditField() const;
  void CheckPosition(int32_t position, int32_t lowest) const;
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }

  HWND window_;
  Kind kind_;
  host::OleColor backColor_ = host::kWindowBackgroundColor;
};

}  // namespace win32
