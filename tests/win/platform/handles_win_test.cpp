// The one owner type of handles, and the owners of registry keys, files,
// kernel objects and menus built on it, close what they hold exactly once.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "platform/win32/win32_handles.h"
#include "store/temp_folder.h"

namespace vantrel {
namespace {

using win32::UniqueFile;
using win32::UniqueHMenu;
using win32::UniqueKernelHandle;
using win32::UniqueMutex;
using win32::UniqueRegKey;

// Whether a kernel handle is still open in this process.
bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

static_assert(!std::is_copy_constructible_v<UniqueKernelHandle> && !std::is_copy_assignable_v<UniqueKernelHandle>);
static_assert(std::is_nothrow_move_constructible_v<UniqueKernelHandle> &&
              std::is_nothrow_move_assignable_v<UniqueKernelHandle>);
static_assert(!std::is_convertible_v<UniqueKernelHandle, bool>, "only an explicit test of validity");

// What every owner does, shown once with the plainest kernel object.
TEST(UniqueHandleTest, MovingHandsOverAndAssignmentClosesWhatTheTargetHeld) {
  HANDLE first = NewEvent();
  HANDLE second = NewEvent();
  ASSERT_TRUE(first && second);
  {
    UniqueKernelHandle a(first);
    UniqueKernelHandle b(second);
    a = std::move(b);
    EXPECT_FALSE(IsOpen(first)) << "the target's old handle is closed";
    EXPECT_TRUE(IsOpen(second));
    EXPECT_FALSE(b.Valid());
    EXPECT_FALSE(static_cast<bool>(b));
    EXPECT_EQ(a.Get(), second);
    UniqueKernelHandle& same = a;
    a = std::move(same);
    EXPECT_EQ(a.Get(), second) << "moving onto itself keeps the handle";
    UniqueKernelHandle c(std::move(a));
    EXPECT_FALSE(a.Valid());
    EXPECT_TRUE(c);
    EXPECT_TRUE(IsOpen(second));
  }
  EXPECT_FALSE(IsOpen(second)) << "closed by its last owner";
}

TEST(UniqueHandleTest, ResetClosesTheOldHandleButKeepsTheOneItHolds) {
  HANDLE first = NewEvent();
  UniqueKernelHandle owner(first);
  owner.Reset(owner.Get());
  EXPECT_TRUE(IsOpen(first)) << "resetting to the same handle does not close it";
  HANDLE second = NewEvent();
  owner.Reset(second);
  EXPECT_FALSE(IsOpen(first));
  EXPECT_EQ(owner.Get(), second);
  owner.Reset();
  EXPECT_FALSE(IsOpen(second));
  EXPECT_FALSE(owner.Valid());
}

TEST(UniqueHandleTest, ReleaseGivesUpAndCloseReportsTheSystemsAnswer) {
  HANDLE released = nullptr;
  {
    UniqueKernelHandle owner(NewEvent());
    released = owner.Release();
    EXPECT_FALSE(owner.Valid());
  }
  EXPECT_TRUE(IsOpen(released)) << "a released handle is the caller's";
  UniqueKernelHandle closing(released);
  EXPECT_TRUE(closing.Close());
  EXPECT_FALSE(IsOpen(released));
  EXPECT_FALSE(closing.Valid());
  EXPECT_TRUE(closing.Close()) << "closing an empty owner does nothing";

  HANDLE raw = NewEvent();
  UniqueKernelHandle stale(raw);
  CloseHandle(raw);
  EXPECT_FALSE(stale.Close()) << "a failure of the system is reported";
}

TEST(UniqueHandleTest, ReceiveClosesWhatWasHeldBeforeTheNewHandleIsWritten) {
  HANDLE old = NewEvent();
  UniqueKernelHandle owner(old);
  HANDLE* slot = owner.Receive();
  EXPECT_FALSE(IsOpen(old));
  EXPECT_EQ(*slot, nullptr);
  HANDLE source = NewEvent();
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), source, GetCurrentProcess(), slot, 0, FALSE,
                              DUPLICATE_SAME_ACCESS));
  CloseHandle(source);
  EXPECT_TRUE(owner.Valid());
  EXPECT_TRUE(IsOpen(owner.Get()));
}

// Each kind of owner: what it makes, how to tell the object is still there.
struct EventKind {
  using Owner = UniqueKernelHandle;
  static HANDLE Make() { return NewEvent(); }
  static bool Alive(HANDLE h) { return IsOpen(h); }
};
// A named mutex lives while a handle to it is open: a second creation under
// its name then reports that it exists.
struct MutexKind {
  using Owner = UniqueMutex;
  static std::string Name() { return "Local\\VantrelHandlesTest." + std::to_string(GetCurrentProcessId()); }
  static HANDLE Make() { return CreateMutexA(nullptr, FALSE, Name().c_str()); }
  static bool Alive(HANDLE) {
    HANDLE probe = CreateMutexA(nullptr, FALSE, Name().c_str());
    const bool existed = probe != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    if (probe) CloseHandle(probe);
    return existed;
  }
};
struct FileKind {
  using Owner = UniqueFile;
  static HANDLE Make() {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "vh", 0, path);
    return CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  }
  static bool Alive(HANDLE h) { return IsOpen(h); }
};
struct RegKeyKind {
  using Owner = UniqueRegKey;
  static HKEY Make() {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key);
    return key;
  }
  static bool Alive(HKEY key) {
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS;
  }
};
struct MenuKind {
  using Owner = UniqueHMenu;
  static HMENU Make() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "Item");
    return menu;
  }
  static bool Alive(HMENU menu) { return IsMenu(menu) != FALSE; }
};

template <typename Kind>
class OwnerKindTest : public ::testing::Test {};
using OwnerKinds = ::testing::Types<EventKind, MutexKind, FileKind, RegKeyKind, MenuKind>;
TYPED_TEST_SUITE(OwnerKindTest, OwnerKinds);

TYPED_TEST(OwnerKindTest, GivesItsObjectBackWhenItEnds) {
  const auto raw = TypeParam::Make();
  ASSERT_TRUE(TypeParam::Alive(raw));
  {
    typename TypeParam::Owner owner(raw);
    EXPECT_TRUE(owner.Valid());
    EXPECT_TRUE(TypeParam::Alive(raw));
  }
  EXPECT_FALSE(TypeParam::Alive(raw));
}

TYPED_TEST(OwnerKindTest, AnEmptyOwnerHoldsNothing) {
  typename TypeParam::Owner owner;
  EXPECT_FALSE(owner.Valid());
  EXPECT_TRUE(owner.Close());
}

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
  UniqueFile null(nullptr);
  EXPECT_FALSE(null.Valid()) << "neither of the values that hold no file";
  EXPECT_TRUE(null.Close());
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
