// Short paths, version descriptions and the drive icon from the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "menus/model/file_information.h"
#include "menus/model/icon_sources.h"
#include "platform/win32/file_information_win32.h"

namespace vantrel {
namespace {

std::string SystemFolder() {
  char buffer[MAX_PATH] = {};
  ::GetSystemDirectoryA(buffer, MAX_PATH);
  return buffer;
}

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

class FileInformationWinTest : public ::testing::Test {
 protected:
  Win32FileInformation files_;
};

TEST_F(FileInformationWinTest, ShortNameOfALongFolderOrThePathItself) {
  const std::string longFolder = TempFolder() + "vantrel long folder name";
  ::CreateDirectoryA(longFolder.c_str(), nullptr);
  const std::string shortName = GetShortFileName(longFolder, files_);
  EXPECT_NE(shortName, longFolder);
  EXPECT_EQ(shortName.find(' '), std::string::npos);
  EXPECT_NE(::GetFileAttributesA(shortName.c_str()), INVALID_FILE_ATTRIBUTES);
  ::RemoveDirectoryA(longFolder.c_str());

  const std::string missing = TempFolder() + "no such folder\\no such file.txt";
  EXPECT_EQ(GetShortFileName(missing, files_), missing);
}

TEST_F(FileInformationWinTest, DescriptionOfASystemLibrary) {
  const std::string library = SystemFolder() + "\\kernel32.dll";
  const std::string description = GetFileDescription(library, files_);
  EXPECT_FALSE(description.empty());
  EXPECT_EQ(description.find('\0'), std::string::npos);
  const auto block = files_.ReadVersionInfo(library, files_.VersionInfoSize(library));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GetVersionLanguage(*block).rfind("\\StringFileInfo\\", 0), 0u);
}

TEST_F(FileInformationWinTest, NoDescriptionWithoutVersionInformation) {
  const std::string text = TempFolder() + "vantrel-plain.txt";
  const HANDLE file = ::CreateFileA(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ::CloseHandle(file);
  EXPECT_EQ(GetFileDescription(text, files_), "");
  ::DeleteFileA(text.c_str());
  EXPECT_EQ(GetFileDescription(TempFolder() + "missing.dll", files_), "");
}

TEST_F(FileInformationWinTest, DriveIconIsExtractedOnceAndDestroyed) {
  HICON kept = nullptr;
  {
    DriveIcon drive(files_);
    const PictureHandle icon = drive.Get(SystemFolder() + "\\notepad.exe");
    ASSERT_NE(icon, 0u);
    kept = reinterpret_cast<HICON>(icon);
    EXPECT_EQ(drive.Get("C:\\"), icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(kept, &info));
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  }
  ICONINFO after{};
  EXPECT_FALSE(::GetIconInfo(kept, &after));
}

}  // namespace
}  // namespace vantrel
