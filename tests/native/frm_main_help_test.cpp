// frmMain's Help menu on the headless window and the recording shell: each
// web item's own target, Read Me and F1, and the About box: its build
// number, its address fields, "OK", its close box and a second opening.
#include <gtest/gtest.h>

#include "links/web_links.h"
#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "sim/version_block.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

struct Program {
  Program() {
    shell.versionResource = sim::VersionBlock(2140);
    form.Load(main);
  }

  sim::ExecuteCall Opened(Hwnd owner, std::string_view target) const {
    return {owner, "Open", std::string(target), std::nullopt, std::nullopt, SW_SHOWNORMAL};
  }

  sim::SimulatedDesktop desktop;
  sim::FakeShell shell;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, &forms};
  frmMain main{desktop, shell, forms, form};
};

TEST(FrmMainHelp, EachWebItemHandsItsOwnTargetToTheShellAtEveryClick) {
  struct Case {
    CommandId item;
    std::string_view target;
  };
  // clang-format off
  const Case cases[] = {
      {CommandId::mnuHome,      "http://quarrow.example/hovrel"},
      {CommandId::mnuNews,      "http://quarrow.example/news"},
      {CommandId::mnuDownload,  "http://quarrow.example/download"},
      {CommandId::mnuSendMail,  "mailto:team@quarrow.example"},
      {CommandId::mnuGuestBook, "http://quarrow.example/support/book"},
      {CommandId::mnuGetPaid,   "http://paidmail.example/Id/605080"},
      {CommandId::mnuHomePage,  "http://quarrow.example"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Program p;
    p.form.Click(c.item);
    p.form.Click(c.item);
    const std::vector<sim::ExecuteCall> expected(2, p.Opened(p.form.hWnd(), c.target));
    EXPECT_EQ(p.shell.executeCalls, expected) << c.target;
    EXPECT_TRUE(p.shell.startCalls.empty()) << c.target;
    EXPECT_FALSE(p.form.ended()) << c.target;
  }
}

TEST(FrmMainHelp, ReadMeStartsNotepadOnTheFileBesideTheProgramEachTime) {
  Program p;
  p.form.Click(CommandId::mnuReadMe);
  p.shell.programFileName = "D:\\Tools and more\\hovrel.exe";
  p.form.Click(CommandId::mnuReadMe);
  const std::vector<sim::StartCall> expected = {
      {"Notepad C:\\Program Files\\Quarrow\\readme.txt", SW_SHOWNORMAL},
      {"Notepad D:\\Tools and more\\readme.txt", SW_SHOWNORMAL},
  };
  EXPECT_EQ(p.shell.startCalls, expected);
  EXPECT_TRUE(p.shell.executeCalls.empty());
}

TEST(FrmMainHelp, AboutShowsTheBuildFromTheVersionResourceAtEveryOpening) {
  Program p;
  std::vector<std::string> shown;
  std::vector<Hwnd> windows;
  p.forms.whileModal = [&](sim::HeadlessForm& about) {
    shown.push_back(about.ControlCaption(CommandId::Label2) + " " + about.ControlCaption(CommandId::BuildNo));
    windows.push_back(about.hWnd());
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  p.shell.versionResource = sim::VersionBlock(2141);
  p.form.Click(CommandId::mnuAbout);
  EXPECT_EQ(shown, (std::vector<std::string>{"Version 2.0 Build 2140", "Version 2.0 Build 2141"}));
  EXPECT_EQ(p.forms.created, 2);
  EXPECT_EQ(p.forms.leftOpen, 0);
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_FALSE(p.desktop.Exists(windows[0])) << "the first About window outlived its OK";
  EXPECT_FALSE(p.desktop.Exists(windows[1]));
}

TEST(FrmMainHelp, AboutWithoutAVersionResourceShowsNoNumber) {
  Program p;
  p.shell.versionResource.clear();
  std::string build = "unset";
  p.forms.whileModal = [&](sim::HeadlessForm& about) {
    build = about.ControlCaption(CommandId::BuildNo);
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  EXPECT_EQ(build, "");
}

TEST(FrmMainHelp, AboutFieldsOpenTheirTargetsForTheAboutWindowAndStayOpen) {
  Program p;
  Hwnd aboutWindow = 0;
  bool openAfterLinks = false;
  p.forms.whileModal = [&](sim::HeadlessForm& about) {
    aboutWindow = about.hWnd();
    about.Click(CommandId::LEmail);
    about.Click(CommandId::LHomepage);
    about.Click(CommandId::LOnlineAddress);
    // Labels, the picture and the dialog manager's Esc run nothing.
    about.Click(CommandId::Label3);
    about.Click(CommandId::Image);
    about.Click(CommandId{2});
    openAfterLinks = about.loaded();
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  ASSERT_NE(aboutWindow, p.form.hWnd());
  const std::vector<sim::ExecuteCall> expected = {
      p.Opened(aboutWindow, "mailto:team@quarrow.example"),
      p.Opened(aboutWindow, "http://quarrow.example"),
      p.Opened(aboutWindow, "http://quarrow.example/hovrel"),
  };
  EXPECT_EQ(p.shell.executeCalls, expected);
  EXPECT_TRUE(openAfterLinks);
  EXPECT_EQ(p.forms.leftOpen, 0);
}

TEST(FrmMainHelp, AboutsCloseBoxUnloadsItLikeOkAndTheProgramGoesOn) {
  Program p;
  p.forms.whileModal = [](sim::HeadlessForm& about) { about.PressCloseBox(); };
  p.form.Click(CommandId::mnuAbout);
  EXPECT_EQ(p.forms.modalShows, 1);
  EXPECT_EQ(p.forms.leftOpen, 0);
  EXPECT_FALSE(p.form.ended());
  EXPECT_EQ(p.shell.notifyCalls.size(), 1u) << "closing About touched the icon";
}

}  // namespace
}  // namespace hovrel
