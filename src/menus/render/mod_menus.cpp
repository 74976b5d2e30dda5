#include "menus/render/mod_menus.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "menus/render/c_tips.h"

namespace vantrel {

namespace {

// The handling of a message could not go on (a handler that is not there);
// the window procedure's trap catches it and passes the message on.
class MenuEngineFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr std::int32_t kHighlightColourIndex = 13;
constexpr std::uint32_t kMenuControlType = 1;
constexpr std::uint16_t kMouseSelect = 0x8000;

bool SameHandle(std::uintptr_t a, std::uintptr_t b) { return MenuKeyNumber(a) == MenuKeyNumber(b); }

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && UCase(a) == UCase(b); }

std::int16_t SignedLoWord(std::uintptr_t value) {
  return static_cast<std::int16_t>(LoWord(static_cast<std::uint32_t>(value & 0xFFFFFFFFu)));
}
std::uint16_t HiWordOf(std::uintptr_t value) { return HiWord(static_cast<std::uint32_t>(value & 0xFFFFFFFFu)); }

}  // namespace

struct modMenus::Dispatch {
  WindowHandle hWnd;
  std::uint32_t uMsg;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  // The window's previous procedure when the message arrived: the message
  // goes there even when the window is unhooked while it is being handled
  // (a modal dialog opened from a menu command lets anything happen).
  WindowProcedure previous = 0;
  bool passedOn = false;
  std::intptr_t result = 0;
};

modMenus::modMenus(const MenuEngineServices& services) : services_(services) {}

modMenus::~modMenus() { UnhookAllWindows(); }

void modMenus::UnhookAllWindows() noexcept {
  if (!handlers_) return;
  for (const HookedWindow& hooked : *handlers_) {
    try {
      if (hooked.handler->hPrevProc() != 0) services_.windows.Unsubclass(hooked.window, hooked.handler->hPrevProc());
      if (hooked.handler->SystemMenu() != 0) services_.menus.GetSystemMenu(hooked.window, true);
    } catch (...) {
      // Going on with the other windows matters more.
    }
  }
  openedPopups_.reset();
  try {
    ReleaseEngine();
  } catch (...) {
    handlers_.reset();
  }
}

void modMenus::SetItalicSelection(bool Value) {
  if (Value == italicSelection_) return;
  italicSelection_ = Value;
  if (Value) services_.fonts.BuildMenuFonts(true, true, "");
}

std::vector<std::string> modMenus::MenuHandlerKeys() const {
  std::vector<std::string> keys;
  if (handlers_) {
    for (const HookedWindow& hooked : *handlers_) keys.push_back(hooked.key);
  }
  return keys;
}

std::shared_ptr<cMenuItems> modMenus::Find(std::string_view key) const {
  if (!handlers_) return nullptr;
  for (const HookedWindow& hooked : *handlers_) {
    if (hooked.key == key) return hooked.handler;
  }
  return nullptr;
}

cMenuItems* modMenus::Handler(std::string_view key) const { return Find(key).get(); }

std::shared_ptr<cMenuItems> modMenus::Require(std::string_view key) const {
  auto handler = Find(key);
  if (handler == nullptr) throw MenuEngineFault("no menu handler under " + std::string(key));
  return handler;
}

std::shared_ptr<cMenuItems> modMenus::AddHandler(WindowHandle window, bool isMenuLess) {
  MenuHandlerServices handlerServices{services_.menus, current_, services_.graphics, services_.forms, preparation_};
  auto handler = std::make_shared<cMenuItems>(handlerServices);
  handler->IsMenuLess(isMenuLess);
  handlers_->push_back(HookedWindow{WindowKey(window), window, handler});
  return handler;
}

void modMenus::RemoveHandler(WindowHandle window) {
  if (!handlers_) return;
  const std::string key = WindowKey(window);
  std::erase_if(*handlers_, [&](const HookedWindow& hooked) { return hooked.key == key; });
}

bool modMenus::HasMdiClient(WindowHandle window) {
  return services_.windows.FindChildWindow(window, "MDIClient", std::string_view{}) != 0;
}

void modMenus::StartEngine() {
  handlers_.emplace();
  DetectPlatformIndent();
  services_.fonts.BuildMenuFonts(true, false, "");
  // The italic fonts are gone with the last unhook; an engine that starts
  // over needs them again when the option is still on.
  if (italicSelection_) services_.fonts.BuildMenuFonts(true, true, "");
  savedHighlightColour_ = static_cast<std::int32_t>(services_.colours.SysColor(kHighlightColourIndex));
  toolbarClassNames_ = {"msvb_lib_toolbar"};
}

WindowHandle modMenus::HookTarget(WindowHandle hWnd, std::int64_t absMode) {
  if (absMode != hook_mode::Toolbar) return hWnd;
  for (const std::string& className : toolbarClassNames_) {
    const WindowHandle toolbar = services_.windows.FindChildWindow(hWnd, className, std::nullopt);
    if (toolbar != 0) return toolbar;
  }
  return 0;
}

void modMenus::Rehook(cMenuItems& hooked, WindowHandle target, std::int64_t absMode) {
  switch (absMode) {
    case hook_mode::Window:
      if (HasMdiClient(target)) hooked.IsMenuLess(false);
      break;
    case hook_mode::WithMenu:
      hooked.IsMenuLess(false);
      break;
    case hook_mode::MenuLess:
      hooked.IsMenuLess(true);
      break;
    case hook_mode::MdiMenuLess:
      if (HasMdiClient(target)) hooked.IsMenuLess(true);
      break;
    default:
      break;
  }
}

void modMenus::HookMenus(WindowHandle hWnd, const PictureList* ImageList, cTips* Callbacks, std::int32_t Mode) {
  WindowHooks& windows = services_.windows;
  if (!handlers_) StartEngine();
  hourglassShown_ = false;

  const std::int64_t absMode = Mode < 0 ? -static_cast<std::int64_t>(Mode) : Mode;
  const WindowHandle target = HookTarget(hWnd, absMode);
  if (target == 0) return;

  if (const auto hooked = Find(WindowKey(target))) {
    Rehook(*hooked, target, absMode);
    activeHandlerKey_ = "h0";
    return;
  }

  const std::uintptr_t callbackToken = Callbacks != nullptr ? Callbacks->Token() : 0;

  const auto handler = AddHandler(target, Mode == hook_mode::MenuLess || Mode == hook_mode::MdiMenuLess);
  // Subclassed before the handler binds: a window that cannot be subclassed
  // (another engine serves it) never sends its messages here, so no handler
  // is kept for it and its menus are left as they are.
  const WindowProcedure previous = windows.Subclass(target, *this);
  if (previous == 0) {
    RemoveHandler(target);
    activeHandlerKey_ = "h0";
    return;
  }
  handler->hPrevProc(previous);
  try {
    handler->InitializeSubMenu(target, ImageList, callbackToken, false);
  } catch (...) {
    // The failure reaches the caller, and the window is given back whole.
    windows.Unsubclass(target, previous);
    RemoveHandler(target);
    throw;
  }

  const WindowHandle client = windows.FindChildWindow(target, "MDIClient", std::string_view{});
  if (client != 0) HookMdiClient(*handler, client);

  if (client == 0 && EqualsNoCase(activeHandlerKey_, kMdiChildToSubclass)) {
    const WindowHandle frame = windows.GetParent(windows.GetParent(hWnd));
    // A child whose frame is not served keeps what its own hook gave it.
    if (const auto frameHandler = Find(WindowKey(frame))) {
      handler->InitializeSubMenu(hWnd, frameHandler->ImageListObject(), frameHandler->ShowTips(), false);
      if (Mode < hook_mode::WithMenu) handler->IsMenuLess(frameHandler->IsMenuLess());
    }
  }

  activeHandlerKey_ = "h0";
}

void modMenus::HookMdiClient(cMenuItems& frameHandler, WindowHandle client) {
  auto clientHandler = Find(WindowKey(client));
  if (clientHandler == nullptr) {
    clientHandler = AddHandler(client, false);
    clientHandler->InitializeSubMenu(client, nullptr, 0, true);
    const WindowProcedure clientPrevious = services_.windows.Subclass(client, *this);
    if (clientPrevious == 0) {
      RemoveHandler(client);
      return;
    }
    clientHandler->hPrevProc(clientPrevious);
  }
  frameHandler.MDIClient(client);
  clientHandler->IsMDIclient(true);
}

void modMenus::ForgetMenuLoop() noexcept {
  if (loopMemory_ != nullptr) loopMemory_->ForgetMenuLoop();
}

void modMenus::ReleaseEngine() {
  if (!handlers_) return;
  services_.fonts.BuildMenuFonts(false, false, "");
  handlers_.reset();
  ForgetMenuLoop();
  if (resources_ != nullptr) resources_->ReleaseEngineResources();
  toolbarClassNames_.clear();
}

void modMenus::UnhookMenus(WindowHandle hWnd) {
  const auto handler = Find(WindowKey(hWnd));
  // Only a hooked window has anything to undo; in particular the unhook of an
  // unknown window must not end the engine under the windows still hooked.
  if (handler == nullptr) return;

  openedPopups_.reset();
  if (handler->hPrevProc() != 0) services_.windows.Unsubclass(hWnd, handler->hPrevProc());
  const MenuHandle systemMenu = handler->SystemMenu();

  if (handlers_->size() == 1) {
    ReleaseEngine();
  } else {
    RemoveHandler(hWnd);
  }

  if (systemMenu != 0) services_.menus.GetSystemMenu(hWnd, true);
}

void modMenus::DetectPlatformIndent() {
  const auto version = services_.windows.GetPlatformVersion();
  if (!version) return;
  const std::string text = CStr(version->platformId) + "." + CStr(version->major) + "." + CStr(version->minor);
  if (text == "1.4.10" || text == "1.4.90") {
    platformIndent_ = 35;
  } else if (text == "2.5.0" || text == "2.4.0" || text == "2.5.1") {
    platformIndent_ = 0;
  }
}

void modMenus::SelectItemSet(WindowHandle hWnd, MenuHandle& hMenu, bool IsSysMenu) {
  WindowHooks& windows = services_.windows;
  activeHandlerKey_ = WindowKey(hWnd);
  const auto handler = Require(activeHandlerKey_);
  if (IsSysMenu) {
    hMenu = handler->SystemMenu();
    return;
  }

  WindowHandle child = 0;
  WindowHandle frame = 0;
  if (handler->IsMDIclient()) {
    child = static_cast<WindowHandle>(windows.SendWindowMessage(hWnd, menu_message::MdiGetActive, 0, 0));
    frame = windows.GetParent(hWnd);
  } else if (handler->MDIClient() != 0) {
    child = static_cast<WindowHandle>(windows.SendWindowMessage(handler->MDIClient(), menu_message::MdiGetActive, 0, 0));
    frame = hWnd;
  }
  if (child == 0) return;

  // A child activated before the engine could hook it has no handler; the
  // window that received the message serves its popups.
  const auto childHandler = Find(WindowKey(child));
  if (childHandler == nullptr) return;
  activeHandlerKey_ = WindowKey(child);
  // A child without a menu bar has its popups served by the frame.
  if (childHandler->IsMenuLess() && !SameHandle(hMenu, childHandler->SystemMenu())) {
    activeHandlerKey_ = WindowKey(frame);
  }
}

bool modMenus::MeasureMenuItem(std::intptr_t address) {
  MeasureItemRecord record;
  if (!services_.windows.ReadMeasureItem(address, record)) return false;
  if (record.controlType != kMenuControlType) return false;
  const auto active = Require(activeHandlerKey_);
  active->GetMenuItem(static_cast<std::int32_t>(record.itemId), record.itemData);
  const std::int64_t width = static_cast<std::int64_t>(current_.item.ItemWidth) + current_.item.TextOffset;
  record.itemWidth = static_cast<std::uint32_t>(std::max<std::int64_t>(width, 0));
  record.itemHeight = static_cast<std::uint32_t>(std::max<std::int32_t>(current_.item.ItemHeight, 0));
  services_.windows.WriteMeasureItem(address, record);
  return true;
}

void modMenus::RestoreCursor() {
  services_.windows.SetCursorShape(loopState_.SavedPointer);
  hourglassShown_ = false;
}

std::intptr_t modMenus::PassOn(Dispatch& d) {
  // Marked before the call: a message is never given to the previous
  // procedure twice, even when that procedure fails.
  d.passedOn = true;
  WindowProcedure previous = d.previous;
  if (previous == 0) {
    if (const auto handler = Find(WindowKey(d.hWnd))) previous = handler->hPrevProc();
  }
  if (previous != 0) {
    d.result = services_.windows.CallPrevious(previous, d.hWnd, d.uMsg, d.wParam, d.lParam);
  } else {
    d.result = services_.windows.CallDefault(d.hWnd, d.uMsg, d.wParam, d.lParam);
  }
  return d.result;
}

std::intptr_t modMenus::MenuWindowProc(WindowHandle hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                                       std::intptr_t lParam) noexcept {
  Dispatch d{hWnd, uMsg, wParam, lParam};
  try {
    if (const auto handler = Find(WindowKey(hWnd))) d.previous = handler->hPrevProc();
    return Handle(d);
  } catch (...) {
    if (d.passedOn) return d.result;
    try {
      return PassOn(d);
    } catch (...) {
      return 0;
    }
  }
}

std::intptr_t modMenus::Handle(Dispatch& d) {
  namespace msg = menu_message;
  switch (d.uMsg) {
    case msg::Destroy:
      return PassOnThenUnhook(d, d.hWnd);
    case msg::GetMinMaxInfo:
      return OnGetMinMaxInfo(d);
    case msg::DrawItem:
      if (drawing_ != nullptr && drawing_->DrawMenuItem(d.lParam)) return 0;
      return PassOn(d);
    case msg::MeasureItem:
      if (MeasureMenuItem(d.lParam)) return 0;
      return PassOn(d);
    case msg::Command:
      return OnCommand(d);
    case msg::InitMenuPopup:
      return OnInitMenuPopup(d);
    case msg::MenuSelect:
      return OnMenuSelect(d);
    case msg::EnterIdle:
      if (hourglassShown_) RestoreCursor();
      return PassOn(d);
    case msg::MenuCommand:
      return OnMenuCommand(d);
    case msg::EnterMenuLoop:
      return OnEnterMenuLoop(d);
    case msg::ExitMenuLoop:
      return OnExitMenuLoop(d);
    case msg::MdiDestroy:
      return PassOnThenUnhook(d, static_cast<WindowHandle>(d.wParam));
    case msg::MdiActivate:
      if (services_.windows.GetParent(static_cast<WindowHandle>(d.wParam)) != d.hWnd) return PassOn(d);
      return PassOnThenHookChild(d);
    case msg::MdiMaximize:
      return PassOnThenHookChild(d);
    case msg::KeyDown:
    case msg::KeyUp:
    case msg::SysKeyDown:
    case msg::SysKeyUp:
    default:
      return PassOn(d);
  }
}

std::intptr_t modMenus::PassOnThenUnhook(Dispatch& d, WindowHandle window) {
  const std::intptr_t kept = PassOn(d);
  try {
    UnhookMenus(window);
  } catch (...) {
  }
  return kept;
}

std::intptr_t modMenus::PassOnThenHookChild(Dispatch& d) {
  const std::intptr_t kept = PassOn(d);
  activeHandlerKey_ = std::string(kMdiChildToSubclass);
  HookMenus(static_cast<WindowHandle>(d.wParam), nullptr, nullptr, hook_mode::Window);
  return kept;
}

std::intptr_t modMenus::OnGetMinMaxInfo(Dispatch& d) {
  MinMaxRecord record;
  if (services_.windows.ReadMinMax(d.lParam, record) && Require(WindowKey(d.hWnd))->RestrictSize(record, false)) {
    services_.windows.WriteMinMax(d.lParam, record);
    return 0;
  }
  return PassOn(d);
}

std::intptr_t modMenus::OnCommand(Dispatch& d) {
  if (HiWordOf(d.wParam) == 0 && d.lParam == 0) {
    const auto active = Require(activeHandlerKey_);
    MenuHandle lastMenu = loopState_.LastMenu;
    const bool consumed = active->MenuSelected(SignedLoWord(d.wParam), lastMenu, 0);
    loopState_.LastMenu = lastMenu;
    if (consumed) return 0;
  }
  return PassOn(d);
}

std::intptr_t modMenus::OnInitMenuPopup(Dispatch& d) {
  const std::intptr_t kept = PassOn(d);
  MenuHandle popup = static_cast<MenuHandle>(d.wParam);
  SelectItemSet(d.hWnd, popup, HiWordOf(static_cast<std::uintptr_t>(d.lParam)) != 0);
  const auto active = Require(activeHandlerKey_);
  active->GetPanelItem(popup);
  if (loopState_.SavedPointer != kCursorHourglass && current_.panel.SlowPanel) {
    services_.windows.SetCursorShape(kCursorHourglass);
    hourglassShown_ = true;
  } else {
    hourglassShown_ = false;
  }
  // Popups are prepared inside a menu loop only.
  if (!openedPopups_) throw MenuEngineFault("popup opened outside a menu loop");
  if (std::any_of(openedPopups_->begin(), openedPopups_->end(),
                  [&](MenuHandle opened) { return SameHandle(opened, popup); })) {
    return kept;
  }
  bool isSysMenu = false;
  if (!active->IsWindowList(popup, isSysMenu) && openedPopups_) openedPopups_->push_back(popup);
  return kept;
}

std::intptr_t modMenus::OnMenuSelect(Dispatch& d) {
  if (d.lParam != 0) loopState_.LastMenu = static_cast<MenuHandle>(d.lParam);
  if (tips_ != nullptr) tips_->NotifyMenuTip(d.wParam, d.lParam, loopState_.LastMenu);
  keyboardSelection_ = (HiWordOf(d.wParam) & kMouseSelect) != kMouseSelect;
  return PassOn(d);
}

std::intptr_t modMenus::OnMenuCommand(Dispatch& d) {
  const auto active = Require(activeHandlerKey_);
  const MenuHandle menu = static_cast<MenuHandle>(d.lParam);
  const std::uint32_t id = services_.menus.GetItemID(menu, LoWord(static_cast<std::uint32_t>(d.wParam)));
  MenuHandle selected = menu;
  active->MenuSelected(static_cast<std::int32_t>(id), selected, 0);
  return PassOn(d);
}

std::intptr_t modMenus::OnEnterMenuLoop(Dispatch& d) {
  const int shape = services_.windows.CursorShape();
  if (shape != kCursorHourglass) loopState_.SavedPointer = static_cast<std::int16_t>(shape);
  openedPopups_.emplace();
  ForgetMenuLoop();
  return PassOn(d);
}

std::intptr_t modMenus::OnExitMenuLoop(Dispatch& d) {
  if (hourglassShown_) RestoreCursor();
  if (tips_ != nullptr) tips_->NotifyMenuTip(0, 0, 0);
  // The popups are closed: what was seen of their pictures goes with them.
  ForgetMenuLoop();
  if (!openedPopups_) throw MenuEngineFault("menu loop ended without beginning");
  // The collection ends with the loop, whatever the updates do.
  const std::vector<MenuHandle> opened = std::move(*openedPopups_);
  openedPopups_.reset();
  const auto active = Require(activeHandlerKey_);
  for (const MenuHandle popup : opened) active->UpdateMenuItems(popup);
  return PassOn(d);
}

}  // namespace vantrel
