#include "ui/tray/tray_menu_engine.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "menus/model/application_forms.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/list_menus.h"
#include "menus/render/menu_item_renderer.h"
#include "menus/render/menu_tooltips.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/colour_dialog_win32.h"
#include "platform/win32/date_names_win32.h"
#include "platform/win32/draw_request_win32.h"
#include "platform/win32/file_information_win32.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/image_list_win32.h"
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
#include "ui/skin_controls.h"

namespace vantrel {
namespace {

// The form of the tray menu as the engine sees it: one picture control
// array "ImTool" whose element 1 holds the sidebar picture.
class TrayForm final : public ApplicationForms {
 public:
  HWND window = nullptr;
  HBITMAP sidebar = nullptr;

  std::size_t FormCount() const override { return window ? 1 : 0; }
  WindowHandle FormWindow(std::size_t form) const override {
    return form == 0 ? reinterpret_cast<WindowHandle>(window) : 0;
  }
  std::optional<FormControl> Control(std::size_t, std::string_view) const override { return std::nullopt; }
  std::optional<FormControl> ControlItem(std::size_t form, std::string_view name, int index) const override {
    if (form != 0 || index != 1 || UCase(name) != "IMTOOL") return std::nullopt;
    return FormControl{0, reinterpret_cast<std::uintptr_t>(sidebar)};
  }
};

}  // namespace

struct TrayMenuEngine::Parts {
  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  TrayForm form;
  modMenus engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics, &form}};
  Win32DrawRequestReader requests;
  Win32MenuCanvas canvas{Win32SystemColours()};
  Win32MenuItemPainter painter{Win32SystemColours()};
  Win32PictureInspector inspector;
  MenuItemRenderer renderer{
      MenuItemRendererServices{engine, requests, canvas, fonts, Win32SystemColours(), painter, inspector}};
  MenuTooltips tooltips{engine, menus};
  Win32MenuTextMeasure measure;
  Win32SidebarPainter sidebars;
  Win32FileInformation files;
  Win32VolumeLabels volumes;
  // The list menus any caption of the form may ask for.
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
                                                           [this] { return engine.PlatformIndent(); }}};
  win32::UniqueBitmap strip, sidebar;
  UniqueImageList images;  // MiniToolBar
  std::unique_ptr<Win32ImageListPictures> pictures;
  HWND hooked = nullptr;
};

TrayMenuEngine::TrayMenuEngine() : parts_(std::make_unique<Parts>()) {}

TrayMenuEngine::~TrayMenuEngine() { Unhook(); }

bool TrayMenuEngine::Hook(HWND form, HINSTANCE instance) {
  Parts& p = *parts_;
  p.strip.Reset(LoadSkinBitmap(instance, IDB_MENU_IMAGES));
  p.sidebar.Reset(LoadSkinBitmap(instance, IDB_SIDEBAR));
  p.images.Reset(ImageList_Create(VANTREL_MENU_IMAGE_SIZE, VANTREL_MENU_IMAGE_SIZE, ILC_COLOR24 | ILC_MASK,
                                  VANTREL_MENU_IMAGE_COUNT, 0));
  if (p.images.Valid() && p.strip.Valid()) ImageList_AddMasked(p.images.Get(), p.strip.Get(), RGB(255, 0, 255));
  p.pictures = std::make_unique<Win32ImageListPictures>(p.images.Get());
  p.form.window = form;
  p.form.sidebar = p.sidebar.Get();

  p.engine.SetPreparation(&p.preparation);
  p.engine.SetEngineResources(&p.preparation);
  p.engine.SetItemDrawing(&p.renderer);
  p.engine.SetTipEvents(&p.tooltips);
  p.engine.SetHighlightDisabled(true);
  p.engine.SetGradientSelection(true);
  p.engine.SetItalicSelection(false);
  p.engine.SetIconEffects(true);
  // No tooltip object: nothing registers one on the tray form.
  try {
    p.engine.HookMenus(reinterpret_cast<WindowHandle>(form), p.pictures.get(), nullptr, hook_mode::Window);
  } catch (...) {
    return false;
  }
  p.hooked = form;
  return true;
}

void TrayMenuEngine::Unhook() {
  if (!parts_ || !parts_->hooked) return;
  try {
    parts_->engine.UnhookMenus(reinterpret_cast<WindowHandle>(parts_->hooked));
  } catch (...) {
  }
  parts_->hooked = nullptr;
}

bool TrayMenuEngine::Hooked() const { return parts_ && parts_->hooked != nullptr; }

}  // namespace vantrel
