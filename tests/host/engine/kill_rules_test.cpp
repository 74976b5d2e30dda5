#include "engine/kill_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"

namespace vantrel {
namespace {

TEST(ReadKillRule, QualifiersAtTheEndInAnyOrder) {
  const struct {
    const char* entry;
    const char* title;
    bool plain, disabled, like;
    const char* executable;
    const char* windowClass;
  } cases[] = {
      {"Pub - Netscape", "Pub - Netscape", true, false, false, "", ""},
      // Plain entries keep their marker in the title: compared with list titles as always.
      {"Setup [Disabled]", "Setup [Disabled]", true, false, false, "", ""},
      {"Licence [exe=WinRAR.exe]", "Licence", false, false, false, "WINRAR.EXE", ""},
      {"Licence [class=#32770] [exe=winrar.exe]", "Licence", false, false, false, "WINRAR.EXE", "#32770"},
      {"Setup [exe=a.exe] [Disabled]", "Setup", false, true, false, "A.EXE", ""},
      {"Setup [Disabled] [exe=a.exe]", "Setup", false, true, false, "A.EXE", ""},
      {"Update * [Like]", "Update *", false, false, true, "", ""},
      {"Update [Like] [exe= up date.exe ]", "Update", false, false, true, "UP DATE.EXE", ""},
      {"Update [exe=up.exe]  ", "Update", false, false, false, "UP.EXE", ""},  // spaces after it aside
      {"Setup [Disabled] ", "Setup [Disabled] ", true, false, false, "", ""},  // plain: the whole entry
      // Other groups are part of the title, and end the qualifiers.
      {"Tool [Beta]", "Tool [Beta]", true, false, false, "", ""},
      {"Tool [Beta] [exe=t.exe]", "Tool [Beta]", false, false, false, "T.EXE", ""},
      {"Tool [exe=t.exe] [Beta]", "Tool [exe=t.exe] [Beta]", true, false, false, "", ""},
      // Only the written forms count: a group needs its space and its exact name.
      {"Tool[exe=t.exe]", "Tool[exe=t.exe]", true, false, false, "", ""},
      {"Tool [like]", "Tool [like]", true, false, false, "", ""},
      {"Tool [EXE=t.exe]", "Tool [EXE=t.exe]", true, false, false, "", ""},
      // An empty qualifier (only a hand-edited file holds one) is text.
      {"Tool [exe=]", "Tool [exe=]", true, false, false, "", ""},
      {"A * title ? [x]", "A * title ? [x]", true, false, false, "", ""},
      {"", "", true, false, false, "", ""},
      {" [Like]", "", false, false, true, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    const KillRule rule = ReadKillRule(c.entry);
    EXPECT_EQ(rule.title, c.title);
    EXPECT_EQ(rule.plain, c.plain);
    EXPECT_EQ(rule.disabled, c.disabled);
    EXPECT_EQ(rule.like, c.like);
    EXPECT_EQ(rule.executable, c.executable);
    EXPECT_EQ(rule.windowClass, c.windowClass);
  }
}

TEST(CheckRuleEntry, RefusesAnEmptyQualifierOnly) {
  EXPECT_EQ(CheckRuleEntry("Licence [exe=]"), EntryFault::EmptyQualifier);
  EXPECT_EQ(CheckRuleEntry("Licence [class=  ] [Like]"), EntryFault::EmptyQualifier);
  EXPECT_EQ(CheckRuleEntry("Licence [exe=] [Beta]"), EntryFault::None);  // not at the end: title text
  EXPECT_EQ(CheckRuleEntry("Licence [exe=a.exe]"), EntryFault::None);
  EXPECT_EQ(CheckRuleEntry("Licence [Beta]"), EntryFault::None);
  EXPECT_EQ(CheckRuleEntry(""), EntryFault::None);
}

TEST(MatchesPattern, StarAndQuestionMarkOnly) {
  const struct {
    const char* pattern;
    const char* text;
    bool matches;
  } cases[] = {
      {"UPDATE *", "UPDATE 4.2 AVAILABLE", true},
      {"UPDATE *", "UPDATE ", true},  // a star may stand for nothing
      {"UPDATE *", "UPDATE", false},
      {"*", "", true},
      {"", "", true},
      {"", "A", false},
      {"?", "", false},
      {"V?.?", "V4.2", true},
      {"V?.?", "V4.21", false},
      {"*SPONSORED*", "A SPONSORED SESSION", true},
      {"*SPONSORED*", "SPONSOR", false},
      {"A*B*C", "AXBYBZC", true},
      {"A*B*C", "AXBYBZ", false},
      {"[X]", "[X]", true},  // brackets are plain characters
      {"[X]", "X", false},
      {"**A", "BA", true},
      {"*", "**-", true},  // a star in the title does not use up the pattern's star
      {"A*", "A*B", true},
      {"*B", "*B", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " / " + c.text);
    EXPECT_EQ(MatchesPattern(c.pattern, c.text), c.matches);
  }
}

// A page chooses its title: a long one against a pattern with many stars
// that almost match is answered (in bounded steps, without recursion).
TEST(MatchesPattern, LongTitleAgainstManyStarsIsAnswered) {
  const std::string title(100000, 'A');
  std::string pattern;
  for (int i = 0; i < 50; ++i) pattern += "*A";
  EXPECT_FALSE(MatchesPattern(pattern + "B", title));
  EXPECT_TRUE(MatchesPattern(pattern, title));
}

// The windows each kind of rule reaches.
TEST(KillRules, WhatEachRuleReaches) {
  auto window = [](const char* title, bool enabled, bool recorded, bool untouchable, const char* cls,
                   const char* exe) {
    RuleCandidate c;
    c.title = title;
    c.enabled = enabled;
    c.listTitle = enabled ? title : std::string(title) + " [Disabled]";
    c.recorded = recorded;
    c.untouchable = untouchable;
    c.windowClass = cls;
    c.executable = exe;
    return c;
  };
  const RuleCandidate licence = window("Please purchase", true, false, false, "#32770", "WinRAR.exe");
  const RuleCandidate ownBox = window("Please purchase", true, false, true, "#32770", "Vantrel.exe");
  const RuleCandidate browser = window("Pub - Mozilla", true, true, false, "MozillaWindowClass", "firefox.exe");
  const RuleCandidate setup = window("Setup", false, true, false, "#32770", "setup.exe");
  const RuleCandidate plainSetup = window("Setup", true, false, false, "#32770", "setup.exe");
  const RuleCandidate update = window("Update 4.2 is ready", true, false, false, "Dlg", "up.exe");
  const struct {
    const char* entry;
    const RuleCandidate& window;
    bool matches;
  } cases[] = {
      {"Please purchase", licence, false},  // a plain rule reaches the recorded windows only
      {"Please purchase [exe=winrar.exe]", licence, true},
      {"Please purchase [exe=other.exe]", licence, false},
      {"Please purchase [class=#32770]", licence, true},
      {"Please purchase [class=#32770]", ownBox, false},  // never the program's own (nor the shell's)
      {"please purchase [class=#32770]", licence, false},  // the title stays exact
      {"please * [Like] [class=#32770]", licence, true},
      {"Please purchase [class=#32770] [Disabled]", licence, false},
      {"Pub - Mozilla", browser, true},
      {"Pub - * [Like]", browser, true},
      {"pub - ??????? [Like]", browser, true},
      {"Pub - * [Like] [Disabled]", browser, false},
      {"Setup [Disabled]", setup, true},
      {"Setup", setup, false},
      {"Setup [Disabled] [exe=SETUP.EXE]", setup, true},
      {"Setup [exe=setup.exe]", setup, false},  // enabled wanted
      {"Setup [exe=setup.exe]", plainSetup, true},
      {"S* [Like]", plainSetup, false},  // a pattern alone reaches the recorded windows only
      {"Update * [Like] [exe=up.exe]", update, true},
      {"Update * [Like] [exe=up.exe]", licence, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + " / " + c.window.title);
    const KillRules rules({c.entry});
    EXPECT_EQ(rules.Matches(0, c.window), c.matches);
  }
}

TEST(KillRules, SaysWhatAReadingMustRead) {
  EXPECT_FALSE(KillRules({"A", "B [Disabled]", "C* [Like]"}).NeedOwners());
  const KillRules byClass({"A", "B [class=X]"});
  EXPECT_TRUE(byClass.NeedOwners());
  EXPECT_FALSE(byClass.NeedExecutables());
  const KillRules byProgram({"B [exe=x.exe]"});
  EXPECT_TRUE(byProgram.NeedOwners());
  EXPECT_TRUE(byProgram.NeedExecutables());
}

TEST(IsShellWindowClass, DesktopAndTaskbars) {
  for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "shell_traywnd", "Shell_SecondaryTrayWnd"})
    EXPECT_TRUE(IsShellWindowClass(shell)) << shell;
  for (const char* other : {"#32770", "CabinetWClass", "", "Shell_TrayWnd2"})
    EXPECT_FALSE(IsShellWindowClass(other)) << other;
}

}  // namespace
}  // namespace vantrel
