// The menu engine's table of fonts: eight slots derived from the system menu
// font, selected by index into a device context.
//   0  the context's own font, kept while a slot 1..7 is selected
//   1  normal  2  bold (default item)  3  small (titled separators)
//   4  italic  5  bold italic (italic selection)  6, 7  sample of a font item
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// A device context as a plain number; 0 is none.
using DeviceContext = std::uintptr_t;

class MenuFontTable {
 public:
  virtual ~MenuFontTable() = default;
  // create false releases every slot 1..7. create true with italic builds
  // slots 4 and 5 when slot 4 is empty; with a face builds slots 6 and 7
  // anew from that face; otherwise builds slots 1, 2 and 3.
  virtual void BuildMenuFonts(bool create, bool italic, std::string_view face) = 0;
  // 1..7 selects that slot and keeps the context's previous font in slot 0;
  // 0 selects slot 0 back.
  virtual void SelectMenuFont(int index, DeviceContext dc) = 0;
  // The system menu font's face name, read once.
  virtual std::string GetMenuFontFace() = 0;
  // True when the slot holds a font.
  virtual bool HasFont(int slot) const = 0;
};

}  // namespace vantrel
