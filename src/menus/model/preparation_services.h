// What the popup preparation, the item measurement and the sidebars work
// with. The references must outlive the preparation; the pointers may be
// null: without windows no "LB:"/"CB:" handle is accepted, without files no
// generated file or drive item gets its picture, description or icon,
// without volumes no drive label is shown, without lists no list menu is
// built.
#pragma once

#include <cstdint>
#include <functional>

#include "menus/model/list_menu_expansion.h"
#include "platform/file_information.h"
#include "platform/menu_canvas.h"
#include "platform/menu_fonts.h"
#include "platform/menu_text_measure.h"
#include "platform/picture_inspector.h"
#include "platform/sidebar_painter.h"
#include "platform/system_colours.h"
#include "platform/volume_labels.h"
#include "platform/window_hooks.h"

namespace vantrel {

class PictureLooks;

struct MenuPreparationServices {
  // The engine's font table (slots 1 normal, 2 bold, 3 separator titles,
  // 6 the sample of a font item), built by the hooking layer.
  MenuFontTable& fonts;
  MenuTextMeasure& text;
  SidebarPainter& sidebars;
  MenuCanvas& canvas;
  const SystemColours& colours;
  const PictureInspector& pictures;
  WindowHooks* windows = nullptr;
  FileInformationService* files = nullptr;
  VolumeLabels* volumes = nullptr;
  ListMenuExpansion* lists = nullptr;
  // The engine's PlatformIndent; 0 when not given.
  std::function<std::int16_t()> platformIndent;
  // What each popup's pictures were found to be, shared with the drawing so
  // that a popup looks at each picture once; without it every resolution
  // asks pictures again.
  PictureLooks* looks = nullptr;

  std::int16_t PlatformIndent() const { return platformIndent ? platformIndent() : std::int16_t{0}; }
};

}  // namespace vantrel
