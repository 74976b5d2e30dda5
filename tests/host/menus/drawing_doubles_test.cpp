// The recording stand-ins of the font table and the drawing primitives that
// the engine's own tests draw against.
#include <gtest/gtest.h>

#include "support/fake_menu_fonts.h"
#include "support/recording_menu_canvas.h"

namespace vantrel {
namespace {

using test::CanvasCall;
using test::FakeMenuFontTable;
using test::RecordingMenuCanvas;

TEST(FakeMenuFontTableTest, SlotsFollowTheTableRules) {
  FakeMenuFontTable fonts("Tahoma");
  EXPECT_FALSE(fonts.AnyFont());
  fonts.BuildMenuFonts(true, false, "");
  EXPECT_TRUE(fonts.HasFont(1));
  EXPECT_TRUE(fonts.HasFont(3));
  EXPECT_FALSE(fonts.HasFont(4));
  fonts.BuildMenuFonts(true, true, "");
  EXPECT_TRUE(fonts.HasFont(5));
  fonts.BuildMenuFonts(true, false, "Arial");
  EXPECT_TRUE(fonts.HasFont(7));
  fonts.SelectMenuFont(2, 42);
  fonts.SelectMenuFont(0, 42);
  EXPECT_EQ(fonts.GetMenuFontFace(), "Tahoma");
  fonts.BuildMenuFonts(false, false, "");
  EXPECT_FALSE(fonts.AnyFont());
  EXPECT_EQ(fonts.Releases(), 1);
  EXPECT_EQ(fonts.FaceReads(), 1);
  EXPECT_EQ(fonts.Builds().size(), 4u);
  EXPECT_EQ(fonts.Builds()[2], (FakeMenuFontTable::BuildCall{true, false, "Arial"}));
  EXPECT_EQ(fonts.Selects(),
            (std::vector<FakeMenuFontTable::SelectCall>{{2, 42}, {0, 42}}));
}

TEST(RecordingMenuCanvasTest, RecordsEveryPrimitiveInOrder) {
  RecordingMenuCanvas canvas;
  SavedDrawObjects saved;
  canvas.FillBox(7, 1, 2, 3, 4, 0xFF, -1);
  canvas.Draw3DFrame(7, 0, 5, 20, 5, true, false, true, 1, 1, 20, 16);
  canvas.GradientFill(1, 2, true, 7, {0, 0, 10, 10});
  canvas.SetCopySize(8, 6);
  int width = 16, height = 16;
  canvas.TransparentCopy(7, {0, 0, 8, 8}, 99, {}, -1, width, height, 0, 0, 0, true, false, false);
  canvas.SetDrawObject(true, 7, DrawObjectKind::Pen, 0x123, false, 2, saved);
  ASSERT_EQ(canvas.Calls().size(), 5u);
  EXPECT_EQ(canvas.Calls()[0].kind, CanvasCall::Kind::FillBox);
  EXPECT_EQ(canvas.Calls()[0].box, (PixelRect{1, 2, 3, 4}));
  EXPECT_EQ(canvas.Calls()[0].otherColour, -1);
  EXPECT_EQ(canvas.Calls()[1].numbers, (std::vector<int>{1, 1, 20, 16}));
  EXPECT_TRUE(canvas.Calls()[2].flag1);
  EXPECT_EQ(canvas.Calls()[3].numbers, (std::vector<int>{16, 16, 0, 0}));
  EXPECT_EQ(canvas.Calls()[3].bitmap, 99u);
  EXPECT_EQ(width, 8);
  EXPECT_EQ(height, 6);
  EXPECT_EQ(canvas.Calls()[4].numbers, (std::vector<int>{1, 2}));
  canvas.Clear();
  EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
}  // namespace vantrel
