#include "pages/behavior.h"

#include <initializer_list>

#include "host/error.h"

namespace pages {
namespace {

using host::PageEvent;
using host::Variant;

// What kind of control shows a property, which decides how it is read, written and edited.
// A list's entries stand for the values 0, 1, ... in order.
enum class FieldKind { Check, Text, List };

struct Field {
  const char16_t* control;
  const char16_t* property;
  FieldKind kind;
  std::initializer_list<const char16_t*> items = {};
};

const Field kFields[] = {
    {u"chkSplitterKeyboard", u"SplitterKeyboard", FieldKind::Check},
    {u"txtSplitterIncrement", u"SplitterIncrement", FieldKind::Text},
    {u"txtSplitterGrabSize", u"SplitterGrabSize", FieldKind::Text},
    {u"chkLiveDrag", u"LiveDrag", FieldKind::Check},
    {u"cboResizeMode", u"ResizeMode", FieldKind::List, {u"0 - OvResizeLast", u"1 - OvResizeProportional"}},
};

const Field* FieldOf(host::StringView control) {
  for (const Field& field : kFields)
    if (control == field.control) return &field;
  return nullptr;
}

// A value without an entry stops the load with the list's error.
void Show(host::PageControl& control, FieldKind kind, const Variant& value) {
  if (kind == FieldKind::Check) return control.SetValue(value.ToBoolean() ? 1 : 0);
  if (kind == FieldKind::List) return control.SetListIndex(value.ToLong());
  control.SetText(value.ToString());
}

// A text box's text goes as it is: the control converts it as it converts any client's.
Variant Shown(const host::PageControl& control, FieldKind kind) {
  if (kind == FieldKind::Check) return Variant(control.Value() == 1);
  if (kind == FieldKind::List) return Variant(control.ListIndex());
  return Variant(control.Text());
}

// The user's edit of that kind of control.
PageEvent EditOf(FieldKind kind) { return kind == FieldKind::Text ? PageEvent::Change : PageEvent::Click; }

}  // namespace

Behavior::Behavior(host::PropertyPageSite& site) : site_(site) {
  for (const Field& field : kFields)
    for (const char16_t* item : field.items) site_.Control(field.control).AddItem(item);
}

void Behavior::SelectionChanged() {
  host::NamedObject& c = site_.SelectedControl();
  for (const Field& field : kFields) Show(site_.Control(field.control), field.kind, c.Get(field.property));
  site_.SetChanged(false);
}

void Behavior::ApplyChanges() {
  host::NamedObject& c = site_.SelectedControl();
  bool rejected = false;
  for (const Field& field : kFields) {
    try {
      Variant value = Shown(site_.Control(field.control), field.kind);
      // Values compare as the text they show, so "05" for 5 is written and reads back as 5.
      if (c.Get(field.property).ToString() != value.ToString()) c.Let(field.property, value);
    } catch (const host::Error& error) {
      site_.dialogs().ShowMessage(error.description(), host::kMessageBoxInformation, host::kApplicationTitle);
      rejected = true;
    }
  }
  // The fields show the values actually in force again.
  if (rejected) SelectionChanged();
}

void Behavior::ControlEvent(host::StringView control, PageEvent event) {
  const Field* field = FieldOf(control);
  if (!field) return;
  if (field->kind == FieldKind::Text && event == PageEvent::GotFocus)
    return m_oHighlight.GotFocus(site_.Control(control));
  if (field->kind == FieldKind::Text && event == PageEvent::MouseDown) return m_oHighlight.SetMouseDown(true);
  if (event == EditOf(field->kind)) site_.SetChanged(true);
}

}  // namespace pages
