// Window-procedure plumbing for code that sits in front of a window's own
// message handling: install a procedure, call the one it replaced, and the
// few window queries such code needs. Messages carry the system's numbers;
// parameters that are addresses of system records are read and written only
// through the record operations here.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

using WindowHandle = std::uintptr_t;
// A window procedure as an opaque number; 0 is none.
using WindowProcedure = std::uintptr_t;

// Receives every message of the windows subclassed for it. Must not throw.
class WindowMessageSink {
 public:
  virtual ~WindowMessageSink() = default;
  virtual std::intptr_t OnWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) noexcept = 0;
};

// The platform's identifier and version numbers (platform 1 is the old
// consumer line, 2 the NT line).
struct PlatformVersion {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The size request of an owner-drawn item (control type 1 is a menu).
struct MeasureItemRecord {
  std::uint32_t controlType = 0;
  std::uint32_t controlId = 0;
  std::uint32_t itemId = 0;
  std::uint32_t itemWidth = 0;
  std::uint32_t itemHeight = 0;
  std::uintptr_t itemData = 0;
  friend bool operator==(const MeasureItemRecord&, const MeasureItemRecord&) = default;
};

struct TrackingPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const TrackingPoint&, const TrackingPoint&) = default;
};

// The minimum and maximum tracking sizes a window negotiates.
struct MinMaxRecord {
  TrackingPoint reserved;
  TrackingPoint maxSize;
  TrackingPoint maxPosition;
  TrackingPoint minTrackSize;
  TrackingPoint maxTrackSize;
  friend bool operator==(const MinMaxRecord&, const MinMaxRecord&) = default;
};

// Cursor shapes of the application-wide override.
inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorHourglass = 11;

class WindowHooks {
 public:
  virtual ~WindowHooks() = default;

  // Puts sink in front of the window's procedure, on the thread that owns
  // the window. Returns the procedure it replaced, 0 when the window cannot
  // be subclassed: no window, a window of another thread, or one that a sink
  // or filter (of this or any other caller in the process) already sits in
  // front of.
  virtual WindowProcedure Subclass(WindowHandle window, WindowMessageSink& sink) = 0;
  // Lets the window's messages go to previous, the procedure Subclass
  // replaced; true when it is the window's procedure again. When another
  // procedure was put over the sink's since, the sink's stays in the chain
  // and only passes messages on (false).
  virtual bool Unsubclass(WindowHandle window, WindowProcedure previous) = 0;
  // Calls a replaced procedure with the message unchanged.
  virtual std::intptr_t CallPrevious(WindowProcedure previous, WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // The system's default handling of a message.
  virtual std::intptr_t CallDefault(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
  virtual std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) = 0;

  virtual WindowHandle GetParent(WindowHandle window) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  // The first direct child of parent of that class (no case); with a
  // windowName, its title must equal it ("" asks for an untitled child).
  virtual WindowHandle FindChildWindow(WindowHandle parent, std::string_view className,
                                       std::optional<std::string_view> windowName) = 0;
  // Nothing when the version cannot be read.
  virtual std::optional<PlatformVersion> GetPlatformVersion() = 0;

  // The cursor shape the whole application shows (kCursorDefault or
  // kCursorHourglass), and its change.
  virtual int CursorShape() = 0;
  virtual void SetCursorShape(int shape) = 0;

  // The records behind message parameters. Read gives false for an address
  // that holds no such record.
  virtual bool ReadMeasureItem(std::intptr_t address, MeasureItemRecord& record) = 0;
  virtual void WriteMeasureItem(std::intptr_t address, const MeasureItemRecord& record) = 0;
  virtual bool ReadMinMax(std::intptr_t address, MinMaxRecord& record) = 0;
  virtual void WriteMinMax(std::intptr_t address, const MinMaxRecord& record) = 0;
};

}  // namespace vantrel
