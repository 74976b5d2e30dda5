// One ordered log of everything an item drawing asks of the platform: the
// primitives, the font table, text, lines, bitmap copies and pictures, each
// as a readable line. The draw requests it reads come from memory.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw_request.h"
#include "platform/item_painter.h"
#include "platform/menu_canvas.h"
#include "platform/menu_fonts.h"

namespace vantrel::test {

inline std::string Hex(std::int32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
  return text;
}
inline std::string Box(int l, int t, int r, int b) {
  return std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," + std::to_string(b);
}
inline std::string Box(const PixelRect& rect) { return Box(rect.left, rect.top, rect.right, rect.bottom); }

class DrawingLog {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }
  // Lines starting with prefix, in order.
  std::vector<std::string> Starting(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : lines_) {
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
  }
  // Position of the first line equal to line; -1 when there is none.
  int IndexOf(std::string_view line) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i] == line) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<std::string> lines_;
};

// "FillBox l,t,r,b fill border", "Frame l,t,r,b v s lines w1 w2 light dark",
// "Gradient l,t,r,b a b h".
class LoggingMenuCanvas final : public MenuCanvas {
 public:
  explicit LoggingMenuCanvas(DrawingLog& log) : log_(log) {}
  void FillBox(DeviceContext, int left, int top, int right, int bottom, std::int32_t fill,
               std::int32_t border) override {
    log_.Add("FillBox " + Box(left, top, right, bottom) + " " + Hex(fill) + " " +
             (border == -1 ? std::string("-1") : Hex(border)));
  }
  void Draw3DFrame(DeviceContext, int left, int top, int right, int bottom, bool visible, bool sunken,
                   bool linesOnly, int width1, int width2, int lightIndex, int darkIndex) override {
    log_.Add("Frame " + Box(left, top, right, bottom) + " " + (visible ? "visible" : "hidden") + " " +
             (sunken ? "sunken" : "raised") + " " + (linesOnly ? "lines" : "box") + " " + std::to_string(width1) +
             " " + std::to_string(width2) + " " + std::to_string(lightIndex) + " " + std::to_string(darkIndex));
  }
  void GradientFill(std::int32_t colourA, std::int32_t colourB, bool horizontal, DeviceContext,
                    const PixelRect& rect) override {
    log_.Add("Gradient " + Box(rect) + " " + Hex(colourA) + " " + Hex(colourB) + " " +
             (horizontal ? "horizontal" : "vertical"));
  }
  void TransparentCopy(DeviceContext, const PixelRect& destRect, BitmapHandle bitmap, const PixelRect&,
                       std::int32_t, int&, int&, DeviceContext, int, int, bool, bool, bool) override {
    log_.Add("TransparentCopy " + Box(destRect) + " " + std::to_string(bitmap));
  }
  void SetDrawObject(bool create, DeviceContext, DrawObjectKind kind, std::int32_t colour, bool, int,
                     SavedDrawObjects&) override {
    log_.Add("DrawObject " + std::string(create ? "create " : "release ") + std::to_string(static_cast<int>(kind)) +
             " " + Hex(colour));
  }

 private:
  DrawingLog& log_;
};

// "Font n" for every selection, "BuildFonts create italic face".
class LoggingFontTable final : public MenuFontTable {
 public:
  explicit LoggingFontTable(DrawingLog& log) : log_(log) {}
  void BuildMenuFonts(bool create, bool italic, std::string_view face) override {
    log_.Add("BuildFonts " + std::string(create ? "create" : "release") + (italic ? " italic" : "") +
             (face.empty() ? std::string() : " " + std::string(face)));
  }
  void SelectMenuFont(int index, DeviceContext) override { log_.Add("Font " + std::to_string(index)); }
  std::string GetMenuFontFace() override { return "Tahoma"; }
  bool HasFont(int slot) const override { return slot >= 1 && slot < 8; }

 private:
  DrawingLog& log_;
};

// "BkMode n", "TextColour c", "Text l,t,r,b flags 'text'", "Measure ...",
// "Line c: x,y x,y ...", "Copy bitmap l,t,r,b from w,h", "FileIcon path",
// "DestroyIcon h", "Picture h icon|bitmap x,y cx,cy opaque|transparent",
// "Silhouette h x,y cx,cy +dx,dy c +dx,dy c|back".
// A measured text is 6 pixels per character wide and 13 high.
class RecordingItemPainter final : public MenuItemPainter {
 public:
  explicit RecordingItemPainter(DrawingLog& log) : log_(log) {}

  void SetBackgroundMode(DeviceContext, int mode) override { log_.Add("BkMode " + std::to_string(mode)); }
  void SetTextColour(DeviceContext, std::int32_t colour) override { log_.Add("TextColour " + Hex(colour)); }
  void DrawMenuText(DeviceContext, std::string_view text, PixelRect& rect, std::uint32_t flags) override {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(flags));
    if ((flags & text_format::CalcRect) != 0) {
      log_.Add("Measure " + Box(rect) + " " + hex + " '" + std::string(text) + "'");
      rect.right = rect.left + 6 * static_cast<int>(text.size());
      rect.bottom = rect.top + 13;
      return;
    }
    log_.Add("Text " + Box(rect) + " " + hex + " '" + std::string(text) + "'");
  }
  void DrawPolyline(DeviceContext, std::int32_t colour, const std::vector<PixelPoint>& points) override {
    std::string line = "Line " + Hex(colour) + ":";
    // Appended piece by piece: " " + std::to_string(...) sets off GCC 12's
    // -Wrestrict false positive on std::string (GCC bug 105329).
    for (const PixelPoint& p : points) {
      line.append(" ").append(std::to_string(p.x)).append(",").append(std::to_string(p.y));
    }
    log_.Add(line);
  }
  void CopyBitmap(DeviceContext, BitmapHandle bitmap, const PixelRect& dest, int sourceWidth,
                  int sourceHeight) override {
    log_.Add("Copy " + std::to_string(bitmap) + " " + Box(dest) + " from " + std::to_string(sourceWidth) + "," +
             std::to_string(sourceHeight));
  }
  PictureHandle LoadFileSmallIcon(std::string_view path) override {
    log_.Add("FileIcon " + std::string(path));
    const auto it = fileIcons.find(std::string(path));
    return it == fileIcons.end() ? 0 : it->second;
  }
  void DestroyFileIcon(PictureHandle icon) override { log_.Add("DestroyIcon " + std::to_string(icon)); }
  void DrawPicture(DeviceContext, const PictureToDraw& picture, int x, int y, int cx, int cy, bool opaque) override {
    log_.Add("Picture " + std::to_string(picture.handle) + (picture.isIcon ? " icon " : " bitmap ") +
             std::to_string(x) + "," +
             std::to_string(y) + " " + std::to_string(cx) + "," + std::to_string(cy) +
             (opaque ? " opaque" : " transparent"));
  }
  void DrawSilhouette(DeviceContext, const PictureToDraw& picture, int x, int y, int cx, int cy, bool,
                      const std::array<SilhouettePass, 2>& passes) override {
    std::string line = "Silhouette " + std::to_string(picture.handle) + (picture.isIcon ? " icon " : " bitmap ") +
                       std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(cx) + "," +
                       std::to_string(cy);
    for (const SilhouettePass& pass : passes) {
      line += " +" + std::to_string(pass.dx) + "," + std::to_string(pass.dy) + " " +
              (pass.colour ? Hex(*pass.colour) : std::string("back"));
    }
    log_.Add(line);
  }

  // The icons LoadFileSmallIcon gives, by path.
  std::map<std::string, PictureHandle> fileIcons;

 private:
  DrawingLog& log_;
};

// Draw requests placed in memory; the address is a ticket.
class FakeDrawRequests final : public DrawRequestReader {
 public:
  std::intptr_t Place(const DrawItemRecord& record) {
    records_.push_back(record);
    return static_cast<std::intptr_t>(0x5000 + records_.size());
  }
  bool ReadDrawItem(std::intptr_t address, DrawItemRecord& record) override {
    const auto index = address - 0x5001;
    if (index < 0 || index >= static_cast<std::intptr_t>(records_.size())) return false;
    record = records_[static_cast<std::size_t>(index)];
    return true;
  }

 private:
  std::vector<DrawItemRecord> records_;
};

}  // namespace vantrel::test
