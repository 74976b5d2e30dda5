#include "menus/render/menu_item_renderer.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/text.h"
#include "menus/model/caption_markup.h"
#include "menus/model/picture_looks.h"
#include "menus/render/mod_menus.h"

namespace vantrel {
namespace {

constexpr int kImageCell = 19;
constexpr int kHighlightIndent = 21;
constexpr int kTextIndent = 23;
constexpr int kColourSampleGap = 38;
constexpr int kRightTextMargin = 15;
constexpr int kPictureSize = 16;
// Text is drawn transparently over the highlight: an opaque text box would
// cover the gradient with a solid band.
constexpr int kBackgroundModeValue = 1;

// Font slots of the table.
constexpr int kContextFont = 0;
constexpr int kNormalFont = 1;
constexpr int kBoldFont = 2;
constexpr int kSmallFont = 3;
constexpr int kItalicStep = 3;
constexpr int kSampleFont = 6;
constexpr int kSampleItalicFont = 7;

constexpr std::uint32_t kMeasureTitle = text_format::CalcRect | text_format::NoClip | text_format::SingleLine |
                                        text_format::VCenter | text_format::Center;  // &H525
constexpr std::uint32_t kLeftText = text_format::NoClip | text_format::SingleLine | text_format::VCenter;  // &H124
constexpr std::uint32_t kRightAlignedText = kLeftText | text_format::Right;                               // &H126

PixelRect Moved(PixelRect rect, int dx, int dy) {
  rect.left += dx;
  rect.right += dx;
  rect.top += dy;
  rect.bottom += dy;
  return rect;
}

// A picture reference written as a number: its handle; 0 for anything that
// is not a whole, positive handle.
PictureHandle HandleFromNumber(std::string_view text) {
  const double value = Val(text);
  if (!(value > 0.0) || value >= 9007199254740992.0) return 0;
  return static_cast<PictureHandle>(static_cast<unsigned long long>(value));
}

// Segments of a glyph: a polyline each, offsets from the glyph's origin.
using Glyph = std::vector<std::vector<PixelPoint>>;

struct GlyphPasses {
  Glyph light;
  Glyph main;
};

const GlyphPasses* GlyphFor(std::uint16_t command) {
  static const GlyphPasses close{
      {{{2, 0}, {5, 3}}, {{9, 0}, {9, 1}, {6, 4}, {9, 7}, {9, 8}}, {{1, 9}, {5, 5}}},
      {{{0, 0}, {9, 9}},
       {{8, 0}, {-1, 9}},
       {{0, 1}, {8, 9}},
       {{1, 0}, {9, 8}},
       {{7, 0}, {-1, 8}},
       {{8, 1}, {0, 9}}}};
  static const GlyphPasses minimise{{{{9, 8}, {9, 9}, {1, 9}}}, {{{1, 8}, {9, 8}}, {{1, 7}, {9, 7}}}};
  static const GlyphPasses maximise{{{{10, 1}, {10, 10}, {1, 10}, {1, 2}, {10, 2}}},
                                    {{{0, 0}, {9, 0}, {9, 9}, {0, 9}, {0, 1}, {9, 1}}}};
  static const GlyphPasses restore{
      {{{3, 2}, {8, 2}}, {{8, 4}, {8, 5}, {1, 5}, {1, 9}, {8, 9}, {8, 6}, {10, 6}, {10, 0}}},
      {{{2, 2}, {2, 0}, {9, 0}, {9, 5}, {7, 5}, {7, 3}, {0, 3}, {0, 8}, {7, 8}, {7, 4}, {0, 4}},
       {{3, 1}, {9, 1}}}};
  switch (command) {
    case sys_command::Close:
      return &close;
    case sys_command::Minimise:
      return &minimise;
    case sys_command::Maximise:
      return &maximise;
    case sys_command::Restore:
      return &restore;
    default:
      return nullptr;
  }
}

// The file icon a picture reference brought; destroyed when drawing ends.
class FileIconHold {
 public:
  FileIconHold(MenuItemPainter& painter, PictureHandle icon) : painter_(painter), icon_(icon) {}
  FileIconHold(const FileIconHold&) = delete;
  FileIconHold& operator=(const FileIconHold&) = delete;
  ~FileIconHold() {
    if (icon_ == 0) return;
    try {
      painter_.DestroyFileIcon(icon_);
    } catch (...) {
    }
  }

 private:
  MenuItemPainter& painter_;
  PictureHandle icon_;
};

}  // namespace

bool MenuItemRenderer::IsSysCommandItem(std::uint32_t itemId) {
  return GlyphFor(LoWord(itemId)) != nullptr;
}

std::int32_t MenuItemRenderer::Colour(int index) const { return static_cast<std::int32_t>(s_.colours.SysColor(index)); }

void MenuItemRenderer::Frame(DeviceContext dc, int left, int top, int right, int bottom, bool visible, bool sunken,
                             bool linesOnly) {
  s_.canvas.Draw3DFrame(dc, left, top, right, bottom, visible, sunken, linesOnly, 1, 1, item_colour::ButtonHighlight,
                        item_colour::ButtonShadow);
}

bool MenuItemRenderer::DrawMenuItem(std::intptr_t address) {
  DrawItemRecord request;
  try {
    if (!s_.requests.ReadDrawItem(address, request)) return false;
  } catch (...) {
    return false;
  }
  if (request.controlType != kDrawMenuControl) return false;
  try {
    Paint(request);
  } catch (...) {
    // What was painted stays and the request is handled all the same; the
    // context gets its own font back.
    try {
      s_.fonts.SelectMenuFont(kContextFont, request.dc);
    } catch (...) {
    }
  }
  return true;
}

// What one drawing of an item goes by: the item's flags, the request's
// state and the engine's options, read once.
struct MenuItemRenderer::ItemLook {
  bool separator = false;
  bool disabled = false;
  bool checked = false;
  bool raised = false;
  bool sidebar = false;
  bool colourItem = false;
  bool selected = false;
  bool fullDraw = false;
  bool sysCommand = false;
  bool hasImage = false;
  bool highlightDisabledNow = false;
  // The check fills the image cell as a pressed button; the picture then
  // sits one pixel higher.
  bool pressed = false;
};

MenuItemRenderer::ItemLook MenuItemRenderer::LookOf(const DrawItemRecord& request, const MenuItemData& item,
                                                   const MenuPanelData& panel) const {
  const std::uint16_t flags = item.ItemFlags;
  return ItemLook{
      .separator = (flags & item_flag::Separator) != 0,
      .disabled = (flags & item_flag::Disabled) != 0,
      .checked = (flags & item_flag::Checked) != 0,
      .raised = (flags & item_flag::RaisedSeparator) != 0,
      .sidebar = (flags & item_flag::Sidebar) != 0,
      .colourItem = (flags & item_flag::ColourItem) != 0,
      .selected = (request.itemState & draw_state::Selected) != 0,
      .fullDraw = (request.itemAction & draw_action::DrawEntire) != 0,
      .sysCommand = IsSysCommandItem(request.itemId),
      .hasImage = !item.ImageRef.empty(),
      .highlightDisabledNow =
          s_.engine.KeyboardSelection() || panel.HasSysCommands || s_.engine.HighlightDisabled(),
  };
}

void MenuItemRenderer::Paint(const DrawItemRecord& request) {
  cMenuItems* handler = s_.engine.ActiveHandler();
  if (handler == nullptr) return;
  handler->GetMenuItem(static_cast<std::int32_t>(request.itemId), static_cast<MenuHandle>(request.itemData));
  handler->GetPanelItem(static_cast<MenuHandle>(request.itemWindow));
  // Copies: the shared records may be published anew by what follows.
  const MenuItemData item = s_.engine.CurrentItem();
  const MenuPanelData panel = s_.engine.CurrentPanel();
  ItemLook look = LookOf(request, item, panel);

  // Separators change nothing on a selection or focus change.
  if (look.separator && (request.itemAction & ~draw_action::DrawEntire) != 0) return;

  if (look.sidebar) {
    PaintSidebar(request, item, panel, look.selected, look.disabled, look.fullDraw);
    return;
  }

  PaintBackground(request, item, panel, look);
  if (look.separator) {
    PaintSeparator(request, item, look.raised);
    return;
  }
  if (look.hasImage || (look.checked && panel.HasImages)) look.pressed = PaintImageCell(request, look);
  if (!look.hasImage && !look.sysCommand && look.checked) PaintCheck(request, panel, look);
  PaintText(request, item, look.selected, look.disabled, look.highlightDisabledNow);
  if (look.hasImage) {
    PaintPicture(request, item, look);
  } else if (look.sysCommand) {
    DrawSysGlyph(request.dc, request.rect, request.itemId, look.disabled, look.selected);
  }
  if (look.fullDraw && look.colourItem) PaintColourSample(request, item);
}

// Background box: right of the image cell when the popup shows pictures
// and this item has one (or a check in that cell), and for system commands.
void MenuItemRenderer::PaintBackground(const DrawItemRecord& request, const MenuItemData& item,
                                       const MenuPanelData& panel, const ItemLook& look) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  PixelRect box{r.left + kHighlightIndent, r.top, r.right, r.bottom};
  if (!(((look.hasImage || look.checked) && panel.HasImages) || look.sysCommand)) box.left = r.left;
  if (look.colourItem && InStrNoCase(item.RawCaption, "LColor:-1") == 0) box.right = r.right - kColourSampleGap;
  s_.painter.SetBackgroundMode(dc, kBackgroundModeValue);

  const std::int32_t highlight = s_.engine.SavedHighlightColour();
  const std::int32_t menuColour = Colour(item_colour::Menu);
  if ((!look.separator && !look.disabled) || (look.disabled && look.highlightDisabledNow)) {
    if (s_.engine.GradientSelection() && !look.separator && look.selected) {
      s_.canvas.GradientFill(highlight, menuColour, true, dc, box);
    } else {
      s_.canvas.FillBox(dc, box.left, box.top, box.right, box.bottom, look.selected ? highlight : menuColour, -1);
    }
  }
}

// The cell of the picture (or of the check in a popup with pictures):
// pressed for a check, framed raised or sunken. True when pressed.
bool MenuItemRenderer::PaintImageCell(const DrawItemRecord& request, const ItemLook& look) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  bool pressed = false;
  const PixelRect cell{r.left + 1, r.top + 1, r.left + kImageCell, r.bottom - 1};
  if (look.checked && (s_.engine.IconEffects() || look.fullDraw) && !look.disabled) {
    s_.canvas.FillBox(dc, cell.left, cell.top, cell.right, cell.bottom, Colour(item_colour::Light3D), -1);
    pressed = true;
  } else if (s_.engine.IconEffects()) {
    s_.canvas.FillBox(dc, cell.left, cell.top, cell.right, cell.bottom, Colour(item_colour::Menu), -1);
  }
  if (!(look.disabled && look.selected && !s_.engine.HighlightDisabled() && !s_.engine.KeyboardSelection())) {
    Frame(dc, r.left, r.top, r.left + kImageCell, r.bottom - 1, look.selected || look.checked,
          look.checked && !look.selected, false);
  }
  return pressed;
}

// The check mark of an item without a picture: embossed when disabled, grey
// on a highlighted disabled item of a plain popup.
void MenuItemRenderer::PaintCheck(const DrawItemRecord& request, const MenuPanelData& panel, const ItemLook& look) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  if (panel.HasImages || panel.HasSysCommands) {
    if (look.disabled) {
      EmbossedCheckMark(dc, r, r.left);
    } else {
      DrawCheckMark(dc, r, Colour(item_colour::MenuText), r.left);
    }
  } else if (look.disabled && look.selected && look.highlightDisabledNow) {
    DrawCheckMark(dc, r, Colour(item_colour::GrayText), r.left);
  } else if (look.disabled) {
    EmbossedCheckMark(dc, r, r.left);
  } else {
    DrawCheckMark(dc, r, Colour(look.selected ? item_colour::HighlightText : item_colour::MenuText), r.left);
  }
}

void MenuItemRenderer::PaintPicture(const DrawItemRecord& request, const MenuItemData& item, const ItemLook& look) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  PixelRect place = r;
  place.left = r.left + 2;
  place.top = r.top + (r.bottom - r.top - kPictureSize) / 2;
  const MenuHandle popup = request.itemWindow;
  if (!look.disabled && look.selected && s_.engine.IconEffects()) {
    // Lifted: the picture up and left by one pixel over its own shadow.
    DrawItemImage(dc, item.ImageRef, place, true, false, item.ImageIsBackground, 0, 0, kPictureSize, kPictureSize,
                  popup);
    DrawItemImage(dc, item.ImageRef, place, false, false, item.ImageIsBackground, -1, -1, kPictureSize, kPictureSize,
                  popup);
  } else if (request.itemAction == draw_action::DrawEntire || s_.engine.IconEffects()) {
    DrawItemImage(dc, item.ImageRef, place, look.disabled, true, item.ImageIsBackground, 0, look.pressed ? -1 : 0,
                  kPictureSize, kPictureSize, popup);
  }
}

// The colour sample of a colour list entry, right of its text.
void MenuItemRenderer::PaintColourSample(const DrawItemRecord& request, const MenuItemData& item) {
  const PixelRect& r = request.rect;
  const std::size_t brace = item.RawCaption.find('{');
  if (brace == std::string::npos) return;
  const double value = Val(GetMarkupValue(std::string_view(item.RawCaption).substr(brace), "LColor:"));
  // A value outside the colour range draws no sample.
  if (value != -1.0 && std::isfinite(value) && value >= std::numeric_limits<std::int32_t>::min() - 0.5 &&
      value < std::numeric_limits<std::int32_t>::max() + 0.5) {
    const auto fill = static_cast<std::int32_t>(RoundHalfEven(value));
    s_.canvas.FillBox(request.dc, r.right - 35, r.top + 2, r.right - 5, r.bottom - 2, fill, 0);
  }
}

void MenuItemRenderer::PaintSidebar(const DrawItemRecord& request, const MenuItemData& item, const MenuPanelData& panel,
                                    bool selected, bool disabled, bool fullDraw) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  if (panel.PanelBitmap != 0 && (!disabled || fullDraw)) {
    if (selected && !disabled) {
      s_.painter.CopyBitmap(dc, panel.PanelBitmap, PixelRect{2, 2, 2 + (r.right - 4), 2 + (r.bottom - 4)},
                            item.ItemWidth, item.ItemHeight);
      // A ring in the menu colour round the shrunk copy.
      Frame(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, false, false, false);
    } else {
      // The sidebar is the first item of its own column: it starts at 0, 0.
      s_.painter.CopyBitmap(dc, panel.PanelBitmap, PixelRect{0, 0, r.right, r.bottom}, r.right, r.bottom);
    }
  }
  if (!disabled) Frame(dc, r.left, r.top, r.right, r.bottom - 1, selected, false, false);
}

void MenuItemRenderer::PaintSeparator(const DrawItemRecord& request, const MenuItemData& item, bool raised) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  const int mid = r.top + (r.bottom - r.top) / 2;
  if (!item.DisplayText.empty()) {
    s_.fonts.SelectMenuFont(kSmallFont, dc);
    s_.painter.SetTextColour(dc, Colour(item_colour::Highlight));
    PixelRect title = Moved(r, 0, 1);
    s_.painter.DrawMenuText(dc, item.DisplayText, title, kMeasureTitle);
    const int shift = (r.right - title.right) / 2;
    title.left += shift;
    title.right += shift;
    s_.painter.DrawMenuText(dc, item.DisplayText, title, kLeftText);
    Frame(dc, r.left, mid + 1, title.left - 3, mid + 1, true, raised, true);
    Frame(dc, title.right + 3, mid + 1, r.right, mid + 1, true, raised, true);
  } else {
    s_.fonts.SelectMenuFont(kNormalFont, dc);
    Frame(dc, r.left + 2, mid + 1, r.right - 2, mid + 1, true, raised, true);
  }
  s_.fonts.SelectMenuFont(kContextFont, dc);
}

void MenuItemRenderer::DrawRightText(DeviceContext dc, const MenuItemData& item, PixelRect& rect, bool selected) {
  if ((item.ItemFlags & item_flag::FontItem) != 0) {
    const std::string face = GetMarkupValue(item.RawCaption, "LFont:");
    s_.fonts.SelectMenuFont(kContextFont, dc);
    // Without a face the sample fonts would be the base fonts built anew;
    // the right text then keeps the context's font.
    if (!face.empty()) {
      s_.fonts.BuildMenuFonts(true, false, face);
      s_.fonts.SelectMenuFont(s_.engine.ItalicSelection() && selected ? kSampleItalicFont : kSampleFont, dc);
    }
  }
  s_.painter.DrawMenuText(dc, item.RightText, rect, kRightAlignedText);
}

void MenuItemRenderer::PaintText(const DrawItemRecord& request, const MenuItemData& item, bool selected, bool disabled,
                                 bool highlightDisabledNow) {
  const DeviceContext dc = request.dc;
  const PixelRect& r = request.rect;
  const bool fontItem = (item.ItemFlags & item_flag::FontItem) != 0;
  const int baseFont = (item.ItemFlags & item_flag::Default) != 0 ? kBoldFont : kNormalFont;
  PixelRect text{r.left + kTextIndent, r.top, r.right, r.bottom};
  s_.fonts.SelectMenuFont(baseFont, dc);

  const bool flatGrey = disabled && selected && highlightDisabledNow;
  const bool embossed = disabled && !flatGrey;
  if (flatGrey) {
    s_.painter.SetTextColour(dc, Colour(item_colour::GrayText));
  } else if (embossed) {
    s_.painter.SetTextColour(dc, Colour(item_colour::HighlightText));
    text = Moved(text, 1, 1);
  } else if (selected) {
    s_.painter.SetTextColour(dc, Colour(item_colour::HighlightText));
    if (s_.engine.ItalicSelection()) {
      s_.fonts.SelectMenuFont(kContextFont, dc);
      s_.fonts.SelectMenuFont(baseFont + kItalicStep, dc);
    }
  } else {
    s_.painter.SetTextColour(dc, Colour(item_colour::MenuText));
  }

  s_.painter.DrawMenuText(dc, item.DisplayText, text, kLeftText);
  if (!item.RightText.empty()) {
    text.right = r.right - kRightTextMargin;
    DrawRightText(dc, item, text, selected);
  }

  if (embossed) {
    text.right = r.right;
    text = Moved(text, -1, -1);
    if (fontItem) {
      s_.fonts.SelectMenuFont(kContextFont, dc);
      s_.fonts.SelectMenuFont(baseFont, dc);
    }
    s_.painter.SetTextColour(dc, Colour(item_colour::GrayText));
    s_.painter.DrawMenuText(dc, item.DisplayText, text, kLeftText);
    if (!item.RightText.empty()) {
      text.right = r.right - kRightTextMargin - 1;
      DrawRightText(dc, item, text, selected);
    }
  }
  s_.fonts.SelectMenuFont(kContextFont, dc);
}

void MenuItemRenderer::EmbossedCheckMark(DeviceContext dc, const PixelRect& rect, int x) {
  // The check's origin is x, so the light copy lies one pixel lower only.
  DrawCheckMark(dc, Moved(rect, 1, 1), Colour(item_colour::HighlightText), x);
  DrawCheckMark(dc, rect, Colour(item_colour::GrayText), x);
}

void MenuItemRenderer::DrawCheckMark(DeviceContext dc, const PixelRect& rect, std::int32_t colour, int x) {
  const int y = rect.top + (rect.bottom - rect.top - 8) / 2;
  s_.painter.DrawPolyline(dc, colour,
                          {{x + 6, y + 4},
                           {x + 7, y + 4},
                           {x + 7, y + 5},
                           {x + 8, y + 5},
                           {x + 8, y + 6},
                           {x + 9, y + 6},
                           {x + 9, y + 4},
                           {x + 10, y + 4},
                           {x + 10, y + 2},
                           {x + 11, y + 2},
                           {x + 11, y + 1},
                           {x + 12, y + 1},
                           {x + 12, y}});
}

void MenuItemRenderer::DrawSysGlyph(DeviceContext dc, const PixelRect& rect, std::uint32_t itemId, bool disabled,
                                    bool selected) {
  const GlyphPasses* glyph = GlyphFor(LoWord(itemId));
  if (glyph == nullptr) return;
  const int x0 = rect.left + 5;
  const int y0 = rect.top + (rect.bottom - rect.top - 8) / 2 - 1;
  const auto stroke = [&](const Glyph& segments, std::int32_t colour) {
    for (const auto& segment : segments) {
      std::vector<PixelPoint> points;
      points.reserve(segment.size());
      for (const PixelPoint& p : segment) points.push_back({x0 + p.x, y0 + p.y});
      s_.painter.DrawPolyline(dc, colour, points);
    }
  };
  if (disabled) stroke(glyph->light, Colour(item_colour::Light3D));
  stroke(glyph->main, Colour(disabled ? item_colour::ButtonShadow : item_colour::Highlight));
  Frame(dc, rect.left, rect.top, rect.left + kImageCell, rect.bottom - 1, selected, false, false);
}

bool MenuItemRenderer::DrawItemImage(DeviceContext dc, std::string_view imageRef, const PixelRect& rect,
                                     bool silhouette, bool silhouetteLight, bool opaque, int dx, int dy, int cx,
                                     int cy, std::optional<MenuHandle> popup) {
  PictureHandle handle = 0;
  PictureHandle fileIcon = 0;
  if (imageRef.empty() || IsNumeric(imageRef)) {
    handle = HandleFromNumber(imageRef);
  } else {
    // A generated file item: the file's small icon, made for this drawing.
    fileIcon = s_.painter.LoadFileSmallIcon(imageRef);
    handle = fileIcon;
  }
  const FileIconHold hold(s_.painter, fileIcon);
  if (handle == 0) return false;

  // A file's icon is made for this drawing alone and destroyed after it: its
  // handle may name another picture the next time, so it is never remembered.
  std::optional<PictureLooks::PopupPictures> remembered;
  if (popup && s_.looks != nullptr && fileIcon == 0) remembered.emplace(s_.looks->Of(*popup));
  const PictureInspector& pictures = remembered ? static_cast<const PictureInspector&>(*remembered) : s_.pictures;
  PictureToDraw picture{handle, false, {}};
  if (const auto bitmap = pictures.BitmapSize(handle)) {
    picture.size = *bitmap;
  } else if (const auto icon = pictures.IconColourSize(handle)) {
    picture.isIcon = true;
    picture.size = *icon;
  } else {
    return false;
  }

  if (!silhouette) {
    s_.painter.DrawPicture(dc, picture, rect.left + dx, rect.top + dy, cx, cy, opaque);
  } else if (silhouetteLight) {
    // The embossed disabled look.
    s_.painter.DrawSilhouette(dc, picture, rect.left, rect.top, cx, cy, opaque,
                              {SilhouettePass{1, 1, Colour(item_colour::ButtonHighlight)},
                               SilhouettePass{0, 0, Colour(item_colour::ButtonShadow)}});
  } else {
    s_.painter.DrawSilhouette(dc, picture, rect.left, rect.top, cx, cy, opaque,
                              {SilhouettePass{1, 1, Colour(item_colour::ButtonShadow)},
                               SilhouettePass{0, 0, std::nullopt}});
  }
  return true;
}

}  // namespace vantrel
