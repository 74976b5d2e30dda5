// The main window's upper area, above the pages: the title, the entry and
// the list of windows to destroy with its count, the three tabs, and the
// help and minimise buttons. Its pictures and labels are painted by the
// main window; the entry and the list are controls of that window, whose
// keys and clicks go to the Windows page's operations.
#pragma once

#include <windows.h>

#include "ui/main/main_skin.h"
#include "ui/main/page_form.h"
#include "ui/model/page_switcher.h"
#include "ui/model/windows_page.h"
#include "ui/skin_controls.h"
#include "ui/skin_tips.h"

namespace vantrel {

class UpperArea {
 public:
  enum class Hit { Background, Minimise, Help, TabWindows, TabOptions, TabStats, AddOrRemove, Other };

  // The area's controls and tips in main, drawn with skin (which outlives it).
  void Create(HWND main, const MainSkin& skin);
  // The operations its entry, button and list run.
  void Connect(WindowsPage& operations) { operations_ = &operations; }

  TextBox& TitleEntry() { return titleEntry_; }
  ListControl& TitlesToDestroy() { return titlesToDestroy_; }
  const ListControl& TitlesToDestroy() const { return titlesToDestroy_; }
  Label& AddOrRemoveCaption() { return addOrRemove_.caption; }
  Label& ToDestroyCount() { return toDestroyCount_; }
  Label& Title() { return title_; }
  // The caption of the tab of a page (LabFActive, LabFOption, LabFStat).
  Label& TabCaption(Page tab) { return tabs_[TabIndex(tab)].caption; }
  void ShowTabPicture(Page tab, bool visible);

  void Paint(HDC dc) const;
  Hit HitTest(POINT p) const;
  // The help and minimise buttons light up while the pointer is on them.
  void ShowPointerOn(Hit hit);
  // A mouse message of the main window, for the tips.
  void RelayMouse(UINT message, WPARAM wParam, LPARAM lParam) { tips_.Relay(message, wParam, lParam); }
  // The answer to WM_SETCURSOR of the main window over one of its windows.
  bool ShowPointer(HWND over) const;
  // A notification (WM_COMMAND) of the area's controls.
  void OnCommand(HWND control, UINT code);

 private:
  static int TabIndex(Page tab) { return tab == Page::Options ? 1 : tab == Page::Statistics ? 2 : 0; }
  static bool FilterControl(void* self, HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool OnControlMessage(HWND control, UINT message, WPARAM wParam);

  HWND main_ = nullptr;
  const MainSkin* skin_ = nullptr;
  WindowsPage* operations_ = nullptr;
  SkinLabel title_;               // Titre
  SkinLabel toDestroyCount_;      // Num2
  Win32TextBox titleEntry_;       // AddWin
  Win32ListBox titlesToDestroy_;  // List2
  PictureButton addOrRemove_;     // with LabAddDelete on it
  PictureButton tabs_[3];         // with LabFActive, LabFOption, LabFStat on them
  SkinPicture helpButton_;        // BtnAide
  SkinPicture minimiseButton_;
  SkinTips tips_;  // "Voir l'aide" and "Minimiser"
};

}  // namespace vantrel
