// Timed program starts for the benchmarks; see program_start.h.
#include "ui/command_id.h"

#include "program_start.h"

#include "measure.h"

namespace hovrel::bench {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartDeadline = 30s;

}  // namespace

int ListRows(HWND form) {
  HWND list = ::GetDlgItem(form, static_cast<int>(CommandId::lstApp));
  DWORD_PTR rows = 0;
  if (list == nullptr ||
      !::SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &rows))
    return 0;
  return static_cast<int>(static_cast<LRESULT>(rows));
}

StartRun RunStart(const Program& program, const std::function<void(const ChildProcess&)>& meanwhile) {
  std::optional<OutputPipe> output;
  if (program.stamped) output.emplace();
  const Stopwatch watch;
  ChildProcess process(program.file, program.arguments, output ? output->childEnd() : nullptr);
  if (output) output->CloseChildEnd();
  HWND window = nullptr;
  const bool ready = process.started() && WaitUntil(
      [&] {
        window = ShownWindowOf(process, program.caption.c_str());
        return window != nullptr && (!program.listed || ListRows(window) > 0);
      },
      kStartDeadline);
  StartRun run;
  if (ready) run.shownMs = watch.Milliseconds();
  PhaseRecord phases;
  if (ready && output && output->Read(&phases, sizeof phases, kStartDeadline)) {
    phases.counter[static_cast<int>(Stamp::Created)] = watch.Started();
    run.phases = phases;
  }
  if (ready && meanwhile) meanwhile(process);
  process.Close(window);
  return run;
}

}  // namespace hovrel::bench
