// The main window's skin, loaded with the window: its pictures, the tray
// icon's three frames, the fonts and the hand pointer. The pages draw with
// it too.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"
#include "ui/skin_controls.h"

namespace vantrel {

struct MainSkin {
  void Load(HINSTANCE module);

  HINSTANCE instance = nullptr;
  SkinFonts fonts;
  SkinPointer pointer;
  win32::UniqueBitmap back, tab, help, helpHover, minimise, minimiseHover;
  // A picture button's two looks, and a wide one's.
  win32::UniqueBitmap button, buttonHover, wideButton, wideButtonHover;
  win32::UniqueIcon trayFrames[3];
};

}  // namespace vantrel
