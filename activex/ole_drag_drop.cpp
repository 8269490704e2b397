#include "activex/ole_drag_drop.h"

#include <vector>

#include "activex/error_info.h"
#include "activex/variant_bridge.h"
#include "com/query_interface.h"
#include "host/error.h"

namespace activex {
namespace {

constexpr host::EventId kOLECompleteDrag{1, u"OLECompleteDrag"};
constexpr host::EventId kOLEDragDrop{2, u"OLEDragDrop"};
constexpr host::EventId kOLEDragOver{3, u"OLEDragOver"};
constexpr host::EventId kOLEGiveFeedback{4, u"OLEGiveFeedback"};
constexpr host::EventId kOLESetData{5, u"OLESetData"};
constexpr host::EventId kOLEStartDrag{6, u"OLEStartDrag"};

constexpr int16_t kOLEDropManual = 1;
constexpr int32_t kRecursiveDrag = 674;
constexpr DWORD kMouseButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// The buttons and the shift keys as the mouse events report them.
int16_t ButtonOf(DWORD keys) {
  return static_cast<int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                              ((keys & MK_MBUTTON) ? 4 : 0));
}
int16_t ShiftOf(DWORD keys) {
  return static_cast<int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | ((keys & MK_ALT) ? 4 : 0));
}

DWORD KeysNow() {
  DWORD keys = 0;
  auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  if (down(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (down(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (down(VK_MBUTTON)) keys |= MK_MBUTTON;
  if (down(VK_SHIFT)) keys |= MK_SHIFT;
  if (down(VK_CONTROL)) keys |= MK_CONTROL;
  if (down(VK_MENU)) keys |= MK_ALT;
  return keys;
}

host::Variant ObjectArgument(DataObject& data) {
  return host::Variant(host::ObjectRef(std::make_shared<PlatformObject>(static_cast<_DataObject*>(&data))));
}

// An Effect a handler wrote back, within what the other side allows; the scroll bit is
// the target's own to add.
DWORD EffectWithin(const host::Variant& written, DWORD allowed) {
  return static_cast<DWORD>(written.ToLong()) & (allowed | DROPEFFECT_SCROLL);
}

}  // namespace

OleDragDrop::OleDragDrop(host::EventRaiser& events) : events_(events) {}

OleDragDrop::~OleDragDrop() {
  Revoke();
  EndTargetDrag();
}

void OleDragDrop::SetDropMode(HWND window, int16_t mode) {
  bool wanted = mode == kOLEDropManual;
  if (registered_ && (!wanted || window != window_)) Revoke();
  if (wanted && !registered_) {
    HRESULT hr = RegisterDragDrop(window, static_cast<IDropTarget*>(this));
    if (FAILED(hr)) throw host::Error(hr, host::kApplicationTitle, u"The control cannot accept dropped data.", {});
    registered_ = true;
    window_ = window;
  }
  mode_ = mode;
}

void OleDragDrop::Revoke() {
  if (!registered_) return;
  // A window already destroyed took its registration with it.
  RevokeDragDrop(window_);
  registered_ = false;
}

void OleDragDrop::StartDrag() {
  if (dragging_)
    throw host::Error(kRecursiveDrag, host::kApplicationTitle, u"Illegal recursive invocation of OLE drag and drop",
                      {});
  ComPtr<DataObject> data = ComPtr<DataObject>::Adopt(
      DataObject::CreateOwn([this](DataObject& requested, int16_t format) { RaiseSetData(requested, format); }));
  struct EndOfDrag {
    OleDragDrop& owner;
    DataObject& data;
    ~EndOfDrag() {
      owner.dragging_ = false;
      data.EndDrag();
    }
  } end{*this, *data.Get()};
  dragging_ = true;

  std::vector<host::Variant> start{ObjectArgument(*data.Get()),
                                   host::Variant(int32_t{DROPEFFECT_COPY | DROPEFFECT_MOVE})};
  events_.RaiseEvent(kOLEStartDrag, start);
  DWORD allowed = static_cast<DWORD>(start[1].ToLong()) & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);

  DWORD effect = DROPEFFECT_NONE;
  // Nothing allowed ends the drag before it starts.
  if (allowed != DROPEFFECT_NONE) {
    dragButtons_ = KeysNow() & kMouseButtons;
    if (!dragButtons_) dragButtons_ = MK_LBUTTON;
    HRESULT hr = DoDragDrop(static_cast<IDataObject*>(data.Get()), static_cast<IDropSource*>(this), allowed, &effect);
    if (FAILED(hr)) throw host::Error(hr, host::kApplicationTitle, u"The drag failed.", {});
    if (hr != DRAGDROP_S_DROP) effect = DROPEFFECT_NONE;
  }
  std::vector<host::Variant> complete{host::Variant(static_cast<int32_t>(effect))};
  events_.RaiseEvent(kOLECompleteDrag, complete);
}

void OleDragDrop::RaiseSetData(DataObject& data, int16_t format) {
  std::vector<host::Variant> arguments{ObjectArgument(data), host::Variant(format)};
  events_.RaiseEvent(kOLESetData, arguments);
}

// IUnknown

HRESULT OleDragDrop::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<OleDragDrop> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDropTarget}, As<IDropTarget>},
      {{&IID_IDropSource}, As<IDropSource>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

// IDropTarget

DWORD OleDragDrop::RaiseTargetEvent(const host::EventId& event, DWORD keys, POINTL point, DWORD effect,
                                    const int16_t* state) {
  POINT client{point.x, point.y};
  ScreenToClient(window_, &client);
  lastKeys_ = keys;
  lastPoint_ = point;
  std::vector<host::Variant> arguments{ObjectArgument(*incoming_.Get()),
                                       host::Variant(static_cast<int32_t>(effect)),
                                       host::Variant(ButtonOf(keys)),
                                       host::Variant(ShiftOf(keys)),
                                       host::Variant(static_cast<float>(client.x)),
                                       host::Variant(static_cast<float>(client.y))};
  if (state) arguments.emplace_back(*state);
  events_.RaiseEvent(event, arguments);
  return EffectWithin(arguments[1], effect);
}

void OleDragDrop::EndTargetDrag() {
  if (!incoming_) return;
  incoming_->EndDrag();
  incoming_.Reset();
}

HRESULT OleDragDrop::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
  if (!data || !effect) return E_INVALIDARG;
  return ComBoundary(IID_IDropTarget, [&] {
    EndTargetDrag();
    incoming_ = ComPtr<DataObject>::Adopt(DataObject::OverForeignData(data));
    const int16_t state = kEnter;
    *effect = RaiseTargetEvent(kOLEDragOver, keys, point, *effect, &state);
  });
}

HRESULT OleDragDrop::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  if (!incoming_) return E_UNEXPECTED;
  return ComBoundary(IID_IDropTarget, [&] {
    const int16_t state = kOver;
    *effect = RaiseTargetEvent(kOLEDragOver, keys, point, *effect, &state);
  });
}

HRESULT OleDragDrop::DragLeave() {
  if (!incoming_) return S_OK;
  HRESULT hr = ComBoundary(IID_IDropTarget, [&] {
    const int16_t state = kLeave;
    RaiseTargetEvent(kOLEDragOver, lastKeys_, lastPoint_, DROPEFFECT_NONE, &state);
  });
  EndTargetDrag();
  return hr;
}

HRESULT OleDragDrop::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
  if (!data || !effect) return E_INVALIDARG;
  HRESULT hr = ComBoundary(IID_IDropTarget, [&] {
    // Drop carries the data again; a target that saw no DragEnter still gets it.
    if (!incoming_) incoming_ = ComPtr<DataObject>::Adopt(DataObject::OverForeignData(data));
    *effect = RaiseTargetEvent(kOLEDragDrop, keys, point, *effect, nullptr);
  });
  if (FAILED(hr)) *effect = DROPEFFECT_NONE;
  EndTargetDrag();
  return hr;
}

// IDropSource

HRESULT OleDragDrop::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  // Releasing the button that started the drag drops.
  if (!(keys & dragButtons_)) return DRAGDROP_S_DROP;
  return S_OK;
}

HRESULT OleDragDrop::GiveFeedback(DWORD effect) {
  bool defaultCursors = true;
  HRESULT hr = ComBoundary(IID_IDropSource, [&] {
    std::vector<host::Variant> arguments{host::Variant(static_cast<int32_t>(effect)), host::Variant(true)};
    events_.RaiseEvent(kOLEGiveFeedback, arguments);
    defaultCursors = arguments[1].ToBoolean();
  });
  if (FAILED(hr)) return hr;
  return defaultCursors ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
}

}  // namespace activex
