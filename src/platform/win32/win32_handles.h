// Owners of the registry keys and files the platform layer opens: each
// closes its handle exactly once, cannot be copied, and can be moved.
#pragma once

#include <windows.h>

#include <utility>

namespace vantrel::win32 {

class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  explicit UniqueRegKey(HKEY key) : key_(key) {}
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  UniqueRegKey(UniqueRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.key_, nullptr));
    return *this;
  }
  ~UniqueRegKey() { Reset(); }

  HKEY Get() const { return key_; }
  bool Valid() const { return key_ != nullptr; }
  // The address an opening function writes the new key to; whatever the
  // owner held before is closed first.
  HKEY* Receive() {
    Reset();
    return &key_;
  }
  void Reset(HKEY key = nullptr) {
    if (key_ != nullptr) ::RegCloseKey(key_);
    key_ = key;
  }

 private:
  HKEY key_ = nullptr;
};

class UniqueFile {
 public:
  UniqueFile() = default;
  explicit UniqueFile(HANDLE handle) : handle_(handle) {}
  UniqueFile(const UniqueFile&) = delete;
  UniqueFile& operator=(const UniqueFile&) = delete;
  UniqueFile(UniqueFile&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueFile& operator=(UniqueFile&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, INVALID_HANDLE_VALUE));
    return *this;
  }
  ~UniqueFile() { Reset(); }

  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  // Closes the file now. False when the system reports a failure, which for
  // a file being written means its last data may not have reached it.
  bool Close() {
    if (!Valid()) return true;
    return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
  }
  void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
    if (Valid()) ::CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace vantrel::win32
