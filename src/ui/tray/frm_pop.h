// The hidden form that owns the tray menu: its items, their enabled states
// and what choosing each does.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/form_window.h"
#include "ui/model/tray_items.h"
#include "platform/win32/win32_handles.h"
#include "ui/tray/tray_menu_engine.h"

namespace vantrel {

// The maker's web site, opened by "Visiter le site Web" and the sidebar.
inline constexpr const char* kWebSite = "https://vantrel.example.org/";

class FrmPop final : public TrayMenuItems, public FormWindow {
 public:
  struct Commands {
    std::function<void()> showMain;         // Afficher Vantrel
    std::function<void()> showWindowsPage;  // Voir liste des Fenêtres
    std::function<void()> showOptionsPage;  // Voir les Options
    std::function<void()> showStatsPage;    // Voir les Statistiques
    std::function<void()> showHelpPage;     // Afficher l'Aide
    std::function<void()> destroyAll;       // Supprimer Toutes les Fenêtres en cours
    std::function<void()> hideMain;         // Minimizer
    std::function<void()> quit;             // Quitter
  };

  FrmPop() = default;
  FrmPop(const FrmPop&) = delete;
  FrmPop& operator=(const FrmPop&) = delete;
  ~FrmPop() override;

  bool Load(HINSTANCE instance, Commands commands);
  void Unload();
  bool Loaded() const { return Window() != nullptr; }
  // True when the menu engine draws the tray menu.
  bool MenuEngineHooked() const { return engine_.Hooked(); }
  HMENU Menu() const { return menu_.Get(); }

  // "Minimizer" follows the main window's visibility; then the menu opens
  // at the pointer.
  void Popup(bool mainWindowVisible);
  void OpenWebSite();

  void SetEnabled(TrayItem item, bool enabled) override;
  bool Enabled(TrayItem item) const override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(UINT id);

  TrayMenuEngine engine_;  // outlives the window it hooks
  OwnedWindow window_;
  win32::UniqueHMenu menu_;
  Commands commands_;
};

// The menu item identifier of a tray item.
UINT TrayItemId(TrayItem item);

}  // namespace vantrel
