#include "ui/tray/tray_menu_engine.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "menus/model/application_forms.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/image_list_win32.h"
#include "ui/skin_controls.h"
#include "ui/win32_menu_engine.h"

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
  TrayForm form;
  Win32MenuEngine menus{&form};
  win32::UniqueBitmap strip, sidebar;
  UniqueImageList images;  // MiniToolBar
  std::unique_ptr<Win32ImageListPictures> pictures;
  HWND hooked = nullptr;
};

TrayMenuEngine::TrayMenuEngine() : parts_(std::make_unique<Parts>()) {}

TrayMenuEngine::~TrayMenuEngine() { Unhook(); }

bool TrayMenuEngine::Hook(HWND form, HINSTANCE instance) {
  Parts& p = *parts_;
  p.strip = LoadSkinBitmap(instance, IDB_MENU_IMAGES);
  p.sidebar = LoadSkinBitmap(instance, IDB_SIDEBAR);
  p.images.Reset(ImageList_Create(VANTREL_MENU_IMAGE_SIZE, VANTREL_MENU_IMAGE_SIZE, ILC_COLOR24 | ILC_MASK,
                                  VANTREL_MENU_IMAGE_COUNT, 0));
  if (p.images.Valid() && p.strip.Valid()) ImageList_AddMasked(p.images.Get(), p.strip.Get(), RGB(255, 0, 255));
  p.pictures = std::make_unique<Win32ImageListPictures>(p.images.Get());
  p.form.window = form;
  p.form.sidebar = p.sidebar.Get();

  // No tooltip object: nothing registers one on the tray form.
  try {
    p.menus.Engine().HookMenus(reinterpret_cast<WindowHandle>(form), p.pictures.get(), nullptr, hook_mode::Window);
  } catch (...) {
    return false;
  }
  p.hooked = form;
  return true;
}

void TrayMenuEngine::Unhook() {
  if (!parts_ || !parts_->hooked) return;
  try {
    parts_->menus.Engine().UnhookMenus(reinterpret_cast<WindowHandle>(parts_->hooked));
  } catch (...) {
  }
  parts_->hooked = nullptr;
}

bool TrayMenuEngine::Hooked() const { return parts_ && parts_->hooked != nullptr; }

}  // namespace vantrel
