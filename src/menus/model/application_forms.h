// The application's forms as the menu engine finds things on them: a menu
// caption may name a control of the window that owns the menu ("ImTool(1)"
// for a picture, "LB:List1" for a list to expand).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

using WindowHandle = std::uintptr_t;

// What the engine asks of a control: its window (list bindings) and its
// picture (image references). 0 for what the control does not have.
struct FormControl {
  WindowHandle window = 0;
  std::uintptr_t picture = 0;
  friend bool operator==(const FormControl&, const FormControl&) = default;
};

class ApplicationForms {
 public:
  virtual ~ApplicationForms() = default;
  // The loaded forms, numbered from 0 in loading order.
  virtual std::size_t FormCount() const = 0;
  virtual WindowHandle FormWindow(std::size_t form) const = 0;
  // The control of that name on the form (names compare without case).
  virtual std::optional<FormControl> Control(std::size_t form, std::string_view name) const = 0;
  // Element index of the control array of that name, or picture index of
  // the collection control (an image list) of that name.
  virtual std::optional<FormControl> ControlItem(std::size_t form, std::string_view name, int index) const = 0;
};

}  // namespace vantrel
