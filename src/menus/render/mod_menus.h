// modMenus: attaches the owner-drawn menu engine to windows and routes their
// menu messages. One instance serves every hooked window of the process;
// each hooked window gets a cMenuItems handler of its own. MDI frames bring
// their client area and the children it activates along.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menus/model/application_forms.h"
#include "menus/model/c_menu_items.h"
#include "menus/model/menu_engine_parts.h"
#include "menus/model/menu_preparation.h"
#include "menus/model/menu_records.h"
#include "platform/graphics_objects.h"
#include "platform/menu_access.h"
#include "platform/menu_fonts.h"
#include "platform/system_colours.h"
#include "platform/window_hooks.h"

namespace vantrel {

// The tooltip callback object a host may give HookMenus; the engine keeps
// only its token (cTips::Token).
class cTips;

// Messages the engine handles (the system's numbers).
namespace menu_message {
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t GetMinMaxInfo = 0x0024;
inline constexpr std::uint32_t DrawItem = 0x002B;
inline constexpr std::uint32_t MeasureItem = 0x002C;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t SysKeyUp = 0x0105;
inline constexpr std::uint32_t Command = 0x0111;
inline constexpr std::uint32_t InitMenuPopup = 0x0117;
inline constexpr std::uint32_t MenuSelect = 0x011F;
inline constexpr std::uint32_t EnterIdle = 0x0121;
inline constexpr std::uint32_t MenuCommand = 0x0126;
inline constexpr std::uint32_t EnterMenuLoop = 0x0211;
inline constexpr std::uint32_t ExitMenuLoop = 0x0212;
inline constexpr std::uint32_t MdiDestroy = 0x0221;
inline constexpr std::uint32_t MdiActivate = 0x0222;
inline constexpr std::uint32_t MdiMaximize = 0x0225;
inline constexpr std::uint32_t MdiGetActive = 0x0229;
}  // namespace menu_message

// HookMenus modes: which window is hooked and what a repeated hook changes.
namespace hook_mode {
inline constexpr std::int32_t Window = 0;      // re-hook: IsMenuLess False when it has an MDI client
inline constexpr std::int32_t Toolbar = 1;     // the toolbar child; re-hook: nothing
inline constexpr std::int32_t Plain = 2;       // re-hook: nothing
inline constexpr std::int32_t WithMenu = 3;    // re-hook: IsMenuLess False
inline constexpr std::int32_t MenuLess = 4;    // IsMenuLess True, also on a re-hook
inline constexpr std::int32_t MdiMenuLess = 5; // IsMenuLess True; re-hook: True when it has an MDI client
}  // namespace hook_mode

struct MenuLoopState {
  // The last non-zero popup a highlight change reported.
  MenuHandle LastMenu = 0;
  // The application cursor when the menu loop began.
  std::int16_t SavedPointer = 0;
  // Drawing objects put aside while the item drawing has its own selected.
  std::uintptr_t SavedBrush = 0;
  std::uintptr_t SavedPen = 0;
};

// What the engine works with. All must outlive the engine; graphics and forms
// may be absent (see MenuHandlerServices).
struct MenuEngineServices {
  WindowHooks& windows;
  MenuAccess& menus;
  MenuFontTable& fonts;
  const SystemColours& colours;
  GraphicsObjects* graphics = nullptr;
  const ApplicationForms* forms = nullptr;
};

class modMenus final : public WindowMessageSink {
 public:
  explicit modMenus(const MenuEngineServices& services);
  // Windows still hooked get their own procedures back; the fonts go.
  ~modMenus() override;
  modMenus(const modMenus&) = delete;
  modMenus& operator=(const modMenus&) = delete;

  // The later layers of the engine; none is owned.
  void SetPreparation(MenuPreparation* preparation) { preparation_ = preparation; }
  void SetItemDrawing(MenuItemDrawing* drawing) { drawing_ = drawing; }
  void SetTipEvents(MenuTipEvents* tips) { tips_ = tips; }
  void SetEngineResources(EngineResources* resources) { resources_ = resources; }
  void SetMenuLoopMemory(MenuLoopMemory* memory) { loopMemory_ = memory; }

  // Attaches the engine to hWnd (or its toolbar child, mode 1). A window
  // hooked already is never subclassed twice; the mode may change its
  // IsMenuLess. Callbacks must live as long as the window stays hooked.
  void HookMenus(WindowHandle hWnd, const PictureList* ImageList, cTips* Callbacks, std::int32_t Mode);

  void SetHighlightDisabled(bool Value) { highlightDisabled_ = Value; }
  void SetGradientSelection(bool Value) { gradientSelection_ = Value; }
  void SetIconEffects(bool Value) { iconEffects_ = Value; }
  // Builds the italic fonts when the option becomes true.
  void SetItalicSelection(bool Value);
  bool HighlightDisabled() const { return highlightDisabled_; }
  bool GradientSelection() const { return gradientSelection_; }
  bool ItalicSelection() const { return italicSelection_; }
  bool IconEffects() const { return iconEffects_; }

  // The engine's window procedure. Never throws: a failure while handling a
  // message passes it on to the previous procedure, once.
  std::intptr_t MenuWindowProc(WindowHandle hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                               std::intptr_t lParam) noexcept;
  std::intptr_t OnWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) noexcept override {
    return MenuWindowProc(window, message, wParam, lParam);
  }

  // Chooses the handler that serves hMenu (ActiveHandlerKey); a system
  // menu's handle becomes the handler's converted system menu.
  void SelectItemSet(WindowHandle hWnd, MenuHandle& hMenu, bool IsSysMenu);
  // Answers a size request from the item's record; false when the request
  // is not for a menu item.
  bool MeasureMenuItem(std::intptr_t address);
  // Detaches the engine from a hooked window; nothing for any other window.
  void UnhookMenus(WindowHandle hWnd);
  // Gives every hooked window its own procedure and system menu back and
  // ends the engine, as its end does. An owner whose later layers end before
  // the engine calls this first, while they are still there.
  void UnhookAllWindows() noexcept;
  void DetectPlatformIndent();

  // --- Engine-wide state ---

  // MenuHandlers: exists from the first hook to the last unhook.
  bool HasMenuHandlers() const { return handlers_.has_value(); }
  std::vector<std::string> MenuHandlerKeys() const;
  // The handler under key ('h1234'); nullptr when there is none.
  cMenuItems* Handler(std::string_view key) const;
  cMenuItems* HandlerOf(WindowHandle window) const { return Handler(WindowKey(window)); }
  static std::string WindowKey(WindowHandle window) { return LetterKey('h', window); }

  const std::string& ActiveHandlerKey() const { return activeHandlerKey_; }
  cMenuItems* ActiveHandler() const { return Handler(activeHandlerKey_); }
  // OpenedPopups: the popups prepared in the current menu loop, in order;
  // exists only inside a menu loop.
  const std::optional<std::vector<MenuHandle>>& OpenedPopups() const { return openedPopups_; }
  MenuLoopState& LoopState() { return loopState_; }
  const MenuLoopState& LoopState() const { return loopState_; }
  bool HourglassShown() const { return hourglassShown_; }
  bool KeyboardSelection() const { return keyboardSelection_; }
  std::int32_t SavedHighlightColour() const { return savedHighlightColour_; }
  std::int16_t PlatformIndent() const { return platformIndent_; }
  void PlatformIndent(std::int16_t value) { platformIndent_ = value; }
  // The records the last GetMenuItem / GetPanelItem published.
  const MenuItemData& CurrentItem() const { return current_.item; }
  const MenuPanelData& CurrentPanel() const { return current_.panel; }
  const std::vector<std::string>& ToolbarClassNames() const { return toolbarClassNames_; }

  static constexpr std::string_view kMdiChildToSubclass = "MDIchildToSubclass";

 private:
  struct HookedWindow {
    std::string key;
    WindowHandle window = 0;
    std::shared_ptr<cMenuItems> handler;
  };
  struct Dispatch;

  // Routes one message to its handling below; anything else is passed on.
  std::intptr_t Handle(Dispatch& d);
  std::intptr_t PassOn(Dispatch& d);
  // The window (or MDI child) ends: the message first, then the unhook,
  // whose failure the message does not see.
  std::intptr_t PassOnThenUnhook(Dispatch& d, WindowHandle window);
  // An MDI child activated or maximised is hooked like its frame.
  std::intptr_t PassOnThenHookChild(Dispatch& d);
  std::intptr_t OnGetMinMaxInfo(Dispatch& d);
  std::intptr_t OnCommand(Dispatch& d);
  std::intptr_t OnInitMenuPopup(Dispatch& d);
  std::intptr_t OnMenuSelect(Dispatch& d);
  std::intptr_t OnMenuCommand(Dispatch& d);
  std::intptr_t OnEnterMenuLoop(Dispatch& d);
  std::intptr_t OnExitMenuLoop(Dispatch& d);
  std::shared_ptr<cMenuItems> Find(std::string_view key) const;
  // The handler under key, or a failure of the message being handled.
  std::shared_ptr<cMenuItems> Require(std::string_view key) const;
  std::shared_ptr<cMenuItems> AddHandler(WindowHandle window, bool isMenuLess);
  // The first hook: the handlers, the fonts and the highlight colour.
  void StartEngine();
  // The window a hook of that mode attaches to (the toolbar child for
  // mode 1); 0 when there is none.
  WindowHandle HookTarget(WindowHandle hWnd, std::int64_t absMode);
  // A window hooked already: the mode may change its IsMenuLess.
  void Rehook(cMenuItems& hooked, WindowHandle target, std::int64_t absMode);
  // The MDI client of a newly hooked frame is hooked along and known to
  // the frame's handler; a client that cannot be subclassed stays apart.
  void HookMdiClient(cMenuItems& frameHandler, WindowHandle client);
  void RemoveHandler(WindowHandle window);
  bool HasMdiClient(WindowHandle window);
  void RestoreCursor();
  void ReleaseEngine();
  void ForgetMenuLoop() noexcept;

  MenuEngineServices services_;
  MenuPreparation* preparation_ = nullptr;
  MenuItemDrawing* drawing_ = nullptr;
  MenuTipEvents* tips_ = nullptr;
  EngineResources* resources_ = nullptr;
  MenuLoopMemory* loopMemory_ = nullptr;

  std::optional<std::vector<HookedWindow>> handlers_;
  std::string activeHandlerKey_ = "h0";
  std::optional<std::vector<MenuHandle>> openedPopups_;
  MenuLoopState loopState_;
  bool hourglassShown_ = false;
  bool keyboardSelection_ = false;
  std::int32_t savedHighlightColour_ = 0;
  std::int16_t platformIndent_ = 0;
  bool highlightDisabled_ = false;
  bool gradientSelection_ = false;
  bool italicSelection_ = false;
  bool iconEffects_ = false;
  std::vector<std::string> toolbarClassNames_;
  MenuCurrentRecords current_;
};

}  // namespace vantrel
