// The sidebar: line breaking of its text, and the geometry, colours and
// fitting of picture and text sidebars as recorded at the painter and the
// drawing primitives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "menus/model/sidebar.h"
#include "preparation_fixture.h"

namespace vantrel {
namespace {

using test::CanvasCall;
using test::kDefaultTip;
using test::kPreparedForm;
using test::PreparationFixture;
using test::SidebarLog;
using ::testing::ElementsAre;

// Every character 10 pixels wide.
int TenEach(std::string_view line) { return static_cast<int>(line.size()) * 10; }

struct WrapCase {
  const char* name;
  std::vector<std::string> lines;
  bool firstCall;
  int maxLength;
  const char* joined;
  std::vector<std::string> after;
};

TEST(WrapSidebarTextTest, BreaksAsTheMarkersAndTheLengthSay) {
  const WrapCase cases[] = {
      {"forced breaks on the first call", {"Un<br!>Deux<br!>Trois"}, true, 1000, "Un\r\nDeux\r\nTrois",
       {"Un", "Deux", "Trois"}},
      {"first call adds no other break", {"Un<br>Deux trois"}, true, 10, "Un Deux trois", {"Un<br>Deux trois"}},
      {"a <br> before any blank", {"Un deux<br>trois"}, false, 1000, "Un deux\r\ntrois", {"Un deux", "trois"}},
      {"the blank nearest the middle", {"aa bbb cc dd"}, false, 100, "aa bbb\r\ncc dd", {"aa bbb", "cc dd"}},
      {"b wins a tie", {"ab cde fgh"}, false, 50, "ab\r\ncde fgh", {"ab", "cde fgh"}},
      {"a short line is not broken", {"aa bb"}, false, 56, "", {"aa bb"}},
      {"the first too long line", {"court", "bien trop long"}, false, 100, "court\r\nbien\r\ntrop long",
       {"court", "bien", "trop long"}},
      {"<br0> never breaks and shows as a blank", {"Un<br0>Deux"}, false, 10, "", {"Un<br0>Deux"}},
      {"<br0> in the joined text", {"Un<br0>Deux<br!>Trois"}, true, 10, "Un Deux\r\nTrois",
       {"Un<br0>Deux", "Trois"}},
      {"no blank, no marker", {"Vantrel"}, false, 10, "", {"Vantrel"}},
  };
  for (const WrapCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = c.lines;
    EXPECT_EQ(WrapSidebarText(lines, c.firstCall, TenEach, c.maxLength), c.joined);
    EXPECT_EQ(lines, c.after);
  }
}

TEST(WrapSidebarTextTest, OnlyTheLastLineIsSplitAtForcedBreaks) {
  std::vector<std::string> lines{"a<br!>b", "c<br!>d"};
  EXPECT_EQ(WrapSidebarText(lines, true, TenEach, 100), "a<br!>b\r\nc\r\nd");
}

class SidebarTest : public PreparationFixture {
 protected:
  // A sidebar record of that height and a panel; their numbers.
  std::pair<int, int> Sidebar(int height) {
    MenuItemData record;
    record.ItemID = 1;
    record.ItemHeight = height;
    record.ItemFlags = item_flag::Sidebar;
    const int item = handler.AddItem(record, 0x900);
    MenuPanelData panel;
    panel.MenuHandle = 0x900;
    const int panelNumber = handler.AddPanel(panel);
    return {item, panelNumber};
  }
  std::vector<CanvasCall> Calls(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : canvas.Calls()) {
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }
};

struct PictureCase {
  const char* markup;
  PixelRect drawn;
};

TEST_F(SidebarTest, APictureIsShrunkToTheSidebarAndPlacedByItsAlignment) {
  pictures.AddBitmap(0x3001, {48, 48});
  pictures.AddBitmap(0x3002, {20, 20});
  const PictureCase cases[] = {
      {"{Sidebar|IMG:i1|Width:0|", {0, 82, 35, 117}},
      {"{Sidebar|IMG:i1|Align:Bot|", {0, 165, 35, 200}},
      {"{Sidebar|IMG:i1|Align:top|", {0, 0, 35, 35}},
      {"{Sidebar|IMG:i2|", {7, 90, 27, 110}},
      {"{Sidebar|IMG:i1|Width:60|", {6, 76, 54, 124}},
  };
  for (const PictureCase& c : cases) {
    SCOPED_TRACE(c.markup);
    sidebars.log = SidebarLog{};
    const auto [item, panel] = Sidebar(200);
    BuildImageSidebar(handler, item, panel, c.markup, Services());
    ASSERT_EQ(sidebars.log.pictures.size(), 1u);
    EXPECT_EQ(sidebars.log.pictures[0].box, c.drawn);
    EXPECT_EQ(sidebars.log.pictures[0].kind, SidebarLog::Picture::Kind::Stretch);
    ASSERT_EQ(sidebars.log.bitmaps.size(), 1u);
    EXPECT_EQ(sidebars.log.bitmaps[0].right, handler.Item(item).ItemWidth);
    EXPECT_EQ(sidebars.log.bitmaps[0].bottom, 200);
    EXPECT_EQ(handler.Panel(panel).PanelBitmap, sidebars.log.taken.at(0));
    EXPECT_EQ(sidebars.log.surfacesEnded, sidebars.log.surfacesBegun);
  }
}

TEST_F(SidebarTest, PictureSidebarBackgrounds) {
  pictures.AddBitmap(0x3001, {16, 16});
  pictures.AddIcon(0x3002, PictureSize{32, 32});
  colours.Set(4, 0x00C0C0C0);
  sidebars.cornerColour = 0x00FF00FF;
  struct Case {
    const char* markup;
    bool gradient;
    std::int32_t colour;
    std::int32_t other;
  } cases[] = {
      {"{Sidebar|IMG:i1|", false, 0x00FF00FF, 0},
      {"{Sidebar|IMG:i1|GColor:255|", false, 0x00FF00FF, 0},  // no BColor: no gradient
      {"{Sidebar|IMG:i1|BColor:1|", false, 0x00C0C0C0, 0},
      {"{Sidebar|IMG:i1|BColor:16776960|GColor:8404992|", true, 16776960, 8404992},
      {"{Sidebar|IMG:i1|BColor:vbRed|GColor:vbRed|", false, 0x0000FF, 0},
      {"{Sidebar|IMG:i2|", false, 0x00C0C0C0, 0},  // an icon: the menu colour
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    canvas.Clear();
    const auto [item, panel] = Sidebar(100);
    BuildImageSidebar(handler, item, panel, c.markup, Services());
    if (c.gradient) {
      const auto gradients = Calls(CanvasCall::Kind::GradientFill);
      ASSERT_EQ(gradients.size(), 1u);
      EXPECT_EQ(gradients[0].colour, c.colour);
      EXPECT_EQ(gradients[0].otherColour, c.other);
      EXPECT_FALSE(gradients[0].flag1);  // vertical
      EXPECT_EQ(gradients[0].box, (PixelRect{0, 0, 35, 100}));
    } else {
      const auto fills = Calls(CanvasCall::Kind::FillBox);
      ASSERT_EQ(fills.size(), 1u);
      EXPECT_EQ(fills[0].colour, c.colour);
      EXPECT_EQ(fills[0].box, (PixelRect{0, 0, 35, 100}));
    }
  }
}

TEST_F(SidebarTest, TransparentBitmapsAndIconsAreDrawnTheirOwnWay) {
  pictures.AddBitmap(0x3001, {16, 16});
  pictures.AddIcon(0x3002, PictureSize{32, 32});
  auto [item, panel] = Sidebar(100);
  BuildImageSidebar(handler, item, panel, "{Sidebar|IMG:i1|Transparent|", Services());
  const auto copies = Calls(CanvasCall::Kind::TransparentCopy);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].bitmap, test::RecordingSidebarSurface::kCopy);
  EXPECT_EQ(copies[0].box, (PixelRect{9, 42, 25, 58}));
  EXPECT_EQ(copies[0].colour, -1);  // the picture's own corner colour
  EXPECT_TRUE(sidebars.log.pictures.empty());

  std::tie(item, panel) = Sidebar(100);
  BuildImageSidebar(handler, item, panel, "{Sidebar|IMG:i2|", Services());
  ASSERT_EQ(sidebars.log.pictures.size(), 1u);
  EXPECT_EQ(sidebars.log.pictures[0].kind, SidebarLog::Picture::Kind::Icon);
  EXPECT_EQ(sidebars.log.pictures[0].picture, 0x3002u);
  EXPECT_EQ(sidebars.log.pictures[0].box, (PixelRect{1, 34, 33, 66}));
}

TEST_F(SidebarTest, AnUnknownPictureGivesTheDefaultTextSidebar) {
  const auto [item, panel] = Sidebar(150);
  BuildImageSidebar(handler, item, panel, "{Sidebar|IMG:Absent|Width:50|", Services());
  ASSERT_FALSE(sidebars.log.fonts.empty());
  // The default text is a blank, taken out of the markup with every other blank.
  EXPECT_EQ(sidebars.log.fonts.back().faceName, "TimesNewRoman");
  EXPECT_EQ(sidebars.log.fonts.front().height, -19);  // 14 points at 96 dpi
  const auto gradients = Calls(CanvasCall::Kind::GradientFill);
  ASSERT_EQ(gradients.size(), 1u);
  EXPECT_EQ(gradients[0].colour, 12615680);
  EXPECT_EQ(gradients[0].otherColour, 16776960);
  EXPECT_EQ(handler.Item(item).ItemWidth, 35);
  ASSERT_EQ(sidebars.log.texts.size(), 1u);
  EXPECT_EQ(sidebars.log.texts[0].y, 150 - 3);  // Align:Bot
  EXPECT_EQ(sidebars.log.texts[0].colour, 8388608);
}

TEST_F(SidebarTest, AShortTextIsCentredInItsPreferredSize) {
  const auto [item, panel] = Sidebar(200);
  BuildTextSidebar(handler, item, panel, "{Sidebar|Text:Vantrel|FColor:255|Bold|Italic|", Services());
  // 11 points: 15 pixels high, 7 wide a character (fixed metrics).
  const MenuFontDescription& font = sidebars.log.fonts.back();
  EXPECT_EQ(font.height, -15);
  EXPECT_EQ(font.escapement, 900);
  EXPECT_EQ(font.orientation, 900);
  EXPECT_EQ(font.weight, 800);
  EXPECT_EQ(font.italic, 1);
  EXPECT_EQ(font.underline, 0);
  EXPECT_EQ(font.faceName, "Arial");
  EXPECT_EQ(sidebars.log.fonts.front().escapement, 0);  // measured unrotated
  ASSERT_EQ(sidebars.log.texts.size(), 1u);
  const auto& line = sidebars.log.texts[0];
  EXPECT_EQ(line.text, "Vantrel");
  EXPECT_EQ(line.x, (35 - 15) / 2);
  EXPECT_EQ(line.y, (200 - 49) / 2 + 49);
  EXPECT_EQ(line.colour, 255);
  EXPECT_EQ(sidebars.log.bitmaps.at(0), (PixelRect{0, 0, 35, 200}));
  // No BColor: the menu colour, plain.
  const auto fills = Calls(CanvasCall::Kind::FillBox);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].colour, static_cast<std::int32_t>(FakeSystemColours::DefaultFor(4)));
}

TEST_F(SidebarTest, ATooLongTextShrinksThenBreaksAtTheMiddleAndTakesItsSizeBack) {
  const auto [item, panel] = Sidebar(150);
  BuildTextSidebar(handler, item, panel, "{Sidebar|Text:Un texte bien trop long pour la barre|Align:Top|",
                   Services());
  // Shrunk one point at a time down to the smallest size plus one.
  std::vector<int> heights;
  for (const MenuFontDescription& font : sidebars.log.fonts) heights.push_back(font.height);
  EXPECT_THAT(heights, ElementsAre(-15, -13, -12, -11, -9, -8, -15, -15));
  ASSERT_EQ(sidebars.log.texts.size(), 2u);
  EXPECT_EQ(sidebars.log.texts[0].text, "Un texte bien trop");
  EXPECT_EQ(sidebars.log.texts[1].text, "long pour la barre");
  // Two lines of 15: the sidebar widens to the block plus 6.
  EXPECT_EQ(handler.Item(item).ItemWidth, 36);
  EXPECT_EQ(sidebars.log.texts[0].x, 3);
  EXPECT_EQ(sidebars.log.texts[1].x, 3 + 7 + 3);
  EXPECT_EQ(sidebars.log.texts[0].y, 18 * 7 + 3);
}

TEST_F(SidebarTest, BreakMarkersComeBeforeBlanksAndForcedBreaksAlwaysBreak) {
  const auto [item, panel] = Sidebar(300);
  BuildTextSidebar(handler, item, panel, "{Sidebar|Text:Un<br!>Deux<br0>mots|Width:80|", Services());
  ASSERT_EQ(sidebars.log.texts.size(), 2u);
  EXPECT_EQ(sidebars.log.texts[0].text, "Un");
  EXPECT_EQ(sidebars.log.texts[1].text, "Deux mots");
  EXPECT_EQ(handler.Item(item).ItemWidth, 80);
}

TEST_F(SidebarTest, SizesAreLimitedAndTheTextIsTakenOutOfTheMarkup) {
  const auto [item, panel] = Sidebar(300);
  BuildTextSidebar(handler, item, panel, "{Sidebar|Text:8|FSize:40|MinFSize:2|FColor:8388608|", Services());
  // The text "8" went from the colour too: 8388608 became 360.
  EXPECT_EQ(sidebars.log.fonts.front().height, -32);  // 24 points
  ASSERT_EQ(sidebars.log.texts.size(), 1u);
  EXPECT_EQ(sidebars.log.texts[0].colour, 360);
}

TEST_F(SidebarTest, AFailedBitmapLeavesThePanelWithoutSidebar) {
  const auto [item, panel] = Sidebar(100);
  handler.ReplacePanelBitmap(panel, 0x4444);
  sidebars.failBitmaps = true;
  BuildTextSidebar(handler, item, panel, "{Sidebar|Text:V|", Services());
  EXPECT_EQ(handler.Panel(panel).PanelBitmap, 0u);
  EXPECT_THAT(graphics.deleted, ElementsAre(0x4444u));
  EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
}  // namespace vantrel
