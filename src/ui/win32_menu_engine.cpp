#include "ui/win32_menu_engine.h"

#include "menus/model/picture_looks.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/list_menus.h"
#include "menus/render/menu_item_renderer.h"
#include "menus/render/menu_tooltips.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/colour_dialog_win32.h"
#include "platform/win32/date_names_win32.h"
#include "platform/win32/draw_request_win32.h"
#include "platform/win32/file_information_win32.h"
#include "platform/win32/item_painter_win32.h"
#include "platform/win32/list_controls_win32.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/menu_canvas_win32.h"
#include "platform/win32/menu_fonts_win32.h"
#include "platform/win32/menu_text_measure_win32.h"
#include "platform/win32/path_probe_win32.h"
#include "platform/win32/picture_inspector_win32.h"
#include "platform/win32/settings_store_win32.h"
#include "platform/win32/sidebar_painter_win32.h"
#include "platform/win32/volume_labels_win32.h"
#include "platform/win32/window_hooks_win32.h"

namespace vantrel {

struct Win32MenuEngine::Parts {
  explicit Parts(const ApplicationForms* forms)
      : engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics, forms}} {
    engine.SetPreparation(&preparation);
    engine.SetEngineResources(&preparation);
    engine.SetItemDrawing(&renderer);
    engine.SetTipEvents(&tooltips);
    engine.SetMenuLoopMemory(&looks);
    engine.SetHighlightDisabled(true);
    engine.SetGradientSelection(true);
    engine.SetItalicSelection(false);
    engine.SetIconEffects(true);
  }
  // The engine ends after the parts declared below it: windows still hooked
  // are let go while the preparation, drawing and tooltips are there.
  ~Parts() { engine.UnhookAllWindows(); }
  Parts(const Parts&) = delete;
  Parts& operator=(const Parts&) = delete;

  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  modMenus engine;
  Win32DrawRequestReader requests;
  Win32MenuCanvas canvas{Win32SystemColours()};
  Win32MenuItemPainter painter{Win32SystemColours()};
  Win32PictureInspector inspector;
  // Each popup looks at each of its pictures once, for its preparation and
  // every drawing of its items.
  PictureLooks looks{inspector};
  MenuItemRenderer renderer{
      MenuItemRendererServices{engine, requests, canvas, fonts, Win32SystemColours(), painter, inspector, &looks}};
  MenuTooltips tooltips{engine, menus};
  Win32MenuTextMeasure measure;
  Win32SidebarPainter sidebars;
  Win32FileInformation files;
  Win32VolumeLabels volumes;
  // The list menus any caption may ask for.
  Win32ListControls listControls;
  Win32SettingsStore settings;
  Win32ColourDialog colourDialog;
  Win32DateNames dateNames;
  Win32Clock clock;
  Win32PathProbe paths;
  ListMenus lists{ListMenuServices{listControls, windows, settings, colourDialog, dateNames, clock,
                                   Win32SystemColours(), paths, &files}};
  MenuPopupPreparation preparation{MenuPreparationServices{fonts, measure, sidebars, canvas, Win32SystemColours(),
                                                           inspector, &windows, &files, &volumes, &lists,
                                                           [this] { return engine.PlatformIndent(); }, &looks}};
};

Win32MenuEngine::Win32MenuEngine(const ApplicationForms* forms) : parts_(std::make_unique<Parts>(forms)) {}

Win32MenuEngine::~Win32MenuEngine() = default;

modMenus& Win32MenuEngine::Engine() { return parts_->engine; }

}  // namespace vantrel
