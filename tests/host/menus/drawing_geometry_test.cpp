// The arithmetic behind the drawing primitives.
#include "menus/render/drawing_geometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vantrel {
namespace {

constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct ColoursCase {
  int n;
  std::int32_t start;
  std::int32_t end;
  std::vector<std::int32_t> expected;
};

void PrintTo(const ColoursCase& c, std::ostream* os) {
  *os << c.n << " bands from " << c.start << " to " << c.end;
}

class GradientColoursTest : public ::testing::TestWithParam<ColoursCase> {};

TEST_P(GradientColoursTest, BandColours) {
  const ColoursCase& c = GetParam();
  EXPECT_EQ(GradientColours(c.n, c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GradientColoursTest,
    ::testing::Values(
        // 63.75, 127.5, 191.25, 255: halves go to even, 191.25 to 191.
        ColoursCase{4, Rgb(0, 0, 0), Rgb(255, 255, 255),
                    {Rgb(64, 64, 64), Rgb(128, 128, 128), Rgb(191, 191, 191), Rgb(255, 255, 255)}},
        // Each component on its own, downwards too.
        ColoursCase{2, Rgb(200, 0, 10), Rgb(100, 50, 10), {Rgb(150, 25, 10), Rgb(100, 50, 10)}},
        // One band is the end colour itself.
        ColoursCase{1, Rgb(1, 2, 3), Rgb(4, 5, 6), {Rgb(4, 5, 6)}},
        // 2.5 rounds to 2, 5 stays: halves to even.
        ColoursCase{2, Rgb(0, 0, 0), Rgb(5, 0, 0), {Rgb(2, 0, 0), Rgb(5, 0, 0)}},
        // The top byte (a system colour's flag) is not a component.
        ColoursCase{1, static_cast<std::int32_t>(0xFF000000u), Rgb(9, 9, 9), {Rgb(9, 9, 9)}},
        ColoursCase{0, 0, Rgb(255, 255, 255), {}}, ColoursCase{-3, 0, Rgb(255, 255, 255), {}}));

TEST(GradientColoursTest, AccumulatesToTheEndColourOverManyBands) {
  const auto colours = GradientColours(300, Rgb(0, 255, 17), Rgb(255, 0, 200));
  ASSERT_EQ(colours.size(), 300u);
  EXPECT_EQ(colours.back(), Rgb(255, 0, 200));
  for (std::size_t i = 1; i < colours.size(); ++i) {
    EXPECT_GE(colours[i] & 0xFF, colours[i - 1] & 0xFF) << i;  // red only rises
  }
}

TEST(GradientBandsTest, NarrowHorizontalBoxHasOnePixelColumnsFromAToB) {
  // 1280 \ 40 = 32 > 4: one band per column.
  const auto bands = GradientBands(Rgb(0, 0, 0), Rgb(255, 255, 255), true, {10, 5, 50, 25}, 1280);
  ASSERT_EQ(bands.size(), 40u);
  EXPECT_EQ(bands.front().box, (PixelRect{10, 5, 11, 25}));
  EXPECT_EQ(bands.back().box, (PixelRect{49, 5, 50, 25}));
  EXPECT_EQ(bands.back().colour, Rgb(255, 255, 255));
  EXPECT_EQ(bands.front().colour, GradientColours(40, 0, Rgb(255, 255, 255)).front());
}

TEST(GradientBandsTest, WideBoxHasTwoPixelBandsAndLeavesAnOddLastColumn) {
  // 1280 \ 301 = 4: not more than 4, so 150 bands of 2 pixels.
  const auto bands = GradientBands(Rgb(255, 0, 0), Rgb(0, 0, 255), true, {0, 0, 301, 8}, 1280);
  ASSERT_EQ(bands.size(), 150u);
  EXPECT_EQ(bands[1].box, (PixelRect{2, 0, 4, 8}));
  EXPECT_EQ(bands.back().box.right, 300);
  EXPECT_EQ(bands.back().colour, Rgb(0, 0, 255));
}

TEST(GradientBandsTest, UnreadableScreenGivesTwoPixelBands) {
  const auto bands = GradientBands(0, Rgb(255, 255, 255), true, {0, 0, 10, 10}, std::nullopt);
  ASSERT_EQ(bands.size(), 5u);
  EXPECT_EQ(bands[4].box, (PixelRect{8, 0, 10, 10}));
}

TEST(GradientBandsTest, VerticalRowsRunFromBAtTheTopToAAtTheBottom) {
  const std::int32_t a = Rgb(10, 20, 30), b = Rgb(200, 100, 50);
  const auto bands = GradientBands(a, b, false, {3, 100, 23, 140}, 1024);
  ASSERT_EQ(bands.size(), 40u);
  EXPECT_EQ(bands.front().box, (PixelRect{3, 100, 23, 101}));
  EXPECT_EQ(bands.back().box, (PixelRect{3, 139, 23, 140}));
  EXPECT_EQ(bands.back().colour, a);
  EXPECT_EQ(bands.front().colour, GradientColours(40, b, a).front());
}

TEST(GradientBandsTest, EmptyOrInvertedBoxHasNoBand) {
  EXPECT_TRUE(GradientBands(0, 1, true, {5, 0, 5, 10}, 1280).empty());
  EXPECT_TRUE(GradientBands(0, 1, false, {0, 10, 10, 4}, 1024).empty());
  // One pixel wide with 2-pixel bands: no whole band fits.
  EXPECT_TRUE(GradientBands(0, 1, true, {0, 0, 1, 10}, std::nullopt).empty());
}

TEST(Draw3DFrameStrokesTest, SeparatorIsEtchedUnlessSunken) {
  const int mid = 10;
  const auto etched = Draw3DFrameStrokes(2, mid + 1, 50, mid + 1, true, false, true, 1, 1, 20, 16);
  EXPECT_EQ(etched[0], (FrameStroke{20, 1, {{2, mid}, {49, mid}}}));
  EXPECT_EQ(etched[1], (FrameStroke{16, 1, {{2, mid - 1}, {49, mid - 1}}}));

  const auto raised = Draw3DFrameStrokes(2, mid + 1, 50, mid + 1, true, true, true, 1, 1, 20, 16);
  EXPECT_EQ(raised[0], (FrameStroke{16, 1, {{2, mid + 1}, {49, mid + 1}}}));
  EXPECT_EQ(raised[1], (FrameStroke{20, 1, {{2, mid}, {49, mid}}}));
}

TEST(Draw3DFrameStrokesTest, FrameGoesUpTheLeftAndRoundTheRight) {
  const auto raised = Draw3DFrameStrokes(1, 2, 30, 40, true, false, false, 1, 2, 20, 16);
  EXPECT_EQ(raised[0], (FrameStroke{20, 1, {{1, 40}, {1, 2}, {30, 2}}}));
  EXPECT_EQ(raised[1], (FrameStroke{16, 2, {{30, 2}, {30, 40}, {1, 40}}}));

  // Sunken swaps the colours and the widths.
  const auto sunken = Draw3DFrameStrokes(1, 2, 30, 40, true, true, false, 1, 2, 20, 16);
  EXPECT_EQ(sunken[0].colourIndex, 16);
  EXPECT_EQ(sunken[0].penWidth, 2);
  EXPECT_EQ(sunken[1].colourIndex, 20);
  EXPECT_EQ(sunken[1].penWidth, 1);
}

TEST(Draw3DFrameStrokesTest, InvisibleFrameIsDrawnInTheMenuColour) {
  for (const bool sunken : {false, true}) {
    const auto strokes = Draw3DFrameStrokes(0, 0, 9, 9, false, sunken, false, 1, 1, 20, 16);
    EXPECT_EQ(strokes[0].colourIndex, kColourMenu);
    EXPECT_EQ(strokes[1].colourIndex, kColourMenu);
  }
}

struct CopyCase {
  const char* name;
  PixelRect dest;
  int bitmapWidth, bitmapHeight;
  PixelRect source;
  int width, height;
  std::optional<TransparentCopySizes> expected;
};

void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }

class PlanTransparentCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(PlanTransparentCopyTest, Sizes) {
  const CopyCase& c = GetParam();
  EXPECT_EQ(PlanTransparentCopy(c.dest, c.bitmapWidth, c.bitmapHeight, c.source, c.width, c.height), c.expected)
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanTransparentCopyTest,
    ::testing::Values(
        CopyCase{"never enlarged", {0, 0, 32, 32}, 16, 16, {}, 0, 0, TransparentCopySizes{16, 16, 32, 32, 16, 16}},
        CopyCase{"shrunk keeping proportions",
                 {5, 5, 21, 13}, 32, 24, {}, 0, 0, TransparentCopySizes{32, 24, 16, 8, 11, 8}},
        CopyCase{"source rectangle picks a part",
                 {0, 0, 40, 40}, 64, 16, {16, 0, 32, 16}, 0, 0, TransparentCopySizes{16, 16, 40, 40, 16, 16}},
        CopyCase{"asked size kept when it fits",
                 {0, 0, 40, 40}, 16, 16, {}, 24, 20, TransparentCopySizes{16, 16, 40, 40, 24, 20}},
        CopyCase{"open destination takes the drawn size",
                 {7, 9, 0, 0}, 20, 10, {}, 0, 0, TransparentCopySizes{20, 10, 20, 10, 20, 10}},
        // 6 x 0.75 = 4.5 -> 4 and 11 x 0.5 = 5.5 -> 6: halves to even.
        CopyCase{"half rounds down to even", {0, 0, 3, 100}, 4, 6, {}, 0, 0, TransparentCopySizes{4, 6, 3, 100, 3, 4}},
        CopyCase{"half rounds up to even", {0, 0, 1, 100}, 2, 11, {}, 0, 0, TransparentCopySizes{2, 11, 1, 100, 1, 6}},
        CopyCase{"empty bitmap", {0, 0, 16, 16}, 0, 0, {}, 0, 0, std::nullopt},
        CopyCase{"empty destination", {4, 4, 4, 20}, 16, 16, {}, 0, 0, std::nullopt}),
    [](const ::testing::TestParamInfo<CopyCase>& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace vantrel
