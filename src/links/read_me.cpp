// Opening the read-me file; see read_me.h.
#include "links/read_me.h"

namespace hovrel {

std::string ProgramDirectory(std::string_view programFile) {
  // In UTF-8 a backslash byte is always a backslash, never part of a longer
  // letter.
  const std::size_t separator = programFile.find_last_of("\\/");
  if (separator == std::string_view::npos) return {};
  return std::string(programFile.substr(0, separator));
}

std::string ReadMeCommandLine(std::string_view programFile) {
  return "Notepad " + ProgramDirectory(programFile) + "\\readme.txt";
}

std::string NotepadPath(std::string_view systemDirectory) {
  return std::string(systemDirectory) + "\\notepad.exe";
}

void OpenReadMe(Shell& shell, ProgramFiles& files, Hwnd owner) {
  const std::string programFile = files.ProgramFileName();
  const std::string readMe = ProgramDirectory(programFile) + "\\readme.txt";
  // Notepad started by an administrator's program would run as one too, and
  // could save over any file.
  if (shell.Elevated()) {
    shell.ShellExecuteFromDesktop(NotepadPath(files.SystemDirectory()).c_str(), readMe.c_str());
    return;
  }
  if (shell.StartProgram(NotepadPath(files.SystemDirectory()), ReadMeCommandLine(programFile), SW_SHOWNORMAL))
    return;
  // Windows 11 lets the user remove Notepad: the file then goes to whatever
  // opens text files for this user.
  shell.ShellExecuteW(owner, "open", readMe.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace hovrel
