// Owners of GDI objects, device contexts and icons. Each releases its handle
// exactly once, cannot be copied, and can be moved (see UniqueHandle). A
// selection remembers the context it selected into and puts the previous
// object back when it ends, so an object is never deleted while it is still
// selected: declare the object before its selection and the selection ends
// first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/unique_handle.h"

namespace vantrel::win32 {

// A pen, brush, font, bitmap or region (DeleteObject).
template <typename Object>
struct GdiObjectTraits {
  using Handle = Object;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle object) noexcept { return ::DeleteObject(object) != 0; }
};
template <typename Object>
using UniqueGdiObject = UniqueHandle<GdiObjectTraits<Object>>;

using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

// A memory context (CreateCompatibleDC; DeleteDC).
struct MemoryDCTraits {
  using Handle = HDC;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle dc) noexcept { return ::DeleteDC(dc) != 0; }
};
class UniqueMemoryDC : public UniqueHandle<MemoryDCTraits> {
 public:
  using UniqueHandle::UniqueHandle;
  UniqueMemoryDC() = default;
  // A new memory context compatible with like (the screen when null).
  static UniqueMemoryDC CompatibleWith(HDC like) { return UniqueMemoryDC(::CreateCompatibleDC(like)); }
};

// An icon or cursor this program made (DestroyIcon).
struct IconTraits {
  using Handle = HICON;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle icon) noexcept { return ::DestroyIcon(icon) != 0; }
};
using UniqueIcon = UniqueHandle<IconTraits>;

// The three owners below are not UniqueHandle: each pairs a context with
// what giving it back needs (the window it came from, the object a
// selection replaced, the level its state was saved at), so handing one a
// different context (Reset, Receive) would put that back in the wrong place.
// They are move-only all the same, and end once.

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
