#include "ui/main/main_skin.h"

#include "assets/resource_ids.h"

namespace vantrel {

void MainSkin::Load(HINSTANCE module) {
  instance = module;
  back = LoadSkinBitmap(module, IDB_MAIN_BACK);
  tab = LoadSkinBitmap(module, IDB_TAB);
  button = LoadSkinBitmap(module, IDB_BUTTON);
  buttonHover = LoadSkinBitmap(module, IDB_BUTTON_HOVER);
  help = LoadSkinBitmap(module, IDB_HELP);
  helpHover = LoadSkinBitmap(module, IDB_HELP_HOVER);
  minimise = LoadSkinBitmap(module, IDB_MINIMISE);
  minimiseHover = LoadSkinBitmap(module, IDB_MINIMISE_HOVER);
  const int small = GetSystemMetrics(SM_CXSMICON);
  const int iconIds[3] = {IDI_TRAY0, IDI_TRAY1, IDI_TRAY2};
  for (int i = 0; i < 3; ++i)
    trayFrames[i].Reset(
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(iconIds[i]), IMAGE_ICON, small, small, 0)));
  pointer.Load(module);
  wideButton = LoadSkinBitmap(module, IDB_BUTTON_WIDE);
  wideButtonHover = LoadSkinBitmap(module, IDB_BUTTON_WIDE_HOVER);
}

}  // namespace vantrel
