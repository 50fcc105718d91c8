// What a row of the window list shows of its window beside the title: its
// icon, a pin while it is in the topmost band, its opacity while it is seen
// through, and a shield while its program is out of the program's reach.
// A draw reads only what is at hand: an icon is asked of its window without
// waiting and kept until the next rebuild (the class's icon shows until it
// comes), and each process's level is read once until then. Owned by
// frmMain, which the list asks as it draws a row.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "forms/row_look.h"
#include "platform/window_system.h"

namespace hovrel {

// What the opacity beside the pin reads: "60%" below 100, nothing at 100.
std::string OpacityFigure(int percent);

class WindowLooks {
 public:
  // `arrived` is told of each window whose icon has come, to draw its row.
  WindowLooks(WindowSystem& ws, std::function<void(Hwnd)> arrived) : ws_(ws), arrived_(std::move(arrived)) {}
  WindowLooks(const WindowLooks&) = delete;
  WindowLooks& operator=(const WindowLooks&) = delete;

  // The row's look, its icon for a cell `iconPixels` square.
  RowLook Look(Hwnd window, int iconPixels);
  // The list is rebuilt: icons are asked again, levels read again. An icon
  // still on its way is awaited, not asked twice.
  void Forget();

 private:
  struct Icon {
    std::uint32_t handle;
    bool asking;
  };
  using Key = std::pair<Hwnd, int>;

  std::uint32_t IconOf(Hwnd window, int size);
  // Walks the icon's sources from `from` on: a class's icon is read at
  // once, a window is asked and the walk goes on with its answer.
  void Ask(const Key& key, std::size_t from);
  void Answered(const Key& key, std::size_t source, std::uintptr_t icon);
  bool Shielded(Hwnd window);

  WindowSystem& ws_;
  std::function<void(Hwnd)> arrived_;
  std::map<Key, Icon> icons_;
  std::map<std::uint32_t, bool> outOfReach_;  // by process
};

}  // namespace hovrel
