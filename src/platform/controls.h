// The controls the logic works on: lists, labels, check boxes and the
// report list of the statistics. Each has a Win32 implementation on real
// controls and an in-memory one (memory_controls.h), which also serves the
// lists that are never shown.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A list of text entries with at most one selected entry. Positions start at 0.
class ListControl {
 public:
  virtual ~ListControl() = default;
  virtual int Count() const = 0;
  // The entry at index, or the empty text when index is out of range.
  virtual std::string Item(int index) const = 0;
  virtual void Add(std::string_view text) = 0;
  // Inserts before index; index == Count() appends. Fails (false) beyond the end.
  virtual bool Insert(int index, std::string_view text) = 0;
  virtual bool Remove(int index) = 0;
  virtual void Clear() = 0;
  // All entries replaced by these, in one go: a control on the screen shows
  // the result once instead of after every entry.
  virtual void ReplaceAll(const std::vector<std::string>& entries) {
    Clear();
    for (const std::string& entry : entries) Add(entry);
  }
  // Selected position, -1 when none.
  virtual int Selected() const = 0;
  // Selects index; -1 (or an index out of range) clears the selection.
  virtual void Select(int index) = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view text) = 0;
  // Text colour, 0x00BBGGRR.
  virtual unsigned ForeColor() const = 0;
  virtual void SetForeColor(unsigned colour) = 0;
};

// A two-state check box whose change handler runs on every change of its
// value, whether a click or the program made it, and never when the value
// set is the one it already has.
class CheckBox {
 public:
  using ChangeHandler = std::function<void(bool value)>;
  virtual ~CheckBox() = default;
  virtual bool Value() const = 0;
  virtual void SetValue(bool value) = 0;
  virtual void OnChange(ChangeHandler handler) = 0;
};

// A one-line text entry box.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  // Gives the box the keyboard focus.
  virtual void Focus() = 0;
};

// One row of a report-style list: the text and its sub-items, column by column.
using ReportRow = std::vector<std::string>;

// A report-style list (rows of columns) with at most one selected row.
class ReportList {
 public:
  virtual ~ReportList() = default;
  virtual int Count() const = 0;
  // The row at index, or an empty row when index is out of range.
  virtual ReportRow Row(int index) const = 0;
  virtual void AddRow(const ReportRow& row) = 0;
  virtual bool RemoveRow(int index) = 0;
  virtual void Clear() = 0;
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;
};

}  // namespace vantrel
