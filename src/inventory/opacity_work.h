// The opacity keys' work, owned by frmMain. Changing a window's style waits
// for the window, so every step is made on a lane of its own; steps asked
// for a window while one of its steps is under way add up into one, so that
// a held key costs a change or two, not thirty; the window's row is drawn
// again once its step is made; and at the end every window seen through gets
// back what it had.
#pragma once

#include <map>
#include <set>

#include "forms/list_box.h"
#include "forms/worker.h"
#include "inventory/opacity.h"
#include "platform/window_system.h"

namespace hovrel {

// At the end, how long the windows seen through may take to be given back
// their state, all together, before the program ends all the same.
inline constexpr unsigned kRestoreWaitMs = 3'000;

class OpacityWork {
 public:
  // `rows` lists windows by their handles; the steps run on `lane`.
  OpacityWork(WindowSystem& ws, Worker& worker, int lane, ListBox& rows)
      : worker_(worker), lane_(lane), rows_(rows), seeThrough_(ws) {}
  OpacityWork(const OpacityWork&) = delete;
  OpacityWork& operator=(const OpacityWork&) = delete;

  // `steps` steps less opaque (negative) or more; see SeeThrough::Step.
  void Step(Hwnd hwnd, int steps);
  // Every window seen through gets back its state, before the program ends.
  void RestoreAll();

 private:
  void Start(Hwnd hwnd);
  void Done(Hwnd hwnd);

  Worker& worker_;
  const int lane_;
  ListBox& rows_;
  // Only the lane touches it.
  SeeThrough seeThrough_;
  // The window's thread only: steps not yet handed to the lane, and the
  // windows with a step on it, by window.
  std::map<Hwnd, int> waiting_;
  std::set<Hwnd> underWay_;
};

}  // namespace hovrel
