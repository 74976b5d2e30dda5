// The engine's item drawing: paints one owner-drawn menu item from its
// record in the engine's style (image cell, picture, check mark or system
// glyph, solid or gradient highlight, engine fonts, embossed disabled text,
// etched separators with titles, colour samples, the rendered sidebar).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "menus/model/menu_engine_parts.h"
#include "menus/model/menu_records.h"
#include "platform/draw_request.h"
#include "platform/item_painter.h"
#include "platform/menu_canvas.h"
#include "platform/menu_fonts.h"
#include "platform/picture_inspector.h"
#include "platform/system_colours.h"

namespace vantrel {

class modMenus;
class PictureLooks;

// System colour indexes the drawing reads.
namespace item_colour {
inline constexpr int Menu = 4;
inline constexpr int MenuText = 7;
inline constexpr int Highlight = 13;
inline constexpr int HighlightText = 14;
inline constexpr int ButtonShadow = 16;
inline constexpr int GrayText = 17;
inline constexpr int ButtonHighlight = 20;
inline constexpr int Light3D = 22;
}  // namespace item_colour

// System commands that show a glyph instead of a picture.
namespace sys_command {
inline constexpr std::uint16_t Minimise = 0xF020;
inline constexpr std::uint16_t Maximise = 0xF030;
inline constexpr std::uint16_t Close = 0xF060;
inline constexpr std::uint16_t Restore = 0xF120;
}  // namespace sys_command

// What the drawing works with; all must outlive it. fonts is the engine's
// font table (the one the engine was built with).
struct MenuItemRendererServices {
  modMenus& engine;
  DrawRequestReader& requests;
  MenuCanvas& canvas;
  MenuFontTable& fonts;
  const SystemColours& colours;
  MenuItemPainter& painter;
  const PictureInspector& pictures;
  // What the preparation found each popup's pictures to be; without it every
  // drawing asks pictures again.
  PictureLooks* looks = nullptr;
};

class MenuItemRenderer final : public MenuItemDrawing {
 public:
  explicit MenuItemRenderer(const MenuItemRendererServices& services) : s_(services) {}

  // False when the request is not for a menu item (it goes on to the
  // window); true otherwise, even when a failure ended the drawing early.
  bool DrawMenuItem(std::intptr_t address) override;

  // The item's picture (a decimal handle, or a file path whose small icon is
  // shown) at rect's top-left in cx x cy: in colour moved by (dx, dy), or as
  // a silhouette (embossed with light, else a shadow under the picture's
  // place). False when there is nothing to draw. With popup, what that
  // popup found its pictures to be serves instead of a new look.
  bool DrawItemImage(DeviceContext dc, std::string_view imageRef, const PixelRect& rect, bool silhouette,
                     bool silhouetteLight, bool opaque, int dx, int dy, int cx, int cy,
                     std::optional<MenuHandle> popup = std::nullopt);
  // The check mark, vertically centred in rect, starting at x.
  void DrawCheckMark(DeviceContext dc, const PixelRect& rect, std::int32_t colour, int x);
  // The glyph of a minimise, maximise, close or restore command, and the
  // frame of its cell; nothing for other commands.
  void DrawSysGlyph(DeviceContext dc, const PixelRect& rect, std::uint32_t itemId, bool disabled, bool selected);

  // True for the four commands that have a glyph (low 16 bits of the ID).
  static bool IsSysCommandItem(std::uint32_t itemId);

 private:
  struct ItemLook;

  void Paint(const DrawItemRecord& request);
  ItemLook LookOf(const DrawItemRecord& request, const MenuItemData& item, const MenuPanelData& panel) const;
  void PaintBackground(const DrawItemRecord& request, const MenuItemData& item, const MenuPanelData& panel,
                       const ItemLook& look);
  bool PaintImageCell(const DrawItemRecord& request, const ItemLook& look);
  void PaintCheck(const DrawItemRecord& request, const MenuPanelData& panel, const ItemLook& look);
  void PaintPicture(const DrawItemRecord& request, const MenuItemData& item, const ItemLook& look);
  void PaintColourSample(const DrawItemRecord& request, const MenuItemData& item);
  void PaintSidebar(const DrawItemRecord& request, const MenuItemData& item, const MenuPanelData& panel,
                    bool selected, bool disabled, bool fullDraw);
  void PaintSeparator(const DrawItemRecord& request, const MenuItemData& item, bool raised);
  void PaintText(const DrawItemRecord& request, const MenuItemData& item, bool selected, bool disabled,
                 bool highlightDisabledNow);
  void DrawRightText(DeviceContext dc, const MenuItemData& item, PixelRect& rect, bool selected);
  void EmbossedCheckMark(DeviceContext dc, const PixelRect& rect, int x);
  std::int32_t Colour(int index) const;
  void Frame(DeviceContext dc, int left, int top, int right, int bottom, bool visible, bool sunken,
             bool linesOnly);

  MenuItemRendererServices s_;
};

}  // namespace vantrel
