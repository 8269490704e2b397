#pragma once
// Subclassing of the windows that hook registries name: the per-thread list of registries,
// the one window procedure that all subclassed windows share, and the two window
// properties that remember a window's previous procedure and count the registrations
// holding it, so that a window named by several registries is subclassed once and gets its
// own procedure back when the last of them lets it go.
//
// Everything runs on the thread that owns the windows; every thread that creates hooks has
// a list of its own.
#include <cstdint>
#include <memory>
#include <vector>

#include "hook/ov_windows.h"
#include "host/site/window_subclassing.h"

namespace hook::MCallBack {

// Present on a window while it is subclassed: its procedure from before, and the count.
inline constexpr char16_t kPreviousProcedureProperty[] = u"SPLITTERPREV_WNDPROC";
inline constexpr char16_t kRegistrationCountProperty[] = u"SPLITTERNUM_ADDEDPROPS";

using RegistryList = std::vector<std::shared_ptr<OvWindows>>;

// This thread's registries in registration order; null while the thread has none.
const RegistryList* ThreadRegistries();

// Appends the registry to this thread's list, creating the list when needed.
void RegisterWindows(const std::shared_ptr<OvWindows>& registry);
// Releases every window of the registry (whose IsSubclassing the caller has set False)
// and takes it out of the list.
void UnregisterWindows(host::WindowSubclassing& platform, const std::shared_ptr<OvWindows>& registry);

// Hooks every window of the registry while its IsSubclassing is True, releases each
// otherwise; the flag is read again for each window.
void ApplySubclassing(host::WindowSubclassing& platform, OvWindows& registry);
// Installs the shared procedure on the entry's window, or only counts one more
// registration when the window is subclassed already; records the previous procedure.
void HookWindow(host::WindowSubclassing& platform, OvWindow& entry);
// Counts one registration less; the last one puts back the procedure the entry recorded
// and removes both properties. A window that is not subclassed is left alone.
void UnhookWindow(host::WindowSubclassing& platform, OvWindow& entry);

// The shared procedure of every subclassed window. The entries with subclassing on that
// name the window decide: a message that one of them has not registered, or registered
// with ProcessDefaultProc, reaches the previous procedure once; otherwise it is swallowed
// and answers 0. Owners hear of it before or after the previous procedure by ProcessType.
host::MessageResult WindowProc(host::WindowSubclassing& platform, host::WindowHandle hWnd, uint32_t uMsg,
                               host::WParam wParam, host::LParam lParam);
// Gives the window its previous procedure back, removes both properties and hands the
// message to that procedure: for a subclassed window that this thread knows nothing of.
host::MessageResult RestoreAndForward(host::WindowSubclassing& platform, host::WindowHandle hWnd, uint32_t uMsg,
                                      host::WParam wParam, host::LParam lParam);

}  // namespace hook::MCallBack
