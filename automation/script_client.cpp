// A late-bound client of the splitter, written as a form script would be: create the
// control on a site whose ScaleUnits are twips, add panes, size one, list them.

#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>

#include "automation/dispatch_client.h"
#include "automation/dispatch_error.h"
#include "automation/splitter_instance.h"

namespace {

std::string Text(const VariantValue& value) {
  return value.IsEmpty() ? std::string("(none)") : Narrow(value.AsString());
}

void PrintPanes(const DispatchClient& panes, const char* heading) {
  std::printf("%s: %ld pane(s)\n", heading, panes.Get(L"Count").AsLong());
  std::printf("  %-5s %-10s %-8s %6s %6s %6s %6s\n", "Index", "Name", "Key", "Left", "Top", "Width", "Height");
  for (long i = 1, n = panes.Get(L"Count").AsLong(); i <= n; ++i) {
    DispatchClient pane = panes.Object(L"Item", i);
    std::printf("  %-5ld %-10s %-8s %6ld %6ld %6ld %6ld\n", pane.Get(L"Index").AsLong(),
                Narrow(pane.Get(L"Name").AsString()).c_str(), Text(pane.Get(L"Key")).c_str(),
                pane.Get(L"Left").AsLong(), pane.Get(L"Top").AsLong(), pane.Get(L"Width").AsLong(),
                pane.Get(L"Height").AsLong());
  }
}

void RunScript() {
  SplitterInstance splitter;  // ScaleUnits "Twip", 320 x 240 pixels
  DispatchClient panes = splitter.Panes();

  panes.Call(L"Add");
  DispatchClient keyed = DispatchClient::From(panes.Call(L"Add", VariantValue::Missing(), L"tree"));
  panes.Object(L"Item", 1).Put(L"Width", 1500);
  PrintPanes(panes, "After adding two panes and setting Pane 1's Width to 1500 twips");

  panes.Call(L"Remove", L"tree");
  std::printf("\nRemoved %s (its Index still reads %ld)\n", Narrow(keyed.Get(L"Name").AsString()).c_str(),
              keyed.Get(L"Index").AsLong());
  PrintPanes(panes, "After removing the pane keyed \"tree\"");
}

}  // namespace

int main() {
  if (FAILED(OleInitialize(nullptr))) {
    std::fprintf(stderr, "OleInitialize failed\n");
    return 2;
  }
  int status = 0;
  try {
    RunScript();
  } catch (const DispatchError& error) {
    std::fprintf(stderr, "Run-time error %s\n  source: %s\n", error.what(), Narrow(error.Source()).c_str());
    status = 1;
  }
  OleUninitialize();
  return status;
}
