// frmMain's Help menu on the headless window and the recording shell: each
// web item's own target, Read Me in all kinds of folders, and the About box
// with the build number read from the version resource.
#include <gtest/gtest.h>

#include "links/build_number.h"
#include "native/program.h"

namespace hovrel {
namespace {

sim::ExecuteCall Opened(Hwnd owner, std::string_view target) {
  return {owner, "Open", std::string(target), std::nullopt, std::nullopt, SW_SHOWNORMAL};
}

TEST(FrmMainHelp, EachWebItemHandsItsOwnTargetToTheShellAtEveryClick) {
  // clang-format off
  const std::pair<CommandId, std::string_view> cases[] = {
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
  std::vector<sim::ExecuteCall> expected;
  // Twice round: a target leaking from one click to the next would show.
  for (int round = 0; round < 2; ++round)
    for (const auto& [item, target] : cases) {
      p.form.Click(item);
      expected.push_back(Opened(p.form.hWnd(), target));
    }
  EXPECT_EQ(p.shell.executeCalls, expected);
  EXPECT_TRUE(p.shell.startCalls.empty());
}

TEST(FrmMainHelp, ReadMeStartsNotepadOnTheFileBesideTheProgramAtEveryClick) {
  // Blanks stay unquoted; the root directory; non-ASCII and dotted directories.
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Quarrow Hovrel\\hovrel.exe", "Notepad C:\\Program Files\\Quarrow Hovrel\\readme.txt"},
      {"C:\\hovrel.exe", "Notepad C:\\readme.txt"},
      {"D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\\hovrel.exe", "Notepad D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\\readme.txt"},
      {"E:\\a.b\\c d.e\\hovrel.exe", "Notepad E:\\a.b\\c d.e\\readme.txt"},
  };
  Program p;
  p.Start();
  std::vector<sim::StartCall> expected;
  for (const auto& [programFile, commandLine] : cases) {
    p.shell.programFileName = programFile;
    p.form.Click(CommandId::mnuReadMe);
    expected.push_back({commandLine, SW_SHOWNORMAL});
  }
  EXPECT_EQ(p.shell.startCalls, expected);
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
    // The three address fields; a label, the picture and the dialog manager's Esc run nothing.
    for (const CommandId id : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress, CommandId::Label3,
                               CommandId::Image, CommandId{2}})
      about.Click(id);
    openAfterLinks = about.loaded();
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  p.shell.versionResource = sim::VersionBlock(2141);
  p.form.Click(CommandId::mnuAbout);

  EXPECT_EQ(shown, (std::vector<std::string>{"Version 2.0 Build 2140", "Version 2.0 Build 2141"}));
  ASSERT_EQ(windows.size(), 2u);
  ASSERT_NE(windows[0], p.form.hWnd());
  EXPECT_EQ(p.shell.executeCalls, (std::vector<sim::ExecuteCall>{Opened(windows[0], "mailto:team@quarrow.example"),
                                                                  Opened(windows[0], "http://quarrow.example"),
                                                                  Opened(windows[0], "http://quarrow.example/hovrel")}));
  EXPECT_TRUE(openAfterLinks);
  EXPECT_EQ(p.forms.leftOpen, 0);
  EXPECT_FALSE(p.desktop.Exists(windows[0]));
  EXPECT_FALSE(p.form.ended());
  EXPECT_EQ(p.shell.notifyCalls.size(), 1u) << "closing About touched the icon";
}

TEST(BuildNumberTest, ReadsTheRevisionAndRejectsWhatIsNoVersionBlock) {
  for (const std::uint16_t revision : {0, 2140, 65535})
    EXPECT_EQ(RevisionFromVersionInfo(sim::VersionBlock(revision)), revision);
  sim::FakeShell shell;
  EXPECT_EQ(BuildNumber(shell), "") << "no version resource";
  struct Case {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
    int width;
  } cases[] = {
      {"wrong signature", 40, 0xFEEF04BC, 4},
      {"other key", 6, 'X', 2},
      {"key without its zero", 36, 'O', 2},
      {"length past the data", 0, 117, 2},
      {"length shorter than the fixed part", 0, 91, 2},
      {"no fixed part", 2, 0, 2},
      {"cut short", 91, 0, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> block = sim::VersionBlock(2140);
    sim::Put(block, c.offset, c.value, c.width);
    if (c.width == 0) block.resize(c.offset);
    EXPECT_EQ(RevisionFromVersionInfo(block), std::nullopt) << c.name;
  }
}

}  // namespace
}  // namespace hovrel
