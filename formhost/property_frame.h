#pragma once
// The form's own property frame: the control's property pages on tabs with OK, Cancel and
// Apply, as Windows' frame shows them. Wine's OleCreatePropertyFrame never calls a page's
// Apply, so its edits would not reach the control; this frame applies on OK and Apply.

#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

// Modal, owned by owner; returns when the user closes it. Pages that cannot be created
// (the stock pages where the system has none) are left out.
void ShowPropertyFrame(HWND owner, const std::wstring& caption, IUnknown* object, const std::vector<CLSID>& pages);
