#include "activex/window_surface.h"

#include "com/bstr.h"
#include "com/unique_handle.h"
#include "activex/ole_control.h"
#include "activex/ole_drag_drop.h"
#include "activex/platform_picture.h"
#include "host/error.h"

namespace activex {
namespace {

constexpr int32_t kInvalidPropertyValue = 380;
constexpr int kFontPoints = 8;

// The font text is measured in: the control's font at its point size on this DC.
win32::UniqueFont MeasuringFont(HDC dc, const host::FontDescription& font) {
  return win32::UniqueFont(CreateFontW(-MulDiv(kFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0,
                                       font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, font.strikethrough,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH | FF_DONTCARE, Wide(font.name)));
}

}  // namespace

HWND WindowSurface::Window() const { return control_.Window(); }

host::WindowHandle WindowSurface::Hwnd() const { return reinterpret_cast<host::WindowHandle>(Window()); }

float WindowSurface::ScaleWidth() const { return static_cast<float>(control_.ClientWidthPixels()); }

float WindowSurface::ScaleHeight() const { return static_cast<float>(control_.ClientHeightPixels()); }

// The window class keeps one DC per window, so this is the same DC every time.
host::GdiHandle WindowSurface::Hdc() const { return reinterpret_cast<host::GdiHandle>(GetDC(Window())); }

void WindowSurface::SetBackColor(host::OleColor color) { backColor_ = color; }

void WindowSurface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnableWindow(Window(), enabled ? TRUE : FALSE);
}

void WindowSurface::SetMousePointer(int16_t pointer) {
  if ((pointer < 0 || pointer > 15) && pointer != 99)
    throw host::Error(kInvalidPropertyValue, host::kApplicationTitle, u"Invalid property value", host::String());
  mousePointer_ = pointer;
  ShowPointerNow();
}

void WindowSurface::SetMouseIcon(host::PictureRef icon) {
  mouseIcon_ = std::move(icon);
  ShowPointerNow();
}

void WindowSurface::SetOLEDropMode(int16_t mode) {
  if (mode != 0 && mode != 1)
    throw host::Error(kInvalidPropertyValue, host::kApplicationTitle, u"Invalid property value", host::String());
  dragDrop_.SetDropMode(Window(), mode);
  oleDropMode_ = mode;
}

void WindowSurface::SetTabStop(bool on) {
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  SetWindowLongPtrW(Window(), GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
}

void WindowSurface::OLEDrag() { dragDrop_.StartDrag(); }

bool WindowSurface::ShowPointer() const {
  // The form languages' pointers 1 to 15, in their order; 0 is the window's own.
  static const LPCWSTR kCursors[] = {IDC_ARROW,    IDC_ARROW,       IDC_CROSS,    IDC_IBEAM,  IDC_ARROW,   IDC_SIZEALL,
                                     IDC_SIZENESW, IDC_SIZENS,      IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,
                                     IDC_NO,       IDC_APPSTARTING, IDC_HELP,     IDC_SIZEALL};
  HCURSOR cursor = nullptr;
  if (mousePointer_ == 99) {
    auto picture = std::dynamic_pointer_cast<PlatformPicture>(mouseIcon_);
    cursor = picture ? picture->CursorHandle() : nullptr;
  } else if (mousePointer_ > 0 && mousePointer_ <= 15) {
    cursor = LoadCursorW(nullptr, kCursors[mousePointer_]);
  }
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

void WindowSurface::ShowPointerNow() const {
  POINT at{};
  GetCursorPos(&at);
  if (GetCapture() != Window() && WindowFromPoint(at) != Window()) return;
  if (!ShowPointer()) SetCursor(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Window(), GCLP_HCURSOR)));
}

float WindowSurface::TextHeight(host::StringView text) const {
  win32::WindowDc dc(Window());
  win32::UniqueFont font = MeasuringFont(dc.get(), font_);
  win32::SelectedObject selected(dc.get(), font.get());
  host::String measured(text.empty() ? host::StringView(u"O") : text);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), Wide(measured), static_cast<int>(measured.size()), &size);
  return static_cast<float>(size.cy);
}

}  // namespace activex
