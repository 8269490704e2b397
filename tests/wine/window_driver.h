#pragma once
// Playing the user's part from another thread: finding the windows a modal loop shows,
// reading their texts and pressing their buttons.

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

// The folder of the test program.
inline std::wstring TestDirectory() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

inline std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// Polls every 10 ms for up to ten seconds until found() answers a window; null when none came.
template <typename Find>
HWND WaitFor(Find found) {
  for (int tries = 0; tries < 1000; ++tries) {
    if (HWND window = found()) return window;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return nullptr;
}

// The visible top-level dialog with that caption.
inline HWND WaitForDialog(const wchar_t* caption) {
  return WaitFor([caption]() -> HWND {
    HWND dialog = FindWindowW(L"#32770", caption);
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
  });
}

// The first window below parent, at any depth, with that control id.
inline HWND FindDescendant(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (HWND found = FindDescendant(child, id)) return found;
  }
  return nullptr;
}

// Clicks a button without waiting for what the click starts (a modal box, for instance).
inline void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// Waits until the window is gone; False after ten seconds.
inline bool WaitUntilGone(HWND window) {
  for (int tries = 0; tries < 1000 && IsWindow(window); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return !IsWindow(window);
}
