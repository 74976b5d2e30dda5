// Test helpers for the dialogs and pages: a copy of a window as it stands on
// the screen, written as a 24-bit BMP under the build's "shots" folder, and
// a script of steps run from a thread timer, so that a test can act inside
// a modal loop it has just started.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/gdi_handles.h"
#include "victims.h"

namespace vantrel::test {

// The window's screen rectangle as it stands, row by row from the top, one
// 0x00RRGGBB value a pixel; empty when it cannot be read.
struct ScreenCopy {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

inline ScreenCopy CopyWindowFromScreen(HWND window) {
  ScreenCopy copy;
  RECT r{};
  if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return copy;
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const win32::WindowDC screen(nullptr);
  void* bits = nullptr;
  const win32::UniqueBitmap dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const win32::UniqueMemoryDC memory = win32::UniqueMemoryDC::CompatibleWith(screen.Get());
  if (!dib.Valid() || !memory.Valid()) return copy;
  const win32::Selection selection(memory.Get(), dib.Get());
  if (!selection.Valid() || !BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY)) return copy;
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  copy.width = w;
  copy.height = h;
  copy.pixels.assign(first, first + static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  return copy;
}

// Copies the window's screen rectangle into shots\<name>.bmp beside the test
// executable (24 bits a pixel); returns the path, or "" when nothing could be
// written.
inline std::string ShootWindow(HWND window, const std::string& name) {
  const ScreenCopy copy = CopyWindowFromScreen(window);
  if (copy.pixels.empty()) return {};
  const std::string folder = ExecutableFolder() + "shots";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\" + name + ".bmp";

  const DWORD stride = (static_cast<DWORD>(copy.width) * 3 + 3) & ~3u;
  std::vector<char> rows(static_cast<std::size_t>(stride) * static_cast<std::size_t>(copy.height), 0);
  for (int y = 0; y < copy.height; ++y) {
    // The file keeps its rows from the bottom up.
    char* row = rows.data() + static_cast<std::size_t>(copy.height - 1 - y) * stride;
    for (int x = 0; x < copy.width; ++x) {
      const std::uint32_t pixel = copy.At(x, y);
      row[3 * x] = static_cast<char>(pixel & 0xFF);
      row[3 * x + 1] = static_cast<char>((pixel >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
  }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = copy.width;
  header.biHeight = copy.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rows.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
  return out.good() ? path : std::string();
}

// Runs steps one after the other from a thread timer, inside whatever
// message loop is running; a step returning false is tried again at the
// next tick (it waits for something). Stops after the last step.
class ScriptedSteps {
 public:
  explicit ScriptedSteps(std::vector<std::function<bool()>> steps, UINT interval = 60) : steps_(std::move(steps)) {
    current = this;
    timer_ = SetTimer(nullptr, 0, interval, &ScriptedSteps::Fire);
  }
  ~ScriptedSteps() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  ScriptedSteps(const ScriptedSteps&) = delete;
  ScriptedSteps& operator=(const ScriptedSteps&) = delete;
  std::size_t Done() const { return next_; }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    ScriptedSteps* self = current;
    if (!self || self->running_ || self->Finished()) return;
    self->running_ = true;  // a step may open a modal loop of its own
    const std::size_t step = self->next_;
    if (self->steps_[step]()) ++self->next_;
    self->running_ = false;
  }
  static inline ScriptedSteps* current = nullptr;
  std::vector<std::function<bool()>> steps_;
  std::size_t next_ = 0;
  bool running_ = false;
  UINT_PTR timer_ = 0;
};

}  // namespace vantrel::test
