#include "menus/render/menu_tooltips.h"

#include <string>

#include "common/text.h"
#include "menus/render/c_tips.h"
#include "menus/render/mod_menus.h"

namespace vantrel {
namespace {

// Menu flag of a highlighted item that opens a submenu.
constexpr std::uint16_t kPopupFlag = 0x10;

}  // namespace

void MenuTooltips::NotifyMenuTip(std::uintptr_t itemParam, std::intptr_t menuParam, MenuHandle lastMenu) {
  cMenuItems* handler = nullptr;
  std::uintptr_t callback = 0;
  try {
    handler = engine_.ActiveHandler();
    if (handler != nullptr) callback = handler->ShowTips();
  } catch (...) {
    return;
  }
  if (callback == 0) return;
  // The registration is only a token: an object that is gone gets nothing.
  cTips* tips = cTips::FromToken(callback);
  if (tips == nullptr) return;

  std::string tip;
  bool closing = false;
  if (lastMenu != 0) {
    if (itemParam != 0 || menuParam != 0) {
      try {
        const auto word = static_cast<std::uint32_t>(itemParam & 0xFFFFFFFFu);
        std::int32_t id = static_cast<std::int16_t>(LoWord(word));
        const std::uint16_t flags = HiWord(word);
        if ((flags & kPopupFlag) != 0) {
          // The highlighted item opens a submenu: the submenu names it.
          const MenuHandle sub = menus_.GetSubMenu(static_cast<MenuHandle>(menuParam), id);
          id = static_cast<std::int32_t>(static_cast<std::uint32_t>(sub & 0xFFFFFFFFu));
          if (sub != 0) tip = handler->Tips(id, lastMenu);
        } else {
          tip = handler->Tips(id, lastMenu);
        }
      } catch (...) {
        tip.clear();
      }
    }
  } else {
    closing = itemParam == 0 && menuParam == 0;
  }

  tips->RaiseDisplayTip(tip);
  // The host's handler may have ended the object.
  if (closing && (tips = cTips::FromToken(callback)) != nullptr) {
    tips->RaiseCustomSelection(std::string(), "MenusClosed", TipValue{std::int32_t{0}});
  }
}

}  // namespace vantrel
