// The Help menu's "&Read Me": readme.txt, beside the program file, in Notepad
// or, where there is none, in the user's own editor.
#pragma once

#include <string>
#include <string_view>

#include "platform/program_files.h"
#include "platform/shell.h"

namespace hovrel {

// The directory that holds `programFile`, without a closing backslash, so
// that appending "\readme.txt" names the file beside it (also in a root).
std::string ProgramDirectory(std::string_view programFile);

// "Notepad " + the program's directory + "\readme.txt", unquoted: Notepad
// takes the whole rest of its command line as one file name.
std::string ReadMeCommandLine(std::string_view programFile);

// The system folder's Notepad. Named in full, so that a notepad.exe put
// beside the program (in a downloads folder, say) is never the one started.
std::string NotepadPath(std::string_view systemDirectory);

// Starts Notepad on the read-me file, whether or not the file exists; where
// Notepad cannot be started, asks the shell to open the file on behalf of
// the window `owner`. Run as administrator, the program has the desktop's
// shell start Notepad, with the user's ordinary rights, or else nothing.
void OpenReadMe(Shell& shell, ProgramFiles& files, Hwnd owner);

}  // namespace hovrel
