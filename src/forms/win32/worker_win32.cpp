// Win32Worker, a form's lanes on threads of their own; see worker_win32.h.
#include "forms/win32/worker_win32.h"

#include <deque>
#include <map>
#include <optional>

// After our headers: see window_system.h.
#include <windows.h>

#include "forms/win32/win32_owned.h"
#include "platform/win32_handle.h"

namespace hovrel {

struct WorkerState {
  struct Lane {
    std::deque<Job> jobs;
    // Auto-reset: set when a job is queued.
    OwnedHandle wake{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    // Manual-reset: set while no job is queued or running. Never replaced, so
    // a Wait nested in another (from a message sent meanwhile) waits on the
    // same handle.
    OwnedHandle idle{::CreateEventW(nullptr, TRUE, TRUE, nullptr)};
    bool started = false;
  };

  explicit WorkerState(HWND to) : window(to) {}

  const HWND window;
  SRWLOCK lock = SRWLOCK_INIT;
  // The worker is gone: lanes stop, and no completion is posted.
  bool stopped = false;
  std::map<int, Lane> lanes;
  // Completions posted to the window and not yet taken, by their lParam.
  std::map<LPARAM, std::unique_ptr<Completion>> posted;
};

namespace {

class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ::ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

struct LaneStart {
  std::shared_ptr<WorkerState> state;
  WorkerState::Lane* lane;
};

// The lane's next job, waited for; none once the worker is gone.
std::optional<Job> NextJob(WorkerState& state, WorkerState::Lane& lane) {
  for (;;) {
    {
      const Locked locked(state.lock);
      if (state.stopped) return std::nullopt;
      if (!lane.jobs.empty()) {
        Job job = std::move(lane.jobs.front());
        lane.jobs.pop_front();
        return job;
      }
    }
    ::WaitForSingleObject(lane.wake.get(), INFINITE);
  }
}

void Deliver(WorkerState& state, WorkerState::Lane& lane, std::unique_ptr<Completion> completion) {
  const Locked locked(state.lock);
  if (lane.jobs.empty()) ::SetEvent(lane.idle.get());
  if (state.stopped || !*completion) return;
  const auto record = reinterpret_cast<LPARAM>(completion.get());
  // Kept before it is posted: the window may take it before PostMessageW
  // returns. A window already destroyed refuses it.
  state.posted[record] = std::move(completion);
  const UINT message = WorkDoneMessage();
  if (message == 0 || !::PostMessageW(state.window, message, 0, record)) state.posted.erase(record);
}

DWORD WINAPI RunLane(void* parameter) {
  const std::unique_ptr<LaneStart> start(static_cast<LaneStart*>(parameter));
  while (std::optional<Job> job = NextJob(*start->state, *start->lane))
    Deliver(*start->state, *start->lane, std::make_unique<Completion>((*job)()));
  return 0;
}

bool StartLane(const std::shared_ptr<WorkerState>& state, WorkerState::Lane& lane) {
  if (!lane.wake || !lane.idle) return false;
  auto start = std::make_unique<LaneStart>(LaneStart{state, &lane});
  // The thread is never waited for (Wait waits for the lane's idle event),
  // and the process's end ends it wherever it is.
  const OwnedHandle thread(::CreateThread(nullptr, 0, &RunLane, start.get(), 0, nullptr));
  if (!thread) return false;
  start.release();
  return true;
}

}  // namespace

unsigned WorkDoneMessage() {
  static const UINT workDone = ::RegisterWindowMessageW(L"QuarrowHovrel.WorkDone");
  return workDone;
}

Win32Worker::Win32Worker(Hwnd window) : state_(std::make_shared<WorkerState>(ToHwnd(window))) {}

Win32Worker::~Win32Worker() {
  // Freed once the lock is let go: a completion's captures are not ours.
  std::map<LPARAM, std::unique_ptr<Completion>> dropped;
  const Locked locked(state_->lock);
  state_->stopped = true;
  dropped.swap(state_->posted);
  for (auto& [id, lane] : state_->lanes) ::SetEvent(lane.wake.get());
}

void Win32Worker::Run(int lane, Job job) {
  const Locked locked(state_->lock);
  WorkerState::Lane& queue = state_->lanes[lane];
  queue.jobs.push_back(std::move(job));
  ::ResetEvent(queue.idle.get());
  ::SetEvent(queue.wake.get());
  // Without a thread the jobs wait, and the next Run tries again.
  if (!queue.started) queue.started = StartLane(state_, queue);
}

bool Win32Worker::Wait(int lane, unsigned ms) {
  // Held for the wait: a message answered meanwhile may destroy this worker.
  const std::shared_ptr<WorkerState> state = state_;
  HANDLE idle = nullptr;
  {
    const Locked locked(state->lock);
    const auto found = state->lanes.find(lane);
    if (found == state->lanes.end()) return true;
    idle = found->second.idle.get();
  }
  const DWORD deadline = ::GetTickCount() + ms;
  // A job may send the window a message (a change of its own style, say) and
  // wait for the answer: what is sent is answered while waiting.
  for (;;) {
    const DWORD now = ::GetTickCount(), left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
    const DWORD woken = ::MsgWaitForMultipleObjects(1, &idle, FALSE, left, QS_SENDMESSAGE);
    if (woken == WAIT_OBJECT_0) return true;
    if (woken != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void Win32Worker::TakeCompletion(std::intptr_t record) {
  std::unique_ptr<Completion> completion;
  {
    const Locked locked(state_->lock);
    auto taken = state_->posted.extract(static_cast<LPARAM>(record));
    if (taken.empty()) return;
    completion = std::move(taken.mapped());
  }
  // Run unlocked: it may queue further jobs.
  (*completion)();
}

}  // namespace hovrel
