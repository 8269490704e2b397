#include "formhost/form_script.h"

#include <cstdio>
#include <cwchar>
#include <stdexcept>

#include "automation/dispatch_error.h"
#include "formhost/form_file.h"
#include "formhost/form_window.h"
#include "automation/gdi_census.h"
#include "formhost/nested_form.h"
#include "automation/real_pointer.h"
#include "automation/screen_capture.h"
#include "automation/server_module.h"
#include "formhost/splitter_geometry.h"
#include "formhost/variant_text.h"

namespace {

SIZE ParseSize(const std::wstring& text) {
  int width = 0, height = 0;
  if (swscanf(text.c_str(), L"%dx%d", &width, &height) != 2 || width <= 0 || height <= 0)
    throw std::invalid_argument("a size is WIDTHxHEIGHT, e.g. 640x480: " + Narrow(text));
  return {width, height};
}

int ParseCount(const std::wstring& text, int minimum) {
  wchar_t* end = nullptr;
  long value = wcstol(text.c_str(), &end, 10);
  if (!end || *end || value < minimum) throw std::invalid_argument("not a count: " + Narrow(text));
  return static_cast<int>(value);
}

std::vector<std::wstring> SplitList(const std::wstring& text) {
  std::vector<std::wstring> items;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(L',', start);
    items.push_back(text.substr(start, comma - start));
    if (comma == std::wstring::npos) return items;
    start = comma + 1;
  }
}

std::string ContainerName(const FormWindow& form, const ChildControl& child) {
  for (const auto& splitter : form.Splitters())
    if (child.IsIn(splitter->ExtenderObject())) return Narrow(splitter->Name());
  return "Form1";
}

void PrintState(const FormWindow& form, const char* stage) {
  RECT client{};
  GetClientRect(form.Handle(), &client);
  std::printf("state %s form=%ldx%ld usermode=%d changed=%d\n", stage, client.right, client.bottom,
              form.UserMode() ? 1 : 0, form.Changed() ? 1 : 0);
  for (const auto& splitter : form.Splitters()) {
    HWND window = splitter->Window();
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    std::printf("splitter %s parent=%s visible=%d inplace=%d rect=%ld,%ld,%ld,%ld filtered=%d\n",
                Narrow(splitter->Name()).c_str(), GetParent(window) == form.Handle() ? "form" : "other",
                IsWindowVisible(window) ? 1 : 0, splitter->IsInPlaceActive() ? 1 : 0, r.left, r.top, r.right - r.left,
                r.bottom - r.top, splitter->FilteredMessages());
    DispatchClient panes = splitter->Control().Object(L"Panes");
    for (long i = 1, n = panes.Get(L"Count").AsLong(); i <= n; ++i) {
      DispatchClient pane = panes.Object(L"Item", i);
      std::printf("pane %ld left=%ld top=%ld width=%ld height=%ld control=%s name=%s key=%s tag=%s\n", i,
                  pane.Get(L"Left").AsLong(), pane.Get(L"Top").AsLong(), pane.Get(L"Width").AsLong(),
                  pane.Get(L"Height").AsLong(), Narrow(pane.Get(L"ControlName").AsString()).c_str(),
                  Narrow(Quote(pane.Get(L"Name").AsString())).c_str(),
                  Narrow(VariantText(pane.Get(L"Key").Raw())).c_str(),
                  Narrow(VariantText(pane.Get(L"Tag").Raw())).c_str());
    }
  }
  for (const auto& child : form.Children()) {
    RECT r = child->PixelRect();
    std::printf("child %s kind=%s container=%s rect=%ld,%ld,%ld,%ld moves=%d refreshes=%d\n",
                Narrow(child->Name()).c_str(), ChildKindName(child->Kind()), ContainerName(form, *child).c_str(),
                r.left, r.top, r.right - r.left, r.bottom - r.top, child->Moves(), child->Refreshes());
  }
  std::fflush(stdout);
}

void Build(FormWindow& form, const FormScript& script) {
  for (int i = 1; i <= script.splitters; ++i) form.AddSplitter(L"OvSplitter" + std::to_wstring(i));
  SplitterSite& first = *form.Splitters().front().Get();
  const DispatchClient& control = first.Control();
  if (script.orientation) control.Put(L"Orientation", *script.orientation);
  DispatchClient panes = control.Object(L"Panes");
  for (int i = 1; i < script.panes; ++i) panes.Call(L"Add");
  long position = 0;
  for (const std::wstring& name : script.bind) {
    ++position;
    if (name == L"-") continue;
    form.AddChild(ChildKindOfName(name), name, &first, RECT{0, 0, 40, 40});
    if (position <= panes.Get(L"Count").AsLong()) panes.Object(L"Item", position).Put(L"ControlName", name);
  }
}

void Select(FormWindow& form, const std::wstring& name) {
  for (const auto& splitter : form.Splitters())
    if (splitter->Name() == name) return form.Select(*splitter.Get());
  throw std::invalid_argument("--select: no splitter " + Narrow(name));
}

void Repaint(const FormWindow& form, int count) {
  unsigned before = GdiObjectsInUse();
  for (int i = 0; i < count; ++i)
    for (const auto& splitter : form.Splitters())
      RedrawWindow(splitter->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  unsigned after = GdiObjectsInUse();
  std::printf("repaint count=%d gdi_before=%u gdi_after=%u\n", count, before, after);
}

void Screenshot(const FormWindow& form, const std::wstring& path) {
  RECT client{};
  GetClientRect(form.Handle(), &client);
  MapWindowPoints(form.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  SaveScreenRectangle(client, path);
  std::printf("screenshot file=%s\n", Narrow(path).c_str());
}

// A drag of the first bar as a person makes it, with the X server's own pointer.
void DragWithScreenshots(const FormWindow& form, const std::wstring& prefix) {
  if (!RealPointer::Available())
    throw std::runtime_error("--drag-screenshots needs xdotool and a display under Wine's x11 driver");
  const SplitterSite& splitter = *form.Splitters().front().Get();
  const long by = IsHorizontal(splitter) ? -120 : 60;
  RealPointer pointer;
  pointer.MoveTo(OnScreen(splitter, BarPoint(splitter)));
  Screenshot(form, prefix + L"-before.bmp");
  pointer.Press();
  pointer.MoveTo(OnScreen(splitter, BarPoint(splitter, by / 2)));
  pointer.MoveTo(OnScreen(splitter, BarPoint(splitter, by)));
  Screenshot(form, prefix + L"-during.bmp");
  pointer.ReleaseButton();
  // Off the bar, so that the last picture shows the form's own pointer.
  pointer.MoveTo(OnScreen(splitter, BarPoint(splitter, by < 0 ? -40 : 40)));
  Screenshot(form, prefix + L"-after.bmp");
  PrintState(form, "dragged");
}

void PrintClose(const FormCloseReport& report) {
  for (size_t i = 0; i < report.controlReleases.size(); ++i)
    std::printf("close splitter=%zu control_release=%lu site_refs=%lu\n", i + 1, report.controlReleases[i],
                report.siteReferences[i]);
  HRESULT unload = ServerCanUnloadNow();
  std::printf("close can_unload=%s\n", unload == S_OK ? "S_OK" : unload == S_FALSE ? "S_FALSE" : "error");
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PumpMessagesFor(int milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= static_cast<DWORD>(milliseconds)) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
  }
}

// The options that only set a field: to a fixed value, to the text that follows or to the
// count that follows, no lower than a minimum.
struct SwitchOption {
  const wchar_t* name;
  bool FormScript::*field;
  bool value;
};
struct TextOption {
  const wchar_t* name;
  std::wstring FormScript::*field;
};
struct CountOption {
  const wchar_t* name;
  int FormScript::*field;
  int minimum;
};

constexpr SwitchOption kSwitchOptions[] = {
    {L"--nested", &FormScript::nested, true},
    {L"--quick", &FormScript::quickActivate, true},
    {L"--no-frame-site", &FormScript::frameSite, false},
    {L"--close", &FormScript::close, true},
    {L"--properties", &FormScript::properties, true},
    {L"--about", &FormScript::about, true},
};
constexpr TextOption kTextOptions[] = {
    {L"--open", &FormScript::open},
    {L"--save", &FormScript::save},
    {L"--screenshot", &FormScript::screenshot},
    {L"--drag-screenshots", &FormScript::dragScreenshots},
    {L"--select", &FormScript::select},
};
constexpr CountOption kCountOptions[] = {
    {L"--splitters", &FormScript::splitters, 1},
    {L"--panes", &FormScript::panes, 1},
    {L"--repaint", &FormScript::repaints, 0},
    {L"--wait", &FormScript::waitMs, 0},
};

template <typename Option, size_t N>
const Option* FindOption(const Option (&options)[N], const std::wstring& name) {
  for (const Option& option : options)
    if (name == option.name) return &option;
  return nullptr;
}

}  // namespace

FormScript ParseFormScript(int argc, wchar_t** argv) {
  FormScript script;
  for (int i = 1; i < argc; ++i) {
    std::wstring option = argv[i];
    auto value = [&]() -> std::wstring {
      if (i + 1 >= argc) throw std::invalid_argument("missing value after " + Narrow(option));
      return argv[++i];
    };
    if (const SwitchOption* found = FindOption(kSwitchOptions, option)) {
      script.*found->field = found->value;
    } else if (const TextOption* found = FindOption(kTextOptions, option)) {
      script.*found->field = value();
    } else if (const CountOption* found = FindOption(kCountOptions, option)) {
      script.*found->field = ParseCount(value(), found->minimum);
    } else if (option == L"--design" || option == L"--run") {
      script.design = option == L"--design";
      script.modeGiven = true;
    } else if (option == L"--size") {
      script.size = ParseSize(value());
      script.sizeGiven = true;
    } else if (option == L"--orientation") {
      std::wstring which = value();
      if (which != L"h" && which != L"v") throw std::invalid_argument("--orientation is h or v");
      script.orientation = which == L"h" ? 0 : 1;
    } else if (option == L"--bind") {
      script.bind = SplitList(value());
    } else if (option == L"--resize") {
      script.resizes.push_back(ParseSize(value()));
    } else {
      throw std::invalid_argument("unknown option " + Narrow(option));
    }
  }
  if (!script.open.empty() &&
      (script.nested || script.splitters != 1 || script.panes != 1 || script.orientation || !script.bind.empty()))
    throw std::invalid_argument("--open takes the splitters and controls from the form file");
  return script;
}

int RunFormScript(const FormScript& script) {
  SavedForm saved;
  if (!script.open.empty()) {
    try {
      saved = ReadFormFile(script.open);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "formhost: %s\n", error.what());
      return 1;
    }
  }
  FormOptions options;
  options.client = script.open.empty() || script.sizeGiven ? script.size : saved.size;
  options.userMode = !(script.open.empty() || script.modeGiven ? script.design : saved.design);
  options.frameSite = script.frameSite;
  options.quickActivate = script.quickActivate;
  FormWindow form(options);
  try {
    if (!script.open.empty())
      OpenForm(form, saved);
    else if (script.nested)
      BuildNestedSplitters(form);
    else
      Build(form, script);
    PumpMessages();
    PrintState(form, "built");
    for (SIZE size : script.resizes) {
      form.ResizeClient(size.cx, size.cy);
      PumpMessages();
      PrintState(form, "resized");
    }
    if (script.repaints > 0) Repaint(form, script.repaints);
    if (script.waitMs > 0) PumpMessagesFor(script.waitMs);
    if (!script.screenshot.empty()) Screenshot(form, script.screenshot);
    if (!script.dragScreenshots.empty()) DragWithScreenshots(form, script.dragScreenshots);
    if (!script.select.empty()) Select(form, script.select);
    if (script.properties) {
      if (form.UserMode()) throw std::invalid_argument("--properties works in design mode");
      form.ShowPropertyPages();
      PrintState(form, "pages");
    }
    if (script.about) form.ShowAboutBox();
    const std::wstring& savePath = script.save.empty() ? script.open : script.save;
    auto save = [&form, savePath] {
      WriteFormFile(savePath, SaveForm(form));
      form.MarkSaved();
      std::printf("saved file=%s\n", Narrow(savePath).c_str());
      std::fflush(stdout);
    };
    if (!script.save.empty()) save();
    if (!savePath.empty()) form.SetSaveHandler(save);
  } catch (const DispatchError& error) {
    std::fprintf(stderr, "formhost: %s\n", error.what());
    form.Close();
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "formhost: %s\n", error.what());
    form.Close();
    return 1;
  }
  if (script.close)
    form.Close();
  else
    form.RunUntilClosed();
  PrintClose(form.CloseReport());
  return 0;
}
