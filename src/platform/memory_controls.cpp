#include "platform/memory_controls.h"

namespace vantrel {
namespace {
template <class Vec>
bool InRange(const Vec& v, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < v.size();
}
}  // namespace

std::string MemoryList::Item(int index) const {
  return InRange(entries_, index) ? entries_[static_cast<std::size_t>(index)] : std::string();
}

bool MemoryList::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return false;
  entries_.emplace(entries_.begin() + index, text);
  if (selected_ >= index) ++selected_;
  return true;
}

bool MemoryList::Remove(int index) {
  if (!InRange(entries_, index)) return false;
  entries_.erase(entries_.begin() + index);
  if (selected_ == index) selected_ = -1;
  else if (selected_ > index) --selected_;
  return true;
}

void MemoryList::Clear() {
  entries_.clear();
  selected_ = -1;
}

void MemoryList::Select(int index) { selected_ = InRange(entries_, index) ? index : -1; }

void MemoryCheckBox::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (handler_) handler_(value_);
}

ReportRow MemoryReportList::Row(int index) const {
  return InRange(rows_, index) ? rows_[static_cast<std::size_t>(index)] : ReportRow();
}

bool MemoryReportList::RemoveRow(int index) {
  if (!InRange(rows_, index)) return false;
  rows_.erase(rows_.begin() + index);
  if (selected_ == index) selected_ = -1;
  else if (selected_ > index) --selected_;
  return true;
}

void MemoryReportList::Clear() {
  rows_.clear();
  selected_ = -1;
}

void MemoryReportList::Select(int index) { selected_ = InRange(rows_, index) ? index : -1; }

}  // namespace vantrel
