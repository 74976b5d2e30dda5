// A window hooked with the menu engine whose menus use every kind of item
// the caption markup allows: pictures, checks, default, disabled, titled and
// raised separators, a text sidebar with breaks, a picture sidebar, a long
// popup that wraps into columns, system-command glyphs, right-hand texts and
// colour samples, and generated list menus (a list box and a combo box of
// the window, and every built-in list). The tooltip of the highlighted item
// shows in the title.
//
//   menu_gallery.exe                   the window; its menu bar opens the popups
//   menu_gallery.exe --open N [--select K] [--right 1] [--flag PATH]
//       opens popup N (1..6) at a fixed place (80, 80), moves the highlight
//       down K times with the keyboard (and, with --right, opens the
//       highlighted item's submenu), writes PATH when the popup is shown and
//       closes when PATH.done exists (or after 30 seconds).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "common/text.h"
#include "menus/model/application_forms.h"
#include "menus/render/c_tips.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/image_list_win32.h"
#include "ui/win32_menu_engine.h"

namespace {

using namespace vantrel;

constexpr const char* kClass = "VantrelMenuGallery";
constexpr UINT kOpenMessage = WM_APP + 1;
constexpr UINT_PTR kWatchTimer = 1;
constexpr int kOpenX = 80;
constexpr int kOpenY = 80;

struct Options {
  int open = 0;
  int select = 0;
  bool right = false;
  std::string flag;
};

Options g_options;
HMENU g_bar = nullptr;
DWORD g_openedAt = 0;
bool g_flagWritten = false;

std::string Ansi(const char* utf8) { return AnsiFromUtf8(utf8); }

void Append(HMENU menu, UINT flags, UINT_PTR id, const std::string& caption) {
  ::AppendMenuA(menu, flags, id, caption.c_str());
}

// --- Pictures drawn here, so the gallery needs no files. ---

COLORREF kKey = RGB(255, 0, 255);

HBITMAP NewBitmap(int width, int height) {
  const win32::WindowDC screen(nullptr);
  return ::CreateCompatibleBitmap(screen.Get(), width, height);
}

// A 16 x 16 picture on the key colour: shape 0 disc, 1 square, 2 diamond,
// 3 page, 4 bar chart, 5 cross.
HBITMAP MakeIconPicture(int shape, COLORREF colour) {
  HBITMAP bitmap = NewBitmap(16, 16);
  const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(nullptr);
  const win32::Selection selection(dc.Get(), bitmap);
  const win32::UniqueBrush key(::CreateSolidBrush(kKey));
  const win32::UniqueBrush fill(::CreateSolidBrush(colour));
  const win32::UniquePen outline(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  RECT all{0, 0, 16, 16};
  ::FillRect(dc.Get(), &all, key.Get());
  const win32::Selection brushSel(dc.Get(), fill.Get());
  const win32::Selection penSel(dc.Get(), outline.Get());
  switch (shape) {
    case 0:
      ::Ellipse(dc.Get(), 1, 1, 15, 15);
      break;
    case 1:
      ::Rectangle(dc.Get(), 2, 2, 14, 14);
      break;
    case 2: {
      const POINT points[] = {{8, 1}, {15, 8}, {8, 15}, {1, 8}};
      ::Polygon(dc.Get(), points, 4);
      break;
    }
    case 3:
      ::Rectangle(dc.Get(), 3, 1, 13, 15);
      ::MoveToEx(dc.Get(), 5, 5, nullptr);
      ::LineTo(dc.Get(), 11, 5);
      ::MoveToEx(dc.Get(), 5, 8, nullptr);
      ::LineTo(dc.Get(), 11, 8);
      ::MoveToEx(dc.Get(), 5, 11, nullptr);
      ::LineTo(dc.Get(), 11, 11);
      break;
    case 4:
      ::Rectangle(dc.Get(), 1, 9, 5, 15);
      ::Rectangle(dc.Get(), 6, 5, 10, 15);
      ::Rectangle(dc.Get(), 11, 1, 15, 15);
      break;
    default: {
      const POINT points[] = {{5, 1}, {11, 1}, {11, 5}, {15, 5}, {15, 11}, {11, 11},
                              {11, 15}, {5, 15}, {5, 11}, {1, 11}, {1, 5}, {5, 5}};
      ::Polygon(dc.Get(), points, 12);
      break;
    }
  }
  return bitmap;
}

// The picture of the picture sidebar: 48 x 48, a white ring with a "V" on
// the key colour (left out by the transparent copy).
HBITMAP MakeSidebarPicture() {
  HBITMAP bitmap = NewBitmap(48, 48);
  const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(nullptr);
  const win32::Selection selection(dc.Get(), bitmap);
  const win32::UniqueBrush key(::CreateSolidBrush(kKey));
  RECT all{0, 0, 48, 48};
  ::FillRect(dc.Get(), &all, key.Get());
  const win32::UniquePen ring(::CreatePen(PS_SOLID, 4, RGB(255, 255, 255)));
  const win32::Selection penSel(dc.Get(), ring.Get());
  const win32::Selection brushSel(dc.Get(), ::GetStockObject(NULL_BRUSH));
  ::Ellipse(dc.Get(), 4, 4, 44, 44);
  ::MoveToEx(dc.Get(), 15, 14, nullptr);
  ::LineTo(dc.Get(), 24, 34);
  ::LineTo(dc.Get(), 33, 14);
  return bitmap;
}

// The gallery window as the engine finds its controls: "List1" and "Combo1".
class GalleryForm final : public ApplicationForms {
 public:
  HWND window = nullptr;
  HWND list = nullptr;
  HWND combo = nullptr;

  std::size_t FormCount() const override { return window ? 1 : 0; }
  WindowHandle FormWindow(std::size_t form) const override {
    return form == 0 ? reinterpret_cast<WindowHandle>(window) : 0;
  }
  std::optional<FormControl> Control(std::size_t form, std::string_view name) const override {
    if (form != 0) return std::nullopt;
    if (UCase(name) == "LIST1") return FormControl{reinterpret_cast<WindowHandle>(list), 0};
    if (UCase(name) == "COMBO1") return FormControl{reinterpret_cast<WindowHandle>(combo), 0};
    return std::nullopt;
  }
  std::optional<FormControl> ControlItem(std::size_t, std::string_view, int) const override { return std::nullopt; }
};

struct Gallery {
  HWND window = nullptr;
  UniqueImageList images;
  std::vector<win32::UniqueBitmap> bitmaps;
  win32::UniqueBitmap sidebarPicture;
};

HMENU BuildMenus(Gallery& gallery) {
  HMENU bar = ::CreateMenu();
  const std::string sidebarHandle = CStr(static_cast<long long>(win32::ToNumber(gallery.sidebarPicture.Get())));

  HMENU pictures = ::CreatePopupMenu();
  Append(pictures, MF_STRING, 100,
         "{Sidebar|IMG:" + sidebarHandle + "|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}");
  Append(pictures, MF_STRING, 101, Ansi("Afficher Vantrel{IMG:i1|Default|Tip:Montre la fenêtre principale}"));
  Append(pictures, MF_STRING, 102, "Ouvrir{IMG:i4|Tip:Ouvre un fichier}\tCtrl+O");
  Append(pictures, MF_STRING, 103, "-Options");
  Append(pictures, MF_STRING, 104, "Voir les Options{IMG:i2}");
  Append(pictures, MF_STRING | MF_CHECKED, 105, Ansi("Case cochée"));
  Append(pictures, MF_STRING | MF_GRAYED, 106, Ansi("Image désactivée{IMG:i3}"));
  Append(pictures, MF_STRING, 107, "-{Raised}");
  Append(pictures, MF_STRING, 108, "Statistiques{IMG:i5|HotKey:Ctrl+S}");
  Append(pictures, MF_SEPARATOR, 0, "");
  Append(pictures, MF_STRING, 109, "Quitter{IMG:i6}\tAlt+F4");
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(pictures), "Images");

  HMENU text = ::CreatePopupMenu();
  HMENU more = ::CreatePopupMenu();
  Append(more, MF_STRING, 221, Ansi("Sous-élément{IMG:i1}"));
  Append(more, MF_STRING | MF_CHECKED, 222, Ansi("Sous-élément coché"));
  Append(text, MF_STRING, 200,
         "{Sidebar|Text:Vantrel<br>Galerie<br!>des menus|FColor:vbWhite|BColor:8388608|GColor:16744448|"
         "Font:Arial|FSize:14|Bold|Width:0}");
  Append(text, MF_STRING, 201, "Premier choix{Tip:Le premier}\tF2");
  Append(text, MF_STRING | MF_CHECKED, 202, Ansi("Coché"));
  Append(text, MF_STRING | MF_GRAYED, 203, Ansi("Désactivé\tF3"));
  Append(text, MF_STRING | MF_CHECKED | MF_GRAYED, 204, Ansi("Coché et désactivé"));
  Append(text, MF_STRING, 205, "-Titre");
  Append(text, MF_STRING, 206, Ansi("Par défaut{Default}"));
  Append(text, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "Plus{Tip:Un sous-menu}");
  Append(text, MF_STRING, 207, "Dernier & fin\tAlt+X");
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(text), "Texte");

  HMENU columns = ::CreatePopupMenu();
  Append(columns, MF_STRING, 300, "{Sidebar|Text:Colonnes|FColor:vbBlack|BColor:vbYellow|Width:0}");
  for (int i = 1; i <= 100; ++i) {
    Append(columns, MF_STRING, 300 + static_cast<UINT>(i),
           Ansi("Élément ") + CStr(i) + "{IMG:i" + CStr(1 + (i % 6)) + "}");
  }
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(columns), "Colonnes");

  HMENU system = ::CreatePopupMenu();
  Append(system, MF_STRING, 0xF120, "Restaurer");
  Append(system, MF_STRING, 0xF020, Ansi("Réduire"));
  Append(system, MF_STRING | MF_GRAYED, 0xF030, "Agrandir");
  Append(system, MF_SEPARATOR, 0, "");
  Append(system, MF_STRING, 0xF060, "Fermer{Default}\tAlt+F4");
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(system), Ansi("Système"));

  HMENU colours = ::CreatePopupMenu();
  Append(colours, MF_STRING, 501, "Rouge{gControl:1|LColor:255}");
  Append(colours, MF_STRING | MF_CHECKED, 502, "Vert{gControl:1|LColor:65280}");
  Append(colours, MF_STRING, 503, "Bleu{gControl:1|LColor:16711680}");
  Append(colours, MF_STRING, 504, "Autre...{gControl:1|LColor:-1}");
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(colours), "Couleurs");

  // Each item opens a list built anew at every opening.
  HMENU lists = ::CreatePopupMenu();
  Append(lists, MF_STRING, 601, "Couleur du texte{lvColors:255:ID:Fore|Tip:Couleur du texte}");
  Append(lists, MF_STRING, 602, "Liste{LB:List1|Tip:Une ligne de la liste}");
  Append(lists, MF_STRING, 603, "Combo{CB:Combo1}");
  Append(lists, MF_STRING, 604, "Mois{lvMonths:0:Group:CYQtr}");
  Append(lists, MF_STRING, 605, "Jours{lvDays:}");
  Append(lists, MF_STRING, 606, Ansi("États{lvStates:ca}"));
  Append(lists, MF_STRING, 607, Ansi("Février 2004{lvMonth:2:Year:2004}"));
  Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(lists), "Listes");
  return bar;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs inside the menu loop too: writes the flag once the popup is shown,
// ends the loop when asked or after 30 seconds.
void CALLBACK Watch(HWND window, UINT, UINT_PTR, DWORD) {
  if (!g_flagWritten && !g_options.flag.empty() && ::FindWindowA("#32768", nullptr) != nullptr) {
    if (FILE* file = std::fopen(g_options.flag.c_str(), "w")) {
      std::fputs("open\n", file);
      std::fclose(file);
    }
    g_flagWritten = true;
  }
  const bool asked = !g_options.flag.empty() && Exists(g_options.flag + ".done");
  if (asked || ::GetTickCount() - g_openedAt > 30000) {
    ::KillTimer(window, kWatchTimer);
    ::EndMenu();
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kOpenMessage: {
      HMENU popup = ::GetSubMenu(g_bar, g_options.open - 1);
      if (popup == nullptr) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
      }
      g_openedAt = ::GetTickCount();
      ::SetTimer(window, kWatchTimer, 100, &Watch);
      // Keyboard moves are read by the menu loop from the thread's queue.
      for (int i = 0; i < g_options.select; ++i) ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
      if (g_options.right) ::PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
      ::SetForegroundWindow(window);
      ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, kOpenX, kOpenY, 0, window, nullptr);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      const char* text = "Vantrel - galerie des menus";
      ::TextOutA(dc, 20, 20, text, static_cast<int>(std::string(text).size()));
      ::EndPaint(window, &ps);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

Options ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--open") options.open = std::atoi(argv[++i]);
    else if (arg == "--select") options.select = std::atoi(argv[++i]);
    else if (arg == "--right") options.right = std::atoi(argv[++i]) != 0;
    else if (arg == "--flag") options.flag = argv[++i];
  }
  return options;
}

int Run(int argc, char** argv) {
  g_options = ReadOptions(argc, argv);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  WNDCLASSA wc{};
  wc.lpfnWndProc = &GalleryProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = kClass;
  wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  ::RegisterClassA(&wc);

  Gallery gallery;
  gallery.images.Reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 6, 0));
  const COLORREF colours[] = {RGB(0, 120, 215), RGB(0, 160, 60), RGB(200, 40, 40),
                              RGB(240, 240, 240), RGB(230, 160, 0), RGB(150, 50, 180)};
  for (int i = 0; i < 6; ++i) {
    gallery.bitmaps.emplace_back(MakeIconPicture(i, colours[i]));
    ::ImageList_AddMasked(gallery.images.Get(), gallery.bitmaps.back().Get(), kKey);
  }
  gallery.sidebarPicture.Reset(MakeSidebarPicture());
  Win32ImageListPictures pictures(gallery.images.Get());

  // The engine with the Win32 services, drawing its items and raising tips.
  GalleryForm form;
  Win32MenuEngine menuEngine(&form);
  modMenus& engine = menuEngine.Engine();

  g_bar = BuildMenus(gallery);
  gallery.window = ::CreateWindowExA(0, kClass, "Vantrel - galerie", WS_OVERLAPPEDWINDOW, 40, 20, 640, 480, nullptr,
                                     g_bar, ::GetModuleHandleA(nullptr), nullptr);
  if (gallery.window == nullptr) return 1;

  // The controls the "Listes" popup shows as submenus.
  form.window = gallery.window;
  form.list = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, 20, 60, 180, 120,
                                gallery.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(701)),
                                ::GetModuleHandleA(nullptr), nullptr);
  form.combo = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 220, 60, 180, 160,
                                 gallery.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(702)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  for (const char* entry : {"Premier", "Second", "Troisième{IMG:i2}", "Quatrième & dernier"}) {
    ::SendMessageA(form.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Ansi(entry).c_str()));
  }
  ::SendMessageA(form.list, LB_SETCURSEL, 1, 0);
  for (const char* entry : {"Petit", "Moyen", "Grand"}) {
    ::SendMessageA(form.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Ansi(entry).c_str()));
  }
  ::SendMessageA(form.combo, CB_SETCURSEL, 2, 0);

  cTips tips;
  const HWND window = gallery.window;
  tips.OnDisplayTip([window](std::string& text) {
    const std::string title = text.empty() ? std::string("Vantrel - galerie") : "Vantrel - " + text;
    ::SetWindowTextA(window, title.c_str());
  });
  engine.HookMenus(reinterpret_cast<WindowHandle>(window), &pictures, &tips, hook_mode::Window);

  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
  if (g_options.open > 0) ::PostMessageA(window, kOpenMessage, 0, 0);

  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  // The window is gone (and unhooked) before the engine and the pictures.
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (...) {
    return 2;
  }
}
