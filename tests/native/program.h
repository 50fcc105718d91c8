// The program on the simulated desktop, with a recording shell and headless
// windows: what the main window's tests start and play the user on.
#pragma once

#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {

struct Program {
  // Windows a test adds before this are there at the start.
  void Start() { form.Load(main); }
  void Select(Hwnd hwnd) { list.Select(list.Find(desktop.Title(hwnd))); }
  bool Listed(Hwnd hwnd) const { return list.Find(desktop.Title(hwnd)) >= 0; }
  int Requests(unsigned message) const {
    int count = 0;
    for (const auto& call : shell.notifyCalls) count += call.message == message;
    return count;
  }

  sim::SimulatedDesktop desktop;
  sim::FakeShell shell;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, &forms};
  frmMain main{desktop, shell, forms, form};
  sim::FakeListBox& list = form.List(CommandId::lstApp);
};

}  // namespace hovrel
