#include "ui/model/windows_page.h"

#include <vector>

#include "common/text.h"
#include "engine/kill_rules.h"
#include "store/rule_lists.h"

namespace vantrel {
namespace {

const char* const kTitlesNotSaved =
    "Impossible d'enregistrer \"Vantrel.ini\" : la liste des fenêtres à détruire n'a pas été modifiée.";
const char* const kTitlesPartlySaved =
    "Impossible d'enregistrer \"Vantrel.ini\" en entier : la liste montre les fenêtres à détruire telles "
    "qu'elles sont enregistrées.";

constexpr const char* kEmptyQualifier = "Le nom qui suit « exe= » ou « class= » ne peut pas être vide.";

}  // namespace

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

// Every refusal is decided before anything is written.
bool WindowsPage::MayAdd(const std::string& text) const {
  if (text.empty()) return false;
  const std::string_view trimmed = TrimSpaces(text);
  for (int i = 0; i < p_.List2.Count(); ++i)
    if (p_.List2.Item(i) == trimmed) return false;
  // The slot table holds 501 titles: a 502nd has no place and is refused.
  return Count() < TitleRuleState::kSlots;
}

// The title's key first, the count last: until the count is written the
// stored list reads as before, whatever the new key holds.
void WindowsPage::Add() {
  const std::string text = p_.AddWin.Text();
  // "[exe=]" names no program: refused with a box, the text left in its box to mend.
  if (!text.empty() && CheckRuleEntry(text) == EntryFault::EmptyQualifier) {
    prompts_.MakeNotTopmost();
    prompts_.Inform(AnsiFromUtf8(kEmptyQualifier), "Vantrel");
    prompts_.MakeTopmost();
    return;
  }
  if (!MayAdd(text)) return;
  const int count = Count();
  IniChange change(ini_);
  if (!change.Write(TitleKey(count), text) || !change.Write(kTitleCountKey, CStr(count + 1))) {
    NotStored(change);
    return;
  }
  titles_.nbOcc = CStr(count + 1);
  titles_.slots[static_cast<std::size_t>(count)] = text;
  p_.List2.Add(text);
  p_.AddWin.Focus();
}

// The later titles move down one key in place, so the stored list reads
// otherwise between two writes: a refused write has the others undone.
void WindowsPage::Remove() {
  const int i = p_.List2.Selected();
  if (i < 0) return;
  const int count = Count();
  const auto slot = [this](int p) -> std::string& { return titles_.slots[static_cast<std::size_t>(p)]; };
  IniChange change(ini_);
  bool stored = change.Write(TitleKey(i), "");
  for (int v = i; stored && v <= count - 2; ++v) stored = change.Write(TitleKey(v), slot(v + 1));
  if (stored && count > 0)
    stored = change.Write(TitleKey(count - 1), "") && change.Write(kTitleCountKey, CStr(count - 1));
  if (!stored) {
    NotStored(change);
    return;
  }
  for (int v = i; v <= count - 2; ++v) slot(v) = slot(v + 1);
  if (count > 0) {
    slot(count - 1).clear();
    titles_.nbOcc = CStr(count - 1);
  }
  p_.List2.Remove(i);
  if (!p_.List3.Item(i).empty()) p_.List3.Remove(i);
  p_.List2.Select(-1);
}

void WindowsPage::NotStored(IniChange& change) {
  const bool restored = change.RollBack();
  LoadTitleRules(ini_, p_.List2, titles_);
  Refuse(restored ? kTitlesNotSaved : kTitlesPartlySaved);
}

void WindowsPage::Refuse(const char* message) {
  prompts_.MakeNotTopmost();
  prompts_.Inform(AnsiFromUtf8(message), "Vantrel");
  prompts_.MakeTopmost();
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
  IniChange change(ini_);
  bool stored = true;
  for (int k = 0; stored && k <= old; ++k) stored = change.Write(TitleKey(k), "");
  if (!stored || !change.Write(kTitleCountKey, "0")) {
    NotStored(change);
    return;
  }
  p_.List2.Clear();
  for (auto& slot : titles_.slots) slot.clear();
  titles_.nbOcc = CStr(0);
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
