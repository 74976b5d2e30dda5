#include "ui/model/windows_page.h"

#include <vector>

#include "common/text.h"
#include "store/rule_lists.h"

namespace vantrel {

WindowsPage::WindowsPage(WindowsPageParts parts, ModuleINI& ini, TitleRuleState& titles, WatchEngine& engine,
                         UserPrompts& prompts, std::function<void()> actTimer)
    : p_(parts), ini_(ini), titles_(titles), engine_(engine), prompts_(prompts), actTimer_(std::move(actTimer)) {}

void WindowsPage::SetMode(const char* mode) {
  if (p_.LabAddDelete.Caption() != mode) p_.LabAddDelete.SetCaption(mode);
}

// The count as a number; a count that is not one counts as 0.
int WindowsPage::Count() const {
  const auto n = ParseCount(titles_.nbOcc);
  if (!n || *n > TitleRuleState::kSlots) return 0;
  return static_cast<int>(*n);
}

void WindowsPage::AddOrRemove() {
  if (p_.LabAddDelete.Caption() == kModeRemove) Remove();
  else Add();
}

void WindowsPage::Add() {
  const std::string text = p_.AddWin.Text();
  if (text.empty()) return;
  // assign, not = "0": GCC 12 warns of a -Wrestrict overlap in std::string's
  // literal assignment that cannot happen (its bug 105329).
  if (!ParseCount(titles_.nbOcc)) titles_.nbOcc.assign(1, '0');
  const std::string_view trimmed = TrimSpaces(text);
  for (int i = 0; i < p_.List2.Count(); ++i)
    if (p_.List2.Item(i) == trimmed) return;
  const int count = Count();
  // The slot table holds 501 titles: a 502nd has no place and is refused.
  if (count >= TitleRuleState::kSlots) return;
  titles_.nbOcc = CStr(count + 1);
  titles_.slots[static_cast<std::size_t>(count)] = text;
  ini_.WriteIniValue(TitleKey(count), text);
  ini_.WriteIniValue(kTitleCountKey, titles_.nbOcc);
  p_.List2.Add(text);
  p_.AddWin.Focus();
}

void WindowsPage::Remove() {
  const int i = p_.List2.Selected();
  if (i < 0) return;
  const int count = Count();
  ini_.WriteIniValue(TitleKey(i), "");
  for (int v = i; v <= count - 2; ++v) {
    titles_.slots[static_cast<std::size_t>(v)] = titles_.slots[static_cast<std::size_t>(v) + 1];
    ini_.WriteIniValue(TitleKey(v), titles_.slots[static_cast<std::size_t>(v)]);
  }
  if (count > 0) {
    titles_.slots[static_cast<std::size_t>(count) - 1].clear();
    ini_.WriteIniValue(TitleKey(count - 1), "");
    titles_.nbOcc = CStr(count - 1);
    ini_.WriteIniValue(kTitleCountKey, titles_.nbOcc);
  }
  p_.List2.Remove(i);
  if (!p_.List3.Item(i).empty()) p_.List3.Remove(i);
  p_.List2.Select(-1);
}

void WindowsPage::SelectForRemoval() {
  p_.AddWin.SetText("");
  const int i = p_.List2.Selected();
  if (i < 0) return;
  if (p_.List3.Count() > i) p_.List3.Select(i);
  SetMode(kModeRemove);
}

void WindowsPage::Clear() {
  prompts_.MakeNotTopmost();
  const bool yes =
      prompts_.AskYesNo(AnsiFromUtf8("Etes vous sûr de vouloir vider la liste des fenêtres à détruire ?"), "Attention");
  prompts_.MakeTopmost();
  if (!yes) return;
  const int old = Count();
  p_.List2.Clear();
  for (int k = 0; k <= old; ++k) ini_.WriteIniValue(TitleKey(k), "");
  for (auto& slot : titles_.slots) slot.clear();
  titles_.nbOcc.assign(1, '0');  // as in Add: GCC 12's bug 105329
  ini_.WriteIniValue(kTitleCountKey, "0");
}

void WindowsPage::Pick() {
  const std::string text = p_.List1.Item(p_.List1.Selected());
  if (text.empty()) return;
  p_.AddWin.SetText(text);
  SetMode(kModeAdd);
}

void WindowsPage::SwitchTo() {
  engine_.SwitchToWindow(p_.List1.Item(p_.List1.Selected()));
  p_.List1.Clear();
  if (actTimer_) actTimer_();
}

// A kill whose recording fails has still posted its close request; the
// entry goes as for any other kill and nothing is shown.
void WindowsPage::DestroyOne() {
  const int i = p_.List1.Selected();
  if (i < 0) return;
  engine_.KillWindow(p_.List1.Item(i));
  p_.List1.Remove(i);
}

void WindowsPage::DestroyAll() {
  prompts_.MakeNotTopmost();
  const bool yes =
      prompts_.AskYesNo(AnsiFromUtf8("Etes-vous sûr de vouloir fermer toutes les fenêtres actives ?"), "Vantrel - Attention");
  prompts_.MakeTopmost();
  if (!yes) return;
  std::vector<std::string> titles;
  for (int i = 0; i < p_.List1.Count(); ++i) titles.push_back(p_.List1.Item(i));
  // One failed recording does not stop the others.
  for (const auto& title : titles) engine_.KillWindow(title);
}

void WindowsPage::EntryClicked() { SetMode(kModeAdd); }

void WindowsPage::EntryDoubleClicked() { p_.AddWin.SetText(""); }

}  // namespace vantrel
