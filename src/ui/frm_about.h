// frmAbout's handlers: the About box's "OK" and its three address fields,
// which open their targets through the shell on a double-click. frmMain's
// mnuAbout_Click makes the window and shows it modal.
#pragma once

#include "platform/shell.h"
#include "forms/form_host.h"
#include "ui/command_id.h"

namespace hovrel {

// Named as the window's designer named its members.
class frmAbout final : public FormEvents {
 public:
  // `form` is the window built from kAboutForm.
  frmAbout(Shell& shell, FormHost& form);
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

  void Command(CommandId id) override;

  void btnOK_Click();
  void LEmail_DblClick();
  void LHomepage_DblClick();
  void LOnlineAddress_DblClick();

 private:
  Shell& shell_;
  FormHost& form_;
};

}  // namespace hovrel
