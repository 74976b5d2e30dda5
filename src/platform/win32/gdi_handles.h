// Owners of GDI objects, device contexts and icons. Each releases its handle
// exactly once, cannot be copied, and can be moved. A selection remembers
// the context it selected into and puts the previous object back when it
// ends, so an object is never deleted while it is still selected: declare
// the object before its selection and the selection ends first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace vantrel::win32 {

// A pen, brush, font, bitmap or region (DeleteObject).
template <typename Handle>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(Handle handle) : handle_(handle) {}
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
  UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~UniqueGdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != nullptr; }
  // Gives up ownership: the caller deletes the object.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) ::DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

// A memory context (CreateCompatibleDC; DeleteDC).
class UniqueMemoryDC {
 public:
  UniqueMemoryDC() = default;
  explicit UniqueMemoryDC(HDC dc) : dc_(dc) {}
  // A new memory context compatible with like (the screen when null).
  static UniqueMemoryDC CompatibleWith(HDC like) { return UniqueMemoryDC(::CreateCompatibleDC(like)); }
  UniqueMemoryDC(const UniqueMemoryDC&) = delete;
  UniqueMemoryDC& operator=(const UniqueMemoryDC&) = delete;
  UniqueMemoryDC(UniqueMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  UniqueMemoryDC& operator=(UniqueMemoryDC&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.dc_, nullptr));
    return *this;
  }
  ~UniqueMemoryDC() { Reset(); }

  HDC Get() const { return dc_; }
  bool Valid() const { return dc_ != nullptr; }
  void Reset(HDC dc = nullptr) {
    if (dc_ != nullptr) ::DeleteDC(dc_);
    dc_ = dc;
  }

 private:
  HDC dc_ = nullptr;
};

// A window's context (GetDC; ReleaseDC with the same window). A null window
// gives the screen's context.
class WindowDC {
 public:
  WindowDC() = default;
  explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  WindowDC(WindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDC& operator=(WindowDC&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ~WindowDC() { Reset(); }

  HDC Get() const { return dc_; }
  bool Valid() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// An object selected into a context; the object it replaced goes back when
// the selection ends. Valid() is false when the selection failed, and then
// nothing is put back.
class Selection {
 public:
  Selection() = default;
  Selection(HDC dc, HGDIOBJ object) {
    if (dc == nullptr || object == nullptr) return;
    HGDIOBJ previous = ::SelectObject(dc, object);
    if (previous == nullptr || previous == HGDI_ERROR) return;
    dc_ = dc;
    previous_ = previous;
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  Selection(Selection&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  Selection& operator=(Selection&& other) noexcept {
    if (this != &other) {
      End();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }
  ~Selection() { End(); }

  bool Valid() const { return dc_ != nullptr; }
  HDC Context() const { return dc_; }
  HGDIOBJ Previous() const { return previous_; }
  // Puts the previous object back now.
  void End() {
    if (dc_ != nullptr) ::SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The whole state of a context (objects, colours, modes) saved now and
// restored when this ends.
class SavedDC {
 public:
  SavedDC() = default;
  explicit SavedDC(HDC dc) {
    if (dc == nullptr) return;
    const int level = ::SaveDC(dc);
    if (level == 0) return;
    dc_ = dc;
    level_ = level;
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  SavedDC(SavedDC&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), level_(std::exchange(other.level_, 0)) {}
  SavedDC& operator=(SavedDC&& other) noexcept {
    if (this != &other) {
      Restore();
      dc_ = std::exchange(other.dc_, nullptr);
      level_ = std::exchange(other.level_, 0);
    }
    return *this;
  }
  ~SavedDC() { Restore(); }

  bool Valid() const { return dc_ != nullptr; }
  void Restore() {
    if (dc_ != nullptr) ::RestoreDC(dc_, level_);
    dc_ = nullptr;
    level_ = 0;
  }

 private:
  HDC dc_ = nullptr;
  int level_ = 0;
};

// An icon or cursor this program made (DestroyIcon).
class UniqueIcon {
 public:
  UniqueIcon() = default;
  explicit UniqueIcon(HICON icon) : icon_(icon) {}
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  UniqueIcon(UniqueIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  UniqueIcon& operator=(UniqueIcon&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.icon_, nullptr));
    return *this;
  }
  ~UniqueIcon() { Reset(); }

  HICON Get() const { return icon_; }
  bool Valid() const { return icon_ != nullptr; }
  HICON Release() { return std::exchange(icon_, nullptr); }
  void Reset(HICON icon = nullptr) {
    if (icon_ != nullptr) ::DestroyIcon(icon_);
    icon_ = icon;
  }

 private:
  HICON icon_ = nullptr;
};

// Handles as the program's plain numbers and back.
template <typename Handle>
Handle FromNumber(std::uintptr_t value) {
  return reinterpret_cast<Handle>(value);
}
template <typename Handle>
std::uintptr_t ToNumber(Handle handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace vantrel::win32
