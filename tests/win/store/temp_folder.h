// A folder of the test's own under the system's temporary folder, removed
// with everything in it (read-only files included) when the test ends.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel::wintest {

class TempFolder {
 public:
  explicit TempFolder(const std::string& stem) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "-" + std::to_string(GetTickCount());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { Remove(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing backslash, as the program folder is.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(full);
        } else {
          SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(full.c_str());
        }
      } while (FindNextFileA(find, &found));
      FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

inline bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Makes a file that the program cannot write: read-only, and held open by
// a handle that denies writing to everyone else for as long as the guard
// lives. Under Wine running as root the read-only attribute alone does not
// stop a write (the owner's rights are not checked), while the share mode
// is enforced as on Windows.
class UnwritableFile {
 public:
  explicit UnwritableFile(const std::string& path) : path_(path) {
    readOnly_ = SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
    holder_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~UnwritableFile() {
    if (holder_ != INVALID_HANDLE_VALUE) CloseHandle(holder_);
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  UnwritableFile(const UnwritableFile&) = delete;
  UnwritableFile& operator=(const UnwritableFile&) = delete;
  bool Ready() const { return readOnly_ && holder_ != INVALID_HANDLE_VALUE; }

 private:
  std::string path_;
  bool readOnly_ = false;
  HANDLE holder_ = INVALID_HANDLE_VALUE;
};

}  // namespace vantrel::wintest
