#include "menus/model/item_measurement.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "common/text.h"
#include "menus/model/caption_markup.h"
#include "menus/model/sidebar.h"

namespace vantrel {
namespace {

bool Has(std::uint16_t flags, std::uint16_t bit) { return (flags & bit) != 0; }

}  // namespace

void MeasureItemSize(MenuItemData& record, std::string_view markup, WindowHandle form,
                     const MenuPreparationServices& services) {
  const MeasuringContext context(services.text, form);
  if (!context) return;
  const DeviceContext dc = context.Get();
  MenuFontTable& fonts = services.fonts;

  int slot = menu_font_slot::Normal;
  if (Has(record.ItemFlags, item_flag::Separator)) {
    slot = menu_font_slot::SeparatorTitle;
  } else if (Has(record.ItemFlags, item_flag::Default)) {
    slot = menu_font_slot::Bold;
  }
  fonts.SelectMenuFont(slot, dc);

  TextExtent extent;
  if (Has(record.ItemFlags, item_flag::FontItem)) {
    // The face name on the right is shown in its own face.
    const TextExtent name = services.text.MeasureMenuText(dc, record.DisplayText);
    fonts.SelectMenuFont(menu_font_slot::ContextFont, dc);
    fonts.BuildMenuFonts(true, false, GetMarkupValue(markup, "LFont:"));
    fonts.SelectMenuFont(menu_font_slot::Sample, dc);
    const TextExtent sample = services.text.MeasureMenuText(dc, record.RightText);
    extent.width = name.width + sample.width;
    extent.height = std::min(name.height, sample.height);
  } else {
    extent = services.text.MeasureMenuText(dc, record.DisplayText + record.RightText);
  }

  if (record.DisplayText.empty() && Has(record.ItemFlags, item_flag::Separator)) {
    extent.height = kPlainSeparatorHeight;
    record.ItemWidth = extent.width;
  } else {
    if (!Has(record.ItemFlags, item_flag::Separator) && extent.height < kMinTextHeight) extent.height = kMinTextHeight;
    record.ItemWidth = extent.width + kTextWidthMargin;
  }
  record.ItemHeight = extent.height + kHeightMargin;
  fonts.SelectMenuFont(menu_font_slot::ContextFont, dc);
}

void RemoveRightText(MenuItemData& record, WindowHandle form, const MenuPreparationServices& services) {
  if (record.RightText.empty()) return;
  {
    const MeasuringContext context(services.text, form);
    if (context) {
      services.fonts.SelectMenuFont(menu_font_slot::Normal, context.Get());
      record.ItemWidth -= services.text.MeasureMenuText(context.Get(), record.RightText).width;
      services.fonts.SelectMenuFont(menu_font_slot::ContextFont, context.Get());
    }
  }
  record.RightText.clear();
}

void MeasurePanel(cMenuItems& handler, MenuHandle hMenu, bool bIsSysMenu, const PopupLayout& layout,
                  const MenuPreparationServices& services) {
  const int n = static_cast<int>(layout.ids.size()) - 1;
  const std::int16_t indent = services.PlatformIndent();

  const std::optional<int> existing = handler.FindPanel(hMenu);
  MenuPanelData panel;
  panel.MenuHandle = hMenu;
  if (existing) panel.PanelBitmap = handler.Panel(*existing).PanelBitmap;

  // The record of the item at position i - 1; nothing when it has none.
  const auto recordAt = [&](int i) -> MenuItemData* {
    const auto number = handler.FindItem(layout.ids[static_cast<std::size_t>(i)], hMenu);
    return number ? &handler.Item(*number) : nullptr;
  };

  bool redrawSidebar = false;
  int columnHeight = 0;
  bool hasRightText = false;
  bool hasSubmenu = false;

  const auto finishColumn = [&](int first, int last) {
    int offset = 0;
    if (hasRightText) {
      if (indent == 0) offset = kRightTextStep;
      if (hasSubmenu && indent == 0) offset += kSubmenuStep;
    }
    if (panel.HasSysCommands && indent == 0) offset += kSysCommandStep;
    for (int i = first; i <= last; ++i) {
      MenuItemData* record = recordAt(i);
      if (record == nullptr) continue;
      if (Has(record->ItemFlags, item_flag::Sidebar)) {
        panel.SidebarID = record->ItemID;
        if (record->ItemHeight != columnHeight) redrawSidebar = true;
        record->ItemHeight = columnHeight;
        if (record->RightText == "Remeasure") redrawSidebar = true;
        record->RightText.clear();
      } else {
        if (!record->ImageRef.empty() && !IsNumeric(record->ImageRef)) panel.SlowPanel = true;
        if (InStrNoCase(record->RawCaption, "LFont:") != 0 && n > kSlowFontItems) panel.SlowPanel = true;
        int itemOffset = offset;
        if (Has(record->ItemFlags, item_flag::ColourItem)) itemOffset += kColourSampleStep;
        record->TextOffset = static_cast<std::int16_t>(itemOffset);
      }
    }
  };

  // The column boundaries watched: the items that start a third, fourth...
  // column (the first item after the sidebar starts the first item column,
  // which the sidebar shares in height).
  std::size_t watched = layout.breaks.size() > 2 ? 2 : 0;
  int first = 1;
  for (int i = 1; i <= n; ++i) {
    MenuItemData* record = recordAt(i);
    if (record != nullptr && Has(record->ItemFlags, item_flag::Sidebar)) continue;
    if (watched != 0 && layout.breaks[watched].position == i - 1) {
      finishColumn(first, i - 1);
      hasRightText = false;
      hasSubmenu = false;
      first = i;
      columnHeight = 0;
      watched = watched + 1 < layout.breaks.size() ? watched + 1 : 0;
    }
    if (record == nullptr) continue;
    if (!record->ImageRef.empty()) panel.HasImages = true;
    const bool submenu = Has(record->ItemFlags, item_flag::HasSubMenu);
    if (submenu) hasSubmenu = true;
    if (record->ItemID >= 0xF000 && !submenu) panel.HasSysCommands = true;
    if (!record->RightText.empty()) hasRightText = true;
    columnHeight += record->ItemHeight;
  }
  finishColumn(first, n);

  if (bIsSysMenu) panel.HasSysCommands = true;
  if (n > kSlowPanelItems) panel.SlowPanel = true;
  int panelNumber = 0;
  if (existing) {
    panelNumber = *existing;
    handler.Panel(panelNumber) = panel;
  } else {
    panelNumber = handler.AddPanel(panel);
  }

  if (!redrawSidebar || layout.breaks.empty() || layout.breaks[0].position < 0) return;
  const auto sidebarNumber = handler.FindItem(layout.breaks[0].id, hMenu);
  if (!sidebarNumber) return;
  const std::string raw = handler.Item(*sidebarNumber).RawCaption;
  const std::string markup = SplitCaption(raw).markup;
  try {
    if (!GetMarkupValue(markup, "IMG:").empty()) {
      BuildImageSidebar(handler, *sidebarNumber, panelNumber, markup, services);
    } else {
      BuildTextSidebar(handler, *sidebarNumber, panelNumber, markup, services);
    }
  } catch (const std::exception&) {
    // A sidebar that cannot be rendered leaves the popup without one.
  }
  MenuItemData& sidebar = handler.Item(*sidebarNumber);
  int offset = kSidebarOffset;
  if (raw.find('\t') != std::string::npos) offset -= indent;
  sidebar.TextOffset = static_cast<std::int16_t>(offset);
}

}  // namespace vantrel
