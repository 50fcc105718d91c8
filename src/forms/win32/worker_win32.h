// The Worker of a real window: each lane one thread of its own, started at
// the lane's first job, and each completion posted back to the window as a
// registered message. The form window owns one and hands it the messages.
#pragma once

#include <cstdint>
#include <memory>

#include "forms/worker.h"
#include "platform/window_system.h"

namespace hovrel {

// What the worker and its lane threads share; it lives as long as either.
struct WorkerState;

class Win32Worker final : public Worker {
 public:
  // Completions go to `window` as WorkDoneMessage().
  explicit Win32Worker(Hwnd window);
  // Lanes stop after the job they are running; its completion is dropped.
  ~Win32Worker() override;
  Win32Worker(const Win32Worker&) = delete;
  Win32Worker& operator=(const Win32Worker&) = delete;

  void Run(int lane, Job job) override;
  bool Wait(int lane, unsigned ms) override;
  // The lParam of a WorkDoneMessage() the window received: runs and frees
  // that completion if this worker posted it and it was not yet taken, and
  // does nothing otherwise (another program may broadcast the same message).
  void TakeCompletion(std::intptr_t record);

 private:
  std::shared_ptr<WorkerState> state_;
};

// The message that carries a completion to the window; 0 if the window
// system would not register it.
unsigned WorkDoneMessage();

}  // namespace hovrel
