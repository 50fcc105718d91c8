// A headless LBS_SORT list box: rows in case-blind order, each with item
// data. Insert and index are logarithmic so that the benchmark at 100,000
// rows measures the program, not the double.
#pragma once

#include <cctype>
#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel::sim {

using Rows = std::vector<std::pair<std::string, Hwnd>>;

class FakeListBox final : public ListBox {
 public:
  void Clear() override {
    rows_.clear();
    newIndex_ = selected_ = -1;
    top_ = 0;
  }
  void AddItem(std::string_view text) override {
    if (refillDepth_ == 0) ++rowsAddedWhileDrawing;
    Row row{std::string(text), std::string(text), nextSequence_++, 0};
    for (char& c : row.key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    rows_.insert(row);
    newIndex_ = static_cast<int>(rows_.order_of_key(row));
  }
  int NewIndex() const override { return newIndex_; }
  void SetItemData(int index, std::uint32_t data) override {
    if (const Row* row = At(index)) row->data = data;
  }
  std::uint32_t ItemData(int index) const override {
    return At(index) ? At(index)->data : static_cast<std::uint32_t>(-1);  // LB_ERR
  }
  std::string List(int index) const override { return At(index) ? At(index)->text : std::string(); }
  int ListCount() const override { return static_cast<int>(rows_.size()); }
  int ListIndex() const override { return selected_; }
  // As the real one, scrolls a row out of view into it.
  void SetListIndex(int index) override {
    selected_ = index < ListCount() ? index : -1;
    if (selected_ >= 0 && selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + kRowsInView) top_ = selected_ - kRowsInView + 1;
  }
  int TopIndex() const override { return top_; }
  void SetTopIndex(int index) override {
    if (index >= 0 && index < ListCount()) top_ = index;
  }
  void BeginRefill() override { ++refillDepth_; }
  void EndRefill() override { --refillDepth_; }
  void Reserve(int) override {}
  void RedrawRow(int index) override {
    if (At(index)) redrawn.push_back(At(index)->data);
  }
  unsigned MsUntilClicksSettle() const override { return clicking ? 100 : 0; }

  static constexpr int kRowsInView = 10;
  // Each row's text and item data, top to bottom.
  sim::Rows Rows() const {
    sim::Rows rows;
    for (const Row& row : rows_) rows.emplace_back(row.text, row.data);
    return rows;
  }
  // The first row with this text, -1 if none.
  int Find(std::string_view text) const {
    for (int i = 0; i < ListCount(); ++i)
      if (List(i) == text) return i;
    return -1;
  }

  int refillDepth() const { return refillDepth_; }
  // Rows added while redraw was not suspended.
  int rowsAddedWhileDrawing = 0;
  // The item data of each row redrawn on its own, in turn.
  std::vector<std::uint32_t> redrawn;
  // The user is clicking the list: a button held, or a double-click may follow.
  bool clicking = false;

 private:
  // Ordered by the text in lower case, then first added first.
  struct Row {
    std::string key, text;
    unsigned long sequence;
    mutable std::uint32_t data;
    bool operator<(const Row& other) const { return std::tie(key, sequence) < std::tie(other.key, other.sequence); }
  };
  using Tree = __gnu_pbds::tree<Row, __gnu_pbds::null_type, std::less<Row>, __gnu_pbds::rb_tree_tag,
                                __gnu_pbds::tree_order_statistics_node_update>;

  // Out of range the real list box fails: nothing is stored or read.
  const Row* At(int index) const {
    return index < 0 || index >= ListCount() ? nullptr : &*rows_.find_by_order(static_cast<std::size_t>(index));
  }

  Tree rows_;
  unsigned long nextSequence_ = 0;
  int newIndex_ = -1;
  int selected_ = -1;
  int top_ = 0;
  int refillDepth_ = 0;
};

}  // namespace hovrel::sim
