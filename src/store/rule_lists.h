// Loading the two rule lists of the INI file at start-up: the titles of
// windows to destroy (count "NbOcc", keys "0", "1", ...) and the size rules
// (count "NbCondition", keys "C0", "C1", ...).
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "store/module_ini.h"

namespace vantrel {

inline constexpr std::string_view kTitleCountKey = "NbOcc";
inline constexpr std::string_view kSizeRuleCountKey = "NbCondition";
// The title list has 501 slots (positions 0 to 500).
inline constexpr int kMaxTitles = 501;
// Size rules have no slot table; this bound only keeps an absurd count from
// making start-up read keys for hours.
inline constexpr int kMaxSizeRules = 10000;

// Key of the title at position p: p in decimal.
std::string TitleKey(int position);
// Key of the size rule at position p: "C" and p in decimal.
std::string SizeRuleKey(int position);

struct RuleListLoad {
  // The count to keep in memory as the list's count text: the stored text
  // when it was a proper count, else the decimal text of the entries
  // loaded. Empty only when nothing was stored and nothing was found.
  std::string countText;
  int loaded = 0;
  // True when the stored count was a proper decimal count within the limit.
  bool countWasValid = false;
};

// How a stored count is used:
// - a proper decimal count ("0", "3") loads that many keys, an empty or
//   missing key giving an empty entry so that positions stay those of the
//   keys;
// - a count above the limit loads the limit's number of entries, and the
//   entries beyond it stay untouched in the file;
// - anything else (missing, empty, a word, a sign, a fraction, blanks) is
//   a damaged count: the keys are read from position 0 on while they hold
//   text, up to the limit, so every entry that can be read is kept. A list
//   never holds an empty entry of its own accord (adding refuses an empty
//   text), so the first empty key ends the list; on a first start this
//   reads one empty key and loads nothing.
// The file is not written: the counts are set right by the next change.
RuleListLoad LoadTitleList(const ModuleINI& ini, ListControl& list2);
RuleListLoad LoadSizeRules(const ModuleINI& ini, ListControl& list4);

}  // namespace vantrel
