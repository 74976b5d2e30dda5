#include "platform/win32/file_information_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <winver.h>

#include <algorithm>
#include <vector>

#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

class Win32VersionBlock final : public VersionBlock {
 public:
  explicit Win32VersionBlock(std::vector<char> data) : data_(std::move(data)) {}

  std::optional<std::string> Query(std::string_view path) const override {
    const std::string subBlock(path);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data_.data(), subBlock.c_str(), &value, &length) || value == nullptr) {
      return std::nullopt;
    }
    // The value lies inside the block: never read past its end.
    const char* begin = static_cast<const char*>(value);
    const char* end = data_.data() + data_.size();
    if (begin < data_.data() || begin > end) return std::nullopt;
    const std::size_t available = static_cast<std::size_t>(end - begin);
    return std::string(begin, std::min<std::size_t>(length, available));
  }

 private:
  std::vector<char> data_;
};

}  // namespace

std::optional<std::string> Win32FileInformation::ShortPathBuffer(std::string_view longPath,
                                                                 std::size_t bufferSize) const {
  const std::string path(longPath);
  std::string buffer(bufferSize, '\0');
  const DWORD written = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  // 0 is a failure; a value of the buffer's size or more is the size a
  // longer short form would need, and nothing was written.
  if (written == 0 || written >= buffer.size()) return std::nullopt;
  return buffer;
}

long Win32FileInformation::VersionInfoSize(std::string_view file) const {
  const std::string path(file);
  DWORD ignored = 0;
  return static_cast<long>(::GetFileVersionInfoSizeA(path.c_str(), &ignored));
}

std::unique_ptr<VersionBlock> Win32FileInformation::ReadVersionInfo(std::string_view file, long size) const {
  if (size <= 0) return nullptr;
  const std::string path(file);
  std::vector<char> data(static_cast<std::size_t>(size));
  if (!::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return nullptr;
  return std::make_unique<Win32VersionBlock>(std::move(data));
}

PictureHandle Win32FileInformation::AssociatedIcon(std::string_view path) {
  // The system writes the path of the file the icon came from back into the
  // buffer, so it gets a full path's room.
  std::vector<char> buffer(MAX_PATH + 1, '\0');
  const std::size_t length = std::min(path.size(), static_cast<std::size_t>(MAX_PATH));
  std::copy_n(path.data(), length, buffer.data());
  WORD index = 0;
  return win32::ToNumber(::ExtractAssociatedIconA(::GetModuleHandleA(nullptr), buffer.data(), &index));
}

void Win32FileInformation::DestroyIcon(PictureHandle icon) {
  if (icon != 0) ::DestroyIcon(win32::FromNumber<HICON>(icon));
}

}  // namespace vantrel
