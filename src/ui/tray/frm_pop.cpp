#include "ui/tray/frm_pop.h"

#include <shellapi.h>

#include <string>

#include "common/text.h"

namespace vantrel {
namespace {

constexpr const char* kClassName = "VantrelPop";
constexpr UINT kSiteId = 100;

struct ItemSpec {
  UINT id;
  const char* caption;  // UTF-8, markup included
  bool enabled;
};

// The tray menu in order. Separators have the id 0.
constexpr ItemSpec kItems[] = {
    {kSiteId, "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}", true},
    {101, "Afficher Vantrel{IMG:i6}", false},
    {102, "Voir liste des Fenêtres{IMG:i2}", true},
    {103, "Voir les Options{IMG:i8}", true},
    {104, "Voir les Statistiques{IMG:i4}", true},
    {0, "-", true},
    {105, "Supprimer Toutes les Fenêtres en cours{IMG:i3}", true},
    {0, "-", true},
    {106, "Minimizer{IMG:i1}", true},
    {0, "-", true},
    {107, "Afficher l'Aide{IMG:i9}", true},
    {108, "Visiter le site Web{IMG:i14}", true},
    {0, "-", true},
    {109, "Quitter{IMG:i11}", true},
};

}  // namespace

UINT TrayItemId(TrayItem item) {
  switch (item) {
    case TrayItem::affpopup: return 101;
    case TrayItem::afffenete: return 102;
    case TrayItem::affoption: return 103;
    case TrayItem::affstat: return 104;
    case TrayItem::SuppTout: return 105;
    case TrayItem::minin: return 106;
    case TrayItem::affhelp: return 107;
    case TrayItem::web: return 108;
    case TrayItem::Quitter: return 109;
  }
  return 0;
}

FrmPop::~FrmPop() { Unload(); }

bool FrmPop::Load(HINSTANCE instance, Commands commands) {
  if (window_) return true;
  commands_ = std::move(commands);
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // Never shown: it owns the menu and receives its commands.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "FrmPop", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                            this);
  if (!window_) return false;

  menu_ = CreatePopupMenu();
  for (const ItemSpec& item : kItems) {
    if (item.id == 0) {
      AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string caption = AnsiFromUtf8(item.caption);
    AppendMenuA(menu_, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.id, caption.c_str());
  }
  // The menu engine draws the menu from the markup of its captions. Should
  // hooking fail, the menu still works as a plain one.
  engine_.Hook(window_, instance);
  return true;
}

void FrmPop::Unload() {
  // The engine lets go of the window and the menu before they go.
  engine_.Unhook();
  if (menu_) {
    DestroyMenu(menu_);
    menu_ = nullptr;
  }
  if (window_) {
    HWND w = window_;
    window_ = nullptr;
    SetWindowLongPtrA(w, GWLP_USERDATA, 0);
    DestroyWindow(w);
  }
}

void FrmPop::SetEnabled(TrayItem item, bool enabled) {
  if (menu_) EnableMenuItem(menu_, TrayItemId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool FrmPop::Enabled(TrayItem item) const {
  if (!menu_) return false;
  const UINT state = GetMenuState(menu_, TrayItemId(item), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void FrmPop::Popup(bool mainWindowVisible) {
  if (!menu_) return;
  SetEnabled(TrayItem::minin, mainWindowVisible);
  POINT at{};
  GetCursorPos(&at);
  // The menu belongs to a foreground window, or it stays open when the user
  // clicks elsewhere; the posted message lets the next click close it.
  SetForegroundWindow(window_);
  TrackPopupMenu(menu_, 0, at.x, at.y, 0, window_, nullptr);
  PostMessageA(window_, WM_NULL, 0, 0);
}

void FrmPop::OpenWebSite() { ShellExecuteA(window_, "open", kWebSite, nullptr, nullptr, SW_SHOWNORMAL); }

void FrmPop::OnCommand(UINT id) {
  const auto run = [](const std::function<void()>& f) {
    if (f) f();
  };
  switch (id) {
    case kSiteId:
    case 108: OpenWebSite(); break;
    case 101: run(commands_.showMain); break;
    case 102: run(commands_.showWindowsPage); break;
    case 103: run(commands_.showOptionsPage); break;
    case 104: run(commands_.showStatsPage); break;
    case 105: run(commands_.destroyAll); break;
    case 106: run(commands_.hideMain); break;
    case 107: run(commands_.showHelpPage); break;
    case 109: run(commands_.quit); break;
    default: break;
  }
}

LRESULT CALLBACK FrmPop::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<FrmPop*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message == WM_COMMAND && HIWORD(wParam) == 0) {
    try {
      self->OnCommand(LOWORD(wParam));
    } catch (...) {
      // A command never takes the program down.
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantrel
