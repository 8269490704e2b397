#pragma once
// The X server's own pointer and keyboard, driven through xdotool: real input, as a user's
// hand gives it, for a form running under Wine's x11 driver. xdotool is a Unix program;
// it is started from here, and each step waits for it and then runs this thread's
// messages until the window system has delivered what it did.

#include <windows.h>

#include <string>

class RealPointer {
 public:
  // Whether xdotool can reach a display from this process: false without the x11 driver
  // or without xdotool.
  static bool Available();

  // Screen pixels.
  void MoveTo(POINT screen);
  void Press();          // the left button
  void ReleaseButton();  // the left button
  // Two clicks of the left button, well inside the system's double-click time.
  void DoubleClick();
  void Key(const char* name);  // an xdotool key name: "Escape"

 private:
  // Runs xdotool with the arguments; throws std::runtime_error when it fails.
  static void Run(const std::string& arguments);
};

// Runs this thread's messages until none has come for quietMs.
void PumpMessagesUntilQuiet(int quietMs = 40);
