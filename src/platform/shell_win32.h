// The shell operations on the real shell32 and kernel32: the icon's record
// in its 8-bit form, everything else wide.
#pragma once

#include "platform/shell.h"

namespace hovrel {

class Win32Shell final : public Shell {
 public:
  bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) override;
  void ShellExecuteW(Hwnd owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand) override;
  bool StartProgram(const std::string& application, const std::string& commandLine,
                    int showCommand) override;
  bool Elevated() override;
  bool ShellExecuteFromDesktop(const char* file, const char* parameters) override;
};

}  // namespace hovrel
