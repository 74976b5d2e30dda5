// The owners of registry keys and files close what they hold exactly once.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_handles.h"
#include "store/temp_folder.h"

namespace vantrel {
namespace {

using win32::UniqueFile;
using win32::UniqueRegKey;

// An exclusive open succeeds only when no other handle to the file is open.
bool NoOtherHandleOpen(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

UniqueFile OpenShared(const std::string& path) {
  return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(UniqueFileTest, ClosesOnceWhenTheLastOwnerEnds) {
  wintest::TempFolder folder("vantrel-handles");
  const std::string path = folder.File("f.txt");
  ASSERT_TRUE(wintest::WriteFileBytes(path, "x"));
  {
    UniqueFile first = OpenShared(path);
    ASSERT_TRUE(first.Valid());
    EXPECT_FALSE(NoOtherHandleOpen(path));
    UniqueFile second(std::move(first));
    EXPECT_FALSE(first.Valid());
    EXPECT_TRUE(second.Valid());
    UniqueFile third;
    third = std::move(second);
    EXPECT_FALSE(second.Valid());
    EXPECT_FALSE(NoOtherHandleOpen(path));
  }
  EXPECT_TRUE(NoOtherHandleOpen(path));
}

TEST(UniqueFileTest, CloseAndResetReleaseAtOnce) {
  wintest::TempFolder folder("vantrel-handles");
  const std::string path = folder.File("f.txt");
  ASSERT_TRUE(wintest::WriteFileBytes(path, "x"));
  UniqueFile file = OpenShared(path);
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.Valid());
  EXPECT_TRUE(file.Close()) << "closing an empty owner does nothing";
  EXPECT_TRUE(NoOtherHandleOpen(path));
  file = OpenShared(path);
  file.Reset();
  EXPECT_TRUE(NoOtherHandleOpen(path));
  UniqueFile failed(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(failed.Valid());
}

TEST(UniqueRegKeyTest, ClosesOnceAndMovesOwnership) {
  HKEY raw = nullptr;
  {
    UniqueRegKey key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.Receive()),
              ERROR_SUCCESS);
    raw = key.Get();
    UniqueRegKey moved(std::move(key));
    EXPECT_FALSE(key.Valid());
    EXPECT_EQ(moved.Get(), raw);
    // Still open: it can be queried.
    EXPECT_EQ(RegQueryInfoKeyA(moved.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
  }
  // Closed by its owner: closing it again is refused.
  EXPECT_NE(RegCloseKey(raw), ERROR_SUCCESS);
}

}  // namespace
}  // namespace vantrel
