// A sidebar painter that records what a rendering does and measures text
// with fixed metrics: a character is half the font's height wide (rounded
// down) and a line is the font's height tall; a multi-line block is as wide
// as its widest line. Bitmaps are numbered from 0x7000 on.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sidebar_painter.h"

namespace vantrel::test {

struct SidebarLog {
  struct Text {
    std::string text;
    int x = 0;
    int y = 0;
    std::int32_t colour = 0;
    MenuFontDescription font;
  };
  struct Picture {
    enum class Kind { Stretch, Icon } kind = Kind::Stretch;
    PictureHandle picture = 0;
    PixelRect box;
  };
  std::vector<MenuFontDescription> fonts;
  std::vector<std::string> measured;
  std::vector<PixelRect> bitmaps;  // created sizes (0, 0, width, height)
  std::vector<Text> texts;
  std::vector<PictureHandle> copied;
  std::vector<Picture> pictures;
  std::vector<BitmapHandle> taken;
  int surfacesBegun = 0;
  int surfacesEnded = 0;
};

class RecordingSidebarSurface final : public SidebarSurface {
 public:
  static constexpr DeviceContext kContext = 0x5DC;
  static constexpr BitmapHandle kCopy = 0x6C0;

  RecordingSidebarSurface(SidebarLog& log, BitmapHandle& next, std::int32_t cornerColour, bool failBitmaps)
      : log_(log), next_(next), corner_(cornerColour), failBitmaps_(failBitmaps) {}
  ~RecordingSidebarSurface() override { ++log_.surfacesEnded; }

  bool UseFont(const MenuFontDescription& font) override {
    log_.fonts.push_back(font);
    font_ = font;
    return true;
  }
  TextExtent MeasureText(std::string_view text, bool multiLine) override {
    log_.measured.emplace_back(text);
    const int charWidth = std::abs(font_.height) / 2;
    const int lineHeight = std::abs(font_.height);
    if (!multiLine) return {static_cast<int>(text.size()) * charWidth, lineHeight};
    int widest = 0;
    int lines = 0;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = text.find("\r\n", start);
      const std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
      widest = std::max(widest, static_cast<int>(line.size()) * charWidth);
      ++lines;
      if (end == std::string_view::npos) break;
      start = end + 2;
    }
    return {widest, lines * lineHeight};
  }
  bool CreateBitmap(int width, int height) override {
    if (failBitmaps_) return false;
    log_.bitmaps.push_back(PixelRect{0, 0, width, height});
    bitmap_ = next_++;
    return true;
  }
  DeviceContext Context() const override { return bitmap_ != 0 ? kContext : 0; }
  void DrawTextAt(std::string_view text, int x, int y, std::int32_t colour) override {
    log_.texts.push_back({std::string(text), x, y, colour, font_});
  }
  bool CopyPicture(PictureHandle bitmap) override {
    log_.copied.push_back(bitmap);
    copy_ = true;
    return true;
  }
  std::int32_t CopyCornerColour() override { return copy_ ? corner_ : -1; }
  void StretchCopy(int x, int y, int width, int height) override {
    log_.pictures.push_back({SidebarLog::Picture::Kind::Stretch, log_.copied.back(), {x, y, x + width, y + height}});
  }
  BitmapHandle CopyForPrimitives() override { return copy_ ? kCopy : 0; }
  void DrawIcon(PictureHandle icon, int x, int y, int width, int height) override {
    log_.pictures.push_back({SidebarLog::Picture::Kind::Icon, icon, {x, y, x + width, y + height}});
  }
  BitmapHandle TakeBitmap() override {
    const BitmapHandle taken = bitmap_;
    bitmap_ = 0;
    if (taken != 0) log_.taken.push_back(taken);
    return taken;
  }

 private:
  SidebarLog& log_;
  BitmapHandle& next_;
  std::int32_t corner_;
  bool failBitmaps_;
  MenuFontDescription font_;
  BitmapHandle bitmap_ = 0;
  bool copy_ = false;
};

class RecordingSidebarPainter final : public SidebarPainter {
 public:
  std::unique_ptr<SidebarSurface> BeginSidebar(WindowHandle window) override {
    windows.push_back(window);
    if (failSurfaces) return nullptr;
    ++log.surfacesBegun;
    return std::make_unique<RecordingSidebarSurface>(log, nextBitmap, cornerColour, failBitmaps);
  }
  int ScreenPixelsPerInchY() override { return 96; }

  SidebarLog log;
  std::vector<WindowHandle> windows;
  BitmapHandle nextBitmap = 0x7000;
  std::int32_t cornerColour = 0x00ABCDEF;
  bool failSurfaces = false;
  bool failBitmaps = false;
};

}  // namespace vantrel::test
