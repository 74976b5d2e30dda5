// A menu canvas that records every primitive asked of it, in order, so the
// drawing decisions built on the primitives can be checked without GDI.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/menu_canvas.h"

namespace vantrel::test {

struct CanvasCall {
  enum class Kind { FillBox, Draw3DFrame, GradientFill, TransparentCopy, SetDrawObject };
  Kind kind = Kind::FillBox;
  DeviceContext dc = 0;
  PixelRect box;                 // the rectangle drawn into
  std::int32_t colour = 0;       // fill, colourA, transparent colour or object colour
  std::int32_t otherColour = 0;  // border or colourB
  // Draw3DFrame: visible, sunken, linesOnly; GradientFill: horizontal;
  // TransparentCopy: flipH, flipV; SetDrawObject: create, withPen.
  bool flag1 = false;
  bool flag2 = false;
  bool flag3 = false;
  // Draw3DFrame: width1, width2, lightIndex, darkIndex; TransparentCopy:
  // width, height (as asked), backX, backY; SetDrawObject: kind, width.
  std::vector<int> numbers;
  BitmapHandle bitmap = 0;
  PixelRect sourceRect;
  DeviceContext backDc = 0;
  friend bool operator==(const CanvasCall&, const CanvasCall&) = default;
};

class RecordingMenuCanvas final : public MenuCanvas {
 public:
  void FillBox(DeviceContext dc, int left, int top, int right, int bottom, std::int32_t fill,
               std::int32_t border) override {
    CanvasCall call;
    call.kind = CanvasCall::Kind::FillBox;
    call.dc = dc;
    call.box = {left, top, right, bottom};
    call.colour = fill;
    call.otherColour = border;
    calls_.push_back(call);
  }
  void Draw3DFrame(DeviceContext dc, int left, int top, int right, int bottom, bool visible, bool sunken,
                   bool linesOnly, int width1, int width2, int lightIndex, int darkIndex) override {
    CanvasCall call;
    call.kind = CanvasCall::Kind::Draw3DFrame;
    call.dc = dc;
    call.box = {left, top, right, bottom};
    call.flag1 = visible;
    call.flag2 = sunken;
    call.flag3 = linesOnly;
    call.numbers = {width1, width2, lightIndex, darkIndex};
    calls_.push_back(call);
  }
  void GradientFill(std::int32_t colourA, std::int32_t colourB, bool horizontal, DeviceContext dc,
                    const PixelRect& rect) override {
    CanvasCall call;
    call.kind = CanvasCall::Kind::GradientFill;
    call.dc = dc;
    call.box = rect;
    call.colour = colourA;
    call.otherColour = colourB;
    call.flag1 = horizontal;
    calls_.push_back(call);
  }
  // Records the call and answers the drawn size the test set with
  // SetCopySize (by default the size as asked).
  void TransparentCopy(DeviceContext destDc, const PixelRect& destRect, BitmapHandle bitmap,
                       const PixelRect& sourceRect, std::int32_t transparentColour, int& width, int& height,
                       DeviceContext backDc, int backX, int backY, bool flipH, bool flipV,
                       bool /*keepSourceDc*/) override {
    CanvasCall call;
    call.kind = CanvasCall::Kind::TransparentCopy;
    call.dc = destDc;
    call.box = destRect;
    call.bitmap = bitmap;
    call.sourceRect = sourceRect;
    call.colour = transparentColour;
    call.flag1 = flipH;
    call.flag2 = flipV;
    call.numbers = {width, height, backX, backY};
    call.backDc = backDc;
    calls_.push_back(call);
    if (copyWidth_ >= 0) width = copyWidth_;
    if (copyHeight_ >= 0) height = copyHeight_;
  }
  void SetDrawObject(bool create, DeviceContext dc, DrawObjectKind kind, std::int32_t colour, bool withPen,
                     int width, SavedDrawObjects& /*saved*/) override {
    CanvasCall call;
    call.kind = CanvasCall::Kind::SetDrawObject;
    call.dc = dc;
    call.colour = colour;
    call.flag1 = create;
    call.flag2 = withPen;
    call.numbers = {static_cast<int>(kind), width};
    calls_.push_back(call);
  }

  void SetCopySize(int width, int height) {
    copyWidth_ = width;
    copyHeight_ = height;
  }
  const std::vector<CanvasCall>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  std::vector<CanvasCall> calls_;
  int copyWidth_ = -1;
  int copyHeight_ = -1;
};

}  // namespace vantrel::test
