// frmMain's handlers: the program's main window as the user works it. Each
// handler either calls the window inventory or another handler; which user
// action raises which handler is the wiring table in frm_main.cpp.
#pragma once

#include <cstdint>

#include "platform/window_system.h"
#include "ui/form_host.h"

namespace hovrel {

// Named as the window's designer named its members.
class frmMain final : public FormEvents {
 public:
  // `form` is the window built from kMainForm.
  frmMain(WindowSystem& ws, FormHost& form);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  void Form_Load() override;
  void Form_Paint() override;
  void Form_Unload() override;
  void Command(CommandId id) override;

  void btnTop_Click();
  void btnReset_Click();
  void btnSwitch_Click();
  void btnEnd_Click();
  void btnRefresh_Click();
  void lstApp_DblClick();
  void mnuTop_Click();
  void mnuReset_Click();
  void mnuEndTask_Click();
  void mnuSwitch_Click();
  void mnuExit_Click();
  void mnuShowOnlyApp_Click();
  void mnuRefresh_Click();
  void mnuAlwaysOnTop_Click();

  // Empties the list and fills it anew with the filter as checked.
  void FindAllApps();

  std::uint32_t AppFilterMask = 0;

 private:
  void SetTopMost(bool onTop);

  WindowSystem& ws_;
  FormHost& form_;
  ListBox& lstApp_;
};

}  // namespace hovrel
