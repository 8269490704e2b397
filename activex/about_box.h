#pragma once
// The About box of the OCX: frmAbout over the real registry and this file's version
// resource, shown from its dialog resource.
#include <span>

#include "host/site/dialogs.h"
#include "win32/win32_dialogs.h"

namespace activex {

// The component's windows that its dialogs can show, by form name: frmAbout.
std::span<const win32::DialogLayout> ComponentWindows();

// Returns when the box is closed.
void ShowAboutBox(host::Dialogs& dialogs);

}  // namespace activex
