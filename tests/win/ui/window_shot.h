// Test helpers for the dialogs and pages: a copy of a window as it stands on
// the screen, written as a 24-bit BMP under the build's "shots" folder, and
// a script of steps run from a thread timer, so that a test can act inside
// a modal loop it has just started.
#pragma once

#include <windows.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "victims.h"

namespace vantrel::testing {

// Copies the window's screen rectangle into shots\<name>.bmp beside the test
// executable; returns the path, or "" when nothing could be written.
inline std::string ShootWindow(HWND window, const std::string& name) {
  RECT r{};
  if (!GetWindowRect(window, &r)) return {};
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return {};
  const std::string folder = ExecutableFolder() + "shots";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\" + name + ".bmp";

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as the file keeps it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  bool ok = false;
  if (dib && memory) {
    HGDIOBJ old = SelectObject(memory, dib);
    ok = BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
  }
  if (ok) {
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    info.bmiHeader.biSizeImage = size;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    ok = out.good();
  }
  if (memory) DeleteDC(memory);
  if (dib) DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  return ok ? path : std::string();
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

}  // namespace vantrel::testing
