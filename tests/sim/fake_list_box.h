// A headless sorted list box: rows kept in case-blind alphabetical order as a
// LBS_SORT list box keeps them, each with 32-bit item data. Inserting and
// indexing are logarithmic so that benchmarks at 100,000 rows measure the
// program, not the double.
#pragma once

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>
#include <string>

#include "inventory/list_box.h"

namespace hovrel::sim {

class FakeListBox final : public ListBox {
 public:
  void Clear() override;
  void AddItem(std::string_view text) override;
  int NewIndex() const override { return newIndex_; }
  void SetItemData(int index, std::uint32_t data) override;
  std::uint32_t ItemData(int index) const override;
  std::string List(int index) const override;
  int ListCount() const override { return static_cast<int>(rows_.size()); }
  int ListIndex() const override { return selected_; }
  void BeginRefill() override { ++refillDepth_; }
  void EndRefill() override { --refillDepth_; }
  void Reserve(int rows) override { reserved_ = rows; }

  // What a user's click does.
  void Select(int index) { selected_ = index < ListCount() ? index : -1; }
  // Finds the row with this text, -1 if none.
  int Find(std::string_view text) const;

  int refillDepth() const { return refillDepth_; }
  int reserved() const { return reserved_; }
  // Rows added while redraw was not suspended.
  int rowsAddedWhileDrawing = 0;

 private:
  struct Row {
    std::string text;
    unsigned long sequence;  // keeps equal titles apart, first added first
    mutable std::uint32_t data;
  };
  struct CaseBlindLess {
    bool operator()(const Row& a, const Row& b) const;
  };
  using Rows = __gnu_pbds::tree<Row, __gnu_pbds::null_type, CaseBlindLess, __gnu_pbds::rb_tree_tag,
                                __gnu_pbds::tree_order_statistics_node_update>;

  Rows rows_;
  unsigned long nextSequence_ = 0;
  int newIndex_ = -1;
  int selected_ = -1;
  int refillDepth_ = 0;
  int reserved_ = 0;
};

}  // namespace hovrel::sim
