#include "ui/tray/frm_pop.h"

#include <shellapi.h>

#include <string>

#include "common/text.h"

namespace vantrel {
namespace {

constexpr const char* kClassName = "VantrelPop";
constexpr UINT kSiteId = 100;

constexpr UINT Id(TrayItem item) { return static_cast<UINT>(item); }

struct TrayMenuLine {
  UINT id;
  const char* caption;  // UTF-8, markup included
  bool enabled;
};

// The tray menu in order. Separators have the id 0.
constexpr TrayMenuLine kItems[] = {
    {kSiteId, "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}", true},
    {Id(TrayItem::ShowMain), "Afficher Vantrel{IMG:i6}", false},
    {Id(TrayItem::WindowsPage), "Voir liste des Fenêtres{IMG:i2}", true},
    {Id(TrayItem::OptionsPage), "Voir les Options{IMG:i8}", true},
    {Id(TrayItem::StatisticsPage), "Voir les Statistiques{IMG:i4}", true},
    {0, "-", true},
    {Id(TrayItem::DestroyAll), "Supprimer Toutes les Fenêtres en cours{IMG:i3}", true},
    {0, "-", true},
    {Id(TrayItem::Minimise), "Minimizer{IMG:i1}", true},
    {0, "-", true},
    {Id(TrayItem::HelpPage), "Afficher l'Aide{IMG:i9}", true},
    {Id(TrayItem::WebSite), "Visiter le site Web{IMG:i14}", true},
    {0, "-", true},
    {Id(TrayItem::Quit), "Quitter{IMG:i11}", true},
};

}  // namespace

UINT TrayItemId(TrayItem item) { return Id(item); }

FrmPop::~FrmPop() { Unload(); }

bool FrmPop::Load(HINSTANCE instance, Commands commands) {
  if (Window()) return true;
  commands_ = std::move(commands);
  WNDCLASSA wc{};
  wc.lpfnWndProc = FormWindow::Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // Never shown: it owns the menu and receives its commands.
  window_ = OwnedWindow::Create(*this, FormWindowCreation{.exStyle = WS_EX_TOOLWINDOW,
                                                      .className = kClassName,
                                                      .title = "FrmPop",
                                                      .style = WS_POPUP,
                                                      .instance = instance});
  if (!window_) return false;

  menu_.Reset(CreatePopupMenu());
  for (const TrayMenuLine& item : kItems) {
    if (item.id == 0) {
      AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string caption = AnsiFromUtf8(item.caption);
    AppendMenuA(menu_.Get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.id, caption.c_str());
  }
  // The menu engine draws the menu from the markup of its captions. Should
  // hooking fail, the menu still works as a plain one.
  engine_.Hook(Window(), instance);
  return true;
}

void FrmPop::Unload() {
  // The engine lets go of the window and the menu before they go.
  engine_.Unhook();
  menu_.Reset();
  window_.Reset();
}

void FrmPop::SetEnabled(TrayItem item, bool enabled) {
  if (menu_) EnableMenuItem(menu_.Get(), TrayItemId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool FrmPop::Enabled(TrayItem item) const {
  if (!menu_) return false;
  const UINT state = GetMenuState(menu_.Get(), TrayItemId(item), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void FrmPop::Popup(bool mainWindowVisible) {
  if (!menu_) return;
  SetEnabled(TrayItem::Minimise, mainWindowVisible);
  POINT at{};
  GetCursorPos(&at);
  // The menu belongs to a foreground window, or it stays open when the user
  // clicks elsewhere; the posted message lets the next click close it.
  SetForegroundWindow(Window());
  TrackPopupMenu(menu_.Get(), 0, at.x, at.y, 0, Window(), nullptr);
  PostMessageA(Window(), WM_NULL, 0, 0);
}

void FrmPop::OpenWebSite() { ShellExecuteA(Window(), "open", kWebSite, nullptr, nullptr, SW_SHOWNORMAL); }

void FrmPop::OnCommand(UINT id) {
  const auto run = [](const std::function<void()>& f) {
    if (f) f();
  };
  if (id == kSiteId) {
    OpenWebSite();
    return;
  }
  switch (static_cast<TrayItem>(id)) {
    case TrayItem::WebSite: OpenWebSite(); break;
    case TrayItem::ShowMain: run(commands_.showMain); break;
    case TrayItem::WindowsPage: run(commands_.showWindowsPage); break;
    case TrayItem::OptionsPage: run(commands_.showOptionsPage); break;
    case TrayItem::StatisticsPage: run(commands_.showStatsPage); break;
    case TrayItem::DestroyAll: run(commands_.destroyAll); break;
    case TrayItem::Minimise: run(commands_.hideMain); break;
    case TrayItem::HelpPage: run(commands_.showHelpPage); break;
    case TrayItem::Quit: run(commands_.quit); break;
    default: break;
  }
}

LRESULT FrmPop::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == 0) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace vantrel
