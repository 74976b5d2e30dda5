#include "menus/model/sidebar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/text.h"
#include "menus/model/caption_markup.h"
#include "menus/model/colour_values.h"
#include "menus/model/icon_sources.h"
#include "menus/model/menu_font_sizes.h"

namespace vantrel {
namespace {

constexpr int kMenuColourIndex = 4;
constexpr int kTextMargin = 6;
constexpr std::int32_t kNoGradient = 1;
constexpr std::int32_t kNoColour = -1;
constexpr std::int32_t kBoldWeight = 800;
constexpr std::int32_t kNormalWeight = 400;
constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::int32_t kUpwards = 900;  // tenths of a degree
// The fitting loop ends by itself (every pass shrinks the font or adds a
// break); this only bounds a text with thousands of blanks.
constexpr int kMaxFittingPasses = 4096;

enum class Align { Top, Bottom, Centre };

bool Present(std::string_view markup, std::string_view key) { return !GetMarkupValue(markup, key).empty(); }

Align ReadAlign(std::string_view markup) {
  const std::string value = UCase(GetMarkupValue(markup, "Align:"));
  if (value == "TOP") return Align::Top;
  if (value == "BOT") return Align::Bottom;
  return Align::Centre;
}

// A whole number of pixels from a markup number, kept within [low, high] so
// that no size overflows and no bitmap is absurdly large.
int LimitedNumber(double value, int low, int high) {
  if (std::isnan(value)) return low;
  return static_cast<int>(RoundHalfEven(std::clamp(value, static_cast<double>(low), static_cast<double>(high))));
}

int SidebarWidth(std::string_view markup) {
  return LimitedNumber(MarkupNumber(GetMarkupValue(markup, "Width:")), kMinSidebarWidth, kMaxSidebarExtent);
}

std::int32_t MenuColour(const SystemColours& colours) {
  return static_cast<std::int32_t>(colours.SysColor(kMenuColourIndex));
}

// The number of a colour value as a 32-bit colour; numbers that do not fit
// count as 0 (the value is then read again as a colour).
std::int32_t ColourNumber(double number) {
  if (std::isnan(number)) return 0;
  const long long whole = RoundHalfEven(number);
  if (whole < INT32_MIN || whole > INT32_MAX) return 0;
  return static_cast<std::int32_t>(whole);
}

bool IsOne(std::string_view value) { return !value.empty() && MarkupNumber(value) == 1.0; }

PixelRect Whole(int width, int height) { return PixelRect{0, 0, width, height}; }

// A panel whose sidebar could not be rendered shows none, rather than a
// bitmap of another size.
void DropPanelBitmap(cMenuItems& handler, int panel) { handler.ReplacePanelBitmap(panel, 0); }

std::string Replaced(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  std::size_t start = 0;
  for (;;) {
    const std::size_t p = text.find(what, start);
    if (p == std::string_view::npos) break;
    result.append(text.substr(start, p - start));
    result.append(with);
    start = p + what.size();
  }
  result.append(text.substr(start));
  return result;
}

// A line as the sidebar shows it: the never-break marker as a blank.
std::string ShownLine(std::string_view line) { return Replaced(line, "<br0>", " "); }

}  // namespace

std::string WrapSidebarText(std::vector<std::string>& Lines, bool FirstCall, const SidebarLineWidth& lineWidth,
                            int MaxLength) {
  if (Lines.empty()) Lines.emplace_back();

  // Forced breaks.
  for (;;) {
    const std::size_t p = Lines.back().find("<br!>");
    if (p == std::string::npos) break;
    std::string rest = Lines.back().substr(p + 5);
    Lines.back().resize(p);
    Lines.push_back(std::move(rest));
  }

  bool added = false;
  if (!FirstCall) {
    for (std::size_t i = 0; i < Lines.size() && !added; ++i) {
      const std::size_t p = Lines[i].find("<br>");
      if (p == std::string::npos) continue;
      std::string rest = Lines[i].substr(p + 4);
      Lines[i].resize(p);
      Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(rest));
      added = true;
    }
    for (std::size_t i = 0; i < Lines.size() && !added; ++i) {
      const std::string& line = Lines[i];
      if (line.find(' ') == std::string::npos) continue;
      if (!lineWidth || static_cast<long long>(lineWidth(ShownLine(line))) + kTextMargin <= MaxLength) continue;
      // Positions are counted from 1; a missing blank counts as the length.
      const std::size_t length = line.size();
      const std::size_t middle = length / 2;
      const std::size_t fromA = std::max<std::size_t>(middle, 1);
      const std::size_t foundA = line.find(' ', fromA - 1);
      const std::size_t a = foundA == std::string::npos ? length : foundA + 1;
      const std::size_t foundB = middle >= 1 ? line.rfind(' ', middle - 1) : std::string::npos;
      const std::size_t b = foundB == std::string::npos ? length : foundB + 1;
      const auto distance = [&](std::size_t position) {
        return position > middle ? position - middle : middle - position;
      };
      const std::size_t q = distance(a) < distance(b) ? a : b;
      std::string rest = line.substr(q);
      std::string head = line.substr(0, q - 1);
      Lines[i] = std::move(head);
      Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(rest));
      added = true;
    }
    if (!added) return "";
  }

  std::string joined;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    if (i != 0) joined += "\r\n";
    joined += Lines[i];
  }
  return Replaced(Replaced(joined, "<br>", " "), "<br0>", " ");
}

void BuildImageSidebar(cMenuItems& handler, int ItemNumber, int PanelNumber, std::string_view Markup,
                       const MenuPreparationServices& services) {
  const ResolvedPicture picture = ResolveItemImage(Markup, handler, services.pictures);
  if (picture.handle == 0) {
    BuildTextSidebar(handler, ItemNumber, PanelNumber, kDefaultSidebarMarkup, services);
    return;
  }
  MenuItemData& record = handler.Item(ItemNumber);
  const int width = SidebarWidth(Markup);
  record.ItemWidth = width;
  const int height = record.ItemHeight;
  const Align align = ReadAlign(Markup);

  auto surface = services.sidebars.BeginSidebar(handler.Form());
  if (surface == nullptr || height <= 0 || height > kMaxSidebarExtent) {
    DropPanelBitmap(handler, PanelNumber);
    return;
  }
  const bool isBitmap = picture.kind == PictureKind::Bitmap;
  const bool haveCopy = isBitmap && surface->CopyPicture(picture.handle);

  // Shrunk to fit, never enlarged.
  int dw = picture.width;
  int dh = picture.height;
  if (picture.width > 0 && picture.height > 0 && (width < picture.width || height < picture.height)) {
    const float ratio = std::min(static_cast<float>(width) / static_cast<float>(picture.width),
                                 static_cast<float>(height) / static_cast<float>(picture.height));
    dw = static_cast<int>(RoundHalfEven(ratio * static_cast<float>(picture.width)));
    dh = static_cast<int>(RoundHalfEven(ratio * static_cast<float>(picture.height)));
  }
  const int x = (width - dw) / 2;
  int y = (height - dh) / 2;
  if (align == Align::Top) y = 0;
  if (align == Align::Bottom) y = height - dh;

  if (!surface->CreateBitmap(width, height)) {
    DropPanelBitmap(handler, PanelNumber);
    return;
  }
  const DeviceContext dc = surface->Context();

  const std::string backValue = GetMarkupValue(Markup, "BColor:");
  std::int32_t back = 0;
  if (IsOne(backValue)) {
    back = MenuColour(services.colours);
  } else {
    back = ColourNumber(MarkupNumber(backValue));
    if (back != kNoColour) back = ColorFromValue(backValue, kNoColour, services.colours);
  }
  const std::int32_t gradient = ColorFromValue(GetMarkupValue(Markup, "GColor:"), kNoGradient, services.colours);
  if (gradient == kNoGradient || gradient == back || back < 0) {
    if (back == kNoColour) {
      // An icon has no background pixel of its own: the menu colour stands in.
      back = haveCopy ? surface->CopyCornerColour() : kNoColour;
      if (back == kNoColour) back = MenuColour(services.colours);
    }
    services.canvas.FillBox(dc, 0, 0, width, height, back, -1);
  } else {
    services.canvas.GradientFill(back, gradient, false, dc, Whole(width, height));
  }

  if (dw > 0 && dh > 0) {
    if (isBitmap) {
      if (haveCopy) {
        if (Present(Markup, "Transparent")) {
          int drawnWidth = dw;
          int drawnHeight = dh;
          services.canvas.TransparentCopy(dc, PixelRect{x, y, x + dw, y + dh}, surface->CopyForPrimitives(),
                                          PixelRect{}, kNoColour, drawnWidth, drawnHeight, 0, 0, 0, false, false,
                                          false);
        } else {
          surface->StretchCopy(x, y, dw, dh);
        }
      }
    } else {
      surface->DrawIcon(picture.handle, x, y, dw, dh);
    }
  }

  const BitmapHandle bitmap = surface->TakeBitmap();
  handler.ReplacePanelBitmap(PanelNumber, bitmap);
}

namespace {

// The text sidebar's font as its markup asks: face and style, and the sizes
// it may take, from the preferred one down to the smallest.
struct SidebarTextFont {
  MenuFontDescription font;
  int preferred = 11;
  int smallest = 11;
};

SidebarTextFont ReadSidebarFont(std::string_view markup) {
  SidebarTextFont wanted;
  const std::string face = GetMarkupValue(markup, "Font:");
  wanted.font.faceName = face.empty() ? std::string("Arial") : face;
  wanted.font.weight = Present(markup, "Bold") ? kBoldWeight : kNormalWeight;
  wanted.font.italic = Present(markup, "Italic") ? 1 : 0;
  wanted.font.underline = Present(markup, "Underline") ? 1 : 0;
  wanted.font.charSet = kDefaultCharSet;
  const std::string sizeValue = GetMarkupValue(markup, "FSize:");
  wanted.preferred = sizeValue.empty() ? 11 : LimitedNumber(MarkupNumber(sizeValue), 7, 24);
  wanted.smallest =
      std::min(LimitedNumber(MarkupNumber(GetMarkupValue(markup, "MinFSize:")), 5, 24), wanted.preferred);
  return wanted;
}

struct SidebarTextColours {
  std::int32_t text = 0;
  std::int32_t back = 0;
  std::int32_t gradient = kNoGradient;
};

SidebarTextColours ReadSidebarColours(std::string_view markup, const SystemColours& colours) {
  SidebarTextColours read;
  read.text = ColorFromValue(GetMarkupValue(markup, "FColor:"), 0, colours);
  const std::string backValue = GetMarkupValue(markup, "BColor:");
  const std::int32_t menuColour = MenuColour(colours);
  read.back = IsOne(backValue) ? menuColour : ColorFromValue(backValue, menuColour, colours);
  read.gradient = ColorFromValue(GetMarkupValue(markup, "GColor:"), kNoGradient, colours);
  return read;
}

// The sidebar's font on the surface at the size in use: level while the
// text is measured, rotated upwards when it is drawn.
struct SidebarFontSize {
  SidebarSurface& surface;
  MenuFontDescription font;
  double twipsPerPixel = 15.0;
  int size = 11;

  void Use(bool rotated) const {
    MenuFontDescription made = font;
    made.height = MenuFontHeight(static_cast<float>(size), twipsPerPixel);
    made.escapement = rotated ? kUpwards : 0;
    made.orientation = rotated ? kUpwards : 0;
    surface.UseFont(made);
  }
};

// Fits the text to the sidebar: the font shrinks from its preferred size
// while the block is too long or too wide, then a line break is added and
// the font starts over, until the block is shorter than the sidebar's
// height or no break can be made. lines holds the text as broken; gives
// the block it takes.
TextExtent FitSidebarText(SidebarSurface& surface, SidebarFontSize& font, const SidebarTextFont& wanted,
                          std::vector<std::string>& lines, int width, int height) {
  const SidebarLineWidth lineWidth = [&](std::string_view line) { return surface.MeasureText(line, false).width; };
  font.Use(false);
  std::string joined = WrapSidebarText(lines, true, lineWidth, height);

  TextExtent block;
  for (int pass = 0; pass < kMaxFittingPasses; ++pass) {
    for (;;) {
      block = surface.MeasureText(joined, true);
      if (block.width + kTextMargin <= height && block.height <= width) break;
      if (wanted.smallest + 1 < font.size) {
        --font.size;
        font.Use(false);
        continue;
      }
      break;
    }
    if (block.width + kTextMargin <= height) break;
    if (block.height < width) {
      font.size = wanted.preferred;
      font.Use(false);
    }
    std::string wrapped = WrapSidebarText(lines, false, lineWidth, height);
    if (wrapped.empty()) break;
    joined = std::move(wrapped);
  }
  return block;
}

// The lines side by side from the middle of the sidebar, each read upwards.
void DrawSidebarLines(SidebarSurface& surface, const std::vector<std::string>& lines, Align align, int width,
                      int height, int blockHeight, std::int32_t colour) {
  const int xWidth = surface.MeasureText("X", false).width;
  const int lineStep = xWidth + xWidth / 2;
  int x = (width - blockHeight) / 2;
  for (const std::string& line : lines) {
    const std::string shown = Replaced(std::string(TrimSpaces(Replaced(line, "<br>", " "))), "<br0>", " ");
    const int length = surface.MeasureText(shown, false).width;
    int y = (height - length) / 2 + length;
    if (align == Align::Bottom) y = height - 3;
    if (align == Align::Top) y = length + 3;
    surface.DrawTextAt(shown, x, y, colour);
    x += lineStep;
  }
}

}  // namespace

void BuildTextSidebar(cMenuItems& handler, int ItemNumber, int PanelNumber, std::string_view Markup,
                      const MenuPreparationServices& services) {
  MenuItemData& record = handler.Item(ItemNumber);
  auto surface = services.sidebars.BeginSidebar(handler.Form());

  // The text is taken out of the markup before anything else is read, so
  // that a text may hold words that look like keys.
  const std::string text = GetMarkupValue(Markup, "Text:");
  const std::string markup = text.empty() ? std::string(Markup) : ReplaceNoCase(Markup, text, "");

  const SidebarTextFont wanted = ReadSidebarFont(markup);
  int width = SidebarWidth(markup);
  const int height = record.ItemHeight;
  const SidebarTextColours colours = ReadSidebarColours(markup, services.colours);

  if (surface == nullptr || height <= 0 || height > kMaxSidebarExtent) {
    DropPanelBitmap(handler, PanelNumber);
    return;
  }

  SidebarFontSize font{
      .surface = *surface,
      .font = wanted.font,
      .twipsPerPixel = TwipsPerPixelFor(services.sidebars.ScreenPixelsPerInchY()),
      .size = wanted.preferred,
  };
  std::vector<std::string> lines{text};
  const TextExtent block = FitSidebarText(*surface, font, wanted, lines, width, height);

  font.Use(true);
  if (width < block.height + kTextMargin) width = std::min(block.height + kTextMargin, kMaxSidebarExtent);

  if (!surface->CreateBitmap(width, height)) {
    DropPanelBitmap(handler, PanelNumber);
    return;
  }
  record.ItemWidth = width;
  const DeviceContext dc = surface->Context();
  if (colours.gradient == kNoGradient || colours.gradient == colours.back) {
    services.canvas.FillBox(dc, 0, 0, width, height, colours.back, -1);
  } else {
    services.canvas.GradientFill(colours.back, colours.gradient, false, dc, Whole(width, height));
  }

  DrawSidebarLines(*surface, lines, ReadAlign(markup), width, height, block.height, colours.text);

  const BitmapHandle bitmap = surface->TakeBitmap();
  handler.ReplacePanelBitmap(PanelNumber, bitmap);
}

}  // namespace vantrel
