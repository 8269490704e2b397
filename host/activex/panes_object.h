#pragma once
// The COM object of the pane collection: its dispatch interface, the enumerator and the
// collection's events to connected clients.
#include <windows.h>
#include <ocidl.h>

#include <memory>

#include "OvSplitr_h.h"
#include "host/activex/com_object.h"
#include "host/activex/event_source.h"
#include "host/activex/dual_dispatch.h"
#include "panes/ov_panes.h"

namespace activex {

class PanesObject final : public ComObject,
                          public DualDispatch<_OvPanes>,
                          public EventSource<&CLSID_OvPanes, &DIID___OvPanes>,
                          private panes::PanesListener {
 public:
  // The collection's object with one reference for the caller.
  static _OvPanes* Wrap(const std::shared_ptr<panes::OvPanes>& panes);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  OV_IUNKNOWN_BY_COMOBJECT

  HRESULT STDMETHODCALLTYPE NewEnum(IUnknown** result) override;
  HRESULT STDMETHODCALLTYPE Add(VARIANT index, VARIANT key, VARIANT appearance, VARIANT controlName,
                                _OvPane** result) override;
  HRESULT STDMETHODCALLTYPE get_Item(VARIANT* index, _OvPane** result) override;
  HRESULT STDMETHODCALLTYPE get_Count(LONG* result) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT* index) override;
  HRESULT STDMETHODCALLTYPE Clear() override;


 private:
  explicit PanesObject(std::shared_ptr<panes::OvPanes> panes);
  ~PanesObject() override;

  void PaneAdded(panes::PanePtr& pane) override;
  void PaneRemoved(panes::PanePtr pane) override;
  void PaneChanged(panes::PanePtr& pane, host::String& property) override;
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) override;

  std::shared_ptr<panes::OvPanes> panes_;
};

}  // namespace activex
