// cTips: the event carrier a host gives the menu engine when it hooks a
// window. The engine raises DisplayTip on every highlight change with the
// highlighted item's tooltip text, and CustomSelection when the menus close
// or a generated list entry is chosen. The host decides how to show them.
//
// The engine keeps only the object's address. An object registers itself
// while it lives, so an address whose object is gone resolves to nothing
// instead of to freed memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

namespace vantrel {

// A calendar day (generated day-of-month entries).
struct TipDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const TipDate&, const TipDate&) = default;
};

// The Value of a selection: a whole number, a number, a text or a date.
using TipValue = std::variant<std::int32_t, double, std::string, TipDate>;

class cTips final {
 public:
  // All parameters by reference, as the host's handler may change them.
  using DisplayTipHandler = std::function<void(std::string& TipText)>;
  using CustomSelectionHandler = std::function<void(std::string& UserID, std::string& Category, TipValue& Value)>;

  cTips();
  ~cTips();
  cTips(const cTips&) = delete;
  cTips& operator=(const cTips&) = delete;

  // The host's handlers; an empty one ignores the event.
  void OnDisplayTip(DisplayTipHandler handler) { displayTip_ = std::move(handler); }
  void OnCustomSelection(CustomSelectionHandler handler) { customSelection_ = std::move(handler); }

  // Raised by the engine. A failure inside the host's handler is ignored.
  void RaiseDisplayTip(std::string Tip) noexcept;
  void RaiseCustomSelection(std::string UserID, std::string Category, TipValue Value) noexcept;

  // The address the engine keeps for this object.
  std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(this); }
  // The living object at address; nullptr for 0 or an object that is gone.
  // The result is a temporary, non-owning reference.
  static cTips* FromAddress(std::uintptr_t address);

 private:
  DisplayTipHandler displayTip_;
  CustomSelectionHandler customSelection_;
};

}  // namespace vantrel
