// The owner-drawn menu engine put together with its Win32 services: item
// drawing, tooltips, popup preparation and the list menus, with the drawing
// options every window of the program uses.
#pragma once

#include <memory>

#include "menus/model/application_forms.h"
#include "menus/render/mod_menus.h"

namespace vantrel {

class Win32MenuEngine {
 public:
  // forms: the owning windows' named controls, or none; it must outlive
  // the engine.
  explicit Win32MenuEngine(const ApplicationForms* forms);
  ~Win32MenuEngine();
  Win32MenuEngine(const Win32MenuEngine&) = delete;
  Win32MenuEngine& operator=(const Win32MenuEngine&) = delete;

  modMenus& Engine();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vantrel
