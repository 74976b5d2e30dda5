// The Options page: size rules with their INI keys and trace, and the
// browser title suffixes with their file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"
#include "store/module_ini.h"
#include "ui/model/main_startup.h"
#include "ui/model/user_prompts.h"

namespace vantrel {

class Settings;

struct OptionsPageParts {
  TextBox& AddH;
  TextBox& AddL;
  Label& LabBoutonHL;
  ListControl& List4;
  TextBox& AddEntete;
  Label& LabAjoutEntete;
  ListControl& List5;
  CheckBox& ChkDefaut;
};

class OptionsPage {
 public:
  OptionsPage(OptionsPageParts parts, ModuleINI& ini, TitleRuleState& titles, Settings& settings, FileSystem& files,
              UserPrompts& prompts);

  // The user's decimal separator ('.' unless told): the sizes typed and
  // shown are read and written with it.
  void UseDecimalSeparator(char separator) { decimalSeparator_ = separator; }

  void AddOrRemoveSizeRule();
  void AddSizeRule();
  void RemoveSizeRule();
  void SelectSizeRule();  // click on List4
  void HeightClicked();   // click on AddH

  void AddOrRemoveSuffix();
  void AddSuffix();
  void RemoveSuffix();
  void SelectSuffix();   // click on List5
  void SuffixClicked();  // click on AddEntete

 private:
  int RuleCount() const;
  // A change of the size rules the INI file did not take: its writes are
  // undone, List4 shows again what is stored, and the user is told.
  void NotStored(IniChange& change);
  // Writes the header file from List5 and switches to it. When the file
  // cannot be written nothing stored has changed: List5 shows again what it
  // showed before (shownBefore), "Défaut" keeps its value, and the user is
  // told; the typed header stays in its box.
  void SaveSuffixes(const std::vector<std::string>& shownBefore);

  OptionsPageParts p_;
  ModuleINI& ini_;
  TitleRuleState& titles_;
  Settings& settings_;
  FileSystem& files_;
  UserPrompts& prompts_;
  char decimalSeparator_ = '.';
};

// A number written as the user's locale writes it ("300", "12.5", "12,5"
// with a comma for decimal separator).
std::string NumberText(double value, char decimalSeparator = '.');
// A typed text read as a number in the user's locale: the locale's decimal
// separator and no other ("12,5" with a comma, "12.5" with a point).
bool IsLocaleNumeric(std::string_view text, char decimalSeparator);

}  // namespace vantrel
