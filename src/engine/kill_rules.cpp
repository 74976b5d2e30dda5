#include "engine/kill_rules.h"

#include <array>
#include <optional>

#include "common/text.h"

namespace vantrel {
namespace {

constexpr std::string_view kExePrefix = "exe=";
constexpr std::string_view kClassPrefix = "class=";

// The last bracket group of the entry, after one space, and what stands
// before it; nothing when the entry does not end in one.
struct TrailingGroup {
  std::string_view before;
  std::string_view inside;
};

std::optional<TrailingGroup> LastGroup(std::string_view entry) {
  if (entry.empty() || entry.back() != ']') return std::nullopt;
  const std::size_t open = entry.rfind(" [");
  if (open == std::string_view::npos) return std::nullopt;
  return TrailingGroup{.before = entry.substr(0, open),
                       .inside = entry.substr(open + 2, entry.size() - open - 3)};
}

// The value of a "name=value" group, blanks around it removed; nothing when
// the group is not of that name.
std::optional<std::string_view> ValueOf(std::string_view inside, std::string_view prefix) {
  if (inside.substr(0, prefix.size()) != prefix) return std::nullopt;
  return TrimSpaces(inside.substr(prefix.size()));
}

}  // namespace

// The qualifiers are looked for at the end, spaces after them aside.
std::string_view WithoutTrailingSpaces(std::string_view entry) {
  while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
  return entry;
}

KillRule ReadKillRule(std::string_view entry) {
  KillRule rule;
  std::string_view rest = WithoutTrailingSpaces(entry);
  while (const auto group = LastGroup(rest)) {
    const std::string_view inside = group->inside;
    if (inside == "Disabled") {
      rule.disabled = true;
    } else if (inside == "Like") {
      rule.like = true;
    } else if (const auto exe = ValueOf(inside, kExePrefix); exe && !exe->empty()) {
      rule.executable = UCase(*exe);
    } else if (const auto cls = ValueOf(inside, kClassPrefix); cls && !cls->empty()) {
      rule.windowClass = UCase(*cls);
    } else {
      break;  // part of the title
    }
    rest = group->before;
  }
  rule.plain = !rule.like && rule.executable.empty() && rule.windowClass.empty();
  // A plain entry keeps its old meaning: the whole entry, marker included,
  // against the list title.
  rule.title = std::string(rule.plain ? entry : rest);
  if (rule.plain) rule.disabled = false;
  return rule;
}

EntryFault CheckRuleEntry(std::string_view entry) {
  std::string_view rest = WithoutTrailingSpaces(entry);
  while (const auto group = LastGroup(rest)) {
    const std::string_view inside = group->inside;
    const auto exe = ValueOf(inside, kExePrefix);
    const auto cls = ValueOf(inside, kClassPrefix);
    if ((exe && exe->empty()) || (cls && cls->empty())) return EntryFault::EmptyQualifier;
    // The qualifiers end at the first group that is title text.
    if (!exe && !cls && inside != "Disabled" && inside != "Like") break;
    rest = group->before;
  }
  return EntryFault::None;
}

bool MatchesPattern(std::string_view pattern, std::string_view text) {
  // Greedy with one point to come back to: the last star seen, and where
  // in the text it began to stand. Each failure moves that point one
  // character on, so no pair of positions is tried twice.
  std::size_t p = 0, t = 0;
  std::size_t star = std::string_view::npos, mark = 0;
  while (t < text.size()) {
    // A star is a star whatever the text holds: it is tried before the
    // character itself (a title may hold "*" too).
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = t;
    } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

KillRules::KillRules(const std::vector<std::string>& entries) {
  rules_.reserve(entries.size());
  upperPatterns_.reserve(entries.size());
  for (const std::string& entry : entries) {
    KillRule rule = ReadKillRule(entry);
    upperPatterns_.push_back(rule.like ? UCase(rule.title) : std::string());
    needOwners_ = needOwners_ || rule.ReachesEveryWindow();
    needExecutables_ = needExecutables_ || !rule.executable.empty();
    rules_.push_back(std::move(rule));
  }
}

bool KillRules::Matches(int position, const RuleCandidate& c) const {
  const auto at = static_cast<std::size_t>(position);
  const KillRule& rule = rules_[at];
  if (rule.plain) return c.recorded && c.listTitle == rule.title;
  if (rule.ReachesEveryWindow() ? c.untouchable : !c.recorded) return false;
  if (rule.disabled == c.enabled) return false;
  if (c.title.empty()) return false;
  if (!rule.windowClass.empty() && UCase(c.windowClass) != rule.windowClass) return false;
  if (!rule.executable.empty() && UCase(c.executable) != rule.executable) return false;
  return rule.like ? MatchesPattern(upperPatterns_[at], UCase(c.title)) : c.title == rule.title;
}

int KillRules::FirstMatch(const RuleCandidate& candidate) const {
  for (int p = 0; p < Count(); ++p)
    if (Matches(p, candidate)) return p;
  return -1;
}

bool IsShellWindowClass(std::string_view windowClass) {
  // The desktop ("Progman", and "WorkerW" behind its wallpaper) and the
  // taskbars.
  static constexpr std::array<std::string_view, 4> kShell = {"PROGMAN", "WORKERW", "SHELL_TRAYWND",
                                                             "SHELL_SECONDARYTRAYWND"};
  const std::string upper = UCase(windowClass);
  for (const std::string_view shell : kShell)
    if (upper == shell) return true;
  return false;
}

}  // namespace vantrel
