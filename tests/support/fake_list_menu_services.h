// Stand-ins for the colour chooser, the date names and the file probe of
// the list menus.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour_dialog.h"
#include "platform/date_names.h"
#include "platform/path_probe.h"

namespace vantrel::test {

// Records every request and answers with the colour set beforehand, or a
// cancellation when none is.
class FakeColourDialog final : public ColourDialog {
 public:
  std::optional<std::int32_t> ChooseColour(const ColourDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<std::int32_t> answer;
  std::vector<ColourDialogRequest> requests;
};

// The names of English or French, computed from the date itself.
class FakeDateNames final : public DateNames {
 public:
  enum class Language { English, French };
  explicit FakeDateNames(Language language = Language::English) : language(language) {}

  std::string MonthName(const CalendarDate& date) override {
    static const char* const kEnglish[] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
    static const char* const kFrench[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                          "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    if (date.month < 1 || date.month > 12) return {};
    return (language == Language::English ? kEnglish : kFrench)[date.month - 1];
  }
  std::string AbbreviatedMonthName(const CalendarDate& date) override {
    const std::string full = MonthName(date);
    return language == Language::English ? full.substr(0, 3) : full.substr(0, 4);
  }
  std::string WeekDayName(const CalendarDate& date) override {
    static const char* const kEnglish[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    static const char* const kFrench[] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    if (date.month < 1 || date.month > 12) return {};
    // Zeller's congruence, 0 = Saturday.
    int y = date.year;
    int m = date.month;
    if (m < 3) {
      m += 12;
      --y;
    }
    const int h = (date.day + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
    const int sundayFirst = (h + 6) % 7;
    return (language == Language::English ? kEnglish : kFrench)[sundayFirst];
  }

  Language language;
};

// Paths given their kind by the test; every other path names nothing.
class FakePathProbe final : public PathProbe {
 public:
  PathKind Probe(std::string_view path) const override {
    asked.emplace_back(path);
    const auto it = kinds.find(std::string(path));
    return it == kinds.end() ? PathKind::None : it->second;
  }
  std::map<std::string, PathKind> kinds;
  mutable std::vector<std::string> asked;
};

}  // namespace vantrel::test
