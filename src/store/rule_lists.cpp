#include "store/rule_lists.h"

#include <string>

#include "common/text.h"

namespace vantrel {
namespace {

template <class KeyOf>
RuleListLoad LoadRuleList(const ModuleINI& ini, std::string_view countKey, int limit,
                          KeyOf keyOf, ListControl& list) {
  RuleListLoad result;
  const std::string stored = ini.ReadIniValue(countKey);
  const std::optional<long long> count = ParseCount(stored);
  if (count && *count <= limit) {
    for (int p = 0; p < static_cast<int>(*count); ++p) list.Add(ini.ReadIniValue(keyOf(p)));
    result.countText = stored;
    result.loaded = static_cast<int>(*count);
    result.countWasValid = true;
    return result;
  }
  if (count) {
    for (int p = 0; p < limit; ++p) list.Add(ini.ReadIniValue(keyOf(p)));
    result.loaded = limit;
  } else {
    for (int p = 0; p < limit; ++p) {
      std::string value = ini.ReadIniValue(keyOf(p));
      if (value.empty()) break;
      list.Add(value);
      ++result.loaded;
    }
  }
  if (!stored.empty() || result.loaded > 0) result.countText = CStr(result.loaded);
  return result;
}

}  // namespace

std::string TitleKey(int position) { return CStr(position); }

std::string SizeRuleKey(int position) {
  std::string key = "C";
  key += CStr(position);
  return key;
}

RuleListLoad LoadTitleList(const ModuleINI& ini, ListControl& list2) {
  return LoadRuleList(ini, kTitleCountKey, kMaxTitles, TitleKey, list2);
}

RuleListLoad LoadSizeRules(const ModuleINI& ini, ListControl& list4) {
  return LoadRuleList(ini, kSizeRuleCountKey, kMaxSizeRules, SizeRuleKey, list4);
}

}  // namespace vantrel
