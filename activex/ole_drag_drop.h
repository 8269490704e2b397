#pragma once
// Both ends of OLE drag and drop for one control: the drop target registered on its
// window while OLEDropMode is 1 (manual), and the drop source of OLEDrag. Every OLE
// notification is raised as the control's event of the same name, its arguments by
// reference, and what a handler writes into Effect or DefaultCursors goes back to OLE.
//   Lives inside the control's COM object: its IUnknown does not count, and it revokes
// its registration when it goes, so it must go before the control's window does.
#include <windows.h>
#include <ole2.h>

#include <cstdint>

#include "com/com_ptr.h"
#include "activex/data_object.h"
#include "host/site/event_raiser.h"

namespace activex {

class OleDragDrop final : public IDropTarget, public IDropSource {
 public:
  explicit OleDragDrop(host::EventRaiser& events);
  ~OleDragDrop();
  OleDragDrop(const OleDragDrop&) = delete;
  OleDragDrop& operator=(const OleDragDrop&) = delete;

  // 1 makes window a drop target, any other value stops that. Throws host::Error
  // when OLE refuses the registration.
  void SetDropMode(HWND window, int16_t mode);
  int16_t DropMode() const { return mode_; }
  // Runs OLE's drag loop with the control as the source: OLEStartDrag, then
  // OLEGiveFeedback and OLESetData while it runs, OLECompleteDrag when it ends.
  void StartDrag();

  // IUnknown:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // IDropTarget:
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

  // IDropSource:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

 private:
  enum DragOverState : int16_t { kEnter = 0, kLeave = 1, kOver = 2 };

  void Revoke();
  // OLEDragOver, or OLEDragDrop without a state; returns the Effect the handler left.
  DWORD RaiseTargetEvent(const host::EventId& event, DWORD keys, POINTL point, DWORD effect, const int16_t* state);
  void RaiseSetData(DataObject& data, int16_t format);
  void EndTargetDrag();

  host::EventRaiser& events_;
  HWND window_ = nullptr;
  int16_t mode_ = 0;
  bool registered_ = false;

  // The drag over the control, between DragEnter and DragLeave or Drop.
  ComPtr<DataObject> incoming_;
  DWORD lastKeys_ = 0;
  POINTL lastPoint_{};

  // The drag the control is the source of.
  bool dragging_ = false;
  DWORD dragButtons_ = 0;
};

}  // namespace activex
