#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/win32/win32_handles.h"

namespace vantrel {
namespace {

// Writes all of bytes; false on any short or failed write.
bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(
        std::min<std::size_t>(bytes.size(), std::numeric_limits<DWORD>::max() / 2));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool Win32FileSystem::AppendLine(std::string_view path, std::string_view line) {
  const std::string name(path);
  win32::UniqueFile file(::CreateFileA(name.c_str(), FILE_APPEND_DATA,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  std::string bytes(line);
  bytes += "\r\n";
  // One write for the whole line, so that a line is never left half written
  // by a failure between two writes.
  const bool written = WriteAll(file.Get(), bytes);
  return file.Close() && written;
}

std::optional<std::vector<std::string>> Win32FileSystem::ReadLines(std::string_view path) const {
  const std::string name(path);
  win32::UniqueFile file(::CreateFileA(name.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return SplitLines(bytes);
}

bool Win32FileSystem::Exists(std::string_view path) const {
  const std::string name(path);
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::Delete(std::string_view path) {
  const std::string name(path);
  return ::DeleteFileA(name.c_str()) != 0;
}

bool Win32FileSystem::WriteAtomically(std::string_view path, std::string_view content) {
  const std::string target(path);
  const std::string fresh = target + ".new";
  // A read-only file is not replaced. Windows refuses to move a file over
  // it; Wine, renaming as Unix does, would not.
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
  {
    win32::UniqueFile file(::CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    const bool complete = WriteAll(file.Get(), content) && ::FlushFileBuffers(file.Get()) != 0;
    if (!file.Close() || !complete) {
      ::DeleteFileA(fresh.c_str());
      return false;
    }
  }
  // The old file is replaced only now that the new one is whole on disk.
  if (!::MoveFileExA(fresh.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(fresh.c_str());
    return false;
  }
  return true;
}

// The name carries the process and the moment, so that two programs
// probing one folder never meet; a name taken all the same is passed over.
std::optional<std::string> Win32FileSystem::CreateUniqueFile(std::string_view folder, std::string_view content) {
  const DWORD process = ::GetCurrentProcessId();
  const DWORD moment = ::GetTickCount();
  for (int attempt = 0; attempt < 16; ++attempt) {
    char name[64];
    std::snprintf(name, sizeof name, "\\~Vantrel-%lx-%lx-%d.tmp", static_cast<unsigned long>(process),
                  static_cast<unsigned long>(moment), attempt);
    const std::string path = std::string(folder) + name;
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file.Valid()) {
      if (::GetLastError() == ERROR_FILE_EXISTS) continue;
      return std::nullopt;
    }
    const bool written = WriteAll(file.Get(), content);
    if (!file.Close() || !written) {
      ::DeleteFileA(path.c_str());
      return std::nullopt;
    }
    return path;
  }
  return std::nullopt;
}

}  // namespace vantrel
