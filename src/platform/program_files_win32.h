// The program's own file and the system folder, from kernel32.
#pragma once

#include "platform/program_files.h"

namespace hovrel {

class Win32ProgramFiles final : public ProgramFiles {
 public:
  std::string ProgramFileName() override;
  std::string SystemDirectory() override;
  std::vector<std::uint8_t> VersionResource() override;
};

}  // namespace hovrel
