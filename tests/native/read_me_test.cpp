// The read-me command line for program files in all kinds of directories,
// and that Notepad is started with it, shown normally, at every click.
#include <gtest/gtest.h>

#include "links/read_me.h"
#include "sim/fake_shell.h"

namespace hovrel {
namespace {

TEST(ReadMeTest, CommandLineNamesTheFileBesideTheProgram) {
  struct Case {
    const char* name;
    const char* programFile;
    const char* commandLine;
  } cases[] = {
      {"blanks stay unquoted", "C:\\Program Files\\Quarrow Hovrel\\hovrel.exe",
       "Notepad C:\\Program Files\\Quarrow Hovrel\\readme.txt"},
      {"root directory", "C:\\hovrel.exe", "Notepad C:\\readme.txt"},
      {"non-ASCII directory", "D:\\Programme\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC\\hovrel.exe",
       "Notepad D:\\Programme\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC\\readme.txt"},
      {"network share", "\\\\server\\tools\\hovrel.exe", "Notepad \\\\server\\tools\\readme.txt"},
      {"dots in the directory", "E:\\a.b\\c d.e\\hovrel.exe", "Notepad E:\\a.b\\c d.e\\readme.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadMeCommandLine(c.programFile), c.commandLine) << c.name;
}

TEST(ReadMeTest, StartsNotepadAnewAtEveryClick) {
  sim::FakeShell shell;
  shell.programFileName = "C:\\Tools\\hovrel.exe";
  OpenReadMe(shell);
  shell.programFileName = "C:\\Moved Here\\hovrel.exe";
  OpenReadMe(shell);
  ASSERT_EQ(shell.startCalls.size(), 2u);
  EXPECT_EQ(shell.startCalls[0], (sim::StartCall{"Notepad C:\\Tools\\readme.txt", SW_SHOWNORMAL}));
  EXPECT_EQ(shell.startCalls[1], (sim::StartCall{"Notepad C:\\Moved Here\\readme.txt", SW_SHOWNORMAL}));
  EXPECT_TRUE(shell.executeCalls.empty());
}

}  // namespace
}  // namespace hovrel
