#pragma once
// The COM object of the pane collection: its dispatch interface, the enumerator and the
// collection's events to connected clients.
#include <windows.h>
#include <ocidl.h>

#include <memory>

#include "OvSplitr_h.h"
#include "activex/dispatch_object.h"
#include "activex/event_source.h"
#include "panes/ov_panes.h"

namespace activex {

class PanesObject final : public DispatchObject<PanesObject, panes::OvPanes, _OvPanes>,
                          public EventSource<&CLSID_OvPanes, &DIID___OvPanes>,
                          private panes::PanesListener {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  HRESULT STDMETHODCALLTYPE NewEnum(IUnknown** result) override;
  HRESULT STDMETHODCALLTYPE Add(VARIANT index, VARIANT key, VARIANT appearance, VARIANT controlName,
                                _OvPane** result) override;
  HRESULT STDMETHODCALLTYPE get_Item(VARIANT* index, _OvPane** result) override;
  HRESULT STDMETHODCALLTYPE get_Count(LONG* result) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT* index) override;
  HRESULT STDMETHODCALLTYPE Clear() override;

 private:
  friend DispatchObject;
  explicit PanesObject(std::shared_ptr<panes::OvPanes> panes);
  ~PanesObject() override;

  void Added(panes::PanePtr& pane) override;
  void Removed(panes::PanePtr& pane) override;
  void Changed(panes::PanePtr& pane, host::String& property) override;
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) override;
};

}  // namespace activex
