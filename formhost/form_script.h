#pragma once
// The form host's command line: a form configuration to build, steps to run on it, and
// what to print for the tests. Without --close the form stays open for the user.
//
//   formhost [--design | --run] [--size WxH] [--splitters N] [--panes N] [--orientation h|v]
//            [--bind name,name,...] [--nested] [--open form.frm] [--resize WxH]...
//            [--repaint N] [--wait MS] [--screenshot file.bmp] [--drag-screenshots PREFIX]
//            [--select name] [--properties] [--about] [--save form.frm] [--quick]
//            [--no-frame-site] [--close]
//
// --bind places one control per name in the first splitter (the name's start picks the
// kind: tree, list, edit; anything else is a windowless label) and names it as the
// ControlName of the pane at the same position; "-" leaves that pane unbound. --nested
// builds the form of nested_form.h instead. --wait runs the form's messages for a while
// before the screenshot, so that a display shows it all. --drag-screenshots drags the
// first splitter's first bar with the X server's own pointer (xdotool, under Wine's x11
// driver) and saves the form before, during and after the drag as PREFIX-before.bmp,
// PREFIX-during.bmp and PREFIX-after.bmp.
// --open builds the form of a form file (form_file.h) instead, in the file's size and
// mode unless --size, --design or --run say otherwise; a damaged file or a control that
// refuses its saved properties ends the run with the error and nothing opened. --save
// writes the form as it is after every other step to a form file; while the form stays
// open, Ctrl+S or the system menu's Save writes it again there, or without --save to the
// --open file.
// --select names the splitter that --properties and --about are for (the first one
// otherwise); --properties opens its property pages (design mode), --about its About box,
// each until the user closes it, before the form is saved. At design time a control's
// reported changes mark the form changed ("changed=1" in the printed state) until it is
// saved; F4 and Shift+F1, or the form's system menu, open the pages and the About box.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct FormScript {
  bool design = false;
  bool modeGiven = false;  // --design or --run
  bool sizeGiven = false;
  SIZE size{640, 480};
  int splitters = 1;
  int panes = 1;
  std::optional<long> orientation;
  std::vector<std::wstring> bind;
  bool nested = false;
  std::vector<SIZE> resizes;
  int repaints = 0;
  int waitMs = 0;
  std::wstring screenshot;
  std::wstring dragScreenshots;
  bool quickActivate = false;
  bool frameSite = true;
  bool close = false;
  std::wstring open;
  std::wstring save;
  std::wstring select;
  bool properties = false;
  bool about = false;
};

// Throws std::invalid_argument with a message for the user.
FormScript ParseFormScript(int argc, wchar_t** argv);

// Builds the form, runs the steps and prints the results on stdout; the exit status.
int RunFormScript(const FormScript& script);
