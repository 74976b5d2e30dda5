// The main window's load: the order in which the program comes up.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/file_system.h"
#include "store/module_ini.h"
#include "ui/model/option_handlers.h"
#include "ui/model/page_switcher.h"
#include "ui/model/tray_items.h"

namespace vantrel {

class Settings;

// The window as start-up places and shows it (twips throughout).
class MainWindowShell {
 public:
  virtual ~MainWindowShell() = default;
  virtual double ScreenWidthTwips() const = 0;
  virtual double ScreenHeightTwips() const = 0;
  virtual void SetSizeTwips(int width, int height) = 0;
  virtual void SetPositionTwips(double left, double top) = 0;
  // Gives every clickable control the program's own mouse pointer.
  virtual void ApplyPointer() = 0;
  // Places the four page frames below the upper area and hides them.
  virtual void PlaceFrames() = 0;
  virtual void MakeTopmost() = 0;
  virtual void SetVisible(bool visible) = 0;
};

// The list of windows to destroy as the INI file holds it: its count and
// the 501 title slots that mirror List2.
struct TitleRuleState {
  static constexpr int kSlots = 501;
  std::string nbOcc;
  std::array<std::string, kSlots> slots;
  std::string nbCondition;
};

// Replaces List2's entries and the slots with the list of windows to
// destroy as the INI file holds it, and takes its count: at start-up, and
// again after a change the file did not take, so that the list shows what
// is stored.
void LoadTitleRules(const ModuleINI& ini, ListControl& List2, TitleRuleState& titles);

class StorageNotices;

struct StartupContext {
  MainWindowShell& window;
  Settings& settings;
  const ModuleINI& ini;
  FileSystem& files;
  ListControl& List2;
  ListControl& List4;
  OptionBoxes boxes;
  PageSwitcher& pages;
  TrayMenuItems& tray;
  TitleRuleState& titles;
  std::function<void()> loadTrayForm;  // the hidden form that owns the tray menu
  std::function<void()> scan;          // one watch scan
  std::function<void()> addTrayIcon;
  // Told whether the program folder takes the program's files.
  StorageNotices* notices = nullptr;
};

// Runs the load sequence in its order; each step that belongs to a later
// stage of the window works through the context's callbacks. The window is
// hidden when it begins, and shown by it unless it starts in the tray.
void RunStartup(StartupContext& c);

}  // namespace vantrel
