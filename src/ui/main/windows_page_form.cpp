#include "ui/main/windows_page_form.h"

#include "assets/resource_ids.h"

namespace vantrel {

WindowsPageForm::WindowsPageForm() : PageForm(IDB_PAGE_WINDOWS) { title_.SetForeColor(kHeaderText); }

void WindowsPageForm::Connect(TextBox& titleEntry, Label& addOrRemove, ListControl& titlesToDestroy,
                              ListControl& destructionTimes, ModuleINI& ini, TitleRuleState& titles,
                              WatchEngine& engine, UserPrompts& prompts, std::function<void()> scan) {
  operations_ = std::make_unique<WindowsPage>(
      WindowsPageParts{.AddWin = titleEntry,
                       .LabAddDelete = addOrRemove,
                       .List1 = activeWindows_,
                       .List2 = titlesToDestroy,
                       .List3 = destructionTimes},
      ini, titles, engine, prompts, std::move(scan));
}

void WindowsPageForm::CreateContents() {
  AddOwnLabel(title_, kTitlePlace, Skin().fonts.Title());
  const auto listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP;
  activeWindows_.Attach(AddControl("LISTBOX", listStyle, RECT{8, 28, 322, 196}));
  AddButton(destroyAll_, POINT{8, 204}, true, "Tout Supprimer", [this] { operations_->DestroyAll(); });
  AddButton(destroyOne_, POINT{150, 204}, false, "Supprimer", [this] { operations_->DestroyOne(); });
  AddButton(switchTo_, POINT{242, 204}, false, "Basculer Vers", [this] { operations_->SwitchTo(); });
}

void WindowsPageForm::OnCommand(HWND control, UINT code) {
  if (control != activeWindows_.Handle()) return;
  if (code == LBN_SELCHANGE) operations_->Pick();
  else if (code == LBN_DBLCLK) operations_->SwitchTo();
}

bool WindowsPageForm::OnControlMessage(HWND control, UINT message, WPARAM wParam) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN && control == activeWindows_.Handle()) {
    operations_->AddOrRemove();
    return true;
  }
  return false;
}

}  // namespace vantrel
