// The parts of the menu engine that join the message dispatch from their own
// layers: item drawing, tooltip events, what is remembered for the popups of
// one menu loop, and resources other layers keep for as long as the engine
// is active. Each is optional; a message whose part is absent goes on to the
// window's previous procedure. Declared here, beside MenuPreparation, so
// that the model's parts implement them without knowing the renderer.
#pragma once

#include <cstdint>

#include "platform/menu_access.h"

namespace vantrel {

class MenuItemDrawing {
 public:
  virtual ~MenuItemDrawing() = default;
  // Draws the owner-drawn item whose draw request stands at address; false
  // when the request is not one the engine draws.
  virtual bool DrawMenuItem(std::intptr_t address) = 0;
};

class MenuTipEvents {
 public:
  virtual ~MenuTipEvents() = default;
  // A highlight change (the menu-select parameters and the last popup that
  // reported one), or the menus closing (all three 0).
  virtual void NotifyMenuTip(std::uintptr_t itemParam, std::intptr_t menuParam, MenuHandle lastMenu) = 0;
};

class MenuLoopMemory {
 public:
  virtual ~MenuLoopMemory() = default;
  // A menu loop begins or ends, or the engine ends: nothing seen while
  // another loop's popups were open is kept.
  virtual void ForgetMenuLoop() noexcept = 0;
};

class EngineResources {
 public:
  virtual ~EngineResources() = default;
  // The last hooked window was released: free what was kept for the engine
  // (the drive icon of the picture sources).
  virtual void ReleaseEngineResources() = 0;
};

}  // namespace vantrel
