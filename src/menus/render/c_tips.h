// cTips: the event carrier a host gives the menu engine when it hooks a
// window. The engine raises DisplayTip on every highlight change with the
// highlighted item's tooltip text, and CustomSelection when the menus close
// or a generated list entry is chosen. The host decides how to show them.
//
// The engine keeps only a token of the object, never its address: a number
// no other object of the process is ever given. A registration that outlives
// its object therefore reaches nothing, even when a new object now stands at
// the old one's address.
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

  // The token the engine keeps for this object; never 0.
  std::uintptr_t Token() const { return token_; }
  // The living object given token; nullptr for 0 or an object that is gone.
  // The result is a temporary, non-owning reference.
  static cTips* FromToken(std::uintptr_t token);

 private:
  std::uintptr_t token_ = 0;
  DisplayTipHandler displayTip_;
  CustomSelectionHandler customSelection_;
};

}  // namespace vantrel
