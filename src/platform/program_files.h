// What the program knows of files on the machine: its own file and version
// resource, and the system's folder (for Notepad). program_files_win32.cpp
// asks kernel32; the tests give fixed answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hovrel {

class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;

  // The full path of the program's own file, empty if it cannot be read.
  virtual std::string ProgramFileName() = 0;
  // The system folder (C:\Windows\system32, say), without a closing
  // backslash; empty if it cannot be read.
  virtual std::string SystemDirectory() = 0;
  // The program's own version resource (a VS_VERSIONINFO block), empty if
  // it has none.
  virtual std::vector<std::uint8_t> VersionResource() = 0;
};

}  // namespace hovrel
