// Opening the read-me file; see read_me.h.
#include "links/read_me.h"

namespace hovrel {

std::string ProgramDirectory(std::string_view programFile) {
  // The 8-bit text is UTF-8 (the manifest sets the code page), where a
  // backslash byte is always a backslash and never part of a longer letter.
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

void OpenReadMe(Shell& shell, ProgramFiles& files) {
  shell.StartProgram(NotepadPath(files.SystemDirectory()), ReadMeCommandLine(files.ProgramFileName()),
                     SW_SHOWNORMAL);
}

}  // namespace hovrel
