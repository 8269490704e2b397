#include "pages/general.h"

#include <functional>
#include <initializer_list>

#include "host/error.h"

namespace pages {
namespace {

using host::PageEvent;
using host::Variant;

struct ListItems {
  const char16_t* list;
  std::initializer_list<const char16_t*> items;
};

// Filled in this order when the page is created.
const ListItems kLists[] = {
    {u"cboSplitterStyle", {u"0 - OvFlat", u"1- OvRound"}},
    {u"cboAppearance", {u"0 - OvFlat", u"1- Ov3D"}},
    {u"cboBorderStyle", {u"0 - OvNone", u"1 - OvFixed Single"}},
    {u"cboOrientation", {u"0 - OvHorizontal", u"1 - OvVertical"}},
    {u"cboMousePointer",
     {u"0 - vbDefault", u"1 - vbArrow", u"2 - vbCrossHair", u"3 - vbIbeam", u"4 - vbIconPointer", u"5 - vbSizePointer",
      u"6 - vbSizeNESW", u"7 - vbSizeNS", u"8 - vbSizeNWSE", u"9 - vbSizeWE", u"10 - vbUpArrow", u"11 - vbHourglass",
      u"12 - vbNoDrop", u"13 - vbArrowHourglass", u"14 - vbArrowQuestion", u"15 - vbSizeAll", u"99 - vbCustom"}},
    {u"cboDropMode", {u"0 - vbNone", u"1 - vbManual"}},
};

// The last entry of the pointer list stands for the custom pointer.
constexpr int32_t kCustomPointer = 99;

// The fields whose edits mark the page changed.
constexpr const char16_t* kEditedBy[] = {u"cboAppearance",   u"cboBorderStyle", u"cboOrientation",  u"cboSplitterStyle",
                                         u"cboMousePointer", u"cboDropMode",    u"txtSplitterSize", u"chkEnabled"};

Variant ListValue(const host::PageControl& list) { return Variant(static_cast<int16_t>(list.ListIndex())); }

// A write whose failure the page drops without a word.
void IgnoringErrors(const std::function<void()>& write) {
  try {
    write();
  } catch (const host::Error&) {
  }
}

}  // namespace

General::General(host::PropertyPageSite& site) : site_(site) {
  for (const ListItems& list : kLists)
    for (const char16_t* item : list.items) Field(list.list).AddItem(item);
}

void General::SelectionChanged() {
  host::NamedObject& c = site_.SelectedControl();
  Field(u"txtSplitterSize").SetText(c.Get(u"SplitterSize").ToString());
  Field(u"cboDropMode").SetListIndex(c.Get(u"OLEDropMode").ToLong());
  Field(u"chkEnabled").SetValue(c.Get(u"Enabled").ToLong() & 1);
  Field(u"cboOrientation").SetListIndex(c.Get(u"Orientation").ToLong());
  Field(u"cboBorderStyle").SetListIndex(c.Get(u"BorderStyle").ToLong());
  Field(u"cboAppearance").SetListIndex(c.Get(u"Appearance").ToLong());
  Field(u"cboSplitterStyle").SetListIndex(c.Get(u"SplitterStyle").ToLong());
  host::PageControl& pointer = Field(u"cboMousePointer");
  int32_t mousePointer = c.Get(u"MousePointer").ToLong();
  pointer.SetListIndex(mousePointer == kCustomPointer ? pointer.ListCount() - 1 : mousePointer);
  site_.SetChanged(false);
}

void General::ApplyChanges() {
  host::NamedObject& c = site_.SelectedControl();
  bool sizeRejected = false;
  try {
    c.Let(u"SplitterSize", Variant(Field(u"txtSplitterSize").Text()));
  } catch (const host::Error& error) {
    site_.dialogs().ShowMessage(error.description(), host::kMessageBoxInformation, host::kApplicationTitle);
    sizeRejected = true;
  }
  IgnoringErrors([&] { c.Let(u"OLEDropMode", ListValue(Field(u"cboDropMode"))); });
  IgnoringErrors([&] { c.Let(u"Enabled", Variant(Field(u"chkEnabled").Value() == 1)); });
  IgnoringErrors([&] { c.Let(u"Orientation", ListValue(Field(u"cboOrientation"))); });
  IgnoringErrors([&] { c.Let(u"Appearance", ListValue(Field(u"cboAppearance"))); });
  IgnoringErrors([&] { c.Let(u"BorderStyle", ListValue(Field(u"cboBorderStyle"))); });
  IgnoringErrors([&] { c.Let(u"SplitterStyle", ListValue(Field(u"cboSplitterStyle"))); });
  IgnoringErrors([&] {
    host::PageControl& pointer = Field(u"cboMousePointer");
    bool custom = pointer.ListIndex() == pointer.ListCount() - 1;
    c.Let(u"MousePointer", custom ? Variant(static_cast<int16_t>(kCustomPointer)) : ListValue(pointer));
  });
  // The text box shows the size actually in force again.
  if (sizeRejected) SelectionChanged();
}

void General::ControlEvent(host::StringView control, PageEvent event) {
  if (control == u"txtSplitterSize" && event == PageEvent::GotFocus) return m_oHighlight.GotFocus(Field(control));
  if (control == u"txtSplitterSize" && event == PageEvent::MouseDown) return m_oHighlight.SetMouseDown(true);
  bool isText = control == u"txtSplitterSize";
  if (event != (isText ? PageEvent::Change : PageEvent::Click)) return;
  for (const char16_t* edited : kEditedBy)
    if (control == edited) site_.SetChanged(true);
}

}  // namespace pages
