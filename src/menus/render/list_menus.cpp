#include "menus/render/list_menus.h"

#include <cmath>
#include <exception>
#include <memory>
#include <optional>

#include "common/text.h"
#include "menus/model/caption_markup.h"
#include "menus/model/colour_values.h"
#include "menus/model/file_information.h"
#include "menus/render/c_tips.h"
#include "menus/render/list_calendar.h"
#include "store/settings.h"

namespace vantrel {

const NamedColour kListColours[24] = {
    {"Couleur par Défaut", 16761024}, {"Noir", 0},         {"Bleu", 16711680},       {"Marron", 17510},
    {"Cyan", 16776960},               {"Doré", 43724},     {"Gris", 8421504},        {"Vert Clair", 65280},
    {"Vert Foncé", 32896},            {"Ivoire", 15794175}, {"Magenta", 16711935},   {"Bordeau", 128},
    {"Bleu Foncé", 8388608},          {"Orange", 42495},   {"Pêche", 12180223},      {"Pourpre", 8388736},
    {"Rouge", 255},                   {"Gris Clair", 12632256}, {"Pêche Foncé", 9221330}, {"Vert", 8421376},
    {"Turquoise", 13749760},          {"Violet", 9445584}, {"Blanc", 16777215},      {"Jaune", 65535},
};

const NamedState kListStates[51] = {
    {"Alabama", "AL"},        {"Alaska", "AK"},         {"Arizona", "AZ"},        {"Arkansas", "AR"},
    {"California", "CA"},     {"Colorado", "CO"},       {"Connecticut", "CT"},    {"Delaware", "DE"},
    {"District of Columbia", "DC"}, {"Florida", "FL"},  {"Georgia", "GA"},        {"Hawaii", "HI"},
    {"Idaho", "ID"},          {"Illinois", "IL"},       {"Indiana", "IN"},        {"Iowa", "IA"},
    {"Kansas", "KS"},         {"Kentucky", "KY"},       {"Louisiana", "LA"},      {"Maine", "ME"},
    {"Maryland", "MD"},       {"Massachusettes", "MA"}, {"Michigan", "MI"},       {"Minnesota", "MN"},
    {"Mississippi", "MS"},    {"Missouri", "MO"},       {"Montana", "MT"},        {"Nebraska", "NE"},
    {"Nevada", "NV"},         {"New Hampshire", "NH"},  {"New Jersey", "NJ"},     {"New Mexico", "NM"},
    {"New York", "NY"},       {"North Carolina", "NC"}, {"North Dakota", "ND"},   {"Ohio", "OH"},
    {"Oklahoma", "OK"},       {"Oregon", "OR"},         {"Pennsylvania", "PA"},   {"Rhode Island", "RI"},
    {"South Carolina", "SC"}, {"South Dakota", "SD"},   {"Tennessee", "TN"},      {"Texas", "TX"},
    {"Utah", "UT"},           {"Vermont", "VT"},        {"Virginia", "VA"},       {"Washington", "WA"},
    {"West Virginia", "WV"},  {"Wisconsin", "WI"},      {"Wyoming", "WY"},
};

namespace {

constexpr const char* kCustomColourCaption = "Sélectionner une couleur Personnalisée";
constexpr const char* kNoSelections = "-No Selections Available{";

// The keys a generated entry may carry, in the order a selection looks for them.
constexpr std::string_view kEntryKeys[] = {"LColor:", "LMonth:", "LState:", "LDay:", "LDate:", "LFont:", "LDrv:"};

bool SameNoCase(std::string_view a, std::string_view b) { return UCase(a) == UCase(b); }

// A whole number in int range from a number read by Val; nothing otherwise.
std::optional<int> WholeInt(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  const long long whole = RoundHalfEven(value);
  return static_cast<int>(whole);
}

// A list control's window handle as a generated key writes it.
std::string HandleNumber(WindowHandle window) { return MenuKeyNumber(window); }

// ListSource back to a window handle: 32-bit values, sign-extended.
WindowHandle WindowOfSource(std::int32_t source) {
  return static_cast<WindowHandle>(static_cast<std::intptr_t>(source));
}

std::string WithoutNuls(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c != '\0') result.push_back(c);
  }
  return result;
}

std::string ReplaceAllExact(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  std::size_t start = 0;
  for (;;) {
    const std::size_t p = text.find(what, start);
    if (p == std::string_view::npos) break;
    result.append(text.substr(start, p - start));
    result.append(with);
    start = p + what.size();
  }
  result.append(text.substr(start));
  return result;
}

std::string LeadingIdentifier(std::string text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos) text.erase(colon);
  return text;
}

}  // namespace

std::string ListSubValue(std::string_view value, std::string_view key) {
  return GetMarkupValue(std::string(value) + "|", key);
}

// Appends entries to a generated popup; an entry that cannot be appended is
// left out and the others follow.
struct ListMenus::Builder {
  MenuAccess& menus;
  MenuHandle popup;
  // "{gControl:0|lvID:" and the identifier: every built-in entry's markup
  // starts so.
  std::string base;
  void Append(std::uint32_t flags, std::int32_t id, const std::string& caption) const {
    menus.AppendItem(popup, flags, static_cast<std::uintptr_t>(static_cast<std::uint32_t>(id)), caption);
  }
};

MenuHandle ListMenus::ReplaceSubMenu(cMenuItems& handler, std::int16_t position, MenuHandle hMenu) {
  MenuAccess& menus = handler.Services().menus;
  // The new popup first: when none can be made, the item keeps the one it has.
  const MenuHandle created = menus.CreatePopupMenu();
  if (created == 0) return 0;
  const MenuHandle old = menus.GetSubMenu(hMenu, position);
  if (old != 0 && old != created) {
    handler.RemoveDelegate(old);
    menus.DestroyMenu(old);
    handler.RemoveItemKey(MenuKeyNumber(old) + "." + MenuKeyNumber(hMenu));
  }
  return created;
}

void ListMenus::RegisterPopup(cMenuItems& handler, MenuHandle popup, bool slow, std::string_view tip) {
  auto child = std::make_unique<cMenuItems>(handler.Services());
  child->InitializeSubMenu(handler.Form(), handler.ImageListObject(), handler.ShowTips(), true, slow ? popup : 0, tip,
                           0);
  handler.AddDelegate(popup, std::move(child));
}

MenuHandle ListMenus::ExpandListControl(cMenuItems& handler, std::int16_t position, MenuHandle hMenu,
                                        std::uint8_t listKind, WindowHandle listWindow, std::string_view markup) {
  MenuHandle popup = 0;
  try {
    const ListControlKind kind = listKind != 0 ? ListControlKind::ListBox : ListControlKind::ComboBox;
    const std::int32_t style = s_.lists.Style(listWindow);
    bool multiSel = false;
    if (kind == ListControlKind::ListBox) {
      if ((style & list_style::MultiColumn) != 0) return 0;
      multiSel = (style & (list_style::MultipleSel | list_style::ExtendedSel)) != 0;
    } else if ((style & (list_style::OwnerDrawFixed | list_style::OwnerDrawVariable)) != 0) {
      return 0;
    }

    popup = ReplaceSubMenu(handler, position, hMenu);
    if (popup == 0) return 0;
    Builder b{handler.Services().menus, popup, {}};

    std::string base = "gControl:" + HandleNumber(listWindow) + "|LIndex:x";
    bool slow = false;
    bool pathMode = false;
    std::string files = GetMarkupValue(markup, "Files:");
    if (kind == ListControlKind::ListBox && !files.empty()) {
      if (SameNoCase(files, "-1")) {
        pathMode = true;
      } else {
        if (files.back() != '\\') files += '\\';
        if (s_.paths.Probe(files) == PathKind::Folder) {
          base += "|gEXE:" + files;
          slow = true;
        } else {
          pathMode = true;
        }
      }
    }
    base += "|gType:" + CStr(multiSel ? listKind + 1 : listKind);

    const int count = s_.lists.Count(listWindow, kind);
    const int last = count - 1;
    const int cur = s_.lists.CurrentSelection(listWindow, kind);
    const int shown = last < kMaxListControlEntries ? last : kMaxListControlEntries - 1;
    for (int i = 0; i <= shown; ++i) {
      try {
        const std::optional<std::string> buffer = s_.lists.EntryBuffer(listWindow, kind, i);
        const std::string text(TrimSpaces(WithoutNuls(buffer.value_or(std::string()))));
        const bool checked = multiSel ? s_.lists.SelectionState(listWindow, i) > 0 : i == cur;

        std::string caption;
        const std::size_t brace = text.find('{');
        if (brace != std::string::npos) {
          caption = text.substr(0, brace + 1) + base + "|" + text.substr(brace + 1);
        } else if (pathMode) {
          const std::string shortName =
              s_.files != nullptr ? GetShortFileName(text, *s_.files) : text;
          const std::string folder = PathPart(shortName, "P");
          const std::string name = PathPart(text, "N");
          std::string extra = "|";
          if (s_.paths.Probe(folder + name) != PathKind::None) {
            extra = "|gEXE:" + folder;
            slow = true;
          }
          caption = name + "{" + base + extra + "}";
        } else {
          caption = text + "{" + base + "}";
        }
        caption = ReplaceNoCase(caption, "LIndex:x", "LIndex:" + CStr(i));
        caption = ReplaceAllExact(caption, "&", "&&");
        b.Append(checked ? list_entry_flag::Checked : list_entry_flag::Plain, kFirstListEntryID - i, caption);
      } catch (const std::exception&) {
        // This entry is left out; the others follow.
      }
    }
    if (last == -1) {
      b.Append(list_entry_flag::Unavailable, kFirstListEntryID, kNoSelections + base + "|Raised}");
    }
    RegisterPopup(handler, popup, slow, GetMarkupValue(markup, "Tip:"));
  } catch (const std::exception&) {
    // What was built stands.
  }
  return popup;
}

MenuHandle ListMenus::ExpandListMenu(cMenuItems& handler, std::int16_t position, MenuHandle hMenu,
                                     std::string_view key, std::string_view value, std::string_view tip) {
  MenuHandle popup = 0;
  try {
    popup = ReplaceSubMenu(handler, position, hMenu);
    if (popup == 0) return 0;
    std::string rest(value);
    const std::string id = LeadingIdentifier(ListSubValue(rest, "ID:"));
    if (!id.empty()) rest = ReplaceNoCase(rest, ":ID:" + id, "");
    Builder b{handler.Services().menus, popup, "{gControl:0|lvID:" + id};

    bool slow = false;
    try {
      if (SameNoCase(key, "lvColors:")) {
        BuildColours(b, rest);
      } else if (SameNoCase(key, "lvMonths:")) {
        BuildMonths(b, rest);
      } else if (SameNoCase(key, "lvDays:")) {
        BuildWeekDays(b, rest);
      } else if (SameNoCase(key, "lvStates:")) {
        BuildStates(b, rest);
        slow = true;
      } else if (SameNoCase(key, "lvMonth:")) {
        BuildMonthDays(b, rest);
      }
      // Other keys ("lvFonts:", "lvDrives:") leave the popup empty.
    } catch (const std::exception&) {
    }
    RegisterPopup(handler, popup, slow, tip);
  } catch (const std::exception&) {
  }
  return popup;
}

void ListMenus::BuildColours(Builder& b, const std::string& value) {
  std::int32_t current = -1;
  if (!value.empty() && Val(value) != -1.0) current = ColorFromValue(value, -1, s_.colours);
  const double stored =
      Val(s_.settings.GetSetting(kAppName, kFontSection, kFontColorKey, "0"));
  for (int i = 1; i <= 24; ++i) {
    const NamedColour& c = kListColours[i - 1];
    const std::string caption = AnsiFromUtf8(c.name) + b.base + "|LColor:" + CStr(c.colour) + "}";
    b.Append(static_cast<double>(c.colour) == stored ? list_entry_flag::Checked : list_entry_flag::Plain,
             kFirstListEntryID - i, caption);
  }
  b.Append(list_entry_flag::Separator, kFirstListEntryID - 25, "-{Raised}");
  b.Append(list_entry_flag::Plain, kFirstListEntryID - 26,
           AnsiFromUtf8(kCustomColourCaption) + b.base + "|LDefClr:" + CStr(current) + "|LColor:-1}");
}

void ListMenus::BuildMonths(Builder& b, const std::string& value) {
  double selected = Val(value);
  if (selected == 0) selected = s_.clock.Now().month;
  const std::string group = LeadingIdentifier(ListSubValue(value, "Group:"));
  const bool calendar = SameNoCase(group, "CYQtr");
  const bool fiscal = SameNoCase(group, "FYQtr");
  if (calendar) b.Append(list_entry_flag::Separator, kFirstListEntryID, "-First Quarter{Raised}");
  if (fiscal) b.Append(list_entry_flag::Separator, kFirstListEntryID, "-1st Fiscal Quarter{Raised}");
  static constexpr int kFiscalMonths[12] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  int k = 1;
  for (int i = 1; i <= 12; ++i) {
    const int m = fiscal ? kFiscalMonths[i - 1] : i;
    if (i == 4 || i == 7 || i == 10) {
      const int q = (i - 1) / 3;  // 1, 2, 3
      if (calendar) {
        static constexpr const char* kNames[] = {"Second", "Third", "Fourth"};
        b.Append(list_entry_flag::Separator, kFirstListEntryID - k,
                 std::string("-") + kNames[q - 1] + " Quarter{Raised}");
        ++k;
      } else if (fiscal) {
        static constexpr const char* kNames[] = {"2nd", "3rd", "4th"};
        b.Append(list_entry_flag::Separator, kFirstListEntryID - k,
                 std::string("-") + kNames[q - 1] + " Fiscal Quarter{Raised}");
        ++k;
      }
    }
    const std::string name = s_.dates.MonthName(CalendarDate{1962, m, 7});
    b.Append(static_cast<double>(m) == selected ? list_entry_flag::Checked : list_entry_flag::Plain,
             kFirstListEntryID - k, name + b.base + "|LMonth:" + CStr(m) + "}");
    ++k;
  }
}

void ListMenus::BuildWeekDays(Builder& b, const std::string& value) {
  const std::int32_t today = DateSerial(DateOf(s_.clock.Now()));
  const int todayWeekDay = WeekDayOfSerial(today);
  double selected = Val(value);
  if (selected == 0) selected = todayWeekDay;
  // The names come from the days of the coming week, Sunday first.
  const int offset = todayWeekDay == 1 ? 0 : 8 - todayWeekDay;
  for (int i = 1; i <= 7; ++i) {
    const std::string name = s_.dates.WeekDayName(DateFromSerial(today + offset + i - 1));
    b.Append(static_cast<double>(i) == selected ? list_entry_flag::Checked : list_entry_flag::Plain,
             kFirstListEntryID - i, name + b.base + "|LDay:" + CStr(i) + "}");
  }
}

void ListMenus::BuildStates(Builder& b, const std::string& value) {
  // Two characters name a state ("ca"); the empty value reads "0".
  const std::string selected = value.size() >= 2 ? value.substr(0, 2) : std::string();
  for (int i = 1; i <= 51; ++i) {
    const NamedState& state = kListStates[i - 1];
    const bool checked = !selected.empty() && SameNoCase(state.code, selected);
    b.Append(checked ? list_entry_flag::Checked : list_entry_flag::Plain, kFirstListEntryID - i,
             std::string(state.name) + b.base + "|LState:" + state.code + "}");
  }
}

void ListMenus::BuildMonthDays(Builder& b, const std::string& value) {
  const LocalTime now = s_.clock.Now();
  const double monthValue = Val(value);
  const std::optional<int> month = monthValue == 0 ? std::optional<int>(now.month) : WholeInt(monthValue);
  if (!month || *month < 1 || *month > 12) return;

  int year = now.year;
  const std::string yearText = ListSubValue(value, "Year:");
  if (!yearText.empty()) {
    const std::optional<int> given = WholeInt(Val(yearText));
    if (!given) return;
    year = *given < 1 ? now.year : *given;
  }
  // Days outside the platform's dates cannot be named.
  if (year < kFirstListYear || year > kLastListYear) return;

  double day = Val(ListSubValue(value, "Day:"));
  if (day == 0) day = now.day;

  const int n = DaysInMonth(year, *month);
  for (int d = 1; d <= n; ++d) {
    const CalendarDate date{year, *month, d};
    const std::int32_t serial = DateSerial(date);
    const std::string caption = s_.dates.AbbreviatedMonthName(date) + " " + CStr(d) + ", " +
                                s_.dates.WeekDayName(date) + b.base + "|LDate:" + CStr(serial) + "}";
    b.Append(static_cast<double>(d) == day ? list_entry_flag::Checked : list_entry_flag::Plain,
             kFirstListEntryID - d, caption);
  }
}

bool ListMenus::MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& hMenu, std::intptr_t lParam) {
  try {
    if (lParam == 0) {
      cMenuItems* delegate = handler.Delegate(hMenu);
      if (delegate == nullptr) return false;
      return delegate->MenuSelected(index, hMenu, 1);
    }

    const std::optional<int> n = handler.FindItem(index, hMenu);
    if (!n) return false;
    const MenuItemData record = handler.Item(*n);
    const std::string markup = SplitCaption(record.RawCaption).markup;
    for (const std::string_view key : kEntryKeys) {
      std::string v = GetMarkupValue(markup, key);
      if (!v.empty()) return SelectBuiltInEntry(handler, markup, key, std::move(v));
    }
    SelectControlEntry(record, markup);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ListMenus::SelectBuiltInEntry(cMenuItems& handler, std::string_view markup, std::string_view key,
                                   std::string v) {
  bool result = true;
  const std::string userId = GetMarkupValue(markup, "lvID:");
  // Resolved when raising: the colour chooser runs a message loop of its
  // own, in which the host may let its callback object go.
  const std::uintptr_t callback = handler.ShowTips();
  auto raise = [&](std::string category, TipValue value) {
    if (cTips* tips = cTips::FromToken(callback)) tips->RaiseCustomSelection(userId, std::move(category), std::move(value));
  };

  if (key == "LColor:") {
    const double colour = Val(v);
    if (colour != -1.0) {
      raise("Color", colour);
    } else {
      ColourDialogRequest request;
      request.owner = handler.Form();
      for (int j = 0; j < 16; ++j) {
        const std::int32_t grey = 15 * (j + 1);
        request.customColours[static_cast<std::size_t>(j)] = grey | (grey << 8) | (grey << 16);
      }
      const double initial = Val(GetMarkupValue(markup, "LDefClr:"));
      const std::optional<int> initialColour = WholeInt(initial);
      if (initial > -1 && initialColour) {
        request.initialColour = *initialColour;
        request.flags = colour_dialog_flag::RgbInit | colour_dialog_flag::FullOpen;
      } else {
        request.flags = colour_dialog_flag::AnyColor | colour_dialog_flag::FullOpen;
      }
      // The chooser is modal: a menu prepared meanwhile may replace this
      // handler's popup and end the handler, which is not touched after it.
      const std::optional<std::int32_t> chosen = s_.colourDialog.ChooseColour(request);
      if (chosen) {
        raise("Color", *chosen);
        v = CStr(*chosen);
      } else {
        result = false;
      }
    }
    s_.settings.SaveSetting(kAppName, kFontSection, kFontColorKey, v);
  } else if (key == "LMonth:") {
    raise("Month", Val(v));
  } else if (key == "LState:") {
    raise("State", v);
  } else if (key == "LDay:") {
    raise("WeekDay", Val(v));
  } else if (key == "LDate:") {
    const std::optional<int> serial = WholeInt(Val(v));
    if (serial) {
      const CalendarDate date = DateFromSerial(*serial);
      raise("DayOfMonth", TipDate{date.year, date.month, date.day});
    }
  } else if (key == "LFont:") {
    raise("Font", v);
    s_.settings.SaveSetting(kAppName, kFontSection, kFontNameKey, v);
  } else if (key == "LDrv:") {
    raise("Drive", v);
  }
  return result;
}

void ListMenus::SelectControlEntry(const MenuItemData& record, std::string_view markup) {
  if (record.ListSource == 0) return;
  const WindowHandle control = WindowOfSource(record.ListSource);
  if (!s_.windows.IsWindow(control)) return;
  const std::optional<int> idx = WholeInt(Val(GetMarkupValue(markup, "LIndex:")));
  if (!idx) return;
  switch (record.ListKind) {
    case 0:
      s_.lists.SetCurrentSelection(control, ListControlKind::ComboBox, *idx);
      break;
    case 1:
      s_.lists.SetCurrentSelection(control, ListControlKind::ListBox, *idx);
      break;
    case 2:
      s_.lists.SetSelectionState(control, *idx, (record.ItemFlags & item_flag::Checked) == 0);
      break;
    default:
      return;
  }
  const std::int32_t id = s_.lists.ControlId(control);
  const std::uintptr_t wParam =
      (static_cast<std::uintptr_t>(kSelectionChangeCode) << 16) | (static_cast<std::uint32_t>(id) & 0xFFFFu);
  s_.windows.SendWindowMessage(s_.windows.GetParent(control), kCommandMessage, wParam,
                               static_cast<std::intptr_t>(control));
}

}  // namespace vantrel
