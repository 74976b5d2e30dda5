// A popup menu's owner destroys it once, through the menu interface it was
// made with, whichever owner holds it last.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/menu_access.h"
#include "support/fake_menus.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::FakeMenus;

TEST(UniqueMenuTest, TheLastOwnerDestroysTheMenuThroughItsOwnInterface) {
  FakeMenus first;
  FakeMenus second;
  MenuHandle firstMenu = 0;
  MenuHandle secondMenu = 0;
  {
    UniqueMenu a = MakePopupMenu(first);
    UniqueMenu b = MakePopupMenu(second);
    firstMenu = a.Get();
    secondMenu = b.Get();
    ASSERT_TRUE(a && b);
    a = std::move(b);
    EXPECT_THAT(first.Destroyed(), ElementsAre(firstMenu)) << "the target's old menu goes at once";
    EXPECT_FALSE(b);
    UniqueMenu c(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(c.Get(), secondMenu);
    EXPECT_THAT(second.Destroyed(), IsEmpty());
  }
  EXPECT_THAT(second.Destroyed(), ElementsAre(secondMenu)) << "destroyed once, by the interface that made it";
  EXPECT_THAT(first.Destroyed(), ElementsAre(firstMenu));
}

TEST(UniqueMenuTest, ReleaseHandsTheMenuOverAndAnEmptyOwnerDestroysNothing) {
  FakeMenus menus;
  MenuHandle released = 0;
  {
    UniqueMenu owner = MakePopupMenu(menus);
    released = owner.Release();
    EXPECT_FALSE(owner);
    UniqueMenu none;
    UniqueMenu failed(menus, 0);
    EXPECT_FALSE(failed);
  }
  EXPECT_THAT(menus.Destroyed(), IsEmpty());
  EXPECT_TRUE(menus.Exists(released));
}

}  // namespace
}  // namespace vantrel
