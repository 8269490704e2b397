// formhost: a small ActiveX container, a form with splitters and the controls inside
// them. See form_script.h for the command line.

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <stdexcept>

#include "formhost/form_script.h"

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  FormScript script;
  try {
    script = ParseFormScript(argc, argv);
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "formhost: %s\n", error.what());
    LocalFree(argv);
    return 2;
  }
  LocalFree(argv);
  if (FAILED(OleInitialize(nullptr))) {
    std::fprintf(stderr, "formhost: OleInitialize failed\n");
    return 2;
  }
  int status = RunFormScript(script);
  OleUninitialize();
  return status;
}
