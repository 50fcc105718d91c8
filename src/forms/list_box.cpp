// Finding rows by their item data, and a list's place kept across a refill;
// see list_box.h.
#include "forms/list_box.h"

namespace hovrel {

int RowOfItemData(const ListBox& list, std::uint32_t data) {
  for (int row = 0; row < list.ListCount(); ++row)
    if (list.ItemData(row) == data) return row;
  return -1;
}

ListPlace PlaceIn(const ListBox& list) {
  const int selected = list.ListIndex(), top = list.TopIndex();
  return {selected, selected < 0 ? 0 : list.ItemData(selected), top, top < 0 ? 0 : list.ItemData(top)};
}

void ReturnTo(ListBox& list, const ListPlace& place) {
  if (place.selected >= 0) list.SetListIndex(RowOfItemData(list, place.selectedData));
  // After the selection, which scrolls its row into view.
  const int top = RowOfItemData(list, place.topData);
  list.SetTopIndex(top >= 0 ? top : place.top);
}

}  // namespace hovrel
