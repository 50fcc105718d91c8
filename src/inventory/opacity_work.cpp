// The opacity keys' work on its lane; see opacity_work.h.
#include "inventory/opacity_work.h"

namespace hovrel {

void OpacityWork::Step(Hwnd hwnd, int steps, bool noted) {
  Waiting& waiting = waiting_[hwnd];
  waiting.steps += steps;
  waiting.noted = waiting.noted || noted;
  if (!underWay_.contains(hwnd)) Start(hwnd);
}

void OpacityWork::Start(Hwnd hwnd) {
  const Waiting waiting = waiting_.extract(hwnd).mapped();
  underWay_.insert(hwnd);
  form_.Background().Run(lane_, [this, hwnd, waiting] {
    const Stepped stepped = seeThrough_.Step(hwnd, waiting.steps);
    return Completion([this, hwnd, stepped, noted = waiting.noted] { Done(hwnd, stepped, noted); });
  });
}

void OpacityWork::Done(Hwnd hwnd, Stepped stepped, bool noted) {
  underWay_.erase(hwnd);
  if (stepped.refused) ws_.MessageBeep(MB_OK);
  rows_.RedrawRow(RowOfItemData(rows_, hwnd));
  const auto exStyle = static_cast<std::uint32_t>(ws_.GetWindowLongW(hwnd, GWL_EXSTYLE));
  if (noted) form_.ShowNote(hwnd, NoteText(stepped.outcome, WindowOpacity(ws_, hwnd, exStyle)));
  if (waiting_.contains(hwnd)) Start(hwnd);
}

void OpacityWork::RestoreAll() {
  form_.Background().Run(lane_, [this] {
    seeThrough_.RestoreAll();
    return Completion();
  });
  form_.Background().Wait(lane_, kRestoreWaitMs);
}

}  // namespace hovrel
