// In-memory controls: the hidden lists of the program, and the stand-ins for
// real controls in tests and before the windows that show them exist.
#pragma once

#include "platform/controls.h"

namespace vantrel {

class MemoryList final : public ListControl {
 public:
  MemoryList() = default;
  MemoryList(std::initializer_list<std::string> entries) : entries_(entries) {}
  int Count() const override { return static_cast<int>(entries_.size()); }
  std::string Item(int index) const override;
  void Add(std::string_view text) override { entries_.emplace_back(text); }
  bool Insert(int index, std::string_view text) override;
  bool Remove(int index) override;
  void Clear() override;
  int Selected() const override { return selected_; }
  void Select(int index) override;
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
  int selected_ = -1;
};

class MemoryLabel final : public Label {
 public:
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view text) override { caption_ = text; }
  unsigned ForeColor() const override { return colour_; }
  void SetForeColor(unsigned colour) override { colour_ = colour; }

 private:
  std::string caption_;
  unsigned colour_ = 0;
};

class MemoryCheckBox final : public CheckBox {
 public:
  explicit MemoryCheckBox(bool initial = false) : value_(initial) {}
  bool Value() const override { return value_; }
  void SetValue(bool value) override;
  void OnChange(ChangeHandler handler) override { handler_ = std::move(handler); }

 private:
  bool value_;
  ChangeHandler handler_;
};

class MemoryTextBox final : public TextBox {
 public:
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }
  void Focus() override { ++focused_; }
  int Focused() const { return focused_; }

 private:
  std::string text_;
  int focused_ = 0;
};

class MemoryReportList final : public ReportList {
 public:
  int Count() const override { return static_cast<int>(rows_.size()); }
  ReportRow Row(int index) const override;
  void AddRow(const ReportRow& row) override { rows_.push_back(row); }
  bool RemoveRow(int index) override;
  void Clear() override;
  int Selected() const override { return selected_; }
  void Select(int index) override;

 private:
  std::vector<ReportRow> rows_;
  int selected_ = -1;
};

}  // namespace vantrel
