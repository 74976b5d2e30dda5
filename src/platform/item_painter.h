// What the menu item drawing needs of the platform beyond the primitives of
// MenuCanvas: text, thin pen lines, copies of a rendered sidebar, and the
// pictures of items (plain, or as a one-colour silhouette).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/menu_canvas.h"
#include "platform/picture_inspector.h"
#include "platform/picture_list.h"

namespace vantrel {

// Text drawing flags (the system's values).
namespace text_format {
inline constexpr std::uint32_t Center = 0x1;
inline constexpr std::uint32_t Right = 0x2;
inline constexpr std::uint32_t VCenter = 0x4;
inline constexpr std::uint32_t SingleLine = 0x20;
inline constexpr std::uint32_t NoClip = 0x100;
inline constexpr std::uint32_t CalcRect = 0x400;
}  // namespace text_format

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// One paint of a silhouette: where the picture is not white, the colour is
// painted, offset by (dx, dy) from the picture's place. No colour: the
// context's background colour as it was before the silhouette.
struct SilhouettePass {
  int dx = 0;
  int dy = 0;
  std::optional<std::int32_t> colour;
  friend bool operator==(const SilhouettePass&, const SilhouettePass&) = default;
};

// A picture handle as the drawing knows it: a bitmap or an icon, and its own
// size (a bitmap's, or an icon's colour bitmap's).
struct PictureToDraw {
  PictureHandle handle = 0;
  bool isIcon = false;
  PictureSize size;
};

class MenuItemPainter {
 public:
  virtual ~MenuItemPainter() = default;

  // The text background mode, passed as given (a mode the platform rejects
  // leaves the context's mode as it was).
  virtual void SetBackgroundMode(DeviceContext dc, int mode) = 0;
  // colour is 0x00BBGGRR.
  virtual void SetTextColour(DeviceContext dc, std::int32_t colour) = 0;
  // Draws text (in the context's font) with text_format flags; with CalcRect
  // nothing is drawn and rect comes back holding the text's extent.
  virtual void DrawMenuText(DeviceContext dc, std::string_view text, PixelRect& rect, std::uint32_t flags) = 0;
  // A solid 1-pixel pen in colour from points[0] through the others, each
  // line leaving out its end point.
  virtual void DrawPolyline(DeviceContext dc, std::int32_t colour, const std::vector<PixelPoint>& points) = 0;
  // Copies sourceWidth x sourceHeight of bitmap, from its top-left, into
  // dest (stretched when the sizes differ).
  virtual void CopyBitmap(DeviceContext dc, BitmapHandle bitmap, const PixelRect& dest, int sourceWidth,
                          int sourceHeight) = 0;
  // The small icon of a file name (by its type, the file need not exist);
  // owned by the caller, 0 when there is none.
  virtual PictureHandle LoadFileSmallIcon(std::string_view path) = 0;
  virtual void DestroyFileIcon(PictureHandle icon) = 0;
  // Draws a picture at (x, y) in cx x cy: an icon normally; a bitmap scaled
  // to that size, copied with its background (opaque) or without the colour
  // of its top-left pixel.
  virtual void DrawPicture(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx, int cy,
                           bool opaque) = 0;
  // The picture's shape, as drawn by DrawPicture on white, painted by each
  // pass in turn.
  virtual void DrawSilhouette(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx, int cy,
                              bool opaque, const std::array<SilhouettePass, 2>& passes) = 0;
};

}  // namespace vantrel
