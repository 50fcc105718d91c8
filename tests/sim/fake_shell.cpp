// The recording shell; see fake_shell.h.
#include "sim/fake_shell.h"

namespace hovrel::sim {

namespace {

std::optional<std::string> Nullable(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

}  // namespace

bool FakeShell::Shell_NotifyIconA(unsigned message, const TrayRecord& record) {
  notifyCalls.push_back({message, record});
  if (onNotify) onNotify(message);
  return notifyAnswer;
}

void FakeShell::ShellExecuteA(Hwnd owner, const char* verb, const char* file,
                              const char* parameters, const char* directory, int showCommand) {
  executeCalls.push_back(
      {owner, verb, file, Nullable(parameters), Nullable(directory), showCommand});
}

void FakeShell::StartProgram(const std::string& commandLine, int showCommand) {
  startCalls.push_back({commandLine, showCommand});
}

}  // namespace hovrel::sim
