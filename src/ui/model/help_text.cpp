#include "ui/model/help_text.h"

#include <cmath>

#include "common/text.h"
#include "ui/model/twips.h"

namespace vantrel {
namespace {

constexpr const char* kCrLf = "\r\n";

constexpr unsigned kRed = HelpRgb(255, 0, 0);
constexpr unsigned kLightBlue = HelpRgb(128, 128, 255);
constexpr unsigned kGreen = HelpRgb(0, 255, 0);
constexpr unsigned kYellow = HelpRgb(255, 255, 0);
constexpr unsigned kCyan = HelpRgb(0, 255, 255);
constexpr unsigned kBlue = HelpRgb(0, 0, 255);
constexpr unsigned kWhite = HelpRgb(255, 255, 255);

HelpStyle Style(std::optional<unsigned> colour, std::optional<bool> a, std::optional<bool> b, HelpAlign align) {
  return HelpStyle{colour, a, b, align};
}

// The program's other tools, name then what it does: the heading, then
// seven pairs (entries 23 to 37).
struct Companion {
  const char* name;
  const char* description;
};
constexpr Companion kCompanions[7] = {
    {"make_skin.py", "dessine le décor de Vantrel : fonds, boutons, icônes et pointeur."},
    {"make_wave.py", "compose le petit carillon joué à chaque fenêtre supprimée."},
    {"victim.exe", "ouvre des fenêtres pop-up d'essai que Vantrel doit fermer."},
    {"driver.exe", "pilote Vantrel de l'extérieur pendant les essais de bout en bout."},
    {"wine-run.sh", "lance les programmes Windows sous Wine, dans un préfixe propre."},
    {"test-all.sh", "exécute tous les essais : unitaires, Win32 et de bout en bout."},
    {"install-deps.sh", "installe les outils nécessaires à la compilation et aux essais."},
};

}  // namespace

HelpStyle DefaultHelpStyle() { return Style(kWhite, false, false, HelpAlign::Left); }

std::vector<HelpEntry> HelpEntries(std::string_view title) {
  const std::string name(title);
  const std::string crlf = kCrLf;
  const HelpStyle plain = DefaultHelpStyle();
  const HelpStyle heading = Style(kCyan, false, true, HelpAlign::Left);
  const HelpStyle rule = Style(kBlue, {}, {}, HelpAlign::Centre);
  const std::string underscores(39, '_');

  std::vector<std::pair<std::string, HelpStyle>> utf8 = {
      {name + " V1.0" + crlf, Style(kRed, true, true, HelpAlign::Centre)},
      {"Freeware - un logiciel complètement gratuit ..." + crlf, Style(kLightBlue, {}, {}, HelpAlign::Centre)},
      {"Vous en avez assez d'être polué en permanence par des fenêtres lors de vos navigations sur Internet !",
       Style(kGreen, {}, {}, HelpAlign::Left)},
      {name + " va se charger de les enlever pour vous ...." + crlf + crlf, Style(kYellow, {}, {}, HelpAlign::Left)},
      {"Ecran Principal ", Style(kCyan, true, true, HelpAlign::Left)},
      {"contient la liste des fenêtres surveillées, en plus de celà vous avez la possibilité d'ajouter de "
       "nouvelles conditions de surveillance dans ",
       plain},
      {crlf + "Options", heading},
      {"Cette fenêtre vous donne la possibilité de :", plain},
      {"- définition de la taille des fenêtres à surveiller", plain},
      {"- démarrage automatique de ", plain},
      {name, Style(kYellow, {}, {}, HelpAlign::Unchanged)},
      {"- démarrage du programme en mode caché (Icone dans la barre de tache)", plain},
      {"- paramétrage de l'option sonore lors des suppressions des fenêtres", plain},
      {"- définition des types de navigateurs utilisés (IE, Netscape, etc ...)" + crlf, plain},
      {"Fenêtres ", heading},
      {"recense en temps réel les fenêtres connectés sur internet" + crlf, plain},
      {"Statistiques", heading},
      {"permet se garder les traces des dernières pages supprimées" + crlf, plain},
      {underscores + crlf, rule},
      {"Visiter mon ", Style(kYellow, {}, {}, HelpAlign::Centre)},
      {"site", Style(kGreen, {}, true, HelpAlign::Unchanged)},
      {" pour obtenir la dernière mise à jour du logiciel." + crlf, Style(kYellow, {}, false, HelpAlign::Unchanged)},
      {underscores + crlf, rule},
      {"Les outils compagnons de " + name + crlf, Style(kGreen, {}, {}, HelpAlign::Centre)},
  };
  for (const Companion& companion : kCompanions) {
    utf8.push_back({companion.name, Style(kBlue, {}, true, HelpAlign::Unchanged)});
    utf8.push_back({std::string(companion.description) + crlf, plain});
  }
  utf8.push_back({std::string(36, '.') + crlf, rule});
  utf8.push_back({"Alors n'hésitez plus, double-cliquer ", plain});
  utf8.push_back({"ICI", Style(kGreen, {}, true, HelpAlign::Unchanged)});
  utf8.push_back({" pour me rendre visite ;)", plain});
  while (utf8.size() < static_cast<std::size_t>(kHelpEntryCount)) utf8.push_back({"", plain});

  std::vector<HelpEntry> entries;
  entries.reserve(utf8.size());
  for (const auto& [text, style] : utf8) entries.push_back(HelpEntry{AnsiFromUtf8(text), style});
  return entries;
}

std::string_view HelpSeparator(int index) {
  switch (index) {
    case 10:
    case 20:
    case 21:
    case 40:
    case 41: return " ";
    default: return kCrLf;
  }
}

ComposedHelp ComposeHelpText(const std::vector<HelpEntry>& entries) {
  ComposedHelp composed;
  composed.runs.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::size_t start = composed.text.size();
    composed.text += HelpSeparator(static_cast<int>(i));
    composed.text += entries[i].text;
    composed.runs.push_back(HelpRun{start, composed.text.size() - start});
  }
  return composed;
}

std::size_t BoxPosition(std::string_view text, std::size_t position) {
  if (position > text.size()) position = text.size();
  std::size_t pairs = 0;
  for (std::size_t i = 0; i + 1 < position; ++i)
    if (text[i] == '\r' && text[i + 1] == '\n') ++pairs;
  return position - pairs;
}

std::string HelpTitle() { return "Aide + A Propos"; }

int NextHelpTop(int topTwips, int boxHeightTwips, int frameHeightTwips) {
  const long long top = static_cast<long long>(topTwips) - kHelpScrollStepTwips;
  if (top + boxHeightTwips < 0) return frameHeightTwips;
  return static_cast<int>(top);
}

int HelpPixels(int twips) { return PixelsFromTwips(twips); }

bool HelpScroller::Tick() {
  if (!running_) return false;
  top_ = NextHelpTop(top_);
  return true;
}

HelpAction HelpMouse::ButtonDown(HelpTarget target) {
  pressed_ = target;
  return HelpAction::None;
}

HelpAction HelpMouse::ButtonUp(HelpTarget target) {
  const bool click = pressed_ == target;
  pressed_.reset();
  return click ? HelpAction::ToggleScroll : HelpAction::None;
}

HelpAction HelpMouse::DoubleClick(HelpTarget target) {
  // The release that follows belongs to the double click, not to a click.
  pressed_.reset();
  return target == HelpTarget::Text ? HelpAction::OpenWebSite : HelpAction::None;
}

}  // namespace vantrel
