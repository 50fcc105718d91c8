// frmMain's Help menu: the read-me, the maker's web pages and mail, and the
// About box.
#include "ui/build_number.h"
#include "links/read_me.h"
#include "links/web_links.h"
#include "ui/frm_about.h"
#include "ui/frm_about_description.h"
#include "ui/frm_main.h"

namespace hovrel {

void frmMain::mnuReadMe_Click() { OpenReadMe(shell_, files_, form_.hWnd()); }

// The owner is read at each click: the window's handle is the shell's
// parent for any message it shows.
void frmMain::mnuHome_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::Home)); }

void frmMain::mnuNews_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::News)); }

void frmMain::mnuDownload_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::Download)); }

void frmMain::mnuSendMail_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::SendMail)); }

void frmMain::mnuGuestBook_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::GuestBook)); }

void frmMain::mnuGetPaid_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::GetPaid)); }

void frmMain::mnuHomePage_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::HomePage)); }

void frmMain::mnuAbout_Click() {
  // Built anew at each opening and gone when this returns, so the build
  // number is filled in every time.
  const std::unique_ptr<FormHost> window = forms_.Create(kAboutForm, form_);
  frmAbout about(shell_, *window);
  window->SetCaption(CommandId::BuildNo, BuildNumber(files_));
  window->ShowModal(about);
}

}  // namespace hovrel
