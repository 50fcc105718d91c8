// A shell that records icon requests, the targets handed to ShellExecuteW and
// the programs started, and fixed program files without a version resource.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/program_files.h"
#include "platform/shell.h"

namespace hovrel::sim {

struct NotifyCall {
  unsigned message;
  TrayRecord record;
};

class FakeShell final : public Shell {
 public:
  bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) override {
    notifyCalls.push_back({message, record});
    return message == NIM_MODIFY ? iconShown : notifyAnswer;
  }
  void ShellExecuteW(Hwnd owner, const char* verb, const char* file, const char* parameters, const char* directory,
                     int showCommand) override {
    const auto text = [](const char* value) { return value ? std::string(value) : std::string("(null)"); };
    opened.emplace_back(owner, text(verb) + " " + text(file) + " " + text(parameters) + " " + text(directory) + " " +
                                   std::to_string(showCommand));
  }
  bool StartProgram(const std::string& application, const std::string& commandLine, int showCommand) override {
    if (startsPrograms) started.push_back(application + " | " + commandLine + " | " + std::to_string(showCommand));
    return startsPrograms;
  }

  bool Elevated() override { return elevated; }
  bool ShellExecuteFromDesktop(const char* file, const char* parameters) override {
    if (desktopShell) fromDesktop.push_back(std::string(file) + " " + (parameters ? parameters : "(null)"));
    return desktopShell;
  }

  bool elevated = false;
  // False: the desktop's shell cannot be reached (Explorer not running, say).
  bool desktopShell = true;
  // "file parameters", handed to the desktop's shell.
  std::vector<std::string> fromDesktop;
  bool notifyAnswer = true;
  // False: no program can be started (Notepad removed, say).
  bool startsPrograms = true;
  // Whether a modify finds the icon: the shell may show one it refused to add.
  bool iconShown = false;
  std::vector<NotifyCall> notifyCalls;
  // The owner and "verb file parameters directory show".
  std::vector<std::pair<Hwnd, std::string>> opened;
  // "application | command line | show".
  std::vector<std::string> started;
};

class FixedFiles final : public ProgramFiles {
 public:
  std::string ProgramFileName() override { return "C:\\Program Files\\Quarrow\\hovrel.exe"; }
  std::string SystemDirectory() override { return "C:\\Windows\\system32"; }
  std::vector<std::uint8_t> VersionResource() override { return {}; }
};

}  // namespace hovrel::sim
