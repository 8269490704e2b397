#include <windows.h>
// The A/W selector macros would rename the interface's members in this file only.
#undef CreateFontIndirect
#undef DrawText
#undef ExtTextOut

#include <algorithm>
#include <string>

#include "win32/win32_gdi.h"

namespace win32 {

using host::ColorRef;
using host::GdiHandle;

namespace {

HDC Dc(GdiHandle handle) { return reinterpret_cast<HDC>(handle); }
HGDIOBJ Object(GdiHandle handle) { return reinterpret_cast<HGDIOBJ>(handle); }
GdiHandle Handle(const void* handle) { return reinterpret_cast<GdiHandle>(handle); }
const wchar_t* Wide(host::StringView text) { return reinterpret_cast<const wchar_t*>(text.data()); }
RECT ToRect(const host::GdiRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text passes to the W functions as it is");

}  // namespace

GdiHandle Win32Gdi::CreateCompatibleDC(GdiHandle dc) { return Handle(::CreateCompatibleDC(Dc(dc))); }

GdiHandle Win32Gdi::CreateCompatibleBitmap(GdiHandle dc, int32_t width, int32_t height) {
  return Handle(::CreateCompatibleBitmap(Dc(dc), width, height));
}

GdiHandle Win32Gdi::SelectObject(GdiHandle dc, GdiHandle object) {
  return Handle(::SelectObject(Dc(dc), Object(object)));
}

bool Win32Gdi::DeleteObject(GdiHandle object) { return ::DeleteObject(Object(object)) != FALSE; }

bool Win32Gdi::DeleteDC(GdiHandle dc) { return ::DeleteDC(Dc(dc)) != FALSE; }

bool Win32Gdi::BitBlt(GdiHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, GdiHandle source,
                      int32_t sourceX, int32_t sourceY, std::uint32_t rasterOperation) {
  return ::BitBlt(Dc(destination), x, y, width, height, Dc(source), sourceX, sourceY, rasterOperation) != FALSE;
}

ColorRef Win32Gdi::GetBkColor(GdiHandle dc) { return ::GetBkColor(Dc(dc)); }

ColorRef Win32Gdi::SetBkColor(GdiHandle dc, ColorRef color) { return ::SetBkColor(Dc(dc), color); }

int Win32Gdi::SetBkMode(GdiHandle dc, int mode) { return ::SetBkMode(Dc(dc), mode); }

ColorRef Win32Gdi::SetTextColor(GdiHandle dc, ColorRef color) { return ::SetTextColor(Dc(dc), color); }

bool Win32Gdi::ExtTextOut(GdiHandle dc, int32_t x, int32_t y, std::uint32_t options, const host::GdiRect* rect,
                          host::StringView text) {
  RECT area{};
  if (rect) area = ToRect(*rect);
  return ::ExtTextOutW(Dc(dc), x, y, options, rect ? &area : nullptr, text.empty() ? L"" : Wide(text),
                       static_cast<UINT>(text.size()), nullptr) != FALSE;
}

int32_t Win32Gdi::DrawText(GdiHandle dc, host::StringView text, host::GdiRect& rect, std::uint32_t format) {
  RECT area = ToRect(rect);
  // DrawTextW may write an ellipsis into the text it is given (DT_MODIFYSTRING): never ours.
  std::wstring copy(Wide(text), text.size());
  const int height = ::DrawTextW(Dc(dc), copy.data(), static_cast<int>(copy.size()), &area, format & ~DT_MODIFYSTRING);
  rect = host::GdiRect{area.left, area.top, area.right, area.bottom};
  return height;
}

GdiHandle Win32Gdi::CreateFontIndirect(const host::FontDescription& font, int32_t height) {
  LOGFONTW description{};
  description.lfHeight = height;  // positive: the cell height
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.italic ? 1 : 0;
  description.lfUnderline = font.underline ? 1 : 0;
  description.lfStrikeOut = font.strikethrough ? 1 : 0;
  description.lfCharSet = DEFAULT_CHARSET;
  // The face fills the array up to its last element, which stays the terminating NUL.
  const size_t length = std::min<size_t>(font.name.size(), LF_FACESIZE - 1);
  std::copy_n(font.name.data(), length, description.lfFaceName);
  return Handle(::CreateFontIndirectW(&description));
}

GdiHandle Win32Gdi::CreatePen(int style, int32_t width, ColorRef color) {
  return Handle(::CreatePen(style, width, color));
}

bool Win32Gdi::MoveToEx(GdiHandle dc, int32_t x, int32_t y) { return ::MoveToEx(Dc(dc), x, y, nullptr) != FALSE; }

bool Win32Gdi::LineTo(GdiHandle dc, int32_t x, int32_t y) { return ::LineTo(Dc(dc), x, y) != FALSE; }

bool Win32Gdi::DrawFocusRect(GdiHandle dc, const host::GdiRect& rect) {
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  return ::DrawFocusRect(Dc(dc), &r) != FALSE;
}

int Win32Gdi::SaveDC(GdiHandle dc) { return ::SaveDC(Dc(dc)); }

bool Win32Gdi::RestoreDC(GdiHandle dc, int savedLevel) { return ::RestoreDC(Dc(dc), savedLevel) != FALSE; }

ColorRef Win32Gdi::GetSysColor(int index) { return ::GetSysColor(index); }

}  // namespace win32
