// The headless sorted list box; see fake_list_box.h.
#include "sim/fake_list_box.h"

#include <algorithm>
#include <cctype>

namespace hovrel::sim {

namespace {

int CompareCaseBlind(const std::string& x, const std::string& y) {
  const std::size_t common = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int a = std::tolower(static_cast<unsigned char>(x[i]));
    const int b = std::tolower(static_cast<unsigned char>(y[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

}  // namespace

bool FakeListBox::CaseBlindLess::operator()(const Row& a, const Row& b) const {
  const int order = CompareCaseBlind(a.text, b.text);
  return order != 0 ? order < 0 : a.sequence < b.sequence;
}

void FakeListBox::Clear() {
  rows_.clear();
  newIndex_ = -1;
  selected_ = -1;
}

void FakeListBox::AddItem(std::string_view text) {
  if (refillDepth_ == 0) ++rowsAddedWhileDrawing;
  Row row{std::string(text), nextSequence_++, 0};
  rows_.insert(row);
  newIndex_ = static_cast<int>(rows_.order_of_key(row));
}

void FakeListBox::SetItemData(int index, std::uint32_t data) {
  if (index < 0 || index >= ListCount()) return;
  rows_.find_by_order(static_cast<std::size_t>(index))->data = data;
}

std::uint32_t FakeListBox::ItemData(int index) const {
  if (index < 0 || index >= ListCount()) return static_cast<std::uint32_t>(-1);  // LB_ERR
  return rows_.find_by_order(static_cast<std::size_t>(index))->data;
}

std::string FakeListBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return rows_.find_by_order(static_cast<std::size_t>(index))->text;
}

int FakeListBox::Find(std::string_view text) const {
  int index = 0;
  for (const Row& row : rows_) {
    if (row.text == text) return index;
    ++index;
  }
  return -1;
}

}  // namespace hovrel::sim
