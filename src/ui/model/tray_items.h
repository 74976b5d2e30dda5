// The items of the tray menu whose enabled state the main window keeps.
#pragma once

namespace vantrel {

enum class TrayItem { affpopup, afffenete, affoption, affstat, SuppTout, minin, affhelp, web, Quitter };

class TrayMenuItems {
 public:
  virtual ~TrayMenuItems() = default;
  virtual void SetEnabled(TrayItem item, bool enabled) = 0;
  virtual bool Enabled(TrayItem item) const = 0;
};

}  // namespace vantrel
