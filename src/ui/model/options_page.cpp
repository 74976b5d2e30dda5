#include "ui/model/options_page.h"

#include <cstdio>

#include "common/text.h"
#include "store/browser_headers.h"
#include "store/rule_lists.h"
#include "store/settings.h"
#include "store/trace_file.h"

namespace vantrel {
namespace {

const char* const kHeadersNotSaved = "Impossible d'enregistrer \"Vantrel-Url.ini\" : les entêtes n'ont pas été modifiés.";
const char* const kSizeRulesNotSaved =
    "Impossible d'enregistrer \"Vantrel.ini\" : les tailles de fenêtres n'ont pas été modifiées.";
const char* const kSizeRulesPartlySaved =
    "Impossible d'enregistrer \"Vantrel.ini\" en entier : la liste montre les tailles de fenêtres telles "
    "qu'elles sont enregistrées.";

std::vector<std::string> Entries(const ListControl& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Item(i));
  return entries;
}

}  // namespace

std::string NumberText(double value, char decimalSeparator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

bool IsLocaleNumeric(std::string_view text, char decimalSeparator) {
  if (decimalSeparator == '.') return IsNumeric(text);
  std::string asRead(text);
  for (char& c : asRead) {
    if (c == '.') return false;  // not this locale's separator
    if (c == decimalSeparator) c = '.';
  }
  return IsNumeric(asRead);
}

OptionsPage::OptionsPage(OptionsPageParts parts, ModuleINI& ini, TitleRuleState& titles, Settings& settings,
                         FileSystem& files, UserPrompts& prompts)
    : p_(parts), ini_(ini), titles_(titles), settings_(settings), files_(files), prompts_(prompts) {}

int OptionsPage::RuleCount() const {
  const auto n = ParseCount(titles_.nbCondition);
  return n && *n <= kMaxSizeRules ? static_cast<int>(*n) : 0;
}

void OptionsPage::AddOrRemoveSizeRule() {
  if (p_.LabBoutonHL.Caption() == "Supprimer") RemoveSizeRule();
  else AddSizeRule();
}

void OptionsPage::AddSizeRule() {
  prompts_.MakeNotTopmost();
  const std::string height = p_.AddH.Text();
  const std::string width = p_.AddL.Text();
  if (!IsLocaleNumeric(height, decimalSeparator_)) {
    prompts_.Inform(AnsiFromUtf8("Veuillez saisir la hauteur de la fenetre à éliminer"), "Vantrel");
    prompts_.MakeTopmost();
    return;
  }
  if (!IsLocaleNumeric(width, decimalSeparator_)) {
    prompts_.Inform(AnsiFromUtf8("Veuillez saisir la largeur de la fenetre à éliminer"), "Vantrel");
    prompts_.MakeTopmost();
    return;
  }
  prompts_.MakeTopmost();

  SizeRuleTrace trace(files_, TraceFilePath(settings_.ProgramFolder()));
  const int count = RuleCount() + 1;
  trace.Begin(count);
  const std::string rule = height + " - " + width;
  // The rule's key first, the count last: until the count is written the
  // stored rules read as before. A refusal leaves the typed sizes in their
  // boxes.
  IniChange change(ini_);
  trace.BeforeRuleWrite();
  if (!change.Write(SizeRuleKey(count - 1), rule)) {
    trace.End();
    NotStored(change);
    return;
  }
  trace.AfterRuleWrite();
  trace.BeforeCountWrite();
  if (!change.Write(kSizeRuleCountKey, CStr(count))) {
    trace.End();
    NotStored(change);
    return;
  }
  titles_.nbCondition = CStr(count);
  trace.AfterCountWrite();
  trace.BeforeListAdd(height, width);
  p_.List4.Add(rule);
  p_.AddH.SetText("");
  p_.AddL.SetText("");
  trace.BeforeFocus();
  p_.AddH.Focus();
  trace.End();
}

// The later rules move down one key in place, so the stored rules read
// otherwise between two writes: a refused write has the others undone.
void OptionsPage::RemoveSizeRule() {
  const int i = p_.List4.Selected();
  if (i < 0) return;
  p_.List4.Remove(i);
  const int count = RuleCount();
  const int remaining = count > 0 ? count - 1 : 0;
  IniChange change(ini_);
  bool stored = true;
  for (int v = i; stored && v <= count - 2; ++v) stored = change.Write(SizeRuleKey(v), p_.List4.Item(v));
  stored = stored && change.Write(kSizeRuleCountKey, CStr(remaining)) && change.Write(SizeRuleKey(remaining), "");
  if (!stored) {
    NotStored(change);
    return;
  }
  titles_.nbCondition = CStr(remaining);
}

void OptionsPage::NotStored(IniChange& change) {
  const bool restored = change.RollBack();
  p_.List4.Clear();
  titles_.nbCondition = LoadSizeRules(ini_, p_.List4).countText;
  prompts_.MakeNotTopmost();
  prompts_.Inform(AnsiFromUtf8(restored ? kSizeRulesNotSaved : kSizeRulesPartlySaved), "Vantrel");
  prompts_.MakeTopmost();
}

// An entry without "-" (only a hand-edited file makes one) gives its number
// as the height and leaves the width empty.
void OptionsPage::SelectSizeRule() {
  if (p_.LabBoutonHL.Caption() != "Supprimer") p_.LabBoutonHL.SetCaption("Supprimer");
  const std::string entry = p_.List4.Item(p_.List4.Selected());
  const std::size_t hyphen = entry.find('-');
  if (hyphen == std::string::npos) {
    p_.AddH.SetText(NumberText(Val(entry), decimalSeparator_));
    p_.AddL.SetText("");
    return;
  }
  p_.AddH.SetText(NumberText(Val(std::string_view(entry).substr(0, hyphen)), decimalSeparator_));
  p_.AddL.SetText(NumberText(Val(std::string_view(entry).substr(hyphen + 1)), decimalSeparator_));
}

void OptionsPage::HeightClicked() {
  if (p_.LabBoutonHL.Caption() != "Ajouter") p_.LabBoutonHL.SetCaption("Ajouter");
}

void OptionsPage::AddOrRemoveSuffix() {
  if (p_.LabAjoutEntete.Caption() == "Supprimer") RemoveSuffix();
  else AddSuffix();
}

void OptionsPage::AddSuffix() {
  const std::string text = p_.AddEntete.Text();
  const std::string_view trimmed = TrimSpaces(text);
  const std::vector<std::string> before = Entries(p_.List5);
  if (!trimmed.empty()) {
    for (int i = 0; i < p_.List5.Count(); ++i)
      if (TrimSpaces(p_.List5.Item(i)) == trimmed) return;  // a duplicate: nothing added, nothing saved
    p_.List5.Add(text);
  }
  SaveSuffixes(before);
}

void OptionsPage::RemoveSuffix() {
  const std::vector<std::string> before = Entries(p_.List5);
  const int i = p_.List5.Selected();
  if (i >= 0) p_.List5.Remove(i);
  SaveSuffixes(before);
}

void OptionsPage::SaveSuffixes(const std::vector<std::string>& shownBefore) {
  if (!WriteBrowserHeaders(files_, BrowserHeaderFilePath(settings_.ProgramFolder()), p_.List5)) {
    p_.List5.Clear();
    for (const std::string& entry : shownBefore) p_.List5.Add(entry);
    prompts_.MakeNotTopmost();
    prompts_.Inform(AnsiFromUtf8(kHeadersNotSaved), "Vantrel");
    prompts_.MakeTopmost();
    return;
  }
  settings_.SaveOption(setting::kRunUrlDefault, p_.ChkDefaut.Value());
  // Unchecking runs the switch to the file just written.
  p_.ChkDefaut.SetValue(false);
}

void OptionsPage::SelectSuffix() {
  if (p_.LabAjoutEntete.Caption() != "Supprimer") p_.LabAjoutEntete.SetCaption("Supprimer");
  const int i = p_.List5.Selected();
  if (i >= 0) p_.AddEntete.SetText(p_.List5.Item(i));
}

void OptionsPage::SuffixClicked() {
  if (p_.LabAjoutEntete.Caption() != "Ajouter") p_.LabAjoutEntete.SetCaption("Ajouter");
}

}  // namespace vantrel
