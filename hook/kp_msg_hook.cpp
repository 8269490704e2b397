#include "hook/kp_msg_hook.h"

#include "hook/m_call_back.h"
#include "host/error.h"

namespace hook {

KpMsgHook::KpMsgHook(HookSite site) : site_(std::move(site)), m_oWindows(OvWindows::Create()) {
  m_oWindows->AddListener(this);
  MCallBack::RegisterWindows(m_oWindows);
}

KpMsgHook::~KpMsgHook() { Terminate(); }

void KpMsgHook::Terminate() {
  if (!m_oWindows) return;
  m_oWindows->SetIsSubclassing(false);
  MCallBack::UnregisterWindows(site_.subclassing, m_oWindows);
  m_oWindows->RemoveListener(this);
  m_oWindows.reset();
}

void KpMsgHook::SetSubclass(bool bSubclass) {
  if (!m_oWindows || bSubclass == m_oWindows->IsSubclassing()) return;
  if (!site_.ambient.UserMode()) {
    m_oWindows->SetIsSubclassing(bSubclass);
    return;
  }
  if (!m_oWindows->HasWindowHandle())
    throw host::Error::Bare(host::err::kInvalidValue,
                            u"No windows have been subclassed. MsgHook needs the hWnd of at least one window to "
                            u"subclass.");
  m_oWindows->SetIsSubclassing(bSubclass);
  MCallBack::ApplySubclassing(site_.subclassing, *m_oWindows);
}

void KpMsgHook::CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) {
  listeners_.Raise([&](KpMsgHookListener& l) { l.CallBack(hWnd, lMsg, wParam, lParam); });
}

std::vector<host::String> KpMsgHook::GetControlNames() const {
  // Errors are ignored throughout: a step that fails is skipped and the next one runs.
  host::NamedParentRef outermost;
  try {
    outermost = site_.parent ? site_.parent() : nullptr;
  } catch (const host::Error&) {
  }
  while (outermost) {
    host::NamedParentRef next;
    try {
      next = outermost->Parent();
    } catch (const host::Error&) {
    }
    if (!next) break;
    outermost = std::move(next);
  }

  std::vector<host::String> names(1);
  std::vector<host::ContainedControlRef> controls;
  if (outermost) {
    try {
      names[0] = outermost->Name();
    } catch (const host::Error&) {
    }
    try {
      controls = outermost->Controls();
    } catch (const host::Error&) {
    }
  }
  names.emplace_back();
  for (const host::ContainedControlRef& control : controls) {
    try {
      control->Hwnd();
    } catch (const host::Error&) {
      continue;  // a control without a window is not named
    }
    try {
      names.back() = control->Name();
    } catch (const host::Error&) {
    }
    names.emplace_back();
  }
  return names;
}

}  // namespace hook
