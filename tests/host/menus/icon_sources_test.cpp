// Picture references of the menu markup and the shared drive icon.
#include "menus/model/icon_sources.h"

#include <gtest/gtest.h>

#include "support/fake_file_information.h"
#include "support/fake_picture_sources.h"

namespace vantrel {
namespace {

using test::FakeFileInformation;
using test::FakePictureInspector;
using test::FakePictureSources;
using test::MemoryPictureList;

std::vector<PictureHandle> FourteenIcons() {
  std::vector<PictureHandle> icons;
  for (PictureHandle h = 501; h <= 514; ++h) icons.push_back(h);
  return icons;
}

class ResolveItemImageTest : public ::testing::Test {
 protected:
  ResolveItemImageTest() {
    for (PictureHandle h = 501; h <= 514; ++h) inspector_.AddIcon(h, PictureSize{16, 16});
    inspector_.AddBitmap(0x2A0, {24, 20});
    inspector_.AddBitmap(900, {13, 11});
    inspector_.AddIcon(910, PictureSize{32, 32});
    inspector_.AddIcon(920, std::nullopt);  // no colour bitmap
    sources_.SetNamed("ImTool(1)", 900);
  }
  ResolvedPicture Resolve(std::string_view markup) { return ResolveItemImage(markup, sources_, inspector_); }

  MemoryPictureList list_{FourteenIcons()};
  FakePictureSources sources_;
  FakePictureInspector inspector_;
};

TEST_F(ResolveItemImageTest, ImageListIndexIsOneBasedAndBounded) {
  sources_.SetImageList(&list_);
  EXPECT_EQ(Resolve("{IMG:i8|"), (ResolvedPicture{508, PictureKind::Icon, 16, 16}));
  EXPECT_EQ(Resolve("{IMG:I1|"), (ResolvedPicture{501, PictureKind::Icon, 16, 16}));
  EXPECT_EQ(Resolve("{IMG:i14|"), (ResolvedPicture{514, PictureKind::Icon, 16, 16}));
  EXPECT_EQ(Resolve("{IMG:i15|"), ResolvedPicture{});
  EXPECT_EQ(Resolve("{IMG:i0|"), ResolvedPicture{});
  EXPECT_EQ(Resolve("{IMG:i-1|"), ResolvedPicture{});
  // Only in-range indexes reach the list.
  EXPECT_EQ(list_.Asked(), (std::vector<int>{8, 1, 14}));
}

TEST_F(ResolveItemImageTest, AListThatKnowsItsIconsIsTakenAtItsWord) {
  // Handles the inspector knows nothing of: only the list can tell.
  MemoryPictureList told({601, 602, 603});
  sources_.SetImageList(&told);
  EXPECT_EQ(Resolve("{IMG:i2|"), ResolvedPicture{});
  told.SetIconSize(PictureSize{20, 18});
  EXPECT_EQ(Resolve("{IMG:i2|"), (ResolvedPicture{602, PictureKind::Icon, 20, 18}));
  EXPECT_EQ(Resolve("{IMG:i4|"), ResolvedPicture{});
  // The same handle written as a number is looked at as any handle.
  EXPECT_EQ(Resolve("{IMG:602|"), ResolvedPicture{});
}

TEST_F(ResolveItemImageTest, ImageListIndexWithoutListIsNoPicture) {
  EXPECT_EQ(Resolve("{IMG:i8|"), ResolvedPicture{});
  EXPECT_TRUE(sources_.AskedNames().empty());
}

TEST_F(ResolveItemImageTest, NumbersAreHandles) {
  EXPECT_EQ(Resolve("{IMG:900|"), (ResolvedPicture{900, PictureKind::Bitmap, 13, 11}));
  EXPECT_EQ(Resolve("{IMG:&H2A0|"), (ResolvedPicture{0x2A0, PictureKind::Bitmap, 24, 20}));
  EXPECT_EQ(Resolve("{IMG:&h2a0|"), (ResolvedPicture{0x2A0, PictureKind::Bitmap, 24, 20}));
  EXPECT_EQ(Resolve("{IMG:910}"), (ResolvedPicture{910, PictureKind::Icon, 32, 32}));
  EXPECT_TRUE(sources_.AskedNames().empty());
}

TEST_F(ResolveItemImageTest, NamedControlGivesItsPicture) {
  EXPECT_EQ(Resolve("Voir{IMG:ImTool(1)|"), (ResolvedPicture{900, PictureKind::Bitmap, 13, 11}));
  EXPECT_EQ(sources_.AskedNames(), (std::vector<std::string>{"ImTool(1)"}));
  EXPECT_EQ(Resolve("{IMG:ImTool(2)|"), ResolvedPicture{});
}

TEST_F(ResolveItemImageTest, FailuresGiveNoPicture) {
  // No reference at all.
  EXPECT_EQ(Resolve("{Sidebar|"), ResolvedPicture{});
  EXPECT_EQ(Resolve(""), ResolvedPicture{});
  // A handle that is neither a bitmap nor an icon, or an icon without colours.
  EXPECT_EQ(Resolve("{IMG:777|"), ResolvedPicture{});
  EXPECT_EQ(Resolve("{IMG:920|"), ResolvedPicture{});
  // A number that cannot be a 32-bit handle.
  EXPECT_EQ(Resolve("{IMG:99999999999|"), ResolvedPicture{});
  // A lookup that throws.
  sources_.SetNamedLookupThrows(true);
  EXPECT_EQ(Resolve("{IMG:ImTool(1)|"), ResolvedPicture{});
}

TEST(DriveIconTest, FirstPathsIconServesEveryLaterRequest) {
  FakeFileInformation files;
  {
    DriveIcon drive(files);
    EXPECT_EQ(drive.Current(), 0u);
    const PictureHandle first = drive.Get("A:\\");
    EXPECT_NE(first, 0u);
    EXPECT_EQ(drive.Get("D:\\"), first);
    EXPECT_EQ(files.ExtractedFrom(), (std::vector<std::string>{"A:\\"}));

    drive.Destroy();
    EXPECT_EQ(files.Destroyed(), (std::vector<PictureHandle>{first}));
    EXPECT_EQ(drive.Current(), 0u);
    drive.Destroy();  // nothing left to destroy
    EXPECT_EQ(files.Destroyed().size(), 1u);

    const PictureHandle again = drive.Get("E:\\");
    EXPECT_NE(again, first);
    EXPECT_EQ(files.ExtractedFrom().back(), "E:\\");
  }
  // The kept icon goes with its owner.
  EXPECT_EQ(files.Destroyed().size(), 2u);
}

}  // namespace
}  // namespace vantrel
