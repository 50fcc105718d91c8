// hovrel_phases.exe: hovrel.exe's start step for step, with the program's own
// classes, but with frmMain's events and the shell passed through wrappers
// that stamp the end of each step. The record goes to the driver on standard
// output once the icon is added (start_phases.h); the program then runs on.
#include "forms/win32/form_win32.h"
#include "platform/program_files_win32.h"
#include "platform/shell_win32.h"
#include "platform/window_system_win32.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

// After our headers: see window_system.h.
#include <windows.h>
#include <psapi.h>

#include "start_phases.h"

namespace hovrel::bench {
namespace {

class PhaseStamps {
 public:
  // Only the first time each stamp comes counts.
  void Take(Stamp stamp) {
    const auto at = static_cast<std::size_t>(stamp);
    if (record_.counter[at] != 0) return;
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    record_.counter[at] = now.QuadPart;
    // Read after the counter: its own cost falls into the next phase.
    PROCESS_MEMORY_COUNTERS memory{};
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory))
      record_.workingSetKiB[at] = static_cast<std::uint32_t>(memory.WorkingSetSize / 1024);
  }

  bool Taken(Stamp stamp) const { return record_.counter[static_cast<std::size_t>(stamp)] != 0; }

  // Started by hand, the program has no standard output and sends nothing.
  void Send() const {
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(output, &record_, sizeof record_, &written, nullptr);
  }

 private:
  PhaseRecord record_;
};

// Passes every call to the real shell; stamps the first request for the icon.
class StampingShell final : public Shell {
 public:
  StampingShell(Shell& shell, PhaseStamps& stamps) : shell_(shell), stamps_(stamps) {}

  bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) override {
    stamps_.Take(Stamp::IconAsked);
    return shell_.Shell_NotifyIconA(message, record);
  }
  void ShellExecuteW(Hwnd owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand) override {
    shell_.ShellExecuteW(owner, verb, file, parameters, directory, showCommand);
  }
  bool StartProgram(const std::string& application, const std::string& commandLine,
                    int showCommand) override {
    return shell_.StartProgram(application, commandLine, showCommand);
  }
  bool Elevated() override { return shell_.Elevated(); }
  bool ShellExecuteFromDesktop(const char* file, const char* parameters) override {
    return shell_.ShellExecuteFromDesktop(file, parameters);
  }

 private:
  Shell& shell_;
  PhaseStamps& stamps_;
};

// Passes every event to frmMain, and stamps as the start's events return.
class StampingEvents final : public FormEvents {
 public:
  StampingEvents(FormEvents& events, PhaseStamps& stamps) : events_(events), stamps_(stamps) {}

  void Form_Load() override {
    events_.Form_Load();
    stamps_.Take(Stamp::Filled);
  }
  void Form_Paint() override {
    events_.Form_Paint();
    stamps_.Take(Stamp::Painted);
  }
  void Form_Activate() override { events_.Form_Activate(); }
  void Form_Resize() override { events_.Form_Resize(); }
  void Form_DpiChanged() override { events_.Form_DpiChanged(); }
  void Form_MouseMove(const MouseMoveEvent& event) override { events_.Form_MouseMove(event); }
  void Form_Unload() override { events_.Form_Unload(); }
  void Form_Timer(int id) override {
    events_.Form_Timer(id);
    // The timer that asked the shell for the icon ends the start.
    if (!stamps_.Taken(Stamp::IconAsked) || stamps_.Taken(Stamp::IconAdded)) return;
    stamps_.Take(Stamp::IconAdded);
    stamps_.Send();
  }
  RowLook LookOfRow(CommandId list, std::uint32_t itemData, int iconPixels) override {
    return events_.LookOfRow(list, itemData, iconPixels);
  }
  void TaskbarCreated() override { events_.TaskbarCreated(); }
  void Command(CommandId id) override { events_.Command(id); }
  void Form_SessionEnd(bool closingProgram) override { events_.Form_SessionEnd(closingProgram); }

 private:
  FormEvents& events_;
  PhaseStamps& stamps_;
};

}  // namespace
}  // namespace hovrel::bench

// What src/app/main_win32.cpp does, in the same order, with the stamps between.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using hovrel::bench::Stamp;
  hovrel::bench::PhaseStamps stamps;
  stamps.Take(Stamp::WinMain);
  hovrel::Win32WindowSystem windowSystem;
  hovrel::Win32Shell realShell;
  hovrel::bench::StampingShell shell(realShell, stamps);
  hovrel::Win32ProgramFiles files;
  hovrel::Win32Forms forms;
  hovrel::Win32Form form(hovrel::kMainForm);
  stamps.Take(Stamp::Built);
  hovrel::frmMain main(windowSystem, shell, files, forms, form);
  hovrel::bench::StampingEvents events(main, stamps);
  form.Load(events, SW_SHOWNORMAL);
  stamps.Take(Stamp::Shown);
  return form.RunMessageLoop();
}
