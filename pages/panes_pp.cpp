#include "pages/panes_pp.h"

#include <algorithm>
#include <iterator>

#include "host/error.h"

namespace pages {
namespace {

using host::PageEvent;
using host::Variant;

constexpr char16_t kInsertTooSmall[] = u"An error occurred when adding the pane: the width is less than the minimum.";

// Enabled, and given the window background, only while the splitter has panes.
constexpr const char16_t* kPaneFields[] = {u"cboIndex", u"cboAppearance",  u"txtWidthHeight",
                                           u"txtName",  u"cboControlName", u"txtTag",
                                           u"txtKey",   u"txtMin",         u"txtMax"};
// Emptied when there is no pane to show.
constexpr const char16_t* kTextFields[] = {u"txtWidthHeight", u"cboControlName", u"txtName", u"txtTag",
                                           u"txtKey",         u"txtMin",         u"txtMax"};
constexpr const char16_t* kTextBoxes[] = {u"txtKey", u"txtMin", u"txtMax", u"txtName", u"txtTag", u"txtWidthHeight"};
// The check boxes and the pane's Booleans they show: enabled only while the splitter has
// panes, they keep the page's colour.
struct CheckBox {
  const char16_t* control;
  const char16_t* property;
};
constexpr CheckBox kCheckBoxes[] = {{u"chkResizeChildControl", u"ResizeChildControl"},
                                    {u"chkFixed", u"Fixed"},
                                    {u"chkCollapsible", u"Collapsible"},
                                    {u"chkCollapsed", u"Collapsed"}};

constexpr const char16_t* kMarkedByClick[] = {u"cboAppearance", u"cboControlName"};

// Whether writing the pane's Minimum or Maximum would widen its range (a Maximum of 0 is none).
// Text that is no number is left for the pane to refuse in its usual place.
bool WidensRange(host::NamedObject& pane, host::StringView property, const Variant& value) {
  const bool minimum = property == u"Minimum";
  if (!minimum && property != u"Maximum") return false;
  const double present = pane.Get(property).ToDouble();
  try {
    const double wanted = value.ToDouble();
    return minimum ? wanted < present : present != 0 && (wanted == 0 || wanted > present);
  } catch (const host::Error&) {
    return false;
  }
}

template <size_t N>
bool IsOneOf(host::StringView name, const char16_t* const (&names)[N]) {
  for (const char16_t* candidate : names)
    if (name == candidate) return true;
  return false;
}

bool IsCheckBox(host::StringView name) {
  for (const CheckBox& box : kCheckBoxes)
    if (name == box.control) return true;
  return false;
}

// A field is written only when the pane holds something else; values compare as the text
// the field shows.
bool Differs(const Variant& current, const Variant& field) {
  return current.IsObject() || current.ToString() != field.ToString();
}

}  // namespace

PanesPP::PanesPP(host::PropertyPageSite& site) : site_(site) {
  Field(u"cboAppearance").AddItem(u"0 - OvFlat");
  Field(u"cboAppearance").AddItem(u"1 - Ov3D");
}

host::NamedObjectRef PanesPP::Panes() { return host::AsNamedObject(site_.SelectedControl().Get(u"Panes")); }

bool PanesPP::IsHorizontal() { return site_.SelectedControl().Get(u"Orientation").ToLong() == 0; }

void PanesPP::ShowError(host::StringView description) {
  site_.dialogs().ShowMessage(description, host::kMessageBoxInformation, host::kApplicationTitle);
}

void PanesPP::SelectionChanged() {
  FillControlNames();
  FillIndexList();
  site_.SetChanged(false);
  UpdateControlStates();
}

void PanesPP::FillControlNames() {
  auto names = site_.SelectedControl().GetArray(u"GetContainedControls");
  if (!names) return;  // no list available: the entries stay
  host::PageControl& list = Field(u"cboControlName");
  list.Clear();
  // The array's last element is not a name.
  for (size_t i = 0; i + 1 < names->size(); ++i) list.AddItem((*names)[i].ToString());
}

void PanesPP::FillIndexList() {
  host::PageControl& list = Field(u"cboIndex");
  list.Clear();
  host::NamedObjectRef panes = Panes();
  int32_t count = panes->Get(u"Count").ToLong();
  for (int32_t i = 1; i <= count; ++i)
    list.AddItem(host::AsNamedObject(panes->Get(u"Item", {Variant(i)}))->Get(u"Index").ToString());
  if (list.ListCount() == 0) {
    currentIndex_ = -1;
    list.SetListIndex(-1);
    return;
  }
  int32_t position = currentIndex_ < list.ListCount() ? currentIndex_ : 0;
  if (position < 0) return;
  list.SetListIndex(position);
  IndexSelected();
}

void PanesPP::IndexSelected() {
  if (site_.Changed()) ApplyPane();  // the edits go to the pane shown so far
  ShowPane();
  currentIndex_ = Field(u"cboIndex").ListIndex();
  UpdateRemoveButton();
}

void PanesPP::ShowPane() {
  host::NamedObjectRef pane = host::AsNamedObject(Panes()->Get(u"Item", {Variant(Field(u"cboIndex").ListIndex() + 1)}));
  Field(u"cboAppearance").SetListIndex(pane->Get(u"Appearance").ToLong());
  bool horizontal = IsHorizontal();
  Field(u"txtWidthHeight").SetText(pane->Get(horizontal ? u"Width" : u"Height").ToString());
  Field(u"lblWidthHeight").SetText(horizontal ? u"&Width:" : u"&Height:");
  Field(u"txtTag").SetText(pane->Get(u"Tag").ToString());
  Field(u"txtKey").SetText(pane->Get(u"Key").ToString());
  Field(u"txtName").SetText(pane->Get(u"Name").ToString());
  Field(u"cboControlName").SetText(pane->Get(u"ControlName").ToString());
  Field(u"txtMin").SetText(pane->Get(u"Minimum").ToString());
  Field(u"txtMax").SetText(pane->Get(u"Maximum").ToString());
  for (const CheckBox& box : kCheckBoxes) Field(box.control).SetValue(pane->Get(box.property).ToBoolean() ? 1 : 0);
  site_.SetChanged(false);
}

void PanesPP::ApplyPane() {
  try {
    host::NamedObjectRef panes = Panes();
    if (panes->Get(u"Count").ToLong() != 0) {
      host::NamedObjectRef pane = host::AsNamedObject(panes->Get(u"Item", {Variant(currentIndex_ + 1)}));
      struct Write {
        const char16_t* property;
        Variant value;
      };
      // In this order, the limits aside; the fields after a failing one are not written.
      Write writes[] = {
          {IsHorizontal() ? u"Width" : u"Height", Variant(Field(u"txtWidthHeight").Text())},
          {u"Appearance", Variant(static_cast<int16_t>(Field(u"cboAppearance").ListIndex()))},
          {u"Tag", Variant(Field(u"txtTag").Text())},
          {u"Key", Variant(Field(u"txtKey").Text())},
          {u"Name", Variant(Field(u"txtName").Text())},
          {u"ControlName", Variant(Field(u"cboControlName").Text())},
          {u"Minimum", Variant(Field(u"txtMin").Text())},
          {u"Maximum", Variant(Field(u"txtMax").Text())},
          {u"ResizeChildControl", Variant(Field(u"chkResizeChildControl").Value() == 1)},
          {u"Fixed", Variant(Field(u"chkFixed").Value() == 1)},
          {u"Collapsible", Variant(Field(u"chkCollapsible").Value() == 1)},
          {u"Collapsed", Variant(Field(u"chkCollapsed").Value() == 1)},
      };
      // A limit that widens the pane's range goes before the extent, one that narrows it after,
      // so that any consistent set of edits applies in one go.
      std::stable_partition(std::begin(writes), std::end(writes),
                            [&pane](const Write& write) { return WidensRange(*pane, write.property, write.value); });
      for (const Write& write : writes)
        if (Differs(pane->Get(write.property), write.value)) pane->Let(write.property, write.value);
    }
    site_.SetChanged(false);
  } catch (const host::Error& error) {
    ShowError(error.description());
    site_.SetChanged(true);  // the edits stay to be corrected and applied again
  }
}

void PanesPP::InsertPane() {
  try {
    if (site_.Changed()) {
      ApplyPane();
      ShowPane();
    }
    host::PageControl& list = Field(u"cboIndex");
    host::String shown = list.Text();
    // Inserted directly after the shown pane; appended when none is shown.
    Variant pane = shown.empty() ? Panes()->Get(u"Add") : Panes()->Get(u"Add", {Variant(shown)});
    if (pane.IsObject() && !pane.IsNothing()) {
      int32_t position = list.ListIndex();
      FillIndexList();
      list.SetListIndex(position + 1);
      IndexSelected();
    }
    UpdateControlStates();
  } catch (const host::Error& error) {
    ShowError(error.number() == host::err::kBelowMinimum ? host::StringView(kInsertTooSmall) : error.description());
  }
}

// The button is enabled only while a pane is selected (see UpdateRemoveButton); should a
// click arrive with none selected, there is nothing to remove and nothing happens.
void PanesPP::RemovePane() {
  host::PageControl& list = Field(u"cboIndex");
  int32_t position = list.ListIndex();
  if (position < 0) return;
  try {
    Panes()->Get(u"Remove", {Variant(position + 1)});
  } catch (const host::Error& error) {
    return ShowError(error.description());
  }
  // The other entries keep their text until the list is next filled.
  list.RemoveItem(position);
  UpdateControlStates();
  currentIndex_ = 0;
}

void PanesPP::UpdateControlStates() {
  bool hasPanes = Field(u"cboIndex").ListCount() > 0;
  if (!hasPanes) {
    Field(u"cboAppearance").SetListIndex(0);
    for (const char16_t* field : kTextFields) Field(field).SetText(u"");
  }
  UpdateControlColors();
  for (const char16_t* field : kPaneFields) Field(field).SetEnabled(hasPanes);
  for (const CheckBox& box : kCheckBoxes) Field(box.control).SetEnabled(hasPanes);
  UpdateRemoveButton();
  Field(u"cmdAdd").SetEnabled(true);
  site_.SetChanged(false);
}

void PanesPP::UpdateControlColors() {
  bool hasPanes = Field(u"cboIndex").ListCount() > 0;
  for (const char16_t* field : kPaneFields)
    Field(field).SetBackColor(hasPanes ? host::kWindowBackgroundColor : host::kButtonFaceColor);
}

// Removing needs a shown pane: after a removal no entry is selected until the user picks one.
void PanesPP::UpdateRemoveButton() { Field(u"cmdRemove").SetEnabled(Field(u"cboIndex").ListIndex() >= 0); }

void PanesPP::ControlEvent(host::StringView control, PageEvent event) {
  switch (event) {
    case PageEvent::Click:
      if (control == u"cboIndex") return IndexSelected();
      if (control == u"cmdAdd") return InsertPane();
      if (control == u"cmdRemove") return RemovePane();
      if (IsOneOf(control, kMarkedByClick) || IsCheckBox(control)) site_.SetChanged(true);
      return;
    case PageEvent::Change:
      if (control == u"cboControlName" || IsOneOf(control, kTextBoxes)) site_.SetChanged(true);
      return;
    case PageEvent::GotFocus:
      if (control == u"cboControlName" || IsOneOf(control, kTextBoxes)) Highlighter.GotFocus(Field(control));
      return;
    case PageEvent::MouseDown:
      if (IsOneOf(control, kTextBoxes)) Highlighter.SetMouseDown(true);
      return;
  }
}

}  // namespace pages
