#include "formhost/form_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "automation/dispatch_error.h"
#include "formhost/property_frame.h"

namespace {

constexpr wchar_t kClassName[] = L"OvFormHostForm";

void RegisterFormClass(WNDPROC procedure) {
  // Once per process, by whichever thread opens the first form.
  [[maybe_unused]] static const bool registered = [procedure] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) throw std::runtime_error("RegisterClassExW failed");
    return true;
  }();
}

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// System menu commands: their low four bits must be clear.
constexpr UINT kPropertiesCommand = 0x0010;
constexpr UINT kAboutCommand = 0x0020;
constexpr UINT kSaveCommand = 0x0030;

}  // namespace

FormWindow::FormWindow(const FormOptions& options)
    : userMode_(options.userMode), frameSite_(options.frameSite), quickActivate_(options.quickActivate) {
  RegisterFormClass(&Procedure);
  RECT outer{0, 0, options.client.cx, options.client.cy};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
  window_.reset(CreateWindowExW(0, kClassName, L"", kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw std::runtime_error("CreateWindowExW failed for the form");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  UpdateTitle();
  HMENU system = GetSystemMenu(window_.get(), FALSE);
  AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(system, MF_STRING, kPropertiesCommand, L"&Properties...\tF4");
  AppendMenuW(system, MF_STRING, kAboutCommand, L"&About OvSplitter...\tShift+F1");
  container_ = activex::ComPtr<FormContainer>::Adopt(FormContainer::Create(window_.get()));
  if (options.visible) {
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    UpdateWindow(window_.get());
  }
}

FormWindow::~FormWindow() {
  Close();
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

RECT FormWindow::SplitterSlot(size_t index, size_t count) const {
  RECT client{};
  GetClientRect(window_.get(), &client);
  LONG height = (client.bottom - kMargin) / static_cast<LONG>(count) - kMargin;
  LONG top = kMargin + static_cast<LONG>(index) * (height + kMargin);
  return {kMargin, top, client.right - kMargin, top + height};
}

template <typename Step>
decltype(auto) FormWindow::SettingUp(Step&& step) {
  struct Scope {
    int& depth;
    explicit Scope(int& d) : depth(++d) {}
    ~Scope() { --depth; }
  } scope(settingUp_);
  return step();
}

SplitterSite& FormWindow::AddSplitter(const std::wstring& name) {
  return SettingUp([&]() -> SplitterSite& {
    SplitterSiteOptions options;
    options.name = name;
    options.pixels = SplitterSlot(SplittersOnForm(), SplittersOnForm() + 1);
    SplitterSite& site = AddSplitterSite(window_.get(), options);
    Layout();
    return site;
  });
}

SplitterSite& FormWindow::AddSplitter(const std::wstring& name, SplitterSite& inside, const RECT& pixels) {
  SplitterSiteOptions options;
  options.name = name;
  options.pixels = pixels;
  options.container = inside.ExtenderObject();
  return AddSplitterSite(inside.Window(), options);
}

SplitterSite& FormWindow::AddSavedSplitter(const std::wstring& name, IPropertyBag& saved, SplitterSite* inside,
                                           const RECT& pixels) {
  SplitterSiteOptions options;
  options.name = name;
  options.pixels = pixels;
  options.container = inside ? inside->ExtenderObject() : nullptr;
  options.saved = &saved;
  options.activate = false;
  return AddSplitterSite(inside ? inside->Window() : window_.get(), options);
}

void FormWindow::ActivateSplitters() {
  SettingUp([&] {
    // Outer splitters first: showing one places the splitters bound to its panes.
    for (const auto& splitter : splitters_)
      if (!splitter->IsInPlaceActive()) splitter->Activate();
    Layout();
  });
}

SplitterSite& FormWindow::AddSplitterSite(HWND parent, const SplitterSiteOptions& common) {
  SplitterSiteOptions options = common;
  options.userMode = userMode_;
  options.frameSite = frameSite_;
  options.quickActivate = quickActivate_;
  options.changed = [this](DISPID) { OnPropertyChanged(); };
  return SettingUp([&]() -> SplitterSite& {
    splitters_.push_back(SplitterSite::Create(*container_.Get(), parent, options));
    return *splitters_.back().Get();
  });
}

size_t FormWindow::SplittersOnForm() const {
  size_t count = 0;
  for (const auto& splitter : splitters_) count += !splitter->IsNested();
  return count;
}

ChildControl& FormWindow::AddChild(ChildKind kind, const std::wstring& name, SplitterSite* splitter,
                                   const RECT& pixels) {
  IDispatch* container = splitter ? splitter->ExtenderObject() : container_->FormObject();
  HWND parent = splitter ? splitter->Window() : window_.get();
  children_.push_back(std::make_unique<ChildControl>(kind, name, container, parent, container_->FormObject(), pixels));
  container_->AddEmbedding(children_.back()->ExtenderObject());
  return *children_.back();
}

void FormWindow::Layout() {
  size_t slot = 0, count = SplittersOnForm();
  for (const auto& splitter : splitters_)
    if (!splitter->IsNested()) splitter->SetRect(SplitterSlot(slot++, count));
}

void FormWindow::ResizeClient(int width, int height) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
  SetWindowPos(window_.get(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A window manager may refuse a size; the layout follows the client area it gave.
  Layout();
}

void FormWindow::SetUserMode(bool userMode) {
  userMode_ = userMode;
  UpdateTitle();
  for (const auto& splitter : splitters_) splitter->SetUserMode(userMode);
  InvalidateRect(window_.get(), nullptr, TRUE);
}

FormCloseReport FormWindow::Close() {
  if (closed_) return {};
  closed_ = true;
  // The child windows live inside the splitters' windows: they go first.
  for (const auto& child : children_) container_->RemoveEmbedding(child->ExtenderObject());
  children_.clear();
  // A nested splitter's window lives inside its outer one's: the later ones go first.
  FormCloseReport report;
  report.controlReleases.resize(splitters_.size());
  report.siteReferences.resize(splitters_.size());
  for (size_t i = splitters_.size(); i-- > 0;) {
    report.controlReleases[i] = splitters_[i]->Close();
    report.siteReferences[i] = splitters_[i]->SiteReferences();
  }
  selected_ = nullptr;
  splitters_.clear();
  container_->Detach();
  closeReport_ = report;
  return report;
}

void FormWindow::RunUntilClosed() {
  MSG message;
  while (!closed_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The keys work wherever the focus is on the form, a control inside it included.
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool onForm = message.hwnd == window_.get() || IsChild(window_.get(), message.hwnd);
    bool control = GetKeyState(VK_CONTROL) < 0;
    UINT command = message.wParam == VK_F4            ? kPropertiesCommand
                   : message.wParam == VK_F1 && shift ? kAboutCommand
                   : message.wParam == 'S' && control ? kSaveCommand
                                                      : 0;
    if (onForm && message.message == WM_KEYDOWN && OnCommand(command)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT FormWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SYSCOMMAND:
      if (OnCommand(static_cast<UINT>(wParam & 0xFFF0))) return 0;
      return DefWindowProcW(window_.get(), message, wParam, lParam);
    case WM_CLOSE:
      // The window itself stays until the form object goes.
      Close();
      ShowWindow(window_.get(), SW_HIDE);
      return 0;
    default:
      return DefWindowProcW(window_.get(), message, wParam, lParam);
  }
}

void FormWindow::OnPaint() {
  win32::PaintDc paint(window_.get());
  const RECT& dirty = paint.Dirty();
  if (!userMode_) {
    // The designer's grid.
    COLORREF dot = GetSysColor(COLOR_BTNSHADOW);
    for (LONG y = dirty.top - dirty.top % kMargin; y < dirty.bottom; y += kMargin)
      for (LONG x = dirty.left - dirty.left % kMargin; x < dirty.right; x += kMargin) SetPixel(paint.get(), x, y, dot);
  }
  for (const auto& child : children_)
    if (child->IsIn(container_->FormObject())) child->Paint(paint.get());
}

void FormWindow::UpdateTitle() {
  std::wstring title = userMode_ ? L"Form1" : L"Form1 [design]";
  if (changed_) title += L" *";
  SetWindowTextW(window_.get(), title.c_str());
}

void FormWindow::OnPropertyChanged() {
  // At run time the form is not being edited; what the controls report there is theirs.
  if (userMode_ || changed_ || settingUp_ > 0) return;
  changed_ = true;
  UpdateTitle();
}

void FormWindow::MarkSaved() {
  changed_ = false;
  UpdateTitle();
}

// A splitter takes the focus when it is clicked (a control inside it has it while it is
// used): the innermost one that holds the focus is the one being worked on.
SplitterSite* FormWindow::Selected() const {
  HWND focus = GetFocus();
  SplitterSite* innermost = nullptr;
  for (const auto& splitter : splitters_) {
    HWND window = splitter->Window();
    if (focus && (focus == window || IsChild(window, focus)) && (!innermost || IsChild(innermost->Window(), window)))
      innermost = splitter.Get();
  }
  if (innermost) return innermost;
  if (selected_) return selected_;
  return splitters_.empty() ? nullptr : splitters_.front().Get();
}

void FormWindow::Select(SplitterSite& splitter) { selected_ = &splitter; }

void FormWindow::ShowPropertyPages() {
  if (SplitterSite* splitter = Selected())
    ShowPropertyFrame(window_.get(), splitter->Name(), splitter->Object(), splitter->PropertyPages());
}

void FormWindow::ShowAboutBox() {
  if (SplitterSite* splitter = Selected()) splitter->Control().Call(L"AboutBox");
}

void FormWindow::SetSaveHandler(std::function<void()> save) {
  if (!save_) AppendMenuW(GetSystemMenu(window_.get(), FALSE), MF_STRING, kSaveCommand, L"&Save\tCtrl+S");
  save_ = std::move(save);
}

bool FormWindow::OnCommand(UINT command) {
  if (command != kPropertiesCommand && command != kAboutCommand && !(command == kSaveCommand && save_)) return false;
  try {
    if (command == kSaveCommand)
      save_();
    else if (command == kAboutCommand)
      ShowAboutBox();
    else if (!userMode_)
      ShowPropertyPages();
  } catch (const std::exception& error) {
    MessageBoxA(window_.get(), error.what(), "formhost", MB_OK | MB_ICONEXCLAMATION);
  }
  return true;
}
