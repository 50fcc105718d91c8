// A shell that only records icon requests, ShellExecuteA targets and programs
// started, with the program file and version resource a test gives it, and a
// VS_VERSIONINFO block as resource compilers write it, for that resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_files.h"
#include "platform/shell.h"

namespace hovrel::sim {

struct NotifyCall { unsigned message; TrayRecord record; };

struct ExecuteCall {
  Hwnd owner;
  std::string verb, file;
  std::optional<std::string> parameters, directory;
  int showCommand;
  bool operator==(const ExecuteCall&) const = default;
};

struct StartCall {
  std::string application, commandLine;
  int showCommand;
  bool operator==(const StartCall&) const = default;
};

class FixedFiles final : public ProgramFiles {
 public:
  std::string ProgramFileName() override { return programFileName; }
  std::string SystemDirectory() override { return "C:\\Windows\\system32"; }
  std::vector<std::uint8_t> VersionResource() override { return versionResource; }

  std::string programFileName = "C:\\Program Files\\Quarrow\\hovrel.exe";
  std::vector<std::uint8_t> versionResource;
};

class FakeShell final : public Shell {
 public:
  bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) override {
    notifyCalls.push_back({message, record});
    return message == NIM_MODIFY ? iconShown : notifyAnswer;
  }
  void ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters, const char* directory,
                     int showCommand) override {
    const auto nullable = [](const char* text) { return text ? std::optional<std::string>(text) : std::nullopt; };
    executeCalls.push_back({owner, verb, file, nullable(parameters), nullable(directory), showCommand});
  }
  void StartProgram(const std::string& application, const std::string& commandLine, int showCommand) override {
    startCalls.push_back({application, commandLine, showCommand});
  }

  bool notifyAnswer = true;
  // Whether a modify finds the icon: the shell may show one it refused to add.
  bool iconShown = false;

  std::vector<NotifyCall> notifyCalls;
  std::vector<ExecuteCall> executeCalls;
  std::vector<StartCall> startCalls;
};

// Writes `width` bytes of `value` at `offset`, little-endian.
inline void Put(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// File version 2.0.0.revision, up to the fixed part and a little string data.
inline std::vector<std::uint8_t> VersionBlock(std::uint16_t revision) {
  std::vector<std::uint8_t> block(92 + 24, 0);
  Put(block, 0, static_cast<std::uint32_t>(block.size()), 2);  // wLength
  Put(block, 2, 52, 2);                                         // wValueLength
  const std::string_view key = "VS_VERSION_INFO";
  for (std::size_t i = 0; i < key.size(); ++i) Put(block, 6 + 2 * i, key[i], 2);
  Put(block, 40, 0xFEEF04BD, 4);  // signature
  Put(block, 44, 0x00010000, 4);  // structure version
  Put(block, 48, 0x00020000, 4);  // file version 2.0
  Put(block, 52, revision, 4);    // file version .0.revision
  return block;
}

}  // namespace hovrel::sim
