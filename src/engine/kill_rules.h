// The entries of the list of windows to destroy, read as rules.
//
// An entry is a window title, possibly followed by qualifiers: bracket
// groups after one space each, in any order, at the end of the entry:
//   [Disabled]    the window is disabled (the marker the lists show);
//   [exe=NAME]    the window belongs to a process whose executable file is
//                 NAME (file name only, any case);
//   [class=NAME]  the window's class is NAME (any case, as the system
//                 compares class names);
//   [Like]        the title is a pattern: "*" any run of characters, "?"
//                 exactly one, compared in upper case.
// Any other bracket group is part of the title ("Setup [Beta]").
//
// An entry without [exe=], [class=] or [Like] is compared exactly with a
// recorded window's list title, marker included, as it always was. One
// with [exe=] or [class=] reaches every visible top-level window of other
// programs, not only the browser and disabled windows a scan records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"

namespace vantrel {

struct KillRule {
  std::string title;        // the title part, or the whole entry for a plain rule
  bool plain = true;        // no [exe=], [class=] nor [Like]
  bool disabled = false;    // [Disabled]
  bool like = false;        // [Like]
  std::string executable;   // [exe=NAME], upper case; empty when absent
  std::string windowClass;  // [class=NAME], upper case; empty when absent

  // Reaches every window of other programs, not only the recorded ones.
  bool ReachesEveryWindow() const { return !executable.empty() || !windowClass.empty(); }
};

KillRule ReadKillRule(std::string_view entry);

// Why an entry cannot be kept as a rule; None when it can.
enum class EntryFault { None, EmptyQualifier };
EntryFault CheckRuleEntry(std::string_view entry);

// "*" stands for any run of characters (none included), "?" for exactly
// one; every other character stands for itself. Both texts are given in
// the case they are compared in. Time grows at most with the product of the
// two lengths, whatever the texts.
bool MatchesPattern(std::string_view pattern, std::string_view text);

// One window as the rules see it.
struct RuleCandidate {
  WindowHandle window = 0;
  std::string title;      // the window's own title
  std::string listTitle;  // the title, " [Disabled]" after it for a disabled window
  bool enabled = true;
  // A browser window, or a disabled window of another program: the windows
  // the lists record and plain rules reach.
  bool recorded = false;
  // The program's own windows and the shell's: no rule reaching every
  // window touches them.
  bool untouchable = false;
  std::string windowClass;  // read only when a rule asks for it
  std::string executable;   // file name, read only when a rule asks for it
};

// The rules of the list, read once for a pass.
class KillRules {
 public:
  KillRules() = default;
  explicit KillRules(const std::vector<std::string>& entries);

  int Count() const { return static_cast<int>(rules_.size()); }
  const KillRule& Rule(int position) const { return rules_[static_cast<std::size_t>(position)]; }
  bool Matches(int position, const RuleCandidate& candidate) const;
  // The first rule matching the candidate, -1 when none.
  int FirstMatch(const RuleCandidate& candidate) const;

  // What a reading of the desktop must read of each visible window.
  bool NeedOwners() const { return needOwners_; }
  bool NeedExecutables() const { return needExecutables_; }

 private:
  std::vector<KillRule> rules_;
  // Upper case of each rule's title part, for the [Like] rules.
  std::vector<std::string> upperPatterns_;
  bool needOwners_ = false;
  bool needExecutables_ = false;
};

// The shell's own top-level windows (desktop, taskbar), by class.
bool IsShellWindowClass(std::string_view windowClass);

}  // namespace vantrel
