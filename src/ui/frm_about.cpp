// frmAbout's handlers and their wiring; see frm_about.h.
#include "ui/frm_about.h"

#include "links/web_links.h"

namespace hovrel {
namespace {

struct Wiring {
  CommandId source;
  void (frmAbout::*handler)();
};

// A click on "OK" (or Enter, its default button) and a double-click on an
// address field. A single click on a field raises nothing.
// clang-format off
constexpr Wiring kWiring[] = {
    {CommandId::btnOK,          &frmAbout::btnOK_Click},
    {CommandId::LEmail,         &frmAbout::LEmail_DblClick},
    {CommandId::LHomepage,      &frmAbout::LHomepage_DblClick},
    {CommandId::LOnlineAddress, &frmAbout::LOnlineAddress_DblClick},
};
// clang-format on

}  // namespace

frmAbout::frmAbout(Shell& shell, FormHost& form) : shell_(shell), form_(form) {}

void frmAbout::Command(CommandId id) {
  for (const Wiring& row : kWiring) {
    if (row.source == id) {
      (this->*row.handler)();
      return;
    }
  }
}

void frmAbout::btnOK_Click() { form_.Unload(); }

// The targets are the program's constants, not the fields' text read back.
void frmAbout::LEmail_DblClick() { OpenLink(shell_, form_.hWnd(), kMakerMailTarget); }

void frmAbout::LHomepage_DblClick() { OpenLink(shell_, form_.hWnd(), kMakerHomePage); }

void frmAbout::LOnlineAddress_DblClick() { OpenLink(shell_, form_.hWnd(), kProductPage); }

}  // namespace hovrel
