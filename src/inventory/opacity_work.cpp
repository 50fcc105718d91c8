// The opacity keys' work on its lane; see opacity_work.h.
#include "inventory/opacity_work.h"

namespace hovrel {

void OpacityWork::Step(Hwnd hwnd, int steps) {
  waiting_[hwnd] += steps;
  if (!underWay_.contains(hwnd)) Start(hwnd);
}

void OpacityWork::Start(Hwnd hwnd) {
  const auto waiting = waiting_.extract(hwnd);
  underWay_.insert(hwnd);
  worker_.Run(lane_, [this, hwnd, steps = waiting.mapped()] {
    seeThrough_.Step(hwnd, steps);
    return Completion([this, hwnd] { Done(hwnd); });
  });
}

void OpacityWork::Done(Hwnd hwnd) {
  underWay_.erase(hwnd);
  rows_.RedrawRow(RowOfItemData(rows_, hwnd));
  if (waiting_.contains(hwnd)) Start(hwnd);
}

void OpacityWork::RestoreAll() {
  worker_.Run(lane_, [this] {
    seeThrough_.RestoreAll();
    return Completion();
  });
  worker_.Wait(lane_, kRestoreWaitMs);
}

}  // namespace hovrel
