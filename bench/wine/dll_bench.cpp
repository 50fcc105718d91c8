// What the DLLs that hovrel.exe imports beyond bare_window.exe's cost a
// program: bare_window.exe's start and working set when it loads them too,
// beside its own and hovrel.exe's, and the modules each process has loaded
// once its start is over. All start in turns, as in the start bench.
#include "ui/frm_main_description.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"
#include "program_start.h"

namespace hovrel::bench {
namespace {

constexpr int kRepetitions = 15;
constexpr int kDesktopWindows = 50;
constexpr DWORD kIdleDeadlineMs = 10'000;

using Modules = std::set<std::string>;

Modules LoadedModules(HANDLE process) {
  std::vector<HMODULE> modules(512);
  DWORD bytes = 0;
  if (!::EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &bytes))
    return {};
  modules.resize(std::min<std::size_t>(modules.size(), bytes / sizeof(HMODULE)));
  Modules names;
  // The first is the program itself.
  for (std::size_t i = 1; i < modules.size(); ++i) {
    char name[MAX_PATH];
    const DWORD length = ::GetModuleBaseNameA(process, modules[i], name, MAX_PATH);
    std::string lower(name, length);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.insert(lower);
  }
  return names;
}

double WorkingSetKiB(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  if (!::GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
  return static_cast<double>(counters.WorkingSetSize / 1024);
}

struct Variant {
  explicit Variant(Program started) : program(std::move(started)) {}

  Program program;
  std::vector<double> starts, workingSets;
  Modules modules;
};

// Read once the program waits for input with none left, its window
// painted; a stamped program is read only after it has sent its record, its
// icon added.
void Measure(Variant& variant) {
  const StartRun run = RunStart(variant.program, [&](const ChildProcess& process) {
    ::WaitForInputIdle(process.handle(), kIdleDeadlineMs);
    variant.workingSets.push_back(WorkingSetKiB(process.handle()));
    if (variant.modules.empty()) variant.modules = LoadedModules(process.handle());
  });
  if (run.shownMs >= 0) variant.starts.push_back(run.shownMs);
}

std::string Label(const Program& program) {
  std::string label;
  for (const wchar_t* c = program.file; *c != L'\0'; ++c) label += static_cast<char>(*c);
  if (!program.arguments.empty()) label += ' ';
  for (wchar_t c : program.arguments) label += static_cast<char>(c);
  return label;
}

std::string Beyond(const Modules& modules, const Modules& bare) {
  std::string beyond;
  for (const std::string& name : modules)
    if (bare.count(name) == 0) beyond += (beyond.empty() ? "" : " ") + name;
  for (const std::string& name : bare)
    if (modules.count(name) == 0) beyond += (beyond.empty() ? "-" : " -") + name;
  return beyond.empty() ? "none" : beyond;
}

void Print(const std::vector<Variant>& variants) {
  const Variant& bare = variants.front();
  std::printf("DLLs beyond bare_window.exe's, %d other windows, median of %d: start to the window"
              " shown, ms; working set once idle, KiB\n",
              kDesktopWindows, kRepetitions);
  std::printf("%-42s  %8s  %6s  %11s  %8s  %s\n", "program", "start ms", "ratio", "working set",
              "vs bare", "modules loaded beyond bare_window.exe's");
  for (const Variant& variant : variants) {
    const double start = Median(variant.starts);
    const double workingSet = Median(variant.workingSets);
    std::printf("%-42s  %8.1f  %5.2fx  %11.0f  %+8.0f  %s\n", Label(variant.program).c_str(), start,
                start / Median(bare.starts), workingSet, workingSet - Median(bare.workingSets),
                Beyond(variant.modules, bare.modules).c_str());
  }
}

}  // namespace

void RunDllBench() {
  CrowdProcess desktop(kDesktopWindows);
  const auto bare = [](const wchar_t* dlls) { return Program{L"bare_window.exe", dlls, "Bare Window", false, false}; };
  std::vector<Variant> variants;
  for (const wchar_t* dlls : {L"", L"comctl32.dll", L"shell32.dll", L"comctl32.dll shell32.dll"})
    variants.emplace_back(bare(dlls));
  const std::string caption(kMainForm.caption);
  variants.emplace_back(Program{L"hovrel.exe", L"", caption, true, false});
  variants.emplace_back(Program{L"hovrel_phases.exe", L"", caption, true, true});
  for (Variant& variant : variants) RunStart(variant.program);  // fills the file cache
  for (int i = 0; i < kRepetitions; ++i) {
    // Each round starts with the next program, so none always follows the same one.
    for (std::size_t turn = 0; turn < variants.size(); ++turn)
      Measure(variants[(turn + static_cast<std::size_t>(i)) % variants.size()]);
  }
  Print(variants);
  std::printf("(hovrel.exe is read once it first waits for input, before its icon's timer has run out;\n"
              " hovrel_phases.exe, the same start, once its icon is added)\n");
  std::fflush(stdout);
}

}  // namespace hovrel::bench
