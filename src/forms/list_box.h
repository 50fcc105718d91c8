// The sorted list box that shows the window list, as the inventory sees it.
// The main window's real LISTBOX implements it in forms/win32/; the tests use a
// headless double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hovrel {

class ListBox {
 public:
  virtual ~ListBox() = default;

  virtual void Clear() = 0;
  // Adds a row in its sorted place; NewIndex() then tells where it went.
  virtual void AddItem(std::string_view text) = 0;
  // The index of the row added last, -1 if none was added since Clear().
  virtual int NewIndex() const = 0;
  virtual void SetItemData(int index, std::uint32_t data) = 0;
  virtual std::uint32_t ItemData(int index) const = 0;
  virtual std::string List(int index) const = 0;
  virtual int ListCount() const = 0;
  // The selected row, -1 for none.
  virtual int ListIndex() const = 0;
  // Selects that row (-1: none), scrolling it into view.
  virtual void SetListIndex(int index) = 0;
  // The row at the top of the view, and scrolling to put one there.
  virtual int TopIndex() const = 0;
  virtual void SetTopIndex(int index) = 0;
  // Draws that row again at once, and nothing else; a row that does not
  // exist is passed over. For rows that show something beyond their text.
  virtual void RedrawRow(int index) = 0;
  // How long, in milliseconds, until a refill can no longer fall between the
  // clicks of a double-click on the list: while a mouse button is held on
  // it, a short while; after a click on it, what is left of the system's
  // double-click time; otherwise 0.
  virtual unsigned MsUntilClicksSettle() const = 0;

  // A refill of many rows is done between these two, so that the list is
  // not redrawn row by row.
  virtual void BeginRefill() = 0;
  virtual void EndRefill() = 0;
  // Sets aside room for that many more rows, so that storage is not grown
  // row by row.
  virtual void Reserve(int rows) = 0;
};

// Suspends redraw for the life of a refill.
class ListRefill {
 public:
  explicit ListRefill(ListBox& list) : list_(list) { list_.BeginRefill(); }
  ~ListRefill() { list_.EndRefill(); }
  ListRefill(const ListRefill&) = delete;
  ListRefill& operator=(const ListRefill&) = delete;

 private:
  ListBox& list_;
};

// The first row whose item data is `data`, -1 if none has it.
int RowOfItemData(const ListBox& list, std::uint32_t data);

// Where the user is in a list: the selected row and the row at the top of
// the view, each known by its item data, so that a refill puts them back
// where the same items are listed again.
struct ListPlace {
  int selected;
  std::uint32_t selectedData;
  int top;
  std::uint32_t topData;
};
ListPlace PlaceIn(const ListBox& list);
// Selects the row of the item selected before, if it is still listed, and
// scrolls its row of the top back there (the same index where it has gone).
void ReturnTo(ListBox& list, const ListPlace& place);

}  // namespace hovrel
