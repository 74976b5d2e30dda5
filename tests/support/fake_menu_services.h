// Small recording stand-ins the menu engine's tests share: drawing objects
// that are deleted, the application's forms with named controls, and a
// preparation that counts the popups it is asked to prepare.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "menus/model/application_forms.h"
#include "menus/model/menu_preparation.h"
#include "platform/graphics_objects.h"

namespace vantrel::test {

class FakeGraphicsObjects final : public GraphicsObjects {
 public:
  bool DeleteGraphicsObject(std::uintptr_t object) override {
    deleted.push_back(object);
    return object != 0;
  }
  std::vector<std::uintptr_t> deleted;
};

class FakeApplicationForms final : public ApplicationForms {
 public:
  // A form; its number.
  std::size_t AddForm(WindowHandle window) {
    forms_.push_back(Form{window, {}, {}});
    return forms_.size() - 1;
  }
  void AddControl(std::size_t form, const std::string& name, FormControl control) {
    forms_.at(form).controls[UCase(name)] = control;
  }
  void AddControlItem(std::size_t form, const std::string& name, int index, FormControl control) {
    forms_.at(form).items[{UCase(name), index}] = control;
  }

  std::size_t FormCount() const override { return forms_.size(); }
  WindowHandle FormWindow(std::size_t form) const override { return forms_.at(form).window; }
  std::optional<FormControl> Control(std::size_t form, std::string_view name) const override {
    asked.emplace_back(std::string(name), -1);
    const auto& controls = forms_.at(form).controls;
    const auto it = controls.find(UCase(name));
    if (it == controls.end()) return std::nullopt;
    return it->second;
  }
  std::optional<FormControl> ControlItem(std::size_t form, std::string_view name, int index) const override {
    asked.emplace_back(std::string(name), index);
    const auto& items = forms_.at(form).items;
    const auto it = items.find({UCase(name), index});
    if (it == items.end()) return std::nullopt;
    return it->second;
  }

  // The names (and indices, -1 for none) looked up, in order.
  mutable std::vector<std::pair<std::string, int>> asked;

 private:
  struct Form {
    WindowHandle window;
    std::map<std::string, FormControl> controls;
    std::map<std::pair<std::string, int>, FormControl> items;
  };
  std::vector<Form> forms_;
};

// Records every popup it is asked to prepare; reports window-list items for
// the popups in windowLists, and a system menu for those in systemMenus.
class RecordingPreparation final : public MenuPreparation {
 public:
  struct Request {
    const cMenuItems* handler;
    MenuHandle popup;
    bool isSysMenuIn;
  };
  bool IsWindowList(cMenuItems& handler, MenuHandle popup, bool& isSysMenu) override {
    requests.push_back({&handler, popup, isSysMenu});
    if (systemMenus.count(popup) != 0) isSysMenu = true;
    return windowLists.count(popup) != 0;
  }
  bool MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& menu, std::intptr_t lParam) override {
    selections.push_back({&handler, index, menu, lParam});
    if (duringSelection) duringSelection();
    return consumed.count(index) != 0;
  }
  struct Selection {
    const cMenuItems* handler;
    std::int32_t index;
    MenuHandle menu;
    std::intptr_t lParam;
  };
  std::vector<MenuHandle> Popups() const {
    std::vector<MenuHandle> popups;
    for (const Request& r : requests) popups.push_back(r.popup);
    return popups;
  }

  std::vector<Request> requests;
  std::vector<Selection> selections;
  std::set<MenuHandle> windowLists;
  std::set<MenuHandle> systemMenus;
  std::set<std::int32_t> consumed;
  // Runs inside every selection, as a dialog opened by one would let other
  // code run.
  std::function<void()> duringSelection;
};

}  // namespace vantrel::test
