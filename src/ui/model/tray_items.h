// The items of the tray menu, whose enabled state the main window keeps.
#pragma once

namespace vantrel {

// The tray menu's items; each value is the item's command id in the menu.
enum class TrayItem : unsigned {
  ShowMain = 101,        // affpopup: "Afficher Vantrel"
  WindowsPage = 102,     // afffenete: "Voir liste des Fenêtres"
  OptionsPage = 103,     // affoption: "Voir les Options"
  StatisticsPage = 104,  // affstat: "Voir les Statistiques"
  DestroyAll = 105,      // SuppTout: "Supprimer Toutes les Fenêtres en cours"
  Minimise = 106,        // minin: "Minimizer"
  HelpPage = 107,        // affhelp: "Afficher l'Aide"
  WebSite = 108,         // web: "Visiter le site Web"
  Quit = 109,            // Quitter
};

class TrayMenuItems {
 public:
  virtual ~TrayMenuItems() = default;
  virtual void SetEnabled(TrayItem item, bool enabled) = 0;
  virtual bool Enabled(TrayItem item) const = 0;
};

}  // namespace vantrel
