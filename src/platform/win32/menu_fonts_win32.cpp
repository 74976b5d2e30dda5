#include "platform/win32/menu_fonts_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

// SPI_GETNONCLIENTMETRICS with the record as it was before the padded
// border width joined it: 340 bytes, which every system version accepts.
constexpr UINT kGetNonClientMetrics = 41;
constexpr UINT kNonClientMetricsSize = 340;
static_assert(offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA) == kNonClientMetricsSize);

MenuFontDescription FromLogFont(const LOGFONTA& font) {
  MenuFontDescription description;
  description.height = font.lfHeight;
  description.width = font.lfWidth;
  description.escapement = font.lfEscapement;
  description.orientation = font.lfOrientation;
  description.weight = font.lfWeight;
  description.italic = font.lfItalic;
  description.underline = font.lfUnderline;
  description.strikeOut = font.lfStrikeOut;
  description.charSet = font.lfCharSet;
  description.outPrecision = font.lfOutPrecision;
  description.clipPrecision = font.lfClipPrecision;
  description.quality = font.lfQuality;
  description.pitchAndFamily = font.lfPitchAndFamily;
  description.faceName.assign(font.lfFaceName, sizeof font.lfFaceName);
  return description;
}

LOGFONTA ToLogFont(const MenuFontDescription& description) {
  LOGFONTA font{};
  font.lfHeight = description.height;
  font.lfWidth = description.width;
  font.lfEscapement = description.escapement;
  font.lfOrientation = description.orientation;
  font.lfWeight = description.weight;
  font.lfItalic = description.italic;
  font.lfUnderline = description.underline;
  font.lfStrikeOut = description.strikeOut;
  font.lfCharSet = description.charSet;
  font.lfOutPrecision = description.outPrecision;
  font.lfClipPrecision = description.clipPrecision;
  font.lfQuality = description.quality;
  font.lfPitchAndFamily = description.pitchAndFamily;
  // The face is cut to the buffer, always leaving its terminating 0.
  const std::size_t length = std::min(description.faceName.find('\0'), sizeof font.lfFaceName - 1);
  std::memcpy(font.lfFaceName, description.faceName.data(), std::min(length, description.faceName.size()));
  return font;
}

}  // namespace

std::optional<MenuFontDescription> Win32MenuFontDevice::ReadMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  if (!::SystemParametersInfoA(kGetNonClientMetrics, kNonClientMetricsSize, &metrics, 0)) return std::nullopt;
  return FromLogFont(metrics.lfMenuFont);
}

int Win32MenuFontDevice::ScreenPixelsPerInchY() {
  const win32::WindowDC screen(nullptr);
  return screen.Valid() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
}

FontHandle Win32MenuFontDevice::CreateMenuFont(const MenuFontDescription& description) {
  const LOGFONTA font = ToLogFont(description);
  return win32::ToNumber(::CreateFontIndirectA(&font));
}

void Win32MenuFontDevice::DeleteMenuFont(FontHandle font) {
  if (font != 0) ::DeleteObject(win32::FromNumber<HFONT>(font));
}

FontHandle Win32MenuFontDevice::SelectMenuFontObject(DeviceContext dc, FontHandle font) {
  if (dc == 0 || font == 0) return 0;
  const HGDIOBJ previous = ::SelectObject(win32::FromNumber<HDC>(dc), win32::FromNumber<HFONT>(font));
  return previous == HGDI_ERROR ? 0 : win32::ToNumber(previous);
}

}  // namespace vantrel
