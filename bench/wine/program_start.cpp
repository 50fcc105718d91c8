// Timed program starts for the benchmarks; see program_start.h.
#include "ui/command_id.h"

#include "program_start.h"

#include "measure.h"

namespace hovrel::bench {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartDeadline = 30s;
// What a program leaves to the window server, the X server and Explorer as
// it ends (hovrel.exe ends at once, with its windows and icon still there)
// would otherwise run during the next start: a start right after hovrel.exe
// ended took some 15 ms longer than one after bare_window.exe.
constexpr DWORD kSettleMs = 1000;

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
  StartRun run;
  const bool ready = process.started() && WaitUntil(
      [&] {
        window = ShownWindowOf(process, program.caption.c_str());
        if (window == nullptr) return false;
        // Timed when first seen, as any window is: the question for the
        // rows is answered only once the program reads its messages again,
        // after it has shown and activated its window.
        const double seen = watch.Milliseconds();
        if (program.listed && ListRows(window) == 0) return false;
        run.shownMs = seen;
        return true;
      },
      kStartDeadline);
  PhaseRecord phases;
  if (ready && output && output->Read(&phases, sizeof phases, kStartDeadline)) {
    phases.counter[static_cast<int>(Stamp::Created)] = watch.Started();
    run.phases = phases;
  }
  if (ready && meanwhile) meanwhile(process);
  process.Close(window);
  ::Sleep(kSettleMs);
  return run;
}

}  // namespace hovrel::bench
