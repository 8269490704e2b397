#include "automation/real_pointer.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "com/unique_handle.h"

namespace {

constexpr DWORD kStepTimeoutMs = 10000;

// Wine's own export: the Unix name of a Windows path, on the process heap.
std::string UnixPath(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) throw std::runtime_error("not running under Wine: no Unix paths");
  char* name = toUnix(windowsPath.c_str());
  if (!name) throw std::runtime_error("no Unix name for a temporary file");
  std::string result(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

std::wstring TemporaryName(const wchar_t* stem) {
  wchar_t directory[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  return std::wstring(directory) + stem + std::to_wstring(GetCurrentProcessId()) + L"." +
         std::to_wstring(GetTickCount());
}

// Runs the messages that are waiting; whether there were any.
bool RunPendingMessages() {
  bool any = false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    any = true;
  }
  return any;
}

// Runs messages until condition holds; throws when it does not within the step's time.
template <typename Condition>
void PumpUntil(Condition condition, const std::string& what) {
  DWORD start = GetTickCount();
  for (;;) {
    RunPendingMessages();
    if (condition()) return;
    if (GetTickCount() - start > kStepTimeoutMs) throw std::runtime_error(what);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

// Starts a Unix shell command line; Wine runs Unix programs that CreateProcess names.
// The process handle of a Unix program cannot be waited for: the command writes its exit
// status into a file, which appears in one step when it ends. The window system keeps
// delivering meanwhile.
int RunShell(const std::string& command) {
  std::wstring status = TemporaryName(L"ov_xdotool_status_");
  std::string unixStatus = UnixPath(status);
  std::string script =
      command + "; echo $? > '" + unixStatus + ".part'; mv '" + unixStatus + ".part' '" + unixStatus + "'";
  std::wstring line = L"Z:\\bin\\sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error("cannot start /bin/sh for xdotool");
  win32::UniqueKernelHandle thread(process.hThread), unixProcess(process.hProcess);
  PumpUntil([&] { return GetFileAttributesW(status.c_str()) != INVALID_FILE_ATTRIBUTES; },
            "xdotool did not finish: " + command);
  int code = -1;
  {
    std::ifstream file{std::filesystem::path(status)};
    if (!(file >> code)) code = -1;
  }
  DeleteFileW(status.c_str());
  return code;
}

bool LeftButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

}  // namespace

void PumpMessagesUntilQuiet(int quietMs) {
  DWORD quietSince = GetTickCount();
  while (GetTickCount() - quietSince < static_cast<DWORD>(quietMs)) {
    if (RunPendingMessages()) quietSince = GetTickCount();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

bool RealPointer::Available() {
  if (GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") == INVALID_FILE_ATTRIBUTES) return false;
  try {
    return RunShell("/usr/bin/xdotool getdisplaygeometry >/dev/null 2>&1") == 0;
  } catch (const std::runtime_error&) {
    return false;
  }
}

void RealPointer::Run(const std::string& arguments) {
  if (RunShell("/usr/bin/xdotool " + arguments) != 0) throw std::runtime_error("xdotool " + arguments + " failed");
}

void RealPointer::MoveTo(POINT screen) {
  // Not --sync: that waits for a motion, and a move to where the pointer is makes none.
  Run("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
  PumpUntil(
      [&] {
        POINT at{};
        GetCursorPos(&at);
        return at.x == screen.x && at.y == screen.y;
      },
      "the pointer did not arrive");
  PumpMessagesUntilQuiet();
}

void RealPointer::Press() {
  Run("mousedown 1");
  PumpUntil(LeftButtonDown, "the button press did not arrive");
  PumpMessagesUntilQuiet();
}

void RealPointer::ReleaseButton() {
  Run("mouseup 1");
  PumpUntil([] { return !LeftButtonDown(); }, "the button release did not arrive");
  PumpMessagesUntilQuiet();
}

void RealPointer::DoubleClick() {
  Run("click --repeat 2 --delay 60 1");
  PumpMessagesUntilQuiet(100);
}

void RealPointer::Key(const char* name) {
  Run(std::string("key ") + name);
  PumpMessagesUntilQuiet();
}
