// List boxes and combo boxes in memory: entries, style, identifier and the
// selection, with every selection change recorded in order.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/list_controls.h"

namespace vantrel::test {

class FakeListControls final : public ListControls {
 public:
  struct Control {
    ListControlKind kind = ListControlKind::ListBox;
    std::int32_t style = 0;
    std::int32_t id = 0;
    std::vector<std::string> entries;
    int current = -1;
    std::set<int> selected;  // multiple selection
    bool unreadable = false; // every read fails
  };
  struct Change {
    WindowHandle control;
    std::string what;  // "cursel" or "sel"
    int index;
    bool selected;
    friend bool operator==(const Change&, const Change&) = default;
  };

  Control& Add(WindowHandle window, ListControlKind kind, std::vector<std::string> entries, std::int32_t id = 7,
               std::int32_t style = 0) {
    Control& c = controls[window];
    c.kind = kind;
    c.entries = std::move(entries);
    c.id = id;
    c.style = style;
    return c;
  }

  std::int32_t Style(WindowHandle control) override { return Find(control) ? Find(control)->style : 0; }
  std::int32_t ControlId(WindowHandle control) override { return Find(control) ? Find(control)->id : 0; }
  int Count(WindowHandle control, ListControlKind kind) override {
    const Control* c = Readable(control, kind);
    return c ? static_cast<int>(c->entries.size()) : -1;
  }
  int CurrentSelection(WindowHandle control, ListControlKind kind) override {
    const Control* c = Readable(control, kind);
    return c ? c->current : -1;
  }
  std::optional<std::string> EntryBuffer(WindowHandle control, ListControlKind kind, int index) override {
    const Control* c = Readable(control, kind);
    if (!c || index < 0 || index >= static_cast<int>(c->entries.size())) return std::nullopt;
    return c->entries[static_cast<std::size_t>(index)] + std::string(1, '\0');
  }
  int SelectionState(WindowHandle control, int index) override {
    const Control* c = Readable(control, ListControlKind::ListBox);
    if (!c) return -1;
    return c->selected.count(index) != 0 ? 1 : 0;
  }
  bool SetCurrentSelection(WindowHandle control, ListControlKind kind, int index) override {
    changes.push_back({control, kind == ListControlKind::ListBox ? "LB cursel" : "CB cursel", index, true});
    Control* c = Find(control);
    if (!c || c->kind != kind) return false;
    c->current = index;
    return true;
  }
  bool SetSelectionState(WindowHandle control, int index, bool selected) override {
    changes.push_back({control, "LB sel", index, selected});
    Control* c = Find(control);
    if (!c || c->kind != ListControlKind::ListBox) return false;
    if (selected) {
      c->selected.insert(index);
    } else {
      c->selected.erase(index);
    }
    return true;
  }

  std::map<WindowHandle, Control> controls;
  std::vector<Change> changes;

 private:
  Control* Find(WindowHandle control) {
    const auto it = controls.find(control);
    return it == controls.end() ? nullptr : &it->second;
  }
  // The control when it answers messages of that kind.
  const Control* Readable(WindowHandle control, ListControlKind kind) {
    const Control* c = Find(control);
    return c && !c->unreadable && c->kind == kind ? c : nullptr;
  }
};

}  // namespace vantrel::test
