// The ListBox interface on a real LBS_SORT list box control.
#pragma once

#include <cstdint>
#include <optional>

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel {

class Win32ListBox final : public ListBox {
 public:
  explicit Win32ListBox(Hwnd control) : control_(control) {}

  void Clear() override;
  void AddItem(std::string_view text) override;
  int NewIndex() const override { return newIndex_; }
  void SetItemData(int index, std::uint32_t data) override;
  std::uint32_t ItemData(int index) const override;
  std::string List(int index) const override;
  int ListCount() const override;
  int ListIndex() const override;
  void SetListIndex(int index) override;
  int TopIndex() const override;
  void SetTopIndex(int index) override;
  void RedrawRow(int index) override;
  unsigned MsUntilClicksSettle() const override;
  void BeginRefill() override;
  void EndRefill() override;
  void Reserve(int rows) override;

  Hwnd Handle() const { return control_; }
  // A mouse button went down on the list at `tick` (the message's time).
  void NoteClick(std::uint32_t tick) { lastClick_ = tick; }

 private:
  Hwnd control_;
  int newIndex_ = -1;
  std::optional<std::uint32_t> lastClick_;
};

}  // namespace hovrel
