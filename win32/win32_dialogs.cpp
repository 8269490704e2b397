#include "win32/win32_dialogs.h"

#include <algorithm>
#include <exception>

#include "com/unique_handle.h"
#include "com/bstr.h"
#include "host/error.h"

namespace win32 {
namespace {

using activex::Wide;

// The window shown and the layout it runs in, for the dialog procedure.
struct RunningDialog {
  const DialogLayout& layout;
  host::ModalWindow& window;
  std::exception_ptr failure;

  const DialogElement* ElementOf(int controlId) const {
    auto found = std::find_if(layout.elements.begin(), layout.elements.end(),
                              [&](const DialogElement& element) { return element.controlId == controlId; });
    return found == layout.elements.end() ? nullptr : &*found;
  }
};

host::Error WindowsError(host::StringView description) {
  return host::Error(static_cast<int32_t>(HRESULT_FROM_WIN32(GetLastError())), host::kApplicationTitle,
                     host::String(description), {});
}

void FillDialog(HWND dialog, RunningDialog& running) {
  SetWindowTextW(dialog, Wide(running.window.Caption()));
  for (const DialogElement& element : running.layout.elements)
    SetDlgItemTextW(dialog, element.controlId, Wide(running.window.ElementText(element.name)));
}

// A click on a button or a link goes to the window logic, which says whether it closes the
// window; Esc and the close box close it as OK does.
void OnCommand(HWND dialog, RunningDialog& running, int controlId, int code) {
  if (controlId == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  const DialogElement* element = running.ElementOf(controlId);
  if (element && code == BN_CLICKED && running.window.ElementClicked(element->name)) EndDialog(dialog, IDOK);
}

INT_PTR OnColorStatic(RunningDialog& running, HDC dc, HWND control) {
  const DialogElement* element = running.ElementOf(GetDlgCtrlID(control));
  if (!element || !element->link) return FALSE;
  // Link blue: the system's hot-track colour is not blue on every theme.
  SetTextColor(dc, RGB(0, 0, 204));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

bool OnSetCursor(RunningDialog& running, HWND control) {
  const DialogElement* element = running.ElementOf(GetDlgCtrlID(control));
  if (!element || !element->link) return false;
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
  return true;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  auto* running = reinterpret_cast<RunningDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!running) return FALSE;
  // The window logic's errors cannot pass through the window system: the dialog ends and
  // ShowModal throws them.
  try {
    switch (message) {
      case WM_INITDIALOG:
        FillDialog(dialog, *running);
        return TRUE;
      case WM_COMMAND:
        OnCommand(dialog, *running, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      case WM_CTLCOLORSTATIC:
        return OnColorStatic(*running, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      case WM_SETCURSOR:
        if (!OnSetCursor(*running, reinterpret_cast<HWND>(wParam))) return FALSE;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    running->failure = std::current_exception();
    EndDialog(dialog, IDABORT);
    return TRUE;
  }
}

}  // namespace

int32_t Win32Dialogs::ShowMessage(host::StringView prompt, int32_t buttons, host::StringView title) {
  return MessageBoxW(owner_(), Wide(host::String(prompt)), Wide(host::String(title)), static_cast<UINT>(buttons));
}

void Win32Dialogs::ShowModal(host::ModalWindow& window) {
  host::String name = window.WindowName();
  auto layout = std::find_if(layouts_.begin(), layouts_.end(),
                             [&](const DialogLayout& candidate) { return candidate.windowName == name; });
  if (layout == layouts_.end()) throw host::Error::Runtime(host::err::kInvalidArgument);
  RunningDialog running{*layout, window, nullptr};
  if (DialogBoxParamW(module_, MAKEINTRESOURCEW(layout->resourceId), owner_(), DialogProcedure,
                      reinterpret_cast<LPARAM>(&running)) == -1)
    throw WindowsError(u"The window could not be shown.");
  if (running.failure) std::rethrow_exception(running.failure);
}

void Win32Dialogs::StartProgram(host::StringView commandLine) {
  // CreateProcessW may write into the command line.
  std::wstring line(Wide(host::String(commandLine)));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    throw WindowsError(u"The program could not be started.");
  UniqueKernelHandle process(started.hProcess);
  UniqueKernelHandle thread(started.hThread);
}

bool Win32Dialogs::FileExists(host::StringView path) const {
  DWORD attributes = GetFileAttributesW(Wide(host::String(path)));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace win32
