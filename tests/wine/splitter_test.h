#pragma once
// Fixture: a new splitter on a "Twip" site, 320 x 240 pixels, horizontal, SplitterSize 3,
// no border (panes start at 0), reached only through late binding; and what the wine tests
// share besides, headers included.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/dispatch_client.h"
#include "event_recorder.h"
#include "expect_dispatch_error.h"
#include "automation/splitter_instance.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"

inline constexpr long kTwipsPerPixel = 15;

// Another interface of an object; empty when it has none.
template <typename Wanted>
activex::ComPtr<Wanted> Interface(IUnknown* object, REFIID iid) {
  return activex::ComPtr<IUnknown>::Share(object).As<Wanted>(iid);
}

// The control's window, as its hWnd property gives it.
inline HWND WindowOf(const DispatchClient& control) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(control.Get(L"hWnd").AsLong()));
}

inline std::string Text(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + "}";
}

// How many of the summaries start with prefix.
inline int CountStarting(const std::vector<std::wstring>& summaries, const std::wstring& prefix) {
  int n = 0;
  for (const auto& summary : summaries) n += summary.rfind(prefix, 0) == 0;
  return n;
}

// The pages the control names through ISpecifyPropertyPages, in its order.
inline std::vector<CLSID> PagesOf(const DispatchClient& control) {
  CAUUID pages{};
  if (auto specify = Interface<ISpecifyPropertyPages>(control.Pointer(), IID_ISpecifyPropertyPages))
    specify->GetPages(&pages);
  std::vector<CLSID> list(pages.pElems, pages.pElems + pages.cElems);
  CoTaskMemFree(pages.pElems);
  return list;
}

// The system's application icon as a picture, as a client hands one over.
inline activex::ComPtr<IPictureDisp> IconPicture() {
  PICTDESC description{sizeof(PICTDESC), PICTYPE_ICON, {}};
  description.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
  activex::ComPtr<IPictureDisp> icon;
  OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(icon.Out()));
  return icon;
}

// A 3D pane's public rectangle lies inside its 2-pixel frame.
inline long InnerTwips3D(long pixels) { return (pixels - 4) * kTwipsPerPixel; }

class SplitterTest : public ::testing::Test {
 protected:
  DispatchClient Pane(long position) const { return panes_.Object(L"Item", position); }
  long Count() const { return panes_.Get(L"Count").AsLong(); }
  DispatchClient Add() const { return DispatchClient::From(panes_.Call(L"Add")); }

  std::unique_ptr<SplitterInstance> splitter_ = std::make_unique<SplitterInstance>();
  DispatchClient panes_ = splitter_->Panes();
};
