// The sidebar: a band down the left edge of a popup carrying a picture or a
// line of vertical text, rendered once into a bitmap the popup's panel
// keeps, and copied from there whenever the sidebar item is drawn.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "menus/model/c_menu_items.h"
#include "menus/model/preparation_services.h"

namespace vantrel {

// The text sidebar drawn when a picture sidebar's picture cannot be found.
inline constexpr std::string_view kDefaultSidebarMarkup =
    "{Sidebar|Text: |FColor:8388608|BColor:12615680|GColor:16776960|Font:Times New Roman|FSize:14|MinFSize:9|"
    "Width:32|Align:Bot}";

// The narrowest sidebar in pixels, and the widest and tallest one rendered.
inline constexpr int kMinSidebarWidth = 35;
inline constexpr int kMaxSidebarExtent = 16384;

// Renders a picture sidebar for item ItemNumber (its ItemHeight is the
// height) into the PanelBitmap of panel PanelNumber and stores its width in
// the item's ItemWidth. A picture that cannot be resolved gives the default
// text sidebar instead.
void BuildImageSidebar(cMenuItems& handler, int ItemNumber, int PanelNumber, std::string_view Markup,
                       const MenuPreparationServices& services);

// Renders a vertical-text sidebar the same way: the text shrinks from its
// preferred size and takes line breaks until it fits the sidebar's height.
void BuildTextSidebar(cMenuItems& handler, int ItemNumber, int PanelNumber, std::string_view Markup,
                      const MenuPreparationServices& services);

// The width of one line of text in pixels, as the sidebar's font draws it.
using SidebarLineWidth = std::function<int(std::string_view)>;

// Line breaking of the sidebar text. Always splits the last line at every
// "<br!>". Unless FirstCall, adds one break: at the first "<br>" of any line,
// else at the blank nearest the middle of the first line with a blank that
// is too long (width + 6 > MaxLength). Returns the lines joined with CR LF,
// "<br>" and "<br0>" shown as blanks; "" when a break was asked for and
// none could be made.
std::string WrapSidebarText(std::vector<std::string>& Lines, bool FirstCall, const SidebarLineWidth& lineWidth,
                            int MaxLength);

}  // namespace vantrel
