// The list of windows to destroy (upper area) and the Windows page: adding
// and removing titles with the INI file kept in step, picking active
// windows, switching to one and destroying one or all.
#pragma once

#include <functional>
#include <string>

#include "engine/window_watch.h"
#include "platform/controls.h"
#include "store/module_ini.h"
#include "ui/model/main_startup.h"
#include "ui/model/user_prompts.h"

namespace vantrel {

inline constexpr const char* kModeAdd = "Ajouter";
inline constexpr const char* kModeRemove = "Supprimer";

struct WindowsPageParts {
  TextBox& AddWin;
  Label& LabAddDelete;
  ListControl& List1;
  ListControl& List2;
  ListControl& List3;
};

class WindowsPage {
 public:
  WindowsPage(WindowsPageParts parts, ModuleINI& ini, TitleRuleState& titles, WatchEngine& engine,
              UserPrompts& prompts, std::function<void()> actTimer);

  // Add or Remove, after the mode of the two-mode button.
  void AddOrRemove();
  void Add();
  void Remove();
  void SelectForRemoval();  // click on List2
  void Clear();             // Shift + Delete in List2
  void Pick();              // click on List1
  void SwitchTo();          // double click on List1, "Basculer Vers"
  void DestroyOne();        // "Supprimer"
  void DestroyAll();        // "Tout Supprimer"
  void EntryClicked();      // click on AddWin
  void EntryDoubleClicked();

 private:
  void SetMode(const char* mode);
  int Count() const;
  bool MayAdd(const std::string& text) const;
  // A change the INI file did not take: its writes are undone, the list
  // shows again what is stored, and the user is told.
  void NotStored(IniChange& change);
  // The one box of a refused change (message in UTF-8); the entry box keeps
  // what was typed.
  void Refuse(const char* message);

  WindowsPageParts p_;
  ModuleINI& ini_;
  TitleRuleState& titles_;
  WatchEngine& engine_;
  UserPrompts& prompts_;
  std::function<void()> actTimer_;
};

}  // namespace vantrel
