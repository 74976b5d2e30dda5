// The Windows page: the active windows and what can be done to one or all
// of them. Its operations also serve the upper area's entry and list of
// windows to destroy, which the main window holds.
#pragma once

#include <functional>
#include <memory>

#include "ui/main/page_form.h"
#include "ui/model/windows_page.h"

namespace vantrel {

class WindowsPageForm final : public PageForm {
 public:
  WindowsPageForm();

  // The operations, once what they act on exists: titleEntry, addOrRemove
  // and titlesToDestroy lie in the upper area; scan runs one watch tick.
  void Connect(TextBox& titleEntry, Label& addOrRemove, ListControl& titlesToDestroy, ListControl& destructionTimes,
               ModuleINI& ini, TitleRuleState& titles, WatchEngine& engine, UserPrompts& prompts,
               std::function<void()> scan);

  WindowsPage& Operations() { return *operations_; }
  ListControl& ActiveWindows() { return activeWindows_; }
  // The page's title, which the page switching writes.
  Label& Title() { return title_; }

 private:
  void CreateContents() override;
  void OnCommand(HWND control, UINT code) override;
  bool OnControlMessage(HWND control, UINT message, WPARAM wParam) override;
  bool ShowsHand(HWND control) const override { return control == activeWindows_.Handle(); }

  Win32ListBox activeWindows_;  // List1
  SkinLabel title_;             // Entete2
  PictureButton destroyAll_;    // KillAll with LabKillAll
  PictureButton destroyOne_;    // BtnDestroy with LabKill
  PictureButton switchTo_;      // BtnSwitchTo with LabSwitchTo
  std::unique_ptr<WindowsPage> operations_;
};

}  // namespace vantrel
