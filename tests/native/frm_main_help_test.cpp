// frmMain's Help menu on the headless window and the recording shell: each
// web item's own target, Read Me for program files in all kinds of folders,
// and the About box: its build number, its address fields, "OK" and its
// close box.
#include <gtest/gtest.h>

#include "native/program.h"

namespace hovrel {
namespace {

sim::ExecuteCall Opened(Hwnd owner, std::string_view target) {
  return {owner, "Open", std::string(target), std::nullopt, std::nullopt, SW_SHOWNORMAL};
}

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
  Program p;
  p.Start();
  // Twice round, so that a target that leaked from one click to the next
  // would show.
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      p.form.Click(c.item);
      ASSERT_FALSE(p.shell.executeCalls.empty());
      EXPECT_EQ(p.shell.executeCalls.back(), Opened(p.form.hWnd(), c.target)) << c.target;
    }
  }
  EXPECT_EQ(p.shell.executeCalls.size(), 2 * std::size(cases));
  EXPECT_TRUE(p.shell.startCalls.empty());
}

TEST(FrmMainHelp, ReadMeStartsNotepadOnTheFileBesideTheProgramAtEveryClick) {
  struct Case {
    const char* name;
    const char* programFile;
    const char* commandLine;
  } cases[] = {
      {"blanks stay unquoted", "C:\\Program Files\\Quarrow Hovrel\\hovrel.exe",
       "Notepad C:\\Program Files\\Quarrow Hovrel\\readme.txt"},
      {"root directory", "C:\\hovrel.exe", "Notepad C:\\readme.txt"},
      {"non-ASCII directory", "D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC\\hovrel.exe",
       "Notepad D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC\\readme.txt"},
      {"dots in the directory", "E:\\a.b\\c d.e\\hovrel.exe", "Notepad E:\\a.b\\c d.e\\readme.txt"},
  };
  Program p;
  p.Start();
  for (const Case& c : cases) {
    p.shell.programFileName = c.programFile;
    p.form.Click(CommandId::mnuReadMe);
    ASSERT_FALSE(p.shell.startCalls.empty());
    EXPECT_EQ(p.shell.startCalls.back(), (sim::StartCall{c.commandLine, SW_SHOWNORMAL})) << c.name;
  }
  EXPECT_EQ(p.shell.startCalls.size(), std::size(cases));
  EXPECT_TRUE(p.shell.executeCalls.empty());
}

TEST(FrmMainHelp, AboutShowsItsBuildAndOpensItsAddressesForItself) {
  Program p;
  p.shell.versionResource = sim::VersionBlock(2140);
  p.Start();
  std::vector<std::string> shown;
  std::vector<Hwnd> windows;
  bool openAfterLinks = false;
  p.forms.whileModal = [&](sim::HeadlessForm& about) {
    shown.push_back(about.ControlCaption(CommandId::Label2) + " " + about.ControlCaption(CommandId::BuildNo));
    windows.push_back(about.hWnd());
    if (windows.size() == 2) return about.PressCloseBox();
    about.Click(CommandId::LEmail);
    about.Click(CommandId::LHomepage);
    about.Click(CommandId::LOnlineAddress);
    // A label, the picture and the dialog manager's Esc run nothing.
    about.Click(CommandId::Label3);
    about.Click(CommandId::Image);
    about.Click(CommandId{2});
    openAfterLinks = about.loaded();
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  p.shell.versionResource = sim::VersionBlock(2141);
  p.form.Click(CommandId::mnuAbout);

  EXPECT_EQ(shown, (std::vector<std::string>{"Version 2.0 Build 2140", "Version 2.0 Build 2141"}));
  ASSERT_EQ(windows.size(), 2u);
  ASSERT_NE(windows[0], p.form.hWnd());
  const std::vector<sim::ExecuteCall> expected = {
      Opened(windows[0], "mailto:team@quarrow.example"),
      Opened(windows[0], "http://quarrow.example"),
      Opened(windows[0], "http://quarrow.example/hovrel"),
  };
  EXPECT_EQ(p.shell.executeCalls, expected);
  EXPECT_TRUE(openAfterLinks);
  EXPECT_EQ(p.forms.leftOpen, 0);
  EXPECT_FALSE(p.desktop.Exists(windows[0]));
  EXPECT_FALSE(p.form.ended());
  EXPECT_EQ(p.shell.notifyCalls.size(), 1u) << "closing About touched the icon";
}

}  // namespace
}  // namespace hovrel
