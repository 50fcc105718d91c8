// A shell that only records: each notification-icon request with its record,
// each target handed to ShellExecuteA and each program started, with the
// program file and version resource a test gives it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace hovrel::sim {

struct NotifyCall {
  unsigned message;
  TrayRecord record;
};

struct ExecuteCall {
  Hwnd owner;
  std::string verb;
  std::string file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;
  int showCommand;
  bool operator==(const ExecuteCall&) const = default;
};

struct StartCall {
  std::string commandLine;
  int showCommand;
  bool operator==(const StartCall&) const = default;
};

class FakeShell final : public Shell {
 public:
  bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) override {
    notifyCalls.push_back({message, record});
    return notifyAnswer;
  }
  void ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand) override {
    const auto nullable = [](const char* text) {
      return text ? std::optional<std::string>(text) : std::nullopt;
    };
    executeCalls.push_back({owner, verb, file, nullable(parameters), nullable(directory), showCommand});
  }
  void StartProgram(const std::string& commandLine, int showCommand) override {
    startCalls.push_back({commandLine, showCommand});
  }
  std::string ProgramFileName() override { return programFileName; }
  std::vector<std::uint8_t> VersionResource() override { return versionResource; }

  // What the next notification-icon requests answer.
  bool notifyAnswer = true;
  std::string programFileName = "C:\\Program Files\\Quarrow\\hovrel.exe";
  std::vector<std::uint8_t> versionResource;

  std::vector<NotifyCall> notifyCalls;
  std::vector<ExecuteCall> executeCalls;
  std::vector<StartCall> startCalls;
};

}  // namespace hovrel::sim
