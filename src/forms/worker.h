// Background work of a form: jobs run in order on named lanes, each lane one
// thread of its own, and what each job hands back runs on the window's thread
// between its other messages. The window toolkit (forms/win32/worker_win32.*)
// implements it with real threads, the tests with a double that runs the jobs
// when a test says.
#pragma once

#include <functional>

namespace hovrel {

// What a job leaves for the window's thread; it runs there once the job is
// done, and may be empty.
using Completion = std::function<void()>;
// Runs on its lane, off the window's thread: it touches only what its lane
// owns and what it was given.
using Job = std::function<Completion()>;

class Worker {
 public:
  virtual ~Worker() = default;

  // Queues `job` on `lane` (a small number the program chooses). A lane
  // runs its jobs one at a time, in the order they came; lanes run side by
  // side.
  virtual void Run(int lane, Job job) = 0;
  // Waits until every job queued on `lane` so far has run, at most `ms`,
  // answering what is sent to the program's windows meanwhile; false when the
  // time ran out first. The completions come later, as ever.
  virtual bool Wait(int lane, unsigned ms) = 0;
};

}  // namespace hovrel
